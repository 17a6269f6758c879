#pragma once
// The in-memory MIDI file: a Song owns its Tracks, a Track its Events, an Event its
// payload. Tracks share their Song's EventPool, so Events move between Tracks of
// one Song by relinking, never by copying.

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "song/event_pool.h"

namespace vorlanthe {

using Bytes = std::vector<std::uint8_t>;

enum class TimeMode : std::uint32_t { Delta = 0, Absolute = 1 };

// An Event as a value: what makeEvent makes and appendEvent copies in.
struct Event {
    std::uint32_t time = 0;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    Bytes payload;
};

// A doubly linked list of Events held in a pool. A Track made for a Song must only
// exchange Events with Tracks of the same Song.
struct Track {
    EventPool* pool = nullptr;
    EventIndex head = kNoEvent;
    EventIndex tail = kNoEvent;
    std::uint32_t count = 0;
};

using TrackList = std::list<Track>;
using TrackPos = TrackList::iterator;

struct Song {
    std::uint16_t format = 0;
    std::uint16_t division = 0;
    TimeMode timeMode = TimeMode::Delta;
    TrackList tracks;
    std::unique_ptr<EventPool> pool = std::make_unique<EventPool>();
};

// --- Events ---------------------------------------------------------------

Event makeEvent(std::uint32_t time, std::uint8_t status, std::uint8_t data1, Bytes payload);

// Both Events are compared by time, then by the low four bits of their status.
bool eventOrder(const EventNode& a, const EventNode& b);
bool eventOrder(const Event& a, const Event& b);

// --- Tracks ---------------------------------------------------------------

Track makeTrack(Song& song);

inline bool isEmpty(const Track& track) { return track.count == 0; }
inline EventIndex firstEvent(const Track& track) { return track.head; }
inline EventIndex lastEvent(const Track& track) { return track.tail; }
inline EventIndex nextEvent(const Track& track, EventIndex pos) {
    const EventIndex next = nodeAt(*track.pool, pos).next;
    prefetchAhead(*track.pool, next);
    return next;
}
inline EventNode& eventAt(const Track& track, EventIndex pos) { return nodeAt(*track.pool, pos); }
inline ByteView payloadOf(const Track& track, EventIndex pos) { return payloadAt(*track.pool, pos); }

// Adds a new Event at the end of the Track; the payload bytes are copied.
void appendNewEvent(Track& track, std::uint32_t time, std::uint8_t status, std::uint8_t data1,
                    std::uint8_t data2, const std::uint8_t* payload, std::size_t payloadSize);

void appendEvent(Track& track, const Event& event);
EventIndex eraseEvent(Track& track, EventIndex pos);
void moveEvent(Track& destination, Track& source, EventIndex pos);
void mergeEvents(Track& destination, Track& source);

// As moveEvent, but the Event is copied into fresh slots of a region, so that the
// Events of a Track built this way lie together in memory and walking it stays
// fast; the source slots are given back. Only the Event's position changes.
void relocateEvent(Track& destination, PoolCursor& region, Track& source, EventIndex pos);

// Relocates a Track's Events, in their order, into a region of their own.
void compactTrack(Track& track);
// True when the sort changed the order of the Events.
bool sortEvents(Track& track);
void clearTrack(Track& track);

// --- The Song's track list ------------------------------------------------

void appendTrack(Song& song, const Track& track);  // copies every Event
void appendTrack(Song& song, Track&& track);       // relinks; the source is left empty
TrackPos eraseTrack(Song& song, TrackPos pos);

void setTimeMode(Song& song, TimeMode mode);

void swapBytes32(std::uint32_t& word);

}  // namespace vorlanthe
