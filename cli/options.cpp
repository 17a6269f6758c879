#include "cli/options.h"

#include "platform/path_rules.h"

namespace vorlanthe {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// A time base outside 1..32767 is either SMPTE time code (top bit set) or zero,
// neither of which a player can use as ticks per quarter note.
bool isUsableDivision(std::uint16_t value, bool negative) { return !negative && value >= 1 && value <= 32767; }

void readOption(const std::string& argument, RunSettings& settings) {
    if (argument.size() < 2) return;
    const std::string valueText = argument.substr(2);
    std::uint16_t value = 0;
    bool negative = false;
    switch (argument[1]) {
        case 'F':
        case 'f':
            if (readOptionNumber(valueText, value, negative)) settings.formatOption = value;
            break;
        case 'M':
        case 'm':
            if (readOptionNumber(valueText, value, negative)) settings.metaFlags = value;
            break;
        case 'T':
        case 't':
            if (readOptionNumber(valueText, value, negative) && isUsableDivision(value, negative)) {
                settings.targetDivision = value;
            }
            break;
        default:
            break;  // another letter: ignored without a message
    }
}

}  // namespace

bool readOptionNumber(const std::string& text, std::uint16_t& value, bool& negative) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    std::uint32_t magnitude = 0;
    bool anyDigit = false;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        anyDigit = true;
        magnitude = magnitude * 10 + static_cast<std::uint32_t>(text[at] - '0');
        if (magnitude > 65535) return false;
        ++at;
    }
    if (!anyDigit) return false;
    value = static_cast<std::uint16_t>(negative ? (65536 - magnitude) & 0xFFFF : magnitude);
    return true;
}

RunSettings readArguments(const std::vector<std::string>& arguments) {
    RunSettings settings;
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            settings.request = RunSettings::Request::Help;
            return settings;
        }
        if (argument == "--version") {
            settings.request = RunSettings::Request::Version;
            return settings;
        }
    }
    for (const std::string& argument : arguments) {
        if (isOptionArgument(argument)) {
            readOption(argument, settings);
        } else {
            settings.inputPath = argument;
            settings.hasInputPath = true;
        }
    }
    return settings;
}

}  // namespace vorlanthe
