// Console on POSIX systems: the encoding comes from the locale's codeset, the
// conversions use iconv, and lines go to file descriptor 2.
#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>

#include "platform/console.h"
#include "platform/console_system.h"

namespace vorlanthe {

namespace {

// One converter per direction, opened on first use and kept for the run.
iconv_t utf8ToCp932Converter() {
    static iconv_t cd = iconv_open("CP932", "UTF-8");
    return cd;
}

iconv_t cp932ToUtf8Converter() {
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    return cd;
}

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Converts as much as iconv accepts; stops at the first byte it rejects and
// returns how many input bytes were used.
std::size_t convertPrefix(iconv_t cd, const char* input, std::size_t size, std::string& out) {
    if (cd == kNoConverter) return 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input);
    std::size_t inLeft = size;
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return size - inLeft;
}

}  // namespace

ConsoleEncoding detectConsoleEncoding() {
    ConsoleEncoding encoding = ConsoleEncoding::Utf8;
    if (std::setlocale(LC_CTYPE, "") != nullptr) {
        std::string codeset = nl_langinfo(CODESET);
        for (char& c : codeset) {
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        }
        static const char* const kCp932Names[] = {"SHIFT_JIS", "SHIFT-JIS", "SJIS", "CP932",
                                                  "WINDOWS-31J", "MS_KANJI"};
        for (const char* name : kCp932Names) {
            if (codeset == name) encoding = ConsoleEncoding::Cp932;
        }
    }
    std::setlocale(LC_ALL, "C");
    return encoding;
}

std::string utf8ToCp932(std::string_view utf8) {
    std::string out;
    const std::size_t used = convertPrefix(utf8ToCp932Converter(), utf8.data(), utf8.size(), out);
    out.append(utf8.substr(used));  // only the program's own texts come here; all convert
    return out;
}

std::size_t convertCp932Prefix(const std::uint8_t* data, std::size_t size, std::string& out) {
    return convertPrefix(cp932ToUtf8Converter(), reinterpret_cast<const char*>(data), size, out);
}

void writeToStandardError(std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return;  // nowhere left to report it
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
}

}  // namespace vorlanthe
