// Console lines: one write per line, the program's texts in the console's
// encoding, and text from a file made safe to show. The system-specific
// conversions and the write itself are in console_posix.cpp / console_win32.cpp.
#include <cstring>

#include "platform/console.h"
#include "platform/console_system.h"

namespace vorlanthe {

namespace {

ConsoleEncoding gEncoding = ConsoleEncoding::Utf8;
ConsoleSink gSink;

void emit(std::string_view bytes) {
    if (gSink) {
        gSink(bytes);
    } else {
        writeToStandardError(bytes);
    }
}

bool isUtf8Continuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at data, or 0.
std::size_t utf8SequenceLength(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t lead = data[0];
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    std::uint32_t min = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (size < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isUtf8Continuation(data[i])) return 0;
        code = (code << 6) | (data[i] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

bool isValidUtf8(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    while (at < size) {
        const std::size_t length = utf8SequenceLength(data + at, size - at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void appendEscape(std::string& out, unsigned value) {
    static const char kHex[] = "0123456789ABCDEF";
    out += '\\';
    out += 'x';
    out += kHex[(value >> 4) & 0x0F];
    out += kHex[value & 0x0F];
}

// Escapes C0 and C1 controls and DEL in well-formed UTF-8.
std::string escapeUtf8Controls(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<std::uint8_t>(text[at]);
        if (byte < 0x20 || byte == 0x7F) {
            appendEscape(out, byte);
        } else if (byte == 0xC2 && at + 1 < text.size() &&
                   static_cast<std::uint8_t>(text[at + 1]) >= 0x80 &&
                   static_cast<std::uint8_t>(text[at + 1]) <= 0x9F) {
            appendEscape(out, static_cast<std::uint8_t>(text[at + 1]));
            ++at;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

std::string cp932AsUtf8(const std::uint8_t* data, std::size_t size) {
    static const char kReplacement[] = "\xEF\xBF\xBD";
    std::string out;
    std::size_t at = 0;
    while (at < size) {
        at += convertCp932Prefix(data + at, size - at, out);
        if (at < size) {
            out += kReplacement;  // stands for the first byte that does not convert
            ++at;
        }
    }
    return out;
}

}  // namespace

void setConsoleEncoding(ConsoleEncoding encoding) { gEncoding = encoding; }
ConsoleEncoding consoleEncoding() { return gEncoding; }

void setConsoleSink(ConsoleSink sink) { gSink = std::move(sink); }

std::string consoleText(std::string_view utf8) {
    if (gEncoding == ConsoleEncoding::Utf8) return std::string(utf8);
    return utf8ToCp932(utf8);
}

std::string shownFileText(const std::uint8_t* data, std::size_t size) {
    if (gEncoding == ConsoleEncoding::Cp932) {
        std::string out;
        out.reserve(size);
        for (std::size_t i = 0; i < size; ++i) {
            // A CP932 trail byte is never below 0x40, so bytewise escaping is safe.
            if (data[i] < 0x20 || data[i] == 0x7F) {
                appendEscape(out, data[i]);
            } else {
                out += static_cast<char>(data[i]);
            }
        }
        return out;
    }
    if (isValidUtf8(data, size)) {
        return escapeUtf8Controls(std::string(reinterpret_cast<const char*>(data), size));
    }
    return escapeUtf8Controls(cp932AsUtf8(data, size));
}

void writeConsoleLine(std::string_view utf8) {
    std::string line = consoleText(utf8);
    line += '\n';
    emit(line);
}

void writeConsolePiece(std::string_view utf8) { emit(consoleText(utf8)); }

void writeConsoleBytesLine(std::string bytes) {
    bytes += '\n';
    emit(bytes);
}

}  // namespace vorlanthe
