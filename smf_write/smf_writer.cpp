#include "smf_write/smf_writer.h"

#include <limits>

#include "platform/console.h"
#include "platform/file_output.h"
#include "platform/locale.h"
#include "smf_write/track_encoder.h"
#include "smf_write/write_messages.h"

namespace vorlanthe {

namespace {

std::size_t gEncodingLimit = std::numeric_limits<std::size_t>::max();

void putBigEndian16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

void putBigEndian32(std::uint8_t* at, std::uint32_t value) {
    putBigEndian16(at, static_cast<std::uint16_t>(value >> 16));
    putBigEndian16(at + 2, static_cast<std::uint16_t>(value));
}

int fail(OutputFile& file, const char* message) {
    writeConsoleLine(message);
    file.abandon();
    return -1;
}

}  // namespace

void limitTrackEncodingForTesting(std::size_t bytes) { gEncodingLimit = bytes; }

int writeSong(Song& song, const std::string& path) {
    namespace msg = write_messages;
    setTimeMode(song, TimeMode::Delta);
    useJapaneseLocale();
    OutputFile file;
    if (!file.open(path)) {
        writeConsoleLine(msg::kOpenFailed);
        return -1;
    }
    static const std::uint8_t kFileHeader[8] = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
    if (!file.write(kFileHeader, sizeof kFileHeader)) return fail(file, msg::kFileHeaderWrite);

    // The header's count is 16 bits: more Tracks would give a file whose header
    // disagrees with its chunks.
    if (song.tracks.size() > 0xFFFF) return fail(file, msg::kMainHeaderWrite);
    std::uint8_t mainHeader[6];
    putBigEndian16(mainHeader, song.format);
    putBigEndian16(mainHeader + 2, static_cast<std::uint16_t>(song.tracks.size()));
    putBigEndian16(mainHeader + 4, song.division);
    if (!file.write(mainHeader, sizeof mainHeader)) return fail(file, msg::kMainHeaderWrite);

    ByteStream body;
    for (const Track& track : song.tracks) {
        body.bytes.clear();  // keeps its capacity for the next Track
        body.failed = false;
        body.limit = gEncodingLimit;
        if (encodeTrack(body, track) != 0) return fail(file, msg::kTrackEncode);
        if (body.bytes.size() > 0xFFFFFFFFu) return fail(file, msg::kTrackEncode);
        std::uint8_t trackHeader[8] = {'M', 'T', 'r', 'k', 0, 0, 0, 0};
        putBigEndian32(trackHeader + 4, static_cast<std::uint32_t>(body.bytes.size()));
        if (!file.write(trackHeader, sizeof trackHeader)) return fail(file, msg::kTrackHeaderWrite);
        if (!file.write(body.bytes.data(), body.bytes.size()) || !file.flush()) {
            return fail(file, msg::kTrackDataWrite);
        }
    }
    if (!file.commit()) {
        // A failed close loses buffered data just as a failed write would.
        writeConsoleLine(file.closeFailed() ? msg::kTrackDataWrite : msg::kOpenFailed);
        return -1;
    }
    return 0;
}

}  // namespace vorlanthe
