#include "platform/path_rules.h"

namespace vorlanthe {

namespace {

// Lead bytes of code page 932: the byte after one can be 0x5C, which is then
// part of a character, not a backslash.
bool isCp932LeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

}  // namespace

// Every argument that begins with "/" is an option, as on the Windows command line.
bool isOptionArgument(const std::string& argument) { return !argument.empty() && argument[0] == '/'; }

std::size_t fileNameStart(const std::string& path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const auto byte = static_cast<unsigned char>(path[i]);
        if (isCp932LeadByte(byte)) {
            ++i;
        } else if (byte == '/' || byte == '\\' || (byte == ':' && i == 1)) {
            start = i + 1;
        }
    }
    return start;
}

}  // namespace vorlanthe
