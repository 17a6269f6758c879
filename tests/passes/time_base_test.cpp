#include <gtest/gtest.h>

#include "passes/time_base.h"
#include "support/song_text.h"

using namespace vorlanthe;

namespace {

std::vector<std::uint32_t> rescaled(std::uint16_t from, std::uint16_t to, const std::vector<std::uint32_t>& deltas,
                                    std::uint16_t* divisionAfter = nullptr) {
    Song song;
    song.division = from;
    Track track = makeTrack(song);
    for (std::uint32_t delta : deltas) appendNewEvent(track, delta, 0x90, 0x3C, 0x64, nullptr, 0);
    appendTrack(song, std::move(track));
    rescaleTimeBase(song, to);
    std::vector<std::uint32_t> out;
    const Track& result = song.tracks.front();
    for (EventIndex pos = firstEvent(result); pos != kNoEvent; pos = nextEvent(result, pos)) {
        out.push_back(eventAt(result, pos).time);
    }
    if (divisionAfter != nullptr) *divisionAfter = song.division;
    EXPECT_EQ(song.timeMode, TimeMode::Delta);
    return out;
}

struct RescaleCase {
    std::uint16_t from, to;
    std::vector<std::uint32_t> deltas, expected;
};

}  // namespace

TEST(RescaleTimeBase, CutsAbsolutePositionsDown) {
    const RescaleCase cases[] = {
        {480, 480, {0, 7, 123456}, {0, 7, 123456}},
        {480, 24, {0, 240, 240, 480}, {0, 12, 12, 24}},
        {480, 24, {10, 10, 10}, {0, 1, 0}},
        {480, 24, {479}, {23}},
        {96, 24, {3, 1}, {0, 1}},
        {47, 24, {47}, {23}},  // 24/47 is inexact: 47 times it is just below 24
        {11, 24, {55}, {119}},
        {72, 24, {1, 1, 1}, {0, 0, 1}},
        {2, 1, {2147483648u}, {1073741824u}},
        {480, 480, {3000000000u, 3000000000u}, {3000000000u, 3000000000u}},
        {24, 48, {4294967295u}, {4294967294u}},
        {480, 0, {100, 200}, {0, 0}},
    };
    for (const RescaleCase& c : cases) {
        EXPECT_EQ(rescaled(c.from, c.to, c.deltas), c.expected) << c.from << " -> " << c.to;
    }
}

TEST(RescaleTimeBase, KeepsTimeCodeAndZeroDivisions) {
    // Frames per second cannot be rescaled as ticks per quarter note, nor can zero.
    for (std::uint16_t division : {0xE728, 0x8000, 0}) {
        std::uint16_t after = 1;
        EXPECT_EQ(rescaled(division, 24, {59176, 2466}), (std::vector<std::uint32_t>{59176, 2466}));
        rescaled(division, 24, {1}, &after);
        EXPECT_EQ(after, division);
    }
}

TEST(RescaleTimeBase, EachTrackFromZeroAndTheDivisionReplaced) {
    Song song;
    song.division = 480;
    song.timeMode = TimeMode::Absolute;
    test::addTracks(song, {"240 90 3C 64 | 480 80 3C 00", "", "479 90 3C 64"});
    rescaleTimeBase(song, 24);
    EXPECT_EQ(test::songText(song), (std::vector<std::string>{"12 90 3C 64 | 12 80 3C 00", "", "23 90 3C 64"}));
    EXPECT_EQ(song.division, 24);
    EXPECT_EQ(song.timeMode, TimeMode::Delta);

    Song empty;
    empty.division = 96;
    rescaleTimeBase(empty, 48);
    EXPECT_EQ(empty.division, 48);
}

TEST(RescaleTimeBase, HugePositionsStayDefined) {
    // 65535 / 1 scales a track of many maximal deltas past 2^63 ticks: no overflow.
    std::vector<std::uint32_t> deltas(40000, 0xFFFFFFFFu);
    const std::vector<std::uint32_t> out = rescaled(1, 65535, deltas);
    ASSERT_EQ(out.size(), 40000u);
    EXPECT_EQ(out.back(), 0u);  // held at the largest position, so no further ticks
}
