#include "support/smf_bytes.h"

#include <stdexcept>

namespace test {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

Bytes hex(std::string_view text) {
    Bytes out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '#') {
            while (i < text.size() && text[i] != '\n') ++i;
        } else if (c == '\'') {
            for (++i; i < text.size() && text[i] != '\''; ++i) out.push_back(static_cast<std::uint8_t>(text[i]));
        } else if (hexDigit(c) >= 0) {
            if (i + 1 >= text.size() || hexDigit(text[i + 1]) < 0) throw std::invalid_argument("odd hex digit");
            out.push_back(static_cast<std::uint8_t>(hexDigit(c) * 16 + hexDigit(text[i + 1])));
            ++i;
        }
    }
    return out;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes trackChunk(const Bytes& body) {
    const auto n = static_cast<std::uint32_t>(body.size());
    Bytes out = {'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                 static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
    return out + body;
}

Bytes smfFile(std::uint16_t format, std::uint16_t division, const std::vector<Bytes>& bodies) {
    const auto count = static_cast<std::uint16_t>(bodies.size());
    Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6,
                 static_cast<std::uint8_t>(format >> 8), static_cast<std::uint8_t>(format),
                 static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count),
                 static_cast<std::uint8_t>(division >> 8), static_cast<std::uint8_t>(division)};
    for (const Bytes& body : bodies) out = out + trackChunk(body);
    return out;
}

std::string toHex(const Bytes& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

}  // namespace test
