#include <gtest/gtest.h>

#include "cli/options.h"
#include "cli/output_path.h"

using namespace vorlanthe;

namespace {

struct ArgumentCase {
    std::vector<std::string> arguments;
    bool hasPath;
    std::string path;
    std::uint16_t format, meta, division;
};

}  // namespace

TEST(ReadArguments, FollowsTheOptionRules) {
    const ArgumentCase cases[] = {
        {{}, false, "", 65535, 3, 24},
        {{"/T48"}, false, "", 65535, 3, 48},
        {{"a.mid", "b.mid"}, true, "b.mid", 65535, 3, 24},
        {{"/T", "48"}, true, "48", 65535, 3, 24},
        {{"/t96", "song.mid", "/T48"}, true, "song.mid", 65535, 3, 48},
        {{"/T48", "/Tx", "song.mid"}, true, "song.mid", 65535, 3, 48},
        {{"/T70000", "song.mid"}, true, "song.mid", 65535, 3, 24},
        {{"/T+30", "song.mid"}, true, "song.mid", 65535, 3, 30},
        {{"/T30abc", "song.mid"}, true, "song.mid", 65535, 3, 30},
        {{"/T 12", "s.mid"}, true, "s.mid", 65535, 3, 12},
        {{"/T0x10", "s.mid"}, true, "s.mid", 65535, 3, 24},  // reads as 0: not a usable time base
        {{"/T1,000", "s.mid"}, true, "s.mid", 65535, 3, 1},
        // A time base must be 1 to 32767: zero and negative values are ignored.
        {{"/T-1", "s.mid"}, true, "s.mid", 65535, 3, 24},
        {{"/T0", "s.mid"}, true, "s.mid", 65535, 3, 24},
        {{"/T32768", "s.mid"}, true, "s.mid", 65535, 3, 24},
        {{"/T32767", "s.mid"}, true, "s.mid", 65535, 3, 32767},
        {{"/T96", "/T-65535", "s.mid"}, true, "s.mid", 65535, 3, 96},
        {{"/M0", "song.mid"}, true, "song.mid", 65535, 0, 24},
        {{"/m-1", "song.mid"}, true, "song.mid", 65535, 65535, 24},
        {{"/M-0", "song.mid"}, true, "song.mid", 65535, 0, 24},
        {{"/F-1", "song.mid"}, true, "song.mid", 65535, 3, 24},
        {{"/F0", "song.mid"}, true, "song.mid", 0, 3, 24},
        {{"/f1", "/F", "song.mid"}, true, "song.mid", 1, 3, 24},
        {{"/F-65535", "song.mid"}, true, "song.mid", 1, 3, 24},
        {{"/Xfoo", "/7", "/", "song.mid"}, true, "song.mid", 65535, 3, 24},
        {{"/song.mid"}, false, "", 65535, 3, 24},
        {{""}, true, "", 65535, 3, 24},
#ifndef _WIN32
        // An absolute POSIX path is a path, not an option.
        {{"/tmp/song.mid"}, true, "/tmp/song.mid", 65535, 3, 24},
#else
        {{"/tmp/song.mid"}, false, "", 65535, 3, 24},
#endif
    };
    for (const ArgumentCase& c : cases) {
        const RunSettings s = readArguments(c.arguments);
        std::string joined;
        for (const auto& a : c.arguments) joined += "[" + a + "]";
        EXPECT_EQ(s.request, RunSettings::Request::Run) << joined;
        EXPECT_EQ(s.hasInputPath, c.hasPath) << joined;
        EXPECT_EQ(s.inputPath, c.path) << joined;
        EXPECT_EQ(s.formatOption, c.format) << joined;
        EXPECT_EQ(s.metaFlags, c.meta) << joined;
        EXPECT_EQ(s.targetDivision, c.division) << joined;
    }
}

TEST(ReadArguments, HelpAndVersionWinWherever) {
    EXPECT_EQ(readArguments({"song.mid", "--help"}).request, RunSettings::Request::Help);
    EXPECT_EQ(readArguments({"-h"}).request, RunSettings::Request::Help);
    EXPECT_EQ(readArguments({"/T4", "--version", "-h"}).request, RunSettings::Request::Version);
}

TEST(OutputPath, UnderscoreBeforeTheFileNamesLastDot) {
    const std::pair<std::string, std::string> cases[] = {
        {"song.mid", "song_.mid"},     {"a.b.mid", "a.b_.mid"},   {"song.", "song_."},
        {"take.2/song", "take.2/song_"}, {"48", "48_"},           {"dir/.mid", "dir/_.mid"},
        {"/tmp/x.y/a.mid", "/tmp/x.y/a_.mid"},
    };
    for (const auto& [input, expected] : cases) {
        std::string output;
        ASSERT_TRUE(makeOutputPath(input, output)) << input;
        EXPECT_EQ(output, expected);
    }
    std::string output;
    EXPECT_FALSE(makeOutputPath("", output));
    EXPECT_FALSE(makeOutputPath("music/", output));
}

#ifdef _WIN32
TEST(OutputPath, WindowsSeparatorsAndCp932Names) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\take.2\\song", "C:\\take.2\\song_"},
        {"C:\\midi\\a.b.mid", "C:\\midi\\a.b_.mid"},
        {"\x95\x5C.mid", "\x95\x5C_.mid"},  // the second byte of this character is not a separator
        {"dir.x\\\x95\x5C", "dir.x\\\x95\x5C_"},
    };
    for (const auto& [input, expected] : cases) {
        std::string output;
        ASSERT_TRUE(makeOutputPath(input, output)) << input;
        EXPECT_EQ(output, expected);
    }
    std::string output;
    EXPECT_FALSE(makeOutputPath("C:\\music\\", output));
}
#endif
