#include <gtest/gtest.h>

#include "passes/channel_reduction.h"
#include "support/song_text.h"

using namespace vorlanthe;
using Lines = std::vector<std::string>;

namespace {

Song songOf(const Lines& tracks, TimeMode mode = TimeMode::Absolute) {
    Song song;
    song.timeMode = mode;
    test::addTracks(song, tracks);
    return song;
}

}  // namespace

TEST(PruneSilentChannels, RemovesControlEventsOfChannelsWithoutNotes) {
    const std::pair<Lines, Lines> cases[] = {
        {{"0 B9 07 64 | 0 C9 00 | 0 E3 00 40 | 0 A3 3C 10 | 0 D3 40", "0 93 3C 64"},
         {"0 E3 00 40 | 0 A3 3C 10 | 0 D3 40", "0 93 3C 64"}},
        {{"0 B2 07 64 | 10 82 3C 00"}, {"0 B2 07 64 | 10 82 3C 00"}},  // note-offs count
        {{"0 B2 07 64 | 10 92 3C 00"}, {"0 B2 07 64 | 10 92 3C 00"}},  // so does velocity 0
        {{"0 F0 7E F7 | 0 FF 01 61 | 0 BF 07 64"}, {"0 F0 7E F7 | 0 FF 01 61"}},
    };
    for (const auto& [input, output] : cases) {
        Song song = songOf(input);
        pruneSilentChannels(song);
        EXPECT_EQ(test::songText(song), output);
    }
}

TEST(PruneSilentChannels, WorksInAbsoluteTime) {
    Song song = songOf({"5 B9 07 64 | 5 90 3C 64"}, TimeMode::Delta);
    pruneSilentChannels(song);
    EXPECT_EQ(song.timeMode, TimeMode::Absolute);
    EXPECT_EQ(test::songText(song), Lines{"10 90 3C 64"});
}

TEST(PruneEmptyTracks, RemovesEmptyAndEndedTracks) {
    Song song = songOf({"", "0 FF 2F | 5 90 3C 64", "0 FF 03 41 | 0 FF 2F", "3 FF 2F", "0 90 3C 64"}, TimeMode::Delta);
    pruneEmptyTracks(song);
    EXPECT_EQ(test::songText(song), (Lines{"0 FF 03 41 | 0 FF 2F", "0 90 3C 64"}));
    EXPECT_EQ(song.timeMode, TimeMode::Delta);

    Song silent = songOf({"0 B5 07 64 | 0 FF 2F"});
    pruneSilentChannels(silent);
    pruneEmptyTracks(silent);
    EXPECT_TRUE(silent.tracks.empty());
}

TEST(RewriteNoteOff, BecomesNoteOnWithVelocityZero) {
    Song song = songOf({"0 83 3C 40 | 0 93 3C 40 | 0 A3 3C 40 | 7 8F 01 7F"}, TimeMode::Delta);
    rewriteNoteOff(song);
    EXPECT_EQ(test::songText(song), Lines{"0 93 3C 00 | 0 93 3C 40 | 0 A3 3C 40 | 7 9F 01 00"});
    EXPECT_EQ(song.timeMode, TimeMode::Delta);
}
