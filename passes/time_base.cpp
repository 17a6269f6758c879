#include "passes/time_base.h"

namespace vorlanthe {

namespace {

// Truncation toward zero; a position past the signed 64-bit range (over 1.4e14
// old ticks, far beyond any real file) stays at the largest value.
std::int64_t truncateTicks(double position) {
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    if (!(position < kLimit)) return INT64_MAX;
    if (!(position > -kLimit)) return INT64_MIN;
    return static_cast<std::int64_t>(position);
}

}  // namespace

void rescaleTimeBase(Song& song, std::uint16_t newDivision) {
    // A division with its top bit set counts frames per second, not ticks per
    // quarter note, and 0 has no ticks at all: neither can be rescaled.
    if (song.division == 0 || (song.division & 0x8000) != 0) {
        setTimeMode(song, TimeMode::Delta);
        return;
    }
    const double ratio = static_cast<double>(newDivision) / static_cast<double>(song.division);
    // Delta times are taken as the Song holds them, or as the differences of its
    // absolute times, in the same walk that rescales them.
    const bool absolute = song.timeMode == TimeMode::Absolute;
    for (Track& track : song.tracks) {
        std::uint32_t previousAbsolute = 0;
        double source = 0.0;
        double previousScaled = 0.0;
        for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
            EventNode& event = eventAt(track, pos);
            std::uint32_t delta = event.time;
            if (absolute) {
                delta = event.time - previousAbsolute;
                previousAbsolute = event.time;
            }
            source += static_cast<double>(delta);
            const double scaled = source * ratio;
            const auto difference = static_cast<std::uint64_t>(truncateTicks(scaled)) -
                                    static_cast<std::uint64_t>(truncateTicks(previousScaled));
            event.time = static_cast<std::uint32_t>(difference);
            previousScaled = scaled;
        }
    }
    song.timeMode = TimeMode::Delta;
    song.division = newDivision;
}

}  // namespace vorlanthe
