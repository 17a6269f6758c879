// Console on Windows: code page 932 is the console's native encoding; texts are
// converted with the Win32 code page functions and written to standard error.
#include <windows.h>

#include <cstdio>

#include "platform/console.h"
#include "platform/console_system.h"
#include "platform/windows_text.h"

namespace vorlanthe {

ConsoleEncoding detectConsoleEncoding() { return ConsoleEncoding::Cp932; }

std::string utf8ToCp932(std::string_view utf8) {
    std::wstring wide;
    if (!toWide(CP_UTF8, utf8, wide)) return std::string(utf8);
    const int length = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0) return std::string(utf8);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr, nullptr);
    return out;
}

std::size_t convertCp932Prefix(const std::uint8_t* data, std::size_t size, std::string& out) {
    // Character by character: a lead byte takes the byte after it.
    std::size_t at = 0;
    std::wstring wide;
    while (at < size) {
        const std::size_t length = IsDBCSLeadByteEx(932, data[at]) ? 2 : 1;
        if (at + length > size) break;
        if (!toWide(932, std::string_view(reinterpret_cast<const char*>(data + at), length), wide)) break;
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                              nullptr, nullptr);
        std::string piece(static_cast<std::size_t>(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), piece.data(), bytes, nullptr,
                            nullptr);
        out += piece;
        at += length;
    }
    return at;
}

void writeToStandardError(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}

}  // namespace vorlanthe
