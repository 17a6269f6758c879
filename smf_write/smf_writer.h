#pragma once

#include <cstddef>
#include <string>

#include "song/song.h"

namespace vorlanthe {

// Writes the Song as a Standard MIDI File at path. 0 when the whole file was
// written; -1 after printing the line of the step that failed, in which case
// whatever was at path before is left as it was.
int writeSong(Song& song, const std::string& path);

// Test hook: each track's encoding fails once it would pass this many bytes.
void limitTrackEncodingForTesting(std::size_t bytes);

}  // namespace vorlanthe
