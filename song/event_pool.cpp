#include "song/event_pool.h"

#include <cstring>

namespace vorlanthe {

EventIndex allocateEvent(EventPool& pool, bool withPayload) {
    const std::uint32_t needed = withPayload ? 2 : 1;
    std::uint64_t index = pool.slotsUsed;
    const std::uint64_t inBlock = index & (EventPool::kBlockSlots - 1);
    // The two slots of one Event stay in one block.
    if (inBlock + needed > EventPool::kBlockSlots) index += EventPool::kBlockSlots - inBlock;
    const std::uint64_t end = index + needed;
    while ((pool.blocks.size() << EventPool::kBlockBits) < end) {
        // Left uninitialised: a slot is written before it is read.
        pool.blocks.emplace_back(new PoolSlot[EventPool::kBlockSlots]);
    }
    pool.slotsUsed = end;
    return static_cast<EventIndex>(index);
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
