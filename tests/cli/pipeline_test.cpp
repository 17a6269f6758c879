#include <gtest/gtest.h>

#include "cli/pipeline.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"
#include "support/temp_dir.h"

using namespace vorlanthe;
using test::Bytes;
using test::hex;
using test::operator+;

namespace {

// A format 0 file, division 480: track name Piano, tempo, program change, one
// note of a quarter note, end of track.
const Bytes kPianoSong = hex(
    "4D 54 68 64 00 00 00 06 00 00 00 01 01 E0"
    "4D 54 72 6B 00 00 00 20"
    "00 FF 03 05 'Piano' 00 FF 51 03 07 A1 20 00 C0 00 00 90 3C 64 83 60 80 3C 40 00 FF 2F 00");

}  // namespace

TEST(Pipeline, WholeRunOfAFormat0File) {
    test::TempDir dir;
    const std::string input = dir.file("song.mid");
    test::writeFile(input, kPianoSong);
    test::ConsoleCapture console;
    EXPECT_EQ(runVorlanthe({input}), kExitSuccess);
    EXPECT_EQ(console.text(),
              "Vorlanthe v1.3\n"
              "; Main Header Size 6 byte.\n"
              "; midi format 0\n"
              "; track count 1\n"
              "; Time base   480\n"
              "; Track 0\tTrack Data Size 32 byte.\n"
              "曲名/トラック名:\"Piano\"\n"
              "変換中\n"
              "done.\n");
    Bytes output;
    ASSERT_TRUE(test::readFile(dir.file("song_.mid"), output));
    EXPECT_EQ(test::toHex(output),
              test::toHex(hex("4D 54 68 64 00 00 00 06 00 01 00 02 00 18"
                              "4D 54 72 6B 00 00 00 14 00 FF 03 05 50 69 61 6E 6F 00 FF 51 03 07 A1 20 18 FF 2F 00"
                              "4D 54 72 6B 00 00 00 0E 00 C0 00 00 90 3C 64 18 3C 00 00 FF 2F 00")));
}

TEST(Pipeline, UsageWithoutPath) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, std::vector<std::string>{"/T48"}, std::vector<std::string>{"/song.mid"}}) {
        test::ConsoleCapture console;
        EXPECT_EQ(runVorlanthe(arguments), kExitUsage);
        EXPECT_EQ(console.text(), "Vorlanthe v1.3\nmidiファイルを指定して！\nVorlanthe FilePath(\"*.mid\")\n");
    }
}

TEST(Pipeline, ExitStatusTellsWhatWasWritten) {
    test::TempDir dir;
    {
        // Nothing could be read: no output, and an earlier output stays.
        test::writeFile(dir.file("gone_.mid"), hex("'keep'"));
        test::ConsoleCapture console;
        EXPECT_EQ(runVorlanthe({dir.file("gone.mid")}), kExitNoOutput);
        EXPECT_EQ(console.text(), "Vorlanthe v1.3\nFile Openできなかった\n変換中\ndone.\n");
        Bytes kept;
        ASSERT_TRUE(test::readFile(dir.file("gone_.mid"), kept));
        EXPECT_EQ(kept, hex("'keep'"));
    }
    {
        // Damaged after its first track: what was read is written, status 1.
        Bytes damaged = test::smfFile(1, 96, {hex("00 90 3C 64 60 3C 00 00 FF 2F 00")});
        damaged[11] = 2;  // announces a second track that is not there
        test::writeFile(dir.file("cut.mid"), damaged);
        test::ConsoleCapture console;
        EXPECT_EQ(runVorlanthe({dir.file("cut.mid")}), kExitPartial);
        EXPECT_NE(console.text().find("; Track 1\tTrack Header 読み込みでエラー\n変換中\ndone.\n"), std::string::npos);
        Bytes written;
        EXPECT_TRUE(test::readFile(dir.file("cut_.mid"), written));
    }
    {
        // The empty path has no output name.
        test::ConsoleCapture console;
        EXPECT_EQ(runVorlanthe({""}), kExitNoOutput);
        EXPECT_EQ(console.text(),
                  "Vorlanthe v1.3\nFile Openできなかった\n変換中\n出力ファイル名を作れない\ndone.\n");
    }
    {
        // A folder where the output should go.
        test::writeFile(dir.file("ok.mid"), kPianoSong);
        ASSERT_TRUE(test::makeFolder(dir.file("ok_.mid")));
        test::ConsoleCapture console;
        EXPECT_EQ(runVorlanthe({dir.file("ok.mid")}), kExitNoOutput);
        EXPECT_NE(console.text().find("変換中\nFile Openできなかった\ndone.\n"), std::string::npos);
    }
}
