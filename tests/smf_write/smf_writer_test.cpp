#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "platform/file_output.h"
#include "smf_write/smf_writer.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"
#include "support/song_text.h"
#include "support/temp_dir.h"

using namespace vorlanthe;
using test::Bytes;
using test::hex;

namespace {

std::string written(const std::string& path) {
    Bytes bytes;
    if (!test::readFile(path, bytes)) return "(none)";
    return test::toHex(bytes);
}

}  // namespace

TEST(WriteSong, HeaderAndChunks) {
    test::TempDir dir;
    test::ConsoleCapture console;
    {
        Song empty;
        empty.format = 1;
        empty.division = 0xE728;  // time code is written back as read
        EXPECT_EQ(writeSong(empty, dir.file("a.mid")), 0);
        EXPECT_EQ(written(dir.file("a.mid")), "4D 54 68 64 00 00 00 06 00 01 00 00 E7 28");
    }
    {
        Song song;
        song.format = 1;
        song.division = 24;
        song.timeMode = TimeMode::Absolute;
        test::addTracks(song, {"10 90 3C 64 | 34 90 3C 00", ""});
        EXPECT_EQ(writeSong(song, dir.file("b.mid")), 0);
        EXPECT_EQ(song.timeMode, TimeMode::Delta);
        EXPECT_EQ(written(dir.file("b.mid")), test::toHex(hex("4D 54 68 64 00 00 00 06 00 01 00 02 00 18"
                                                              "4D 54 72 6B 00 00 00 07 0A 90 3C 64 18 3C 00"
                                                              "4D 54 72 6B 00 00 00 00")));
    }
    EXPECT_EQ(console.text(), "");
}

TEST(WriteSong, ReplacesALongerFile) {
    test::TempDir dir;
    const std::string path = dir.file("out.mid");
    test::writeFile(path, Bytes(1000, 0x55));
    Song song;
    EXPECT_EQ(writeSong(song, path), 0);
    EXPECT_EQ(written(path), "4D 54 68 64 00 00 00 06 00 00 00 00 00 00");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.mid"});
}

#ifndef _WIN32
TEST(WriteSong, ExistingOutputKeepsItsModeANewOneFollowsTheUmask) {
    test::TempDir dir;
    const std::string path = dir.file("out.mid");
    test::writeFile(path, Bytes(10, 0x55));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    Song song;
    EXPECT_EQ(writeSong(song, path), 0);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    const mode_t mask = ::umask(022);
    EXPECT_EQ(writeSong(song, dir.file("new.mid")), 0);
    ::umask(mask);
    ASSERT_EQ(::stat(dir.file("new.mid").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}
#endif

TEST(WriteSong, FailuresLeaveTheEarlierOutputAlone) {
    test::TempDir dir;
    const std::string path = dir.file("out.mid");
    const Bytes earlier = hex("'earlier good result'");
    struct Case {
        int failingWrite;  // 1 file header, 2 main header, then a track header and body per Track
        std::string console;
    };
    const Case cases[] = {
        {1, "File Header 出力でエラー\n"},  {2, "Main Header 出力でエラー\n"},
        {3, "Track Header 出力でエラー\n"}, {4, "Track Data 出力でエラー\n"},
        {5, "Track Header 出力でエラー\n"}, {6, "Track Data 出力でエラー\n"},
    };
    for (const Case& c : cases) {
        test::writeFile(path, earlier);
        Song song;
        song.timeMode = TimeMode::Absolute;
        test::addTracks(song, {"0 90 3C 64", "0 FF 2F"});
        test::ConsoleCapture console;
        injectOutputWriteFailure(c.failingWrite);
        EXPECT_EQ(writeSong(song, path), -1) << c.failingWrite;
        injectOutputWriteFailure(0);
        EXPECT_EQ(console.text(), c.console);
        EXPECT_EQ(written(path), test::toHex(earlier));
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.mid"});  // no temporary file left
    }
}

TEST(WriteSong, EncodingFailureAndTooManyTracks) {
    test::TempDir dir;
    const std::string path = dir.file("out.mid");
    {
        Song song;
        test::addTracks(song, {"0 90 3C 64 | 300 90 3C 00"});
        test::ConsoleCapture console;
        limitTrackEncodingForTesting(5);
        EXPECT_EQ(writeSong(song, path), -1);
        limitTrackEncodingForTesting(static_cast<std::size_t>(-1));
        EXPECT_EQ(console.text(), "デルタタイム出力でエラー\nトラックエンコードでエラー\n");
        EXPECT_TRUE(dir.entries().empty());
    }
    {
        // The header counts Tracks in 16 bits: more would disagree with the chunks.
        Song song;
        for (int i = 0; i < 65536; ++i) song.tracks.push_back(makeTrack(song));
        test::ConsoleCapture console;
        EXPECT_EQ(writeSong(song, path), -1);
        EXPECT_EQ(console.text(), "Main Header 出力でエラー\n");
        song.tracks.pop_back();
        EXPECT_EQ(writeSong(song, path), 0);
        Bytes bytes;
        ASSERT_TRUE(test::readFile(path, bytes));
        EXPECT_EQ(bytes[10], 0xFF);
        EXPECT_EQ(bytes[11], 0xFF);
        EXPECT_EQ(bytes.size(), 14u + 65535u * 8u);
    }
}

TEST(WriteSong, CannotOpen) {
    test::TempDir dir;
    ASSERT_TRUE(test::makeFolder(dir.file("folder.mid")));
    Song song;
    song.timeMode = TimeMode::Absolute;
    test::ConsoleCapture console;
    EXPECT_EQ(writeSong(song, dir.file("folder.mid")), -1);
    EXPECT_EQ(writeSong(song, dir.file("missing/x.mid")), -1);
    EXPECT_EQ(console.text(), "File Openできなかった\nFile Openできなかった\n");
    EXPECT_EQ(song.timeMode, TimeMode::Delta);
}
