#include "song/event_pool.h"

#include <cstring>

namespace vorlanthe {

namespace {

std::uint32_t blockOf(EventIndex index) { return index >> EventPool::kBlockBits; }

// Blocks given back are kept for the next ones needed, up to this many: a Track
// relocated into a region of its own then reuses the memory it leaves, instead
// of touching fresh pages.
constexpr std::size_t kMaxSpareBlocks = 32;

// A region's first block is small and each next one twice the size, up to the
// full block: small files touch little memory, large ones get full blocks.
constexpr std::uint32_t kFirstBlockSlots = 512;

void freeBlockIfDead(EventPool& pool, std::uint32_t block) {
    if (pool.liveSlots[block] != 0 || pool.filling[block]) return;
    if (pool.capacity[block] == EventPool::kBlockSlots && pool.spare.size() < kMaxSpareBlocks) {
        pool.spare.push_back(std::move(pool.blocks[block]));
    } else {
        pool.blocks[block].reset();
    }
}

}  // namespace

EventIndex allocateEvent(EventPool& pool, bool withPayload, PoolCursor& cursor) {
    const std::uint32_t needed = withPayload ? 2 : 1;
    // The two slots of one Event stay in one block.
    if (cursor.block == 0xFFFFFFFFu || cursor.used + needed > cursor.capacity) {
        const std::uint32_t grown = cursor.capacity == 0 ? kFirstBlockSlots : cursor.capacity * 2;
        const std::uint32_t capacity = grown < EventPool::kBlockSlots ? grown : EventPool::kBlockSlots;
        closeCursor(pool, cursor);
        // The index space holds kMaxBlocks blocks; the input size limit keeps every
        // run far below it (a slot per two input bytes at most, twice over).
        cursor.block = static_cast<std::uint32_t>(pool.blocks.size());
        cursor.used = 0;
        cursor.capacity = capacity;
        pool.capacity.push_back(capacity);
        if (capacity < EventPool::kBlockSlots || pool.spare.empty()) {
            // Left uninitialised: a slot is written before it is read.
            pool.blocks.emplace_back(new PoolSlot[capacity]);
        } else {
            pool.blocks.push_back(std::move(pool.spare.back()));
            pool.spare.pop_back();
        }
        pool.liveSlots.push_back(0);
        pool.filling.push_back(1);
    }
    const EventIndex index = (cursor.block << EventPool::kBlockBits) | cursor.used;
    cursor.used += needed;
    pool.liveSlots[cursor.block] += needed;
    return index;
}

void closeCursor(EventPool& pool, PoolCursor& cursor) {
    if (cursor.block == 0xFFFFFFFFu) return;
    pool.filling[cursor.block] = 0;
    freeBlockIfDead(pool, cursor.block);
    cursor.block = 0xFFFFFFFFu;
    cursor.used = 0;  // capacity stays: a region that goes on keeps its block size
}

void releaseEvent(EventPool& pool, EventIndex index) {
    const std::uint32_t block = blockOf(index);
    pool.liveSlots[block] -= nodeAt(pool, index).hasPayload ? 2 : 1;
    freeBlockIfDead(pool, block);
}

ByteView payloadAt(const EventPool& pool, EventIndex index) {
    if (!nodeAt(pool, index).hasPayload) return {};
    const PayloadRecord& record = slotAt(pool, index + 1).payload;
    return {pool.bytes.data() + record.offset, record.length};
}

void storePayload(EventPool& pool, EventIndex index, const std::uint8_t* data, std::size_t size) {
    PayloadRecord& record = slotAt(pool, index + 1).payload;
    record.offset = pool.bytes.size();
    record.length = static_cast<std::uint32_t>(size);
    record.unused = 0;
    if (size == 0) return;
    const std::uint8_t* arena = pool.bytes.data();
    if (data >= arena && data < arena + pool.bytes.size()) {
        // Copying a payload of this pool: growing the arena would move the source.
        const std::size_t from = static_cast<std::size_t>(data - arena);
        pool.bytes.resize(pool.bytes.size() + size);
        std::memcpy(pool.bytes.data() + record.offset, pool.bytes.data() + from, size);
        return;
    }
    pool.bytes.insert(pool.bytes.end(), data, data + size);
}

}  // namespace vorlanthe
