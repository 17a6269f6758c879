#include "passes/meta_filter.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vorlanthe {

namespace {

enum class MetaGroup { EndOfTrack, Tempo, TrackName, Text, Signature, SequencerSpecific, Other };

MetaGroup metaGroupOf(std::uint8_t type) {
    switch (type) {
        case 0x2F: return MetaGroup::EndOfTrack;
        case 0x51: return MetaGroup::Tempo;
        case 0x03: return MetaGroup::TrackName;
        case 0x58:
        case 0x59: return MetaGroup::Signature;
        case 0x7F: return MetaGroup::SequencerSpecific;
        case 0x01:
        case 0x02:
        case 0x04:
        case 0x05:
        case 0x14:
        case 0x15: return MetaGroup::Text;
        default:
            if ((type >= 0x08 && type <= 0x12) || (type >= 0x18 && type <= 0x1F)) return MetaGroup::Text;
            return MetaGroup::Other;
    }
}

using TempoKey = std::pair<std::uint32_t, std::string>;

TempoKey tempoKey(const Track& track, EventIndex pos) {
    const ByteView payload = payloadOf(track, pos);
    return {eventAt(track, pos).time, std::string(reinterpret_cast<const char*>(payload.data), payload.size)};
}

// The tempo events of the first Track, sorted, to tell a copy of one elsewhere.
std::vector<TempoKey> tempoMap(const Track& track) {
    std::vector<TempoKey> keys;
    for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
        const EventNode& event = eventAt(track, pos);
        if (event.status == 0xFF && event.data1 == 0x51) keys.push_back(tempoKey(track, pos));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

struct FilterState {
    std::uint16_t flags;
    bool trackNameKept = false;
    std::vector<TempoKey> firstTrackTempos;
};

bool shouldRemove(FilterState& state, const Track& track, EventIndex pos, bool inFirstTrack) {
    const EventNode& event = eventAt(track, pos);
    if (event.status < 0xF0) return false;
    if (event.status != 0xFF) return (state.flags & kDropSystemExclusive) != 0;
    switch (metaGroupOf(event.data1)) {
        case MetaGroup::EndOfTrack: return false;
        case MetaGroup::Tempo:
            // A tempo event elsewhere goes only when it repeats one of the first
            // Track's: some files keep their only tempo map in a later Track.
            return !inFirstTrack &&
                   std::binary_search(state.firstTrackTempos.begin(), state.firstTrackTempos.end(),
                                      tempoKey(track, pos));
        case MetaGroup::TrackName:
            if (!state.trackNameKept) {
                state.trackNameKept = payloadOf(track, pos).size != 0;
                return false;
            }
            return (state.flags & kDropText) != 0;
        case MetaGroup::Text: return (state.flags & kDropText) != 0;
        case MetaGroup::Signature: return (state.flags & kDropSignatures) != 0;
        case MetaGroup::SequencerSpecific: return (state.flags & kDropSystemExclusive) != 0;
        case MetaGroup::Other: return (state.flags & kDropOtherMeta) != 0;
    }
    return false;
}

}  // namespace

void filterMeta(Song& song, std::uint16_t flags) {
    if (flags == 0) return;
    setTimeMode(song, TimeMode::Absolute);
    FilterState state{flags, false, {}};
    if (!song.tracks.empty()) state.firstTrackTempos = tempoMap(song.tracks.front());
    bool inFirstTrack = true;
    for (Track& track : song.tracks) {
        for (EventIndex pos = firstEvent(track); pos != kNoEvent;) {
            pos = shouldRemove(state, track, pos, inFirstTrack) ? eraseEvent(track, pos) : nextEvent(track, pos);
        }
        inFirstTrack = false;
    }
}

}  // namespace vorlanthe
