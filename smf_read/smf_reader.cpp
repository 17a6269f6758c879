#include "smf_read/smf_reader.h"

#include <cstring>

#include "platform/console.h"
#include "platform/file_input.h"
#include "platform/locale.h"
#include "smf_read/byte_cursor.h"
#include "smf_read/read_messages.h"
#include "smf_read/track_decoder.h"

namespace vorlanthe {

namespace {

constexpr std::uint32_t kMinHeaderLength = 6;
constexpr std::uint32_t kMaxHeaderLength = 4096;

std::uint32_t bigEndian32(const std::uint8_t* bytes) {
    std::uint32_t word = 0;
    std::memcpy(&word, bytes, 4);
    // The file is big-endian; swap where the host is not.
    const std::uint16_t probe = 1;
    std::uint8_t first = 0;
    std::memcpy(&first, &probe, 1);
    if (first == 1) swapBytes32(word);
    return word;
}

std::uint16_t bigEndian16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

}  // namespace

int readSongFromBytes(Song& song, const std::uint8_t* data, std::size_t size) {
    namespace msg = read_messages;
    ByteCursor in = makeCursor(data, size);
    std::uint8_t chunkHeader[8];
    if (!readBytes(in, chunkHeader, 8)) {
        writeConsoleLine(msg::kFileHeaderRead);
        return -1;
    }
    if (std::memcmp(chunkHeader, "MThd", 4) != 0) {
        writeConsoleLine(msg::kNotMthd);
        return -1;
    }
    const std::uint32_t headerLength = bigEndian32(chunkHeader + 4);
    writeConsoleLine("; Main Header Size " + std::to_string(headerLength) + " byte.");
    if (headerLength < kMinHeaderLength || headerLength > kMaxHeaderLength) {
        writeConsoleLine(msg::kHeaderSizeBefore + std::to_string(headerLength) + msg::kHeaderSizeAfter);
        return -1;
    }
    std::uint8_t header[6];
    if (!readBytes(in, header, 6)) {
        writeConsoleLine(msg::kMainHeaderRead);
        return -1;
    }
    const std::uint16_t format = bigEndian16(header);
    const std::uint16_t trackCount = bigEndian16(header + 2);
    const std::uint16_t division = bigEndian16(header + 4);
    writeConsoleLine("; midi format " + std::to_string(format) + "\n; track count " + std::to_string(trackCount) +
                     "\n; Time base   " + std::to_string(division));
    song.format = format;
    song.division = division;
    if (!seekFromStart(in, 8 + static_cast<std::size_t>(headerLength))) {
        writeConsoleLine(msg::kAfterHeaderCut);
        return -1;
    }

    // Payloads are copied out of the file; room for them all is reserved up front
    // (untouched memory costs nothing) so the arena never moves while it fills.
    song.pool->bytes.reserve(song.pool->bytes.size() + size);

    for (std::uint16_t i = 0; i < trackCount; ++i) {
        writeConsolePiece("; Track " + std::to_string(i) + "\t");
        if (!readBytes(in, chunkHeader, 8)) {
            writeConsoleLine(msg::kTrackHeaderRead);
            return -1;
        }
        if (std::memcmp(chunkHeader, "MTrk", 4) != 0) {
            writeConsoleLine(msg::kNotMtrk);
            return -1;
        }
        const std::uint32_t chunkLength = bigEndian32(chunkHeader + 4);
        writeConsoleLine("Track Data Size " + std::to_string(chunkLength) + " byte.");
        if (readTrackEvents(in, song, chunkLength) != 0) return -1;
    }
    return 0;
}

int readSong(Song& song, const std::string& path) {
    useJapaneseLocale();
    InputFile file;
    if (!file.open(path)) {
        writeConsoleLine(read_messages::kOpenFailed);
        return -1;
    }
    return readSongFromBytes(song, file.data(), file.size());
}

}  // namespace vorlanthe
