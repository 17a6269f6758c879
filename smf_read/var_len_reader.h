#pragma once

#include <cstdint>

#include "smf_read/byte_cursor.h"

namespace vorlanthe {

// One variable-length quantity, any number of bytes, bits past 31 shifted out.
// -1 after a failed read, which prints its line first; a five-byte quantity can
// also give a negative value, without a message.
std::int32_t readVarLen(ByteCursor& in);

}  // namespace vorlanthe
