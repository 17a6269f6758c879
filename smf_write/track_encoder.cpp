#include "smf_write/track_encoder.h"

#include "platform/console.h"
#include "smf_write/write_messages.h"

namespace vorlanthe {

int writeVarLen(ByteStream& out, std::uint32_t value) {
    if (value < 0x80) {  // most delta times: one byte
        if (putByte(out, static_cast<std::uint8_t>(value))) return 0;
        writeConsoleLine(write_messages::kVarLenWrite);
        return -1;
    }
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        if (!putByte(out, static_cast<std::uint8_t>(groups[--count] | 0x80))) {
            writeConsoleLine(write_messages::kVarLenWrite);
            return -1;
        }
    }
    if (!putByte(out, groups[0])) {
        writeConsoleLine(write_messages::kVarLenWrite);
        return -1;
    }
    return 0;
}

int encodeTrack(ByteStream& out, const Track& track) {
    std::uint8_t lastStatus = 0;  // never a status byte: the first one is always written
    for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
        const EventNode& event = eventAt(track, pos);
        if (writeVarLen(out, event.time) != 0) return -1;
        const std::uint8_t status = event.status;
        if (status != lastStatus) {
            if (!putByte(out, status)) return -1;
            lastStatus = status;
        }
        if (status >= 0xF0) {
            lastStatus = 0;
            if (status == 0xFF && !putByte(out, event.data1)) return -1;
            const ByteView payload = payloadOf(track, pos);
            if (writeVarLen(out, static_cast<std::uint32_t>(payload.size)) != 0) return -1;
            if (!putBytes(out, payload.data, payload.size)) return -1;
        } else {
            if (!putByte(out, event.data1)) return -1;
            const std::uint8_t kind = status & 0xF0;
            if (kind != 0xC0 && kind != 0xD0 && !putByte(out, event.data2)) return -1;
        }
    }
    return 0;
}

}  // namespace vorlanthe
