#include <gtest/gtest.h>

#include "passes/track_layout.h"
#include "support/song_text.h"

using namespace vorlanthe;
using test::addTracks;
using test::songText;
using Lines = std::vector<std::string>;

namespace {

// Tracks are given in absolute times.
Song songOf(std::uint16_t format, const Lines& tracks) {
    Song song;
    song.format = format;
    song.timeMode = TimeMode::Absolute;
    addTracks(song, tracks);
    return song;
}

struct LayoutCase {
    const char* name;
    std::uint16_t format;
    std::uint16_t target;
    Lines input;
    Lines output;
    std::uint16_t formatAfter;
};

}  // namespace

TEST(ConvertFormat, LaysOutTracks) {
    const LayoutCase cases[] = {
        {"format 0 split by channel", 0, 1,
         {"0 FF 03 'P' | 0 FF 51 07 A1 20 | 0 C0 00 | 0 90 3C 64 | 0 99 24 64 | 480 80 3C 40 | 480 89 24 40 | "
          "960 FF 2F"},
         {"0 FF 03 50 | 0 FF 51 07 A1 20 | 960 FF 2F", "0 C0 00 | 0 90 3C 64 | 480 80 3C 40 | 960 FF 2F",
          "0 99 24 64 | 480 89 24 40 | 960 FF 2F"},
         1},
        {"format 0 sysex goes to the conductor", 0, 1, {"0 F0 7E F7 | 5 90 3C 64"},
         {"0 F0 7E F7 | 5 FF 2F", "5 90 3C 64 | 5 FF 2F"}, 1},
        {"format 1 track name follows the first busiest channel", 1, 1,
         {"0 FF 03 'T' | 0 92 01 01 | 1 92 02 02 | 2 92 03 03 | 0 95 01 01 | 1 95 02 02 | 2 95 03 03"},
         {"0 92 01 01 | 0 FF 03 54 | 1 92 02 02 | 2 92 03 03 | 2 FF 2F",
          "0 95 01 01 | 1 95 02 02 | 2 95 03 03 | 2 FF 2F"},
         1},
        {"format 1 key signature stays with its channel", 1, 1,
         {"0 FF 59 00 00 | 0 FF 51 07 A1 20 | 0 FF 06 'M' | 0 FF 58 04 02 18 08 | 0 94 3C 64"},
         {"0 FF 51 07 A1 20 | 0 FF 06 4D | 0 FF 58 04 02 18 08 | 0 FF 2F", "0 94 3C 64 | 0 FF 59 00 00 | 0 FF 2F"}, 1},
        {"format 1 meta-only track goes to the conductor", 1, 1, {"0 FF 03 'A' | 0 FF 01 'x'", "0 90 3C 64"},
         {"0 FF 03 41 | 0 FF 01 78 | 0 FF 2F", "0 90 3C 64 | 0 FF 2F"}, 1},
        {"no conductor without conductor events", 1, 1, {"0 FF 03 'A' | 0 93 3C 64", "0 91 3C 64"},
         {"0 91 3C 64 | 0 FF 2F", "0 93 3C 64 | 0 FF 03 41 | 0 FF 2F"}, 1},
        {"format 2 sends meta events to the conductor", 2, 1, {"0 FF 03 'A' | 0 93 3C 64"},
         {"0 FF 03 41 | 0 FF 2F", "0 93 3C 64 | 0 FF 2F"}, 1},
        {"channels in ascending order", 0, 1, {"0 99 24 64 | 0 90 3C 64 | 0 FF 2F"},
         {"0 FF 2F", "0 90 3C 64 | 0 FF 2F", "0 99 24 64 | 0 FF 2F"}, 1},
        {"sysex sorts before meta events at one time", 0, 1, {"0 FF 01 'a' | 0 F0 01 F7"},
         {"0 F0 01 F7 | 0 FF 01 61 | 0 FF 2F"}, 1},
        {"format 0 single track sorted", 1, 0, {"0 FF 51 07 A1 20 | 0 C0 00"}, {"0 C0 00 | 0 FF 51 07 A1 20 | 0 FF 2F"},
         0},
        {"merge keeps track order of equal events", 1, 0, {"0 FF 03 'A'", "0 90 3C 01", "0 90 3C 02 | 5 80 3C 00"},
         {"0 90 3C 01 | 0 90 3C 02 | 0 FF 03 41 | 5 80 3C 00 | 5 FF 2F"}, 0},
        {"other targets only normalise end of track", 1, 2, {"0 90 3C 64 | 1000 FF 2F | 1200 FF 2F", "", "1100 FF 2F"},
         {"0 90 3C 64 | 1200 FF 2F", "1200 FF 2F", "1200 FF 2F"}, 1},
        {"inner end of track removed", 0, 2, {"0 FF 2F | 10 90 3C 64 | 20 FF 2F 01 02"}, {"10 90 3C 64 | 20 FF 2F"}, 0},
        {"no tracks under target 1", 0, 1, {}, {}, 1},
        {"no tracks under target 0", 1, 0, {}, {}, 0},
        {"empty tracks get a lone end of track at 0", 1, 7, {"", ""}, {"0 FF 2F", "0 FF 2F"}, 1},
    };
    for (const LayoutCase& c : cases) {
        Song song = songOf(c.format, c.input);
        convertFormat(song, c.target);
        EXPECT_EQ(songText(song), c.output) << c.name;
        EXPECT_EQ(song.format, c.formatAfter) << c.name;
        EXPECT_EQ(song.timeMode, TimeMode::Absolute) << c.name;
    }
}

TEST(ConvertFormat, StartsFromDeltaTimes) {
    Song song;
    song.format = 0;
    addTracks(song, {"0 90 3C 64 | 96 80 3C 00 | 0 FF 2F 00"});
    convertFormat(song, 1);
    EXPECT_EQ(songText(song), (Lines{"96 FF 2F", "0 90 3C 64 | 96 80 3C 00 | 96 FF 2F"}));
}

TEST(StripEndOfTrack, CountsRemovedEventsInTheLatestTime) {
    Song song = songOf(1, {"0 90 3C 64 | 1000 80 3C 00 | 1200 FF 2F", "1100 FF 2F"});
    EXPECT_EQ(stripEndOfTrack(song), 1200u);
    EXPECT_EQ(songText(song), (Lines{"0 90 3C 64 | 1000 80 3C 00", ""}));
    Song none;
    EXPECT_EQ(stripEndOfTrack(none), 0u);
}
