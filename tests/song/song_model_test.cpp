#include <gtest/gtest.h>

#include "song/song.h"
#include "support/song_text.h"

using namespace vorlanthe;
using test::addTracks;
using test::songText;
using test::trackFrom;
using test::trackText;

namespace {

std::vector<std::string> times(const Song& song) {
    std::vector<std::string> out;
    for (const Track& track : song.tracks) {
        std::string line;
        for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
            if (!line.empty()) line += ' ';
            line += std::to_string(eventAt(track, pos).time);
        }
        out.push_back(line);
    }
    return out;
}

}  // namespace

TEST(TimeMode, ConvertsEachTrackFromZeroAndBack) {
    Song song;
    addTracks(song, {"0 90 3C 64 | 10 90 3C 00 | 0 C0 01 | 5 FF 2F", "7 90 40 40"});
    setTimeMode(song, TimeMode::Absolute);
    EXPECT_EQ(times(song), (std::vector<std::string>{"0 10 10 15", "7"}));
    setTimeMode(song, TimeMode::Delta);
    EXPECT_EQ(times(song), (std::vector<std::string>{"0 10 0 5", "7"}));
}

TEST(TimeMode, WrapsModulo32Bits) {
    Song song;
    addTracks(song, {"4294967295 90 3C 64 | 2 90 3C 00"});
    setTimeMode(song, TimeMode::Absolute);
    EXPECT_EQ(times(song), std::vector<std::string>{"4294967295 1"});

    Song backwards;
    backwards.timeMode = TimeMode::Absolute;
    addTracks(backwards, {"30 90 3C 64 | 10 90 3C 00"});
    setTimeMode(backwards, TimeMode::Delta);
    EXPECT_EQ(times(backwards), std::vector<std::string>{"30 4294967276"});
}

TEST(TimeMode, SameModeChangesNothing) {
    Song song;
    addTracks(song, {"5 90 3C 64 | 5 90 3C 00", ""});
    setTimeMode(song, TimeMode::Delta);
    EXPECT_EQ(times(song), (std::vector<std::string>{"5 5", ""}));
    Song empty;
    setTimeMode(empty, TimeMode::Absolute);
    EXPECT_EQ(empty.timeMode, TimeMode::Absolute);
}

TEST(EventOrder, TimeThenLowNibbleOfStatus) {
    struct Case {
        Event a, b;
        bool before;
    };
    const Case cases[] = {
        {makeEvent(1, 0x9F, 0, {}), makeEvent(2, 0x90, 0, {}), true},
        {makeEvent(2147483647u, 0x90, 0, {}), makeEvent(2147483648u, 0x90, 0, {}), true},
        {makeEvent(0, 0xC0, 0, {}), makeEvent(0, 0xFF, 0x51, {}), true},
        {makeEvent(0, 0xFF, 0x51, {}), makeEvent(0, 0xC0, 0, {}), false},
        {makeEvent(0, 0xF0, 0, {}), makeEvent(0, 0x91, 0, {}), true},   // F0 ranks with channel 0
        {makeEvent(0, 0xF7, 0, {}), makeEvent(0, 0x97, 0, {}), false},  // F7 with channel 7
        {makeEvent(0, 0x90, 0, {}), makeEvent(0, 0x80, 0, {}), false},  // equivalent
    };
    for (const Case& c : cases) {
        EXPECT_EQ(eventOrder(c.a, c.b), c.before) << int(c.a.status) << " " << int(c.b.status);
    }
}

TEST(SortEvents, StableByEventOrder) {
    Song song;
    Track track = trackFrom(song, "10 92 01 01 | 10 81 01 01 | 5 FF 51 07 A1 20");
    sortEvents(track);
    EXPECT_EQ(trackText(track), "5 FF 51 07 A1 20 | 10 81 01 01 | 10 92 01 01");

    Track tempoFirst = trackFrom(song, "0 FF 51 07 A1 20 | 0 C0 05");
    sortEvents(tempoFirst);
    EXPECT_EQ(trackText(tempoFirst), "0 C0 05 | 0 FF 51 07 A1 20");

    Track notes = trackFrom(song, "0 90 3C 64 | 0 80 3C 40 | 0 90 3E 64");
    sortEvents(notes);
    EXPECT_EQ(trackText(notes), "0 90 3C 64 | 0 80 3C 40 | 0 90 3E 64");
}

TEST(SortEvents, LargeShuffledTrackMatchesStableSort) {
    Song song;
    Track track = makeTrack(song);
    std::vector<std::pair<std::uint32_t, int>> expected;  // (time, original index)
    std::uint32_t seed = 12345;
    for (int i = 0; i < 5000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const std::uint32_t time = (seed >> 16) % 50;
        const auto status = static_cast<std::uint8_t>(0x90 | ((seed >> 8) & 1));
        appendNewEvent(track, time, status, static_cast<std::uint8_t>(i & 0x7F),
                       static_cast<std::uint8_t>(i >> 7), nullptr, 0);
        expected.push_back({time * 2 + (status & 1), i});
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    sortEvents(track);
    ASSERT_EQ(track.count, 5000u);
    std::size_t k = 0;
    for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos), ++k) {
        const EventNode& e = eventAt(track, pos);
        ASSERT_EQ(e.data1 | (e.data2 << 7), expected[k].second) << "at " << k;
    }
    // Backward links agree with forward ones.
    std::size_t back = 0;
    for (EventIndex pos = lastEvent(track); pos != kNoEvent; pos = eventAt(track, pos).prev) ++back;
    EXPECT_EQ(back, 5000u);
}

TEST(MergeEvents, InsertsSourceBeforeLaterDestinationEvents) {
    Song song;
    struct Case {
        std::string destination, source, merged;
    };
    const Case cases[] = {
        {"0 90 01 01", "0 80 01 01", "0 90 01 01 | 0 80 01 01"},
        {"0 91 01 01", "0 80 01 01", "0 80 01 01 | 0 91 01 01"},
        {"", "5 90 01 01 | 3 90 02 02", "5 90 01 01 | 3 90 02 02"},
        {"5 90 01 01", "", "5 90 01 01"},
        {"1 90 01 01 | 4 90 04 04", "2 90 02 02 | 6 90 06 06", "1 90 01 01 | 2 90 02 02 | 4 90 04 04 | 6 90 06 06"},
    };
    for (const Case& c : cases) {
        Track destination = trackFrom(song, c.destination);
        Track source = trackFrom(song, c.source);
        const std::uint32_t total = destination.count + source.count;
        mergeEvents(destination, source);
        EXPECT_EQ(trackText(destination), c.merged);
        EXPECT_EQ(destination.count, total);
        EXPECT_TRUE(isEmpty(source));
    }
    Track self = trackFrom(song, "3 90 01 01 | 1 90 02 02");
    mergeEvents(self, self);
    EXPECT_EQ(trackText(self), "3 90 01 01 | 1 90 02 02");
}

TEST(TrackOperations, EraseMoveAndAppend) {
    Song song;
    Track track = trackFrom(song, "0 90 01 01 | 1 90 02 02 | 2 90 03 03");
    const EventIndex second = nextEvent(track, firstEvent(track));
    const EventIndex third = nextEvent(track, second);
    EXPECT_EQ(eraseEvent(track, second), third);
    EXPECT_EQ(eraseEvent(track, third), kNoEvent);
    EXPECT_EQ(trackText(track), "0 90 01 01");

    Track other = trackFrom(song, "9 C0 05 | 8 FF 03 'Piano'");
    const EventIndex kept = firstEvent(other);
    moveEvent(track, other, lastEvent(other));
    EXPECT_EQ(trackText(track), "0 90 01 01 | 8 FF 03 50 69 61 6E 6F");
    EXPECT_EQ(other.count, 1u);
    EXPECT_EQ(firstEvent(other), kept);  // positions of other Events stay valid

    const Event endOfTrack = makeEvent(100, 0xFF, 0x2F, {});
    EXPECT_EQ(endOfTrack.data2, 0);
    appendEvent(track, endOfTrack);
    EXPECT_EQ(trackText(track), "0 90 01 01 | 8 FF 03 50 69 61 6E 6F | 100 FF 2F");
}

TEST(TrackOperations, AppendTrackCopiesAndEraseTrackReturnsNext) {
    Song song;
    Track track = trackFrom(song, "0 F0 7E 00 F7 | 0 FF 2F");
    appendTrack(song, track);
    appendTrack(song, track);
    EXPECT_EQ(track.count, 2u);  // the caller's Track is left as it was
    eraseEvent(song.tracks.front(), firstEvent(song.tracks.front()));
    EXPECT_EQ(songText(song), (std::vector<std::string>{"0 FF 2F", "0 F0 7E 00 F7 | 0 FF 2F"}));
    TrackPos next = eraseTrack(song, song.tracks.begin());
    EXPECT_EQ(next, song.tracks.begin());
    EXPECT_EQ(eraseTrack(song, next), song.tracks.end());
}

TEST(SwapBytes32, ReversesBytes) {
    std::uint32_t word = 0x11223344u;
    swapBytes32(word);
    EXPECT_EQ(word, 0x44332211u);
}
