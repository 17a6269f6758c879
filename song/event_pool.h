#pragma once
// Storage for every Event of one Song.
//
// A large file holds tens of millions of Events, so an Event is a 16-byte slot in
// fixed-size blocks, linked by 32-bit slot indices: no heap node per Event, no
// reallocation copy as the pool grows, and a slot never moves, so an index stays a
// valid position for as long as its Event lives. An Event with a payload takes the
// slot after it as well, which holds where its bytes stand in one shared byte
// arena; channel events carry no payload and pay nothing for one.

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

struct EventPool {
    static constexpr unsigned kBlockBits = 17;  // 2 MiB blocks
    static constexpr std::uint32_t kBlockSlots = 1u << kBlockBits;

    std::vector<std::unique_ptr<PoolSlot[]>> blocks;
    std::uint64_t slotsUsed = 0;
    std::vector<std::uint8_t> bytes;  // payload arena
};

inline PoolSlot& slotAt(const EventPool& pool, EventIndex index) {
    return pool.blocks[index >> EventPool::kBlockBits][index & (EventPool::kBlockSlots - 1)];
}

inline EventNode& nodeAt(const EventPool& pool, EventIndex index) { return slotAt(pool, index).event; }

// Takes one slot, or two adjacent ones for an Event with a payload.
EventIndex allocateEvent(EventPool& pool, bool withPayload);

ByteView payloadAt(const EventPool& pool, EventIndex index);

// Copies the bytes into the arena and records them for the Event at index, whose
// second slot must have been allocated.
void storePayload(EventPool& pool, EventIndex index, const std::uint8_t* data, std::size_t size);

}  // namespace vorlanthe
