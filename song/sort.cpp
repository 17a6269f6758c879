// The one order of Events, and the stable sort built on mergeEvents.
#include "song/song.h"

namespace vorlanthe {

bool eventOrder(const EventNode& a, const EventNode& b) {
    if (a.time != b.time) return a.time < b.time;
    return (a.status & 0x0F) < (b.status & 0x0F);
}

bool eventOrder(const Event& a, const Event& b) {
    if (a.time != b.time) return a.time < b.time;
    return (a.status & 0x0F) < (b.status & 0x0F);
}

namespace {

// Unlinks the longest run at the front of the Track in which no Event comes before
// its predecessor, and returns it as a Track of its own.
Track takeLeadingRun(Track& track) {
    EventPool& pool = *track.pool;
    Track run;
    run.pool = track.pool;
    run.head = track.head;
    EventIndex last = track.head;
    std::uint32_t length = 1;
    for (EventIndex next = nodeAt(pool, last).next; next != kNoEvent; next = nodeAt(pool, next).next) {
        if (eventOrder(nodeAt(pool, next), nodeAt(pool, last))) break;
        last = next;
        ++length;
    }
    run.tail = last;
    run.count = length;
    track.head = nodeAt(pool, last).next;
    if (track.head == kNoEvent) {
        track.tail = kNoEvent;
    } else {
        nodeAt(pool, track.head).prev = kNoEvent;
    }
    nodeAt(pool, last).next = kNoEvent;
    track.count -= length;
    return run;
}

}  // namespace

// Bottom-up merge sort over a binary counter of lists, fed with the Track's ascending
// runs from the front: a sorted Track costs one walk, and every merge keeps the
// earlier Events as the destination, so the sort is stable.
bool sortEvents(Track& track) {
    if (track.count < 2) return false;
    constexpr int kLevels = 33;  // 2^32 Events at most
    Track levels[kLevels];
    for (Track& level : levels) level.pool = track.pool;
    int used = 0;
    bool reordered = false;
    while (!isEmpty(track)) {
        Track carry = takeLeadingRun(track);
        if (!isEmpty(track)) reordered = true;  // more than one run
        int level = 0;
        while (!isEmpty(levels[level])) {
            mergeEvents(levels[level], carry);
            carry = levels[level];
            clearTrack(levels[level]);
            if (level + 1 == kLevels) break;
            ++level;
        }
        levels[level] = carry;
        if (level >= used) used = level + 1;
    }
    Track result;
    result.pool = track.pool;
    for (int level = 0; level < used; ++level) {
        // Higher levels hold earlier Events.
        mergeEvents(levels[level], result);
        result = levels[level];
        clearTrack(levels[level]);
    }
    track = result;
    return reordered;
}

}  // namespace vorlanthe
