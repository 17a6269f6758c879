#pragma once

#include <cstdint>

#include "song/song.h"

namespace vorlanthe {

// Gives the Song a new division and rescales every time in proportion, each
// absolute time cut down to a whole tick. A time-code or zero division is kept.
void rescaleTimeBase(Song& song, std::uint16_t newDivision);

}  // namespace vorlanthe
