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
    setTimeMode(song, TimeMode::Delta);
    // A division with its top bit set counts frames per second, not ticks per
    // quarter note, and 0 has no ticks at all: neither can be rescaled.
    if (song.division == 0 || (song.division & 0x8000) != 0) return;
    const double ratio = static_cast<double>(newDivision) / static_cast<double>(song.division);
    for (Track& track : song.tracks) {
        double source = 0.0;
        double previousScaled = 0.0;
        for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
            EventNode& event = eventAt(track, pos);
            source += static_cast<double>(event.time);
            const double scaled = source * ratio;
            const auto difference = static_cast<std::uint64_t>(truncateTicks(scaled)) -
                                    static_cast<std::uint64_t>(truncateTicks(previousScaled));
            event.time = static_cast<std::uint32_t>(difference);
            previousScaled = scaled;
        }
    }
    song.division = newDivision;
}

}  // namespace vorlanthe
