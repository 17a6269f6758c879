#include <gtest/gtest.h>

#include "smf_write/track_encoder.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"
#include "support/song_text.h"

using namespace vorlanthe;
using test::hex;

TEST(WriteVarLen, EveryWidthBoundary) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0, "00"},
        {0x7F, "7F"},
        {0x80, "81 00"},
        {0x2000, "C0 00"},
        {0x3FFF, "FF 7F"},
        {0x4000, "81 80 00"},
        {0x1FFFFF, "FF FF 7F"},
        {0x200000, "81 80 80 00"},
        {0x0FFFFFFF, "FF FF FF 7F"},
        {0x10000000, "81 80 80 80 00"},
        {0xFFFFFFFF, "8F FF FF FF 7F"},
    };
    for (const auto& [value, bytes] : cases) {
        ByteStream out;
        EXPECT_EQ(writeVarLen(out, value), 0);
        EXPECT_EQ(test::toHex(out.bytes), bytes) << value;
    }
}

TEST(EncodeTrack, RunningStatusAndEventKinds) {
    std::string payload130 = "0 F0";
    for (int i = 0; i < 130; ++i) payload130 += " 01";
    std::string expected130 = "00 F0 81 02";
    for (int i = 0; i < 130; ++i) expected130 += " 01";
    std::string meta128 = "0 FF 7F";
    for (int i = 0; i < 128; ++i) meta128 += " 02";
    std::string expected128 = "00 FF 7F 81 00";
    for (int i = 0; i < 128; ++i) expected128 += " 02";

    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"0 90 3C 64 | 96 90 3C 00", "00 90 3C 64 60 3C 00"},
        {"0 90 3C 64 | 0 FF 51 07 A1 20 | 0 90 3E 64", "00 90 3C 64 00 FF 51 03 07 A1 20 00 90 3E 64"},
        {"0 FF 2F", "00 FF 2F 00"},
        {"0 C5 10 | 3 C5 11", "00 C5 10 03 11"},
        {"0 90 3C 64 | 0 91 3C 64 | 0 91 3D 64", "00 90 3C 64 00 91 3C 64 00 3D 64"},
        {"0 D2 40 | 0 E2 00 40 | 0 E2 01 40", "00 D2 40 00 E2 00 40 00 01 40"},
        {"0 F0 F0 | 0 F0 F7", "00 F0 01 F0 00 F0 01 F7"},  // system events always write their status
        {"0 F8", "00 F8 00"},
        {payload130, expected130},
        {meta128, expected128},
        {"4294967295 90 3C 64", "8F FF FF FF 7F 90 3C 64"},
    };
    for (const auto& [track, bytes] : cases) {
        Song song;
        const Track t = test::trackFrom(song, track);
        ByteStream out;
        EXPECT_EQ(encodeTrack(out, t), 0);
        EXPECT_EQ(test::toHex(out.bytes), test::toHex(hex(bytes))) << track;
    }
}

TEST(EncodeTrack, DataBytesAreWrittenAsHeld) {
    Song song;
    Track track = makeTrack(song);
    appendNewEvent(track, 0, 0x90, 0xBC, 0xE4, nullptr, 0);
    ByteStream out;
    EXPECT_EQ(encodeTrack(out, track), 0);
    EXPECT_EQ(test::toHex(out.bytes), "00 90 BC E4");
}

TEST(EncodeTrack, StopsAtTheFirstFailedWrite) {
    Song song;
    const Track track = test::trackFrom(song, "200 90 3C 64 | 0 FF 01 'abc'");
    struct Case {
        std::size_t limit;
        std::string console;
    };
    // Failing inside a delta time or a payload length prints the varlen line.
    const Case cases[] = {
        {0, "デルタタイム出力でエラー\n"}, {1, "デルタタイム出力でエラー\n"}, {2, ""}, {4, ""},
        {5, "デルタタイム出力でエラー\n"}, {7, ""}, {8, "デルタタイム出力でエラー\n"}, {9, ""},
    };
    for (const Case& c : cases) {
        test::ConsoleCapture console;
        ByteStream out;
        out.limit = c.limit;
        EXPECT_EQ(encodeTrack(out, track), -1) << c.limit;
        EXPECT_EQ(console.text(), c.console) << c.limit;
        EXPECT_EQ(out.bytes.size(), c.limit);
    }
}
