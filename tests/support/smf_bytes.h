#pragma once
// Byte fixtures written as annotated hex text: "4D 54 'MThd' # comment".
// Quoted runs are ASCII bytes, a '#' comments to the end of the line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace test {

using Bytes = std::vector<std::uint8_t>;

Bytes hex(std::string_view text);

// A track chunk: "MTrk", the body's length, the body.
Bytes trackChunk(const Bytes& body);
// A whole file: header chunk of length 6, then one track chunk per body.
Bytes smfFile(std::uint16_t format, std::uint16_t division, const std::vector<Bytes>& bodies);

Bytes operator+(Bytes a, const Bytes& b);

std::string toHex(const Bytes& bytes);

}  // namespace test
