#pragma once
// Songs as text, one Track a line: "time status data..." per Event, Events
// separated by " | ". Channel events list their data bytes, system events their
// payload, meta events their type and payload: "0 90 3C 64 | 96 FF 2F".

#include <string>
#include <vector>

#include "song/song.h"

namespace test {

std::string trackText(const vorlanthe::Track& track);
std::vector<std::string> songText(const vorlanthe::Song& song);

// Builds a Track of the Song from the same text.
vorlanthe::Track trackFrom(vorlanthe::Song& song, const std::string& text);
// Appends one Track per text to the Song.
void addTracks(vorlanthe::Song& song, const std::vector<std::string>& texts);

}  // namespace test
