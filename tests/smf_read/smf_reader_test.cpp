#include <gtest/gtest.h>

#include "smf_read/smf_reader.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"
#include "support/song_text.h"
#include "support/temp_dir.h"

using namespace vorlanthe;
using test::Bytes;
using test::hex;
using test::operator+;

namespace {

struct Read {
    int result;
    Song song;
    std::string console;
};

Read readBytes(const Bytes& bytes) {
    test::ConsoleCapture console;
    Read r{0, Song{}, ""};
    r.result = readSongFromBytes(r.song, bytes.data(), bytes.size());
    r.console = console.text();
    return r;
}

const Bytes kNote = hex("00 90 3C 64 60 3C 00 00 FF 2F 00");
const std::string kHeaderTrace = "; Main Header Size 6 byte.\n; midi format 1\n; track count 2\n; Time base   480\n";

}  // namespace

TEST(ReadSong, TracesAWellFormedFile) {
    const Bytes body1 = test::operator+(hex("00 FF 03 0F 'Conductor track' 00 FF 51 03 07 A1 20"), hex("00 FF 2F 00"));
    const Read r = readBytes(test::smfFile(1, 480, {body1, kNote}));
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.console, kHeaderTrace +
                             "; Track 0\tTrack Data Size 30 byte.\n"
                             "曲名/トラック名:\"Conductor track\"\n"
                             "; Track 1\tTrack Data Size 11 byte.\n");
    EXPECT_EQ(r.song.format, 1);
    EXPECT_EQ(r.song.division, 480);
    EXPECT_EQ(r.song.timeMode, TimeMode::Delta);
    EXPECT_EQ(test::songText(r.song),
              (std::vector<std::string>{"0 FF 03 43 6F 6E 64 75 63 74 6F 72 20 74 72 61 63 6B | 0 FF 51 07 A1 20 | 0 FF 2F",
                                        "0 90 3C 64 | 96 90 3C 00 | 0 FF 2F"}));
}

TEST(ReadSong, HeaderLengthAndCounts) {
    // Longer headers are skipped; the first track chunk follows them.
    Bytes ten = hex("'MThd' 00 00 00 0A 00 00 00 01 00 60 AA BB CC DD") + test::trackChunk(kNote);
    Read r = readBytes(ten);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.song.tracks.size(), 1u);

    Bytes big = hex("'MThd' 00 00 10 00 00 07 00 00 E7 28") + Bytes(4090, 0);
    r = readBytes(big);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.console, "; Main Header Size 4096 byte.\n; midi format 7\n; track count 0\n; Time base   59176\n");
    EXPECT_EQ(r.song.format, 7);
    EXPECT_EQ(r.song.division, 0xE728);
    EXPECT_TRUE(r.song.tracks.empty());

    // More chunks than announced: the extra ones are never read.
    Bytes extra = test::smfFile(0, 96, {kNote, hex("'garbage'")});
    extra[11] = 1;
    r = readBytes(extra);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.song.tracks.size(), 1u);
}

TEST(ReadSong, FailuresPrintTheirLineAndKeepWhatWasRead) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::string console;
        std::size_t tracks;
        std::uint16_t division;
    };
    Bytes threeAnnounced = test::smfFile(1, 480, {kNote, kNote});
    threeAnnounced[11] = 3;
    Bytes privateChunk = test::smfFile(1, 480, {kNote}) + hex("'XYZW' 00 00 00 00") + test::trackChunk(kNote);
    privateChunk[11] = 2;
    const Case cases[] = {
        {"empty file", {}, "File Header 読み込みでエラー\n", 0, 0},
        {"short header", hex("'MThd' 00 00"), "File Header 読み込みでエラー\n", 0, 0},
        {"not a MIDI file", hex("'RIFF' 00 00 00 06"),
         "File Header チャンク'MThd'を認識できない、これ midiファイルじゃないよ\n", 0, 0},
        {"header length 5", hex("'MThd' 00 00 00 05 00 00 00 00 00 60"),
         "; Main Header Size 5 byte.\nMain Headerのサイズ(5BYTE)が異常だよ？\n", 0, 0},
        {"header length 4097", hex("'MThd' 00 00 10 01"),
         "; Main Header Size 4097 byte.\nMain Headerのサイズ(4097BYTE)が異常だよ？\n", 0, 0},
        {"header length FFFFFFFF", hex("'MThd' FF FF FF FF"),
         "; Main Header Size 4294967295 byte.\nMain Headerのサイズ(4294967295BYTE)が異常だよ？\n", 0, 0},
        {"header data cut", hex("'MThd' 00 00 00 06 00 01 00"),
         "; Main Header Size 6 byte.\nMain Header 読み込みでエラー\n", 0, 0},
        {"header length past the end", hex("'MThd' 00 00 00 08 00 01 00 01 01 E0 00"),
         "; Main Header Size 8 byte.\n; midi format 1\n; track count 1\n; Time base   480\n"
         "Main Header の後が途切れてる\n",
         0, 480},
        {"fewer chunks than announced", threeAnnounced,
         "; Main Header Size 6 byte.\n; midi format 1\n; track count 3\n; Time base   480\n"
         "; Track 0\tTrack Data Size 11 byte.\n; Track 1\tTrack Data Size 11 byte.\n"
         "; Track 2\tTrack Header 読み込みでエラー\n",
         2, 480},
        {"private chunk between tracks", privateChunk,
         kHeaderTrace + "; Track 0\tTrack Data Size 11 byte.\n"
                        "; Track 1\tTrack Header チャンク'MTrk'を認識できない、トラックが壊れてる\n",
         1, 480},
        {"chunk longer than the file", hex("'MThd' 00 00 00 06 00 00 00 01 00 60 'MTrk' 00 00 00 10 00 90 3C 64"),
         "; Main Header Size 6 byte.\n; midi format 0\n; track count 1\n; Time base   96\n"
         "; Track 0\tTrack Data Size 16 byte.\n"
         "デルタタイム読み込みでエラー、midiファイル壊れてませんか？\nStatus 読み込みでエラー\n",
         1, 96},
    };
    for (const Case& c : cases) {
        const Read r = readBytes(c.bytes);
        EXPECT_EQ(r.result, -1) << c.name;
        EXPECT_EQ(r.console, c.console) << c.name;
        EXPECT_EQ(r.song.tracks.size(), c.tracks) << c.name;
        EXPECT_EQ(r.song.division, c.division) << c.name;
    }
}

TEST(ReadSong, ShortChunkLengthMovesTheNextHeader) {
    // The first chunk declares 2 bytes but its first event is 4: the next chunk
    // header is read right after that event.
    Bytes bytes = hex("'MThd' 00 00 00 06 00 01 00 02 00 60 'MTrk' 00 00 00 02 00 90 3C 64") + test::trackChunk(kNote);
    const Read r = readBytes(bytes);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(test::songText(r.song), (std::vector<std::string>{"0 90 3C 64", "0 90 3C 64 | 96 90 3C 00 | 0 FF 2F"}));
}

TEST(ReadSong, OpensFilesByPath) {
    test::TempDir dir;
    test::ConsoleCapture console;
    Song song;
    EXPECT_EQ(readSong(song, dir.path()), -1);  // a folder
    EXPECT_EQ(readSong(song, dir.file("missing.mid")), -1);
    EXPECT_EQ(console.text(), "File Openできなかった\nFile Openできなかった\n");
    // Shift_JIS names open, and on POSIX UTF-8 ones too: the bytes reach the file
    // system as given (on Windows they are code page 932 text).
    std::vector<std::string> names = {"\x83\x73\x83\x41\x83\x6D.mid"};
#ifndef _WIN32
    names.push_back("ピアノ.mid");
#endif
    for (const std::string& name : names) {
        test::writeFile(dir.file(name), test::smfFile(0, 96, {kNote}));
        Song named;
        EXPECT_EQ(readSong(named, dir.file(name)), 0);
        EXPECT_EQ(named.tracks.size(), 1u);
    }
}
