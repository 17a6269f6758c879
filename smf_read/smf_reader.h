#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "song/song.h"

namespace vorlanthe {

// Reads the file at path into the Song, tracing its structure on the console.
// 0 when the header and every announced track chunk were read, -1 otherwise;
// whatever was read before a failure stays in the Song.
int readSong(Song& song, const std::string& path);

// The same over a file already in memory.
int readSongFromBytes(Song& song, const std::uint8_t* data, std::size_t size);

}  // namespace vorlanthe
