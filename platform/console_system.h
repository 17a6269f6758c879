#pragma once
// What the console needs from the operating system.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlanthe {

// The program's own UTF-8 text as code page 932 bytes.
std::string utf8ToCp932(std::string_view utf8);

// Appends the UTF-8 form of the longest well-formed code page 932 prefix of the
// bytes to out; returns how many bytes it used.
std::size_t convertCp932Prefix(const std::uint8_t* data, std::size_t size, std::string& out);

// Writes the bytes to standard error at once.
void writeToStandardError(std::string_view bytes);

}  // namespace vorlanthe
