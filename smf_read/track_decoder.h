#pragma once

#include <cstdint>

#include "smf_read/byte_cursor.h"
#include "song/song.h"

namespace vorlanthe {

// Decodes one track chunk's events from the cursor into Tracks appended to the
// Song: one at every end-of-track event and one for what follows the last.
// 0 when decoding reached the chunk end, -1 after a failed read.
int readTrackEvents(ByteCursor& in, Song& song, std::uint32_t chunkLength);

// The console name of a text meta type, or nullptr for the other types.
const char* textEventName(std::uint8_t metaType);

}  // namespace vorlanthe
