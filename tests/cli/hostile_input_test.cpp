// Damaged and hostile files through the whole pipeline: each must end with a
// defined result, bounded work and no finding under the sanitizers.
#include <gtest/gtest.h>

#include "cli/pipeline.h"
#include "smf_read/smf_reader.h"
#include "smf_write/track_encoder.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"
#include "support/song_text.h"
#include "platform/file_output.h"
#include "support/temp_dir.h"

using namespace vorlanthe;
using test::Bytes;
using test::hex;
using test::operator+;

namespace {

struct Outcome {
    int readResult;
    std::size_t tracks;
    std::size_t encodedBytes;
    std::string console;
};

Outcome runInMemory(const Bytes& file, std::uint16_t format = kNoFormatAsked) {
    test::ConsoleCapture console;
    Song song;
    RunSettings settings;
    settings.formatOption = format;
    const int result = readSongFromBytes(song, file.data(), file.size());
    runPasses(song, settings);
    std::size_t encoded = 0;
    for (const Track& track : song.tracks) {
        ByteStream out;
        EXPECT_EQ(encodeTrack(out, track), 0);
        encoded += out.bytes.size();
    }
    return {result, song.tracks.size(), encoded, console.text()};
}

Bytes chunkWithLength(std::uint32_t length, const Bytes& body) {
    return hex("'MTrk'") + Bytes{static_cast<std::uint8_t>(length >> 24), static_cast<std::uint8_t>(length >> 16),
                                 static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)} + body;
}

const Bytes kEveryKind = test::smfFile(
    1, 480,
    {hex("00 FF 03 05 'Piano' 00 FF 51 03 07 A1 20 00 FF 58 04 04 02 18 08 00 FF 2F 00"),
     hex("00 C0 05 00 B0 07 64 00 F0 03 7E 7F F7 00 90 3C 64 00 FF 01 02 'hi' 00 3E 64 83 60 80 3C 40"
         "00 3E 00 00 E0 00 40 00 FF 2F 00")});

}  // namespace

TEST(HostileInput, EveryPrefixOfAValidFileIsAFailedReadAndNothingWorse) {
    for (const Bytes& file : {kEveryKind, test::smfFile(0, 96, {hex("00 90 3C 64 60 3C 00 00 FF 2F 00")})}) {
        for (std::size_t length = 0; length < file.size(); ++length) {
            const Bytes prefix(file.begin(), file.begin() + static_cast<long>(length));
            EXPECT_EQ(runInMemory(prefix).readResult, -1) << "prefix of " << length;
        }
        EXPECT_EQ(runInMemory(file).readResult, 0);
    }
}

TEST(HostileInput, ChunkLengthsAtEveryBoundary) {
    const Bytes body = hex("00 90 3C 64 60 3C 00 00 FF 2F 00");  // 11 bytes
    struct Case {
        std::uint32_t length;
        int result;
        std::size_t tracks;  // after the default passes (format 1: no layout change)
    };
    const Case cases[] = {
        {0, 0, 0},           {11, 0, 1},           {12, -1, 1},          {10, 0, 1},
        // The chunk end is a signed 32-bit sum (the body starts at byte 22): past
        // 0x7FFFFFE9 it wraps before the start and nothing is read.
        {0x7FFFFFE9, -1, 1}, {0x7FFFFFEA, 0, 0}, {0x7FFFFFFF, 0, 0},  {0x80000000, 0, 0},   {0xFFFFFFFF, 0, 0},
    };
    for (const Case& c : cases) {
        const Bytes file = hex("'MThd' 00 00 00 06 00 01 00 01 00 60") + chunkWithLength(c.length, body);
        const Outcome outcome = runInMemory(file);
        EXPECT_EQ(outcome.readResult, c.result) << c.length;
        EXPECT_EQ(outcome.tracks, c.tracks) << c.length;
    }
}

TEST(HostileInput, PayloadLengthsAtEveryBoundary) {
    // A text event after a note; the payload holds 3 bytes, then the file ends.
    struct Case {
        const char* length;
        int result;
    };
    const Case cases[] = {
        {"00", 0},          {"03", 0},          {"04", -1},         {"7F", -1},
        {"FF FF FF 7F", -1}, {"87 FF FF FF 7F", -1}, {"8F FF FF FF 7F", 0},  // negative: dropped, bytes decoded
        {"88 80 80 80 00", 0},
    };
    for (const Case& c : cases) {
        const Bytes body = hex("00 90 3C 64 00 FF 06") + hex(c.length) + hex("00 00 00");
        const Outcome outcome = runInMemory(test::smfFile(1, 96, {body}));
        EXPECT_EQ(outcome.readResult, c.result) << c.length;
    }
}

TEST(HostileInput, EndlessVariableLengthQuantityStopsAtTheEnd) {
    const Outcome outcome = runInMemory(test::smfFile(0, 96, {Bytes(100000, 0x80)}));
    EXPECT_EQ(outcome.readResult, -1);
    const std::string last = "デルタタイム読み込みでエラー、midiファイル壊れてませんか？\nStatus 読み込みでエラー\n";
    ASSERT_GE(outcome.console.size(), last.size());
    EXPECT_EQ(outcome.console.substr(outcome.console.size() - last.size()), last);
}

TEST(HostileInput, DeepRunningStatus) {
    Bytes body = hex("00 90 3C 64");
    const Bytes note = hex("01 3C 00");
    for (int i = 0; i < 200000; ++i) body.insert(body.end(), note.begin(), note.end());
    body = body + hex("00 FF 2F 00");
    const Outcome outcome = runInMemory(test::smfFile(0, 96, {body}));
    EXPECT_EQ(outcome.readResult, 0);
    EXPECT_EQ(outcome.tracks, 1u);  // channel 0; the conductor holds only its end of track
}

TEST(HostileInput, TextFullOfControlsAndInvalidCp932) {
    Bytes text;
    for (int b = 1; b < 256; ++b) text.push_back(static_cast<std::uint8_t>(b));
    const Bytes body = hex("00 FF 01 81 7F") + text + hex("00 FF 2F 00");
    const Outcome outcome = runInMemory(test::smfFile(0, 96, {body}));
    EXPECT_EQ(outcome.readResult, 0);
    for (char c : outcome.console) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 || byte == '\n' || byte == '\t') << int(byte);
        EXPECT_NE(byte, 0x7F);
    }
    EXPECT_NE(outcome.console.find("\\x1B"), std::string::npos);
}

TEST(HostileInput, MoreTracksThanAHeaderCanCountWritesNothing) {
    // 65536 end-of-track events, each behind a note: as many Tracks.
    Bytes body;
    const Bytes track = hex("00 90 3C 64 00 FF 2F 00");
    for (int i = 0; i < 65536; ++i) body.insert(body.end(), track.begin(), track.end());
    test::TempDir dir;
    test::writeFile(dir.file("many.mid"), test::smfFile(1, 96, {body}));
    test::ConsoleCapture console;
    EXPECT_EQ(runVorlanthe({dir.file("many.mid")}), kExitNoOutput);
    EXPECT_NE(console.text().find("変換中\nMain Header 出力でエラー\ndone.\n"), std::string::npos);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"many.mid"});
}

TEST(HostileInput, FailedWriteAtEveryStepKeepsTheEarlierOutput) {
    test::TempDir dir;
    test::writeFile(dir.file("song.mid"), kEveryKind);
    test::writeFile(dir.file("song_.mid"), hex("'earlier'"));
    // Header, main header, then a header and a body for each of the two Tracks.
    for (int failing = 1; failing <= 6; ++failing) {
        test::ConsoleCapture console;
        injectOutputWriteFailure(failing);
        EXPECT_EQ(runVorlanthe({dir.file("song.mid")}), kExitNoOutput) << failing;
        injectOutputWriteFailure(0);
        Bytes kept;
        ASSERT_TRUE(test::readFile(dir.file("song_.mid"), kept));
        EXPECT_EQ(kept, hex("'earlier'")) << failing;
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"song.mid", "song_.mid"}));
    }
    test::ConsoleCapture console;
    EXPECT_EQ(runVorlanthe({dir.file("song.mid")}), kExitSuccess);
}
