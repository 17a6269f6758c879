#include "passes/track_layout.h"

#include <array>

namespace vorlanthe {

namespace {

constexpr std::uint8_t kMetaStatus = 0xFF;
constexpr std::uint8_t kEndOfTrack = 0x2F;
constexpr std::size_t kConductor = 0;
constexpr std::size_t kBucketCount = 17;  // conductor, then channels 0 to 15

bool isEndOfTrack(const EventNode& event) { return event.status == kMetaStatus && event.data1 == kEndOfTrack; }

bool isConductorMeta(std::uint8_t type) { return type == 0x06 || type == 0x51 || type == 0x58; }

void mergeIntoOne(Song& song) {
    if (song.tracks.empty()) {
        song.format = 0;  // nothing to merge; the Song is still a format 0 file
        return;
    }
    Track& first = song.tracks.front();
    sortEvents(first);
    for (TrackPos pos = std::next(song.tracks.begin()); pos != song.tracks.end();) {
        sortEvents(*pos);
        mergeEvents(first, *pos);
        pos = eraseTrack(song, pos);
    }
    song.format = 0;
}

// Where a source Track's meta events (but tempo, marker and time signature) and
// its system events go: the Track of its busiest channel in a format 1 Song.
std::size_t homeBucket(const Song& song, const Track& track) {
    if (song.format != 1) return kConductor;
    std::array<std::uint32_t, 16> counts{};
    for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
        const std::uint8_t status = eventAt(track, pos).status;
        if (status < 0xF0) ++counts[status & 0x0F];
    }
    std::size_t home = kConductor;
    std::uint32_t best = 0;
    for (std::size_t channel = 0; channel < 16; ++channel) {
        if (counts[channel] > best) {
            best = counts[channel];
            home = 1 + channel;
        }
    }
    return home;
}

std::size_t bucketOf(const EventNode& event, std::size_t home) {
    if (event.status < 0xF0) return 1 + (event.status & 0x0F);
    if (event.status == kMetaStatus && isConductorMeta(event.data1)) return kConductor;
    return home;
}

// Below this many Events a Track is walked fast wherever its Events lie.
constexpr std::uint32_t kCompactAbove = 4096;

void splitByChannel(Song& song) {
    std::array<Track, kBucketCount> buckets;
    for (Track& bucket : buckets) bucket = makeTrack(song);
    // Delta times become absolute ones on the way, in the walk that moves them.
    const bool fromDelta = song.timeMode == TimeMode::Delta;
    for (Track& source : song.tracks) {
        const std::size_t home = homeBucket(song, source);
        std::uint32_t absolute = 0;
        while (!isEmpty(source)) {
            const EventIndex pos = firstEvent(source);
            EventNode& event = eventAt(source, pos);
            if (fromDelta) {
                absolute += event.time;
                event.time = absolute;
            }
            moveEvent(buckets[bucketOf(event, home)], source, pos);
        }
    }
    song.timeMode = TimeMode::Absolute;
    song.tracks.clear();
    for (Track& bucket : buckets) {
        if (isEmpty(bucket)) continue;
        // Events lie in memory in the order they were read; a Track that sorting
        // reordered is laid out again, or every later walk of it jumps about.
        if (sortEvents(bucket) && bucket.count > kCompactAbove) compactTrack(bucket);
        appendTrack(song, std::move(bucket));
    }
    song.format = 1;
}

}  // namespace

void convertFormat(Song& song, std::uint16_t target) {
    if (target == 1) {
        splitByChannel(song);
    } else {
        setTimeMode(song, TimeMode::Absolute);
        if (target == 0) mergeIntoOne(song);
    }
    appendEndOfTrack(song, stripEndOfTrack(song));
}

std::uint32_t stripEndOfTrack(Song& song) {
    setTimeMode(song, TimeMode::Absolute);
    std::uint32_t latest = 0;
    for (Track& track : song.tracks) {
        for (EventIndex pos = firstEvent(track); pos != kNoEvent;) {
            const EventNode& event = eventAt(track, pos);
            if (event.time > latest) latest = event.time;
            pos = isEndOfTrack(event) ? eraseEvent(track, pos) : event.next;
        }
    }
    return latest;
}

void appendEndOfTrack(Song& song, std::uint32_t time) {
    setTimeMode(song, TimeMode::Absolute);
    const Event endOfTrack = makeEvent(time, kMetaStatus, kEndOfTrack, {});
    for (Track& track : song.tracks) appendEvent(track, endOfTrack);
}

}  // namespace vorlanthe
