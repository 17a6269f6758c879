#include <gtest/gtest.h>

#include "smf_read/track_decoder.h"
#include "smf_read/var_len_reader.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"
#include "support/song_text.h"

using namespace vorlanthe;
using test::hex;
using test::operator+;

namespace {

const std::string kVarLenError = "デルタタイム読み込みでエラー、midiファイル壊れてませんか？\n";
const std::string kStatusError = "Status 読み込みでエラー\n";
const std::string kReadError = "読み込みエラー、midiファイル壊れてませんか？\n";
const std::string kNoStatus = "警告:MIDIフォーマット異常 Status(0)処理強行\n";

struct Decoded {
    int result;
    std::vector<std::string> tracks;
    std::string console;
    std::size_t position;
};

// Decodes the bytes as one chunk; the declared length is the byte count unless given.
Decoded decode(const test::Bytes& bytes, std::int64_t declared = -1) {
    test::ConsoleCapture console;
    Song song;
    ByteCursor in = makeCursor(bytes.data(), bytes.size());
    const auto length = static_cast<std::uint32_t>(declared < 0 ? bytes.size() : declared);
    const int result = readTrackEvents(in, song, length);
    return {result, test::songText(song), console.text(), in.position};
}

struct DecoderCase {
    const char* name;
    const char* bytes;
    int result;
    std::vector<std::string> tracks;
    std::string console;
};

}  // namespace

TEST(ReadVarLen, EveryWidthAndTheWrap) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"00", 0},
        {"7F", 127},
        {"81 00", 128},
        {"FF 7F", 16383},
        {"81 80 00", 16384},
        {"FF FF FF 7F", 268435455},
        {"81 80 80 80 00", 268435456},
        {"88 80 80 80 00", INT32_MIN},
        {"8F FF FF FF 7F", -1},
    };
    for (const auto& [text, value] : cases) {
        test::ConsoleCapture console;
        const test::Bytes bytes = hex(text);
        ByteCursor in = makeCursor(bytes.data(), bytes.size());
        EXPECT_EQ(readVarLen(in), value) << text;
        EXPECT_EQ(console.text(), "") << text;
        EXPECT_EQ(in.position, bytes.size());
    }
    test::ConsoleCapture console;
    const test::Bytes endless = hex("81 82 83");
    ByteCursor in = makeCursor(endless.data(), endless.size());
    EXPECT_EQ(readVarLen(in), -1);
    EXPECT_EQ(console.text(), kVarLenError);
}

TEST(ReadTrackEvents, DecodesChunks) {
    const DecoderCase cases[] = {
        {"empty chunk", "", 0, {}, ""},
        {"running status", "00 90 3C 64 60 3C 00 00 FF 2F 00", 0, {"0 90 3C 64 | 96 90 3C 00 | 0 FF 2F"}, ""},
        {"events after the end of track", "00 FF 2F 00 00 90 3C 64", 0, {"0 FF 2F", "0 90 3C 64"}, ""},
        {"no end of track", "00 C0 05 10 D0 40", 0, {"0 C0 05 | 16 D0 40"}, ""},
        {"end of track with payload", "00 FF 2F 01 00 00 90 3C 64", 0, {"0 FF 2F 00", "0 90 3C 64"}, ""},
        {"track name trimmed", "00 FF 03 06 'Piano' 00", 0, {"0 FF 03 50 69 61 6E 6F"},
         "曲名/トラック名:\"Piano\"\n"},
        {"one zero byte trimmed", "00 FF 03 04 'ab' 00 00", 0, {"0 FF 03 61 62 00"}, "曲名/トラック名:\"ab\"\n"},
        {"every text type is shown",
         "00 FF 01 01 'a' 00 FF 02 01 'b' 00 FF 04 01 'c' 00 FF 05 01 'd' 00 FF 08 01 'e' 00 FF 09 01 'f'", 0,
         {"0 FF 01 61 | 0 FF 02 62 | 0 FF 04 63 | 0 FF 05 64 | 0 FF 08 65 | 0 FF 09 66"},
         "テキスト:\"a\"\n著作権表示:\"b\"\n楽器名:\"c\"\n歌詞:\"d\"\nプログラム名(音色名):\"e\"\nデバイス名(音源名):\"f\"\n"},
        {"marker kept as read", "00 FF 06 02 'A' 00", 0, {"0 FF 06 41 00"}, ""},
        {"data byte before any status", "3C 00 90 3C 64", 0, {"0 90 3C 64"}, kNoStatus},
        {"running status FF after a meta event", "00 FF 51 03 07 A1 20 00 2F 00", 0, {"0 FF 51 07 A1 20 | 0 FF 2F"},
         ""},
        {"data bytes are not checked", "00 90 3C 90", 0, {"0 90 3C 90"}, ""},
        {"system exclusive", "00 F0 05 7E 7F 09 01 F7 00 F8 00", 0, {"0 F0 7E 7F 09 01 F7 | 0 F8"}, ""},
        {"five-byte delta time", "8F FF FF FF 7F 90 3C 64", 0, {"4294967295 90 3C 64"}, ""},
        // Channel running status goes on across a meta event, as some sequencers write it.
        {"channel status after a text event", "00 90 3C 64 00 FF 01 01 61 00 3E 64", 0,
         {"0 90 3C 64 | 0 FF 01 61 | 0 90 3E 64"}, "テキスト:\"a\"\n"},
        // A dropped event passes its delta time on, so later events keep their place.
        {"empty text events keep their time", "10 FF 03 00 20 FF 01 01 00 05 90 3C 64 07 FF 01 00 01 FF 2F 00", 0,
         {"53 90 3C 64 | 8 FF 2F"}, ""},
        {"negative length dropped, its payload decoded as events", "10 F0 8F FF FF FF 7F 05 90 3C 64", 0,
         {"21 90 3C 64"}, ""},
        {"file ends where a delta time begins", "00 90 3C 64", -1, {"0 90 3C 64"}, kVarLenError + kStatusError},
        {"file ends inside a delta time", "00 90 3C 64 81", -1, {"0 90 3C 64"}, kVarLenError + kStatusError},
        {"file ends after a delta time", "00 90 3C 64 00", -1, {"0 90 3C 64"}, kStatusError},
        {"file ends inside a payload length", "00 C0 01 00 FF 01 81", -1, {"0 C0 01"}, kVarLenError + kReadError},
        {"file ends at a data byte", "00 C0 01 00 90 3C", -1, {"0 C0 01"}, kReadError},
        {"file ends at a meta type", "00 C0 01 00 FF", -1, {"0 C0 01"}, kReadError},
        {"payload longer than the file", "00 FF 2F 00 00 F0 FF FF FF 7F 01 02", -1, {"0 FF 2F"}, kReadError},
    };
    for (const DecoderCase& c : cases) {
        const test::Bytes bytes = hex(c.bytes);
        // Cases that end early declare one more byte than they hold.
        const bool cutShort = c.result != 0;
        const Decoded d = decode(bytes, cutShort ? static_cast<std::int64_t>(bytes.size()) + 1 : -1);
        EXPECT_EQ(d.result, c.result) << c.name;
        EXPECT_EQ(d.tracks, c.tracks) << c.name;
        EXPECT_EQ(d.console, c.console) << c.name;
    }
}

TEST(ReadTrackEvents, ChunkEndDecidesWhereDecodingStops) {
    // An event that crosses the declared end is read whole, and nothing after it.
    const test::Bytes bytes = hex("00 90 3C 64 00 90 3E 64");
    Decoded d = decode(bytes, 2);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.tracks, std::vector<std::string>{"0 90 3C 64"});
    EXPECT_EQ(d.position, 4u);
    // Lengths from 0x80000000 up put the end before the start: nothing is read.
    for (std::int64_t length : {0x80000000LL, 0xFFFFFFFFLL}) {
        d = decode(bytes, length);
        EXPECT_EQ(d.result, 0);
        EXPECT_TRUE(d.tracks.empty());
        EXPECT_EQ(d.position, 0u);
    }
}

TEST(ReadTrackEvents, ThousandsOfEndOfTrackEventsGiveAsManyTracks) {
    test::Bytes bytes;
    for (int i = 0; i < 3000; ++i) bytes = test::operator+(bytes, hex("00 FF 2F 00"));
    const Decoded d = decode(bytes);
    EXPECT_EQ(d.result, 0);
    EXPECT_EQ(d.tracks.size(), 3000u);
}

TEST(ReadTrackEvents, ChunkOfZerosWarnsOncePerByte) {
    // Each zero is read as a delta time and again at the status position.
    const Decoded d = decode(test::operator+(test::Bytes(1000, 0), hex("00 FF 2F 00")), 1000);
    EXPECT_EQ(d.result, 0);
    EXPECT_TRUE(d.tracks.empty());
    std::string expected;
    for (int i = 0; i < 1000; ++i) expected += kNoStatus;
    EXPECT_EQ(d.console, expected);
}
