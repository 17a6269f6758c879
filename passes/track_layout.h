#pragma once

#include <cstdint>

#include "song/song.h"

namespace vorlanthe {

// Re-lays the Tracks: 0 merges them into one, 1 splits them into a conductor
// Track and one Track per channel, any other target keeps the layout. Every Track
// then ends with one end-of-track event at the Song's latest time.
void convertFormat(Song& song, std::uint16_t target);

// Removes every end-of-track event; returns the latest Event time of the Song.
std::uint32_t stripEndOfTrack(Song& song);

// Adds an end-of-track event at time to the end of every Track.
void appendEndOfTrack(Song& song, std::uint32_t time);

}  // namespace vorlanthe
