// List operations on the Events of a Track.
#include <cstring>

#include "song/song.h"

namespace vorlanthe {

Event makeEvent(std::uint32_t time, std::uint8_t status, std::uint8_t data1, Bytes payload) {
    Event event;
    event.time = time;
    event.status = status;
    event.data1 = data1;
    event.data2 = 0;
    event.payload = std::move(payload);
    return event;
}

Track makeTrack(Song& song) {
    Track track;
    track.pool = song.pool.get();
    return track;
}

namespace {

void linkAtEnd(Track& track, EventIndex index) {
    EventNode& node = nodeAt(*track.pool, index);
    node.prev = track.tail;
    node.next = kNoEvent;
    if (track.tail == kNoEvent) {
        track.head = index;
    } else {
        nodeAt(*track.pool, track.tail).next = index;
    }
    track.tail = index;
    ++track.count;
}

void unlink(Track& track, EventIndex index) {
    EventNode& node = nodeAt(*track.pool, index);
    if (node.prev == kNoEvent) {
        track.head = node.next;
    } else {
        nodeAt(*track.pool, node.prev).next = node.next;
    }
    if (node.next == kNoEvent) {
        track.tail = node.prev;
    } else {
        nodeAt(*track.pool, node.next).prev = node.prev;
    }
    --track.count;
}

}  // namespace

void appendNewEvent(Track& track, std::uint32_t time, std::uint8_t status, std::uint8_t data1,
                    std::uint8_t data2, const std::uint8_t* payload, std::size_t payloadSize) {
    EventPool& pool = *track.pool;
    const bool withPayload = payloadSize != 0;
    const EventIndex index = allocateEvent(pool, withPayload, status);
    EventNode& node = nodeAt(pool, index);
    node.time = time;
    node.status = status;
    node.data1 = data1;
    node.data2 = data2;
    node.hasPayload = withPayload ? 1 : 0;
    if (withPayload) storePayload(pool, index, payload, payloadSize);
    linkAtEnd(track, index);
}

void appendEvent(Track& track, const Event& event) {
    appendNewEvent(track, event.time, event.status, event.data1, event.data2, event.payload.data(),
                   event.payload.size());
}

EventIndex eraseEvent(Track& track, EventIndex pos) {
    const EventIndex next = nodeAt(*track.pool, pos).next;
    unlink(track, pos);
    releaseEvent(*track.pool, pos);
    return next;
}

void moveEvent(Track& destination, Track& source, EventIndex pos) {
    unlink(source, pos);
    linkAtEnd(destination, pos);
}

void relocateEvent(Track& destination, PoolCursor& region, Track& source, EventIndex pos) {
    EventPool& pool = *source.pool;
    const EventNode node = nodeAt(pool, pos);
    const EventIndex copy = allocateEvent(pool, node.hasPayload != 0, region);
    nodeAt(pool, copy) = node;
    if (node.hasPayload) slotAt(pool, copy + 1).payload = slotAt(pool, pos + 1).payload;  // same arena bytes
    unlink(source, pos);
    releaseEvent(pool, pos);
    linkAtEnd(destination, copy);
}

void compactTrack(Track& track) {
    Track compacted;
    compacted.pool = track.pool;
    PoolCursor region;
    while (!isEmpty(track)) relocateEvent(compacted, region, track, firstEvent(track));
    closeCursor(*track.pool, region);
    track = compacted;
}

void mergeEvents(Track& destination, Track& source) {
    if (&destination == &source) return;
    EventPool& pool = *destination.pool;
    EventIndex at = destination.head;
    while (at != kNoEvent && source.head != kNoEvent) {
        const EventIndex candidate = source.head;
        if (eventOrder(nodeAt(pool, candidate), nodeAt(pool, at))) {
            unlink(source, candidate);
            EventNode& moved = nodeAt(pool, candidate);
            EventNode& before = nodeAt(pool, at);
            moved.next = at;
            moved.prev = before.prev;
            if (before.prev == kNoEvent) {
                destination.head = candidate;
            } else {
                nodeAt(pool, before.prev).next = candidate;
            }
            before.prev = candidate;
            ++destination.count;
        } else {
            at = nodeAt(pool, at).next;
        }
    }
    if (source.head == kNoEvent) return;
    // What is left of the source goes to the end in one splice.
    if (destination.tail == kNoEvent) {
        destination.head = source.head;
    } else {
        nodeAt(pool, destination.tail).next = source.head;
        nodeAt(pool, source.head).prev = destination.tail;
    }
    destination.tail = source.tail;
    destination.count += source.count;
    source.head = source.tail = kNoEvent;
    source.count = 0;
}

void clearTrack(Track& track) {
    track.head = track.tail = kNoEvent;
    track.count = 0;
}

}  // namespace vorlanthe
