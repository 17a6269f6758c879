#pragma once
// Storage for every Event of one Song.
//
// A large file holds tens of millions of Events, so an Event is a 16-byte slot in
// fixed-size blocks, linked by 32-bit slot indices: no heap node per Event, no
// reallocation copy as the pool grows, and a slot never moves, so an index stays a
// valid position for as long as its Event lives. An Event with a payload takes the
// slot after it as well, which holds where its bytes stand in one shared byte
// arena; channel events carry no payload and pay nothing for one.
//
// Walking a list is a chain of dependent loads, fast only while neighbours in the
// list are neighbours in memory. Slots are therefore handed out through cursors,
// each filling blocks of its own: new Events go to one region per channel (and
// one for system and meta events), so the channel Tracks that the layout pass
// links together already lie together; a block whose Events have all been
// erased is given back at once.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vorlanthe {

using EventIndex = std::uint32_t;
constexpr EventIndex kNoEvent = 0xFFFFFFFFu;

struct EventNode {
    std::uint32_t time;
    EventIndex prev;
    EventIndex next;
    std::uint8_t status;
    std::uint8_t data1;
    std::uint8_t data2;
    std::uint8_t hasPayload;  // 1: the next slot holds a PayloadRecord
};

struct PayloadRecord {
    std::uint64_t offset;  // into EventPool::bytes
    std::uint32_t length;
    std::uint32_t unused;
};

union PoolSlot {
    EventNode event;
    PayloadRecord payload;
};
static_assert(sizeof(PoolSlot) == 16, "an Event slot is 16 bytes");

// Read-only view of a payload; valid until the next Event with a payload is added.
struct ByteView {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

// Where the next slots of one region come from: the block being filled and how
// much of it is used.
struct PoolCursor {
    std::uint32_t block = 0xFFFFFFFFu;
    std::uint32_t used = 0;
    std::uint32_t capacity = 0;  // slots of the block being filled
};

struct EventPool {
    static constexpr unsigned kBlockBits = 17;  // 2 MiB blocks
    static constexpr std::uint32_t kBlockSlots = 1u << kBlockBits;
    static constexpr std::uint32_t kMaxBlocks = 1u << (32 - kBlockBits);

    std::vector<std::unique_ptr<PoolSlot[]>> blocks;  // null once given back
    std::vector<std::uint32_t> liveSlots;             // per block
    std::vector<std::uint8_t> filling;                // per block: a cursor still fills it
    std::vector<std::unique_ptr<PoolSlot[]>> spare;   // given-back full-size blocks, for reuse
    std::vector<std::uint32_t> capacity;              // per block: slots allocated
    PoolCursor regions[17];                           // channels 0 to 15, then the rest
    std::vector<std::uint8_t> bytes;                  // payload arena
};

inline PoolSlot& slotAt(const EventPool& pool, EventIndex index) {
    return pool.blocks[index >> EventPool::kBlockBits][index & (EventPool::kBlockSlots - 1)];
}

inline EventNode& nodeAt(const EventPool& pool, EventIndex index) { return slotAt(pool, index).event; }

// Lists mostly run forward through their region's blocks, so the slots a few
// cache lines on are fetched before the walk needs them.
inline void prefetchAhead(const EventPool& pool, EventIndex index) {
#if defined(__GNUC__)
    constexpr EventIndex kAhead = 16;  // 256 bytes
    if (index == kNoEvent) return;
    const std::uint32_t block = index >> EventPool::kBlockBits;
    if ((index & (EventPool::kBlockSlots - 1)) + kAhead < pool.capacity[block]) {
        __builtin_prefetch(&slotAt(pool, index + kAhead));
    }
#else
    (void)pool;
    (void)index;
#endif
}

// Takes one slot, or two adjacent ones for an Event with a payload, from the
// cursor's region, or from the region of the status byte's channel.
EventIndex allocateEvent(EventPool& pool, bool withPayload, PoolCursor& cursor);
inline EventIndex allocateEvent(EventPool& pool, bool withPayload, std::uint8_t status) {
    return allocateEvent(pool, withPayload, pool.regions[status < 0xF0 ? (status & 0x0F) : 16]);
}

// Ends a region: its last block may be given back once it holds no Event.
void closeCursor(EventPool& pool, PoolCursor& cursor);

// Gives the slots of an unlinked Event back.
void releaseEvent(EventPool& pool, EventIndex index);

ByteView payloadAt(const EventPool& pool, EventIndex index);

// Copies the bytes into the arena and records them for the Event at index, whose
// second slot must have been allocated.
void storePayload(EventPool& pool, EventIndex index, const std::uint8_t* data, std::size_t size);

}  // namespace vorlanthe
