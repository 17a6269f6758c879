#include <gtest/gtest.h>

#include "passes/meta_filter.h"
#include "support/song_text.h"

using namespace vorlanthe;
using Lines = std::vector<std::string>;

namespace {

Lines filtered(std::uint16_t flags, const Lines& tracks) {
    Song song;
    song.timeMode = TimeMode::Absolute;
    test::addTracks(song, tracks);
    filterMeta(song, flags);
    return test::songText(song);
}

// One event of each kind the flags tell apart.
const Lines kEveryKind = {
    "0 FF 03 'A' | 0 FF 51 07 A1 20 | 0 FF 01 'x' | 0 FF 02 'c' | 0 FF 05 'l' | 0 FF 0A 'q' | 0 FF 1F 'z' | "
    "0 FF 58 04 02 18 08 | 0 FF 59 00 00 | 0 FF 7F 43 | 0 F0 7E F7 | 0 F7 01 | 0 FF 00 00 01 | 0 FF 06 'm' | "
    "0 FF 07 'c' | 0 FF 13 'x' | 0 FF 21 00 | 0 FF 54 00 00 00 00 00 | 0 B0 07 64 | 0 FF 2F"};
const Lines kEveryKindText = {
    "0 FF 03 41 | 0 FF 51 07 A1 20 | 0 FF 01 78 | 0 FF 02 63 | 0 FF 05 6C | 0 FF 0A 71 | 0 FF 1F 7A | "
    "0 FF 58 04 02 18 08 | 0 FF 59 00 00 | 0 FF 7F 43 | 0 F0 7E F7 | 0 F7 01 | 0 FF 00 00 01 | 0 FF 06 6D | "
    "0 FF 07 63 | 0 FF 13 78 | 0 FF 21 00 | 0 FF 54 00 00 00 00 00 | 0 B0 07 64 | 0 FF 2F"};

}  // namespace

TEST(FilterMeta, EachFlagRemovesItsKinds) {
    const std::pair<std::uint16_t, Lines> cases[] = {
        {0, kEveryKindText},
        {16, kEveryKindText},
        {1,
         {"0 FF 03 41 | 0 FF 51 07 A1 20 | 0 FF 58 04 02 18 08 | 0 FF 59 00 00 | 0 FF 7F 43 | 0 F0 7E F7 | 0 F7 01 | "
          "0 FF 00 00 01 | 0 FF 06 6D | 0 FF 07 63 | 0 FF 13 78 | 0 FF 21 00 | 0 FF 54 00 00 00 00 00 | 0 B0 07 64 | "
          "0 FF 2F"}},
        {2,
         {"0 FF 03 41 | 0 FF 51 07 A1 20 | 0 FF 01 78 | 0 FF 02 63 | 0 FF 05 6C | 0 FF 0A 71 | 0 FF 1F 7A | 0 FF 7F 43 | "
          "0 F0 7E F7 | 0 F7 01 | 0 FF 00 00 01 | 0 FF 06 6D | 0 FF 07 63 | 0 FF 13 78 | 0 FF 21 00 | "
          "0 FF 54 00 00 00 00 00 | 0 B0 07 64 | 0 FF 2F"}},
        {4,
         {"0 FF 03 41 | 0 FF 51 07 A1 20 | 0 FF 01 78 | 0 FF 02 63 | 0 FF 05 6C | 0 FF 0A 71 | 0 FF 1F 7A | "
          "0 FF 58 04 02 18 08 | 0 FF 59 00 00 | 0 FF 00 00 01 | 0 FF 06 6D | 0 FF 07 63 | 0 FF 13 78 | 0 FF 21 00 | "
          "0 FF 54 00 00 00 00 00 | 0 B0 07 64 | 0 FF 2F"}},
        {8,
         {"0 FF 03 41 | 0 FF 51 07 A1 20 | 0 FF 01 78 | 0 FF 02 63 | 0 FF 05 6C | 0 FF 0A 71 | 0 FF 1F 7A | "
          "0 FF 58 04 02 18 08 | 0 FF 59 00 00 | 0 FF 7F 43 | 0 F0 7E F7 | 0 F7 01 | 0 B0 07 64 | 0 FF 2F"}},
        {15, {"0 FF 03 41 | 0 FF 51 07 A1 20 | 0 B0 07 64 | 0 FF 2F"}},
    };
    for (const auto& [flags, expected] : cases) EXPECT_EQ(filtered(flags, kEveryKind), expected) << flags;
}

TEST(FilterMeta, KeepsTheFirstNonEmptyTrackName) {
    EXPECT_EQ(filtered(1, {"0 FF 03 'A'", "0 FF 03 'B' | 0 90 3C 64", "0 FF 03 'C'"}),
              (Lines{"0 FF 03 41", "0 90 3C 64", ""}));
    EXPECT_EQ(filtered(1, {"0 FF 03", "0 FF 03 'B'", "0 FF 03 'C' | 5 FF 03 'D'"}),
              (Lines{"0 FF 03", "0 FF 03 42", ""}));
    // Without bit 0 every track name stays.
    EXPECT_EQ(filtered(2, {"0 FF 03 'A'", "0 FF 03 'B'"}), (Lines{"0 FF 03 41", "0 FF 03 42"}));
}

TEST(FilterMeta, TempoOutsideTheFirstTrackGoesOnlyAsACopy) {
    const Lines song = {"0 FF 51 07 A1 20 | 960 FF 51 07 A1 20",
                        "0 FF 51 07 A1 20 | 480 FF 51 06 1A 80 | 960 FF 51 07 A1 21"};
    for (std::uint16_t flags : {1, 2, 4, 8, 16}) {
        EXPECT_EQ(filtered(flags, song),
                  (Lines{"0 FF 51 07 A1 20 | 960 FF 51 07 A1 20", "480 FF 51 06 1A 80 | 960 FF 51 07 A1 21"}))
            << flags;
    }
    // A file whose only tempo map is in a later track keeps it.
    EXPECT_EQ(filtered(3, {"0 FF 03 'x'", "0 FF 51 07 A1 20 | 0 90 3C 64"}),
              (Lines{"0 FF 03 78", "0 FF 51 07 A1 20 | 0 90 3C 64"}));
    EXPECT_EQ(filtered(0, song), song);
}

TEST(FilterMeta, TimeModeOnlyChangesWhenItRuns) {
    Song song;
    test::addTracks(song, {"5 FF 01 'a' | 5 90 3C 64"});
    filterMeta(song, 0);
    EXPECT_EQ(song.timeMode, TimeMode::Delta);
    filterMeta(song, 1);
    EXPECT_EQ(song.timeMode, TimeMode::Absolute);
    EXPECT_EQ(test::songText(song), Lines{"10 90 3C 64"});  // the note keeps its place
}
