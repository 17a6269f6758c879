#include "smf_read/var_len_reader.h"

#include "platform/console.h"
#include "smf_read/read_messages.h"

namespace vorlanthe {

std::int32_t readVarLen(ByteCursor& in) {
    std::uint32_t value = 0;
    for (;;) {
        std::uint8_t byte = 0;
        if (!readByte(in, byte)) {
            writeConsoleLine(read_messages::kVarLenRead);
            return -1;
        }
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80) == 0) return static_cast<std::int32_t>(value);
    }
}

}  // namespace vorlanthe
