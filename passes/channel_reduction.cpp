#include "passes/channel_reduction.h"

#include <array>

namespace vorlanthe {

namespace {

bool isNoteEvent(std::uint8_t status) { return status >= 0x80 && status <= 0x9F; }

}  // namespace

void pruneSilentChannels(Song& song) {
    setTimeMode(song, TimeMode::Absolute);
    std::array<std::uint32_t, 16> notes{};
    std::uint32_t channelsWithOtherEvents = 0;  // bit per channel
    for (const Track& track : song.tracks) {
        for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
            const std::uint8_t status = eventAt(track, pos).status;
            if (isNoteEvent(status)) {
                ++notes[status & 0x0F];
            } else if (status < 0xF0) {
                channelsWithOtherEvents |= 1u << (status & 0x0F);
            }
        }
    }
    std::uint32_t silentChannelsWithEvents = 0;
    for (unsigned channel = 0; channel < 16; ++channel) {
        if (notes[channel] == 0 && (channelsWithOtherEvents & (1u << channel))) silentChannelsWithEvents |= 1u << channel;
    }
    if (silentChannelsWithEvents == 0) return;  // nothing to remove: spare the second walk
    for (Track& track : song.tracks) {
        for (EventIndex pos = firstEvent(track); pos != kNoEvent;) {
            const std::uint8_t status = eventAt(track, pos).status;
            const bool silentControl = !isNoteEvent(status) && status < 0xF0 && notes[status & 0x0F] == 0;
            pos = silentControl ? eraseEvent(track, pos) : nextEvent(track, pos);
        }
    }
}

void pruneEmptyTracks(Song& song) {
    for (TrackPos pos = song.tracks.begin(); pos != song.tracks.end();) {
        const bool startsEnded = !isEmpty(*pos) && eventAt(*pos, firstEvent(*pos)).status == 0xFF &&
                                 eventAt(*pos, firstEvent(*pos)).data1 == 0x2F;
        pos = isEmpty(*pos) || startsEnded ? eraseTrack(song, pos) : std::next(pos);
    }
}

void rewriteNoteOff(Song& song) {
    for (const Track& track : song.tracks) {
        for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
            EventNode& event = eventAt(track, pos);
            if ((event.status & 0xF0) == 0x80) {
                event.status = static_cast<std::uint8_t>(0x90 | (event.status & 0x0F));
                event.data2 = 0;
            }
        }
    }
}

}  // namespace vorlanthe
