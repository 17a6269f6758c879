#pragma once

#include <cstdint>

#include "song/song.h"

namespace vorlanthe {

// Flag bits of the meta filter.
constexpr std::uint16_t kDropText = 1;            // text events, later track names
constexpr std::uint16_t kDropSignatures = 2;      // time and key signatures
constexpr std::uint16_t kDropSystemExclusive = 4; // sequencer-specific, F0 to FE
constexpr std::uint16_t kDropOtherMeta = 8;       // every other meta type

// Removes meta and system-exclusive events by the flag word; 0 removes nothing.
void filterMeta(Song& song, std::uint16_t flags);

}  // namespace vorlanthe
