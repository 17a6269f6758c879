#include "smf_read/track_decoder.h"

#include <string>

#include "platform/console.h"
#include "smf_read/read_messages.h"
#include "smf_read/var_len_reader.h"

namespace vorlanthe {

const char* textEventName(std::uint8_t metaType) {
    switch (metaType) {
        case 0x01: return "テキスト";
        case 0x02: return "著作権表示";
        case 0x03: return "曲名/トラック名";
        case 0x04: return "楽器名";
        case 0x05: return "歌詞";
        case 0x08: return "プログラム名(音色名)";
        case 0x09: return "デバイス名(音源名)";
        default: return nullptr;
    }
}

namespace {

constexpr std::uint8_t kMetaStatus = 0xFF;
constexpr std::uint8_t kEndOfTrack = 0x2F;

void showTextEvent(const char* name, const std::uint8_t* text, std::size_t size) {
    std::size_t shown = 0;
    while (shown < size && text[shown] != 0) ++shown;  // up to the first zero byte
    std::string line = consoleText(std::string(name) + ":\"");
    line += shownFileText(text, shown);
    line += consoleText("\"");
    writeConsoleBytesLine(std::move(line));
}

bool hasTwoDataBytes(std::uint8_t status) { return status < 0xC0 || (status >= 0xE0 && status < 0xF0); }

struct DecoderState {
    Track current;
    std::uint8_t runningStatus = 0;
    // Some sequencers go on with channel running status right after a meta event;
    // the last channel status lets a data byte there continue the notes.
    std::uint8_t lastChannelStatus = 0;
    // Delta time of dropped events, carried to the next appended Event so that
    // nothing after them moves earlier.
    std::uint32_t carriedTime = 0;
};

void append(DecoderState& state, std::uint32_t time, std::uint8_t status, std::uint8_t data1,
            std::uint8_t data2, const std::uint8_t* payload, std::size_t payloadSize) {
    appendNewEvent(state.current, time + state.carriedTime, status, data1, data2, payload, payloadSize);
    state.carriedTime = 0;
}

void drop(DecoderState& state, std::uint32_t time) { state.carriedTime += time; }

// A system-exclusive or meta event, its status already read.
void decodeLongEvent(ByteCursor& in, Song& song, DecoderState& state, std::uint32_t time,
                     std::uint8_t status) {
    std::uint8_t type = 0;
    if (status == kMetaStatus && !readByte(in, type)) return;
    const std::int32_t length = readVarLen(in);
    if (length < 0) {
        drop(state, time);
        return;
    }
    const std::uint8_t* payload = nullptr;
    if (!readSpan(in, static_cast<std::size_t>(length), payload)) return;
    std::size_t size = static_cast<std::size_t>(length);

    if (const char* name = status == kMetaStatus ? textEventName(type) : nullptr) {
        if (size > 0 && payload[size - 1] == 0) --size;  // one trailing zero byte only
        if (size == 0) {
            drop(state, time);
            return;
        }
        showTextEvent(name, payload, size);
        append(state, time, status, type, 0, payload, size);
        return;
    }
    append(state, time, status, type, 0, payload, size);
    if (status == kMetaStatus && type == kEndOfTrack) {
        appendTrack(song, std::move(state.current));
    }
}

}  // namespace

int readTrackEvents(ByteCursor& in, Song& song, std::uint32_t chunkLength) {
    DecoderState state;
    state.current = makeTrack(song);
    // Positions fit in 31 bits (the input is bounded so); the end wraps as a
    // signed 32-bit sum would, without signed overflow.
    const auto start = static_cast<std::uint32_t>(in.position);
    const auto chunkEnd = static_cast<std::int32_t>(start + chunkLength);

    while (static_cast<std::int32_t>(in.position) < chunkEnd) {
        const auto time = static_cast<std::uint32_t>(readVarLen(in));
        std::uint8_t byte = 0;
        if (!readByte(in, byte)) {
            writeConsoleLine(read_messages::kStatusRead);
            break;
        }
        std::uint8_t status = byte;
        if (byte >= 0x80) {
            state.runningStatus = byte;
            if (byte < 0xF0) state.lastChannelStatus = byte;
        } else {
            status = state.lastChannelStatus != 0 ? state.lastChannelStatus : state.runningStatus;
            stepBack(in);
        }

        if (status < 0x80) {
            writeConsoleLine(std::string(read_messages::kNoStatusBefore) + std::to_string(status) +
                             read_messages::kNoStatusAfter);
        } else if (status >= 0xF0) {
            decodeLongEvent(in, song, state, time, status);
        } else if (hasTwoDataBytes(status)) {
            std::uint8_t data1 = 0;
            std::uint8_t data2 = 0;
            if (readByte(in, data1) && readByte(in, data2)) append(state, time, status, data1, data2, nullptr, 0);
        } else {
            std::uint8_t data1 = 0;
            if (readByte(in, data1)) append(state, time, status, data1, 0, nullptr, 0);
        }

        if (in.failed) {
            writeConsoleLine(read_messages::kEventRead);
            break;
        }
    }
    if (!isEmpty(state.current)) appendTrack(song, std::move(state.current));
    return in.failed ? -1 : 0;
}

}  // namespace vorlanthe
