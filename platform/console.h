#pragma once
// Console lines. Every line the program prints goes through here to standard error,
// in the console's encoding: the program's own texts are written in UTF-8 and sent
// as UTF-8 or as code page 932; text shown from a file is made safe first.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vorlanthe {

enum class ConsoleEncoding { Utf8, Cp932 };

// Reads the encoding from the environment's locale; leaves the process in the "C"
// locale, so that options are read by the classic rules.
ConsoleEncoding detectConsoleEncoding();

void setConsoleEncoding(ConsoleEncoding encoding);
ConsoleEncoding consoleEncoding();

// Where console bytes go: standard error unless replaced (tests, the fuzz target).
using ConsoleSink = std::function<void(std::string_view bytes)>;
void setConsoleSink(ConsoleSink sink);  // an empty sink restores standard error

// The program's own text (UTF-8) in the console's encoding.
std::string consoleText(std::string_view utf8);

// Bytes from a file (code page 932 or UTF-8) as safe console bytes: control
// characters escaped as \xHH, undecodable bytes replaced.
std::string shownFileText(const std::uint8_t* data, std::size_t size);

// One console line: the text, a line end, a flush, in one write.
void writeConsoleLine(std::string_view utf8);
// A piece that a later line completes.
void writeConsolePiece(std::string_view utf8);
// A line already in console bytes (built from consoleText and shownFileText).
void writeConsoleBytesLine(std::string bytes);

}  // namespace vorlanthe
