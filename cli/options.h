#pragma once
// The run's settings, read from the argument vector.

#include <cstdint>
#include <string>
#include <vector>

namespace vorlanthe {

constexpr std::uint16_t kNoFormatAsked = 65535;

struct RunSettings {
    enum class Request { Run, Help, Version };
    Request request = Request::Run;
    bool hasInputPath = false;
    std::string inputPath;
    std::uint16_t formatOption = kNoFormatAsked;
    std::uint16_t metaFlags = 3;
    std::uint16_t targetDivision = 24;
};

// Reads an option value: blanks, an optional sign, decimal digits up to the first
// other character. False when there is no digit or the magnitude exceeds 65535;
// a minus sign stores the negation modulo 65536. negative tells whether it had one.
bool readOptionNumber(const std::string& text, std::uint16_t& value, bool& negative);

// The arguments after the program's own name.
RunSettings readArguments(const std::vector<std::string>& arguments);

}  // namespace vorlanthe
