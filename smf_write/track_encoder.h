#pragma once

#include <cstdint>

#include "smf_write/byte_stream.h"
#include "song/song.h"

namespace vorlanthe {

// One variable-length quantity, most significant group first, up to five bytes.
// -1 after a failed write, which prints its line first.
int writeVarLen(ByteStream& out, std::uint32_t value);

// The body of a track chunk with running status; the Track's times must be deltas.
// -1 at the first failed write.
int encodeTrack(ByteStream& out, const Track& track);

}  // namespace vorlanthe
