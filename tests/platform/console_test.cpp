#include <gtest/gtest.h>

#include "platform/console.h"
#include "support/console_capture.h"
#include "support/smf_bytes.h"

using namespace vorlanthe;
using test::hex;

namespace {

std::string shown(const test::Bytes& bytes) { return shownFileText(bytes.data(), bytes.size()); }

}  // namespace

TEST(ShownFileText, OnAUtf8Console) {
#ifdef _WIN32
    GTEST_SKIP() << "a Windows console is always code page 932";
#endif
    test::ConsoleCapture console(ConsoleEncoding::Utf8);
    const std::pair<test::Bytes, std::string> cases[] = {
        {hex("'Piano'"), "Piano"},
        {hex("E3 83 94 E3 82 A2 E3 83 8E"), "ピアノ"},  // valid UTF-8 stays
        {hex("83 73 83 41 83 6D"), "ピアノ"},           // CP932 is decoded
        {hex("87 40 5C B1"), "①\\ｱ"},                  // NEC row, backslash, half-width kana
        {hex("'a' 1B '[31m' 0A 7F 'b'"), "a\\x1B[31m\\x0A\\x7Fb"},
        {hex("C2 85 'x'"), "\\x85x"},                  // a C1 control in UTF-8
        {hex("80 A0 FD FE FF 'z'"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz"},
        {hex("'ab' 83"), "ab\xEF\xBF\xBD"},             // lead byte cut off by the end
        {hex("83 73 1B"), "ピ\\x1B"},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(shown(bytes), expected) << test::toHex(bytes);
}

TEST(ShownFileText, OnACp932ConsoleBytesPassButControls) {
    test::ConsoleCapture console(ConsoleEncoding::Cp932);
    EXPECT_EQ(shown(hex("83 73 83 41 1B 80 'a'")), "\x83\x73\x83\x41\\x1B\x80" "a");
}

TEST(ConsoleLines, ProgramTextInTheConsoleEncoding) {
    {
        test::ConsoleCapture console(ConsoleEncoding::Cp932);
        writeConsoleLine("変換中");
        writeConsolePiece("; Track 0\t");
        EXPECT_EQ(console.text(), "\x95\xCF\x8A\xB7\x92\x86\n; Track 0\t");
    }
    {
        test::ConsoleCapture console(ConsoleEncoding::Utf8);
        writeConsoleLine("変換中");
        EXPECT_EQ(console.text(), "変換中\n");
    }
}
