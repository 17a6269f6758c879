// The Song's track list and its two time modes.
#include "song/song.h"

namespace vorlanthe {

void appendTrack(Song& song, const Track& track) {
    Track copy = makeTrack(song);
    for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
        const EventNode& node = eventAt(track, pos);
        const ByteView payload = payloadOf(track, pos);
        appendNewEvent(copy, node.time, node.status, node.data1, node.data2, payload.data, payload.size);
    }
    song.tracks.push_back(copy);
}

void appendTrack(Song& song, Track&& track) {
    if (track.pool != song.pool.get()) {
        appendTrack(song, static_cast<const Track&>(track));
        return;
    }
    song.tracks.push_back(track);
    clearTrack(track);
}

TrackPos eraseTrack(Song& song, TrackPos pos) { return song.tracks.erase(pos); }

void setTimeMode(Song& song, TimeMode mode) {
    if (song.timeMode == mode) return;
    EventPool& pool = *song.pool;
    for (Track& track : song.tracks) {
        std::uint32_t previous = 0;
        for (EventIndex pos = track.head; pos != kNoEvent;) {
            EventNode& node = nodeAt(pool, pos);
            if (mode == TimeMode::Absolute) {
                previous += node.time;
                node.time = previous;
            } else {
                const std::uint32_t absolute = node.time;
                node.time = absolute - previous;
                previous = absolute;
            }
            pos = node.next;
        }
    }
    song.timeMode = mode;
}

void swapBytes32(std::uint32_t& word) {
    word = ((word & 0x000000FFu) << 24) | ((word & 0x0000FF00u) << 8) | ((word & 0x00FF0000u) >> 8) |
           ((word & 0xFF000000u) >> 24);
}

}  // namespace vorlanthe
