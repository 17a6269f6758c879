#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <string>

#include "platform/file_output_system.h"
#include "platform/path_rules.h"
#include "platform/windows_text.h"

namespace vorlanthe {

namespace {

std::wstring wideOf(const std::string& path) {
    std::wstring wide;
    widePath(path, wide);
    return wide;
}

}  // namespace

bool isFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wideOf(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool createTemporaryBeside(const std::string& path, int& fd, std::string& temporaryPath) {
    const std::size_t nameStart = fileNameStart(path);
    const std::string folder = nameStart == 0 ? std::string(".\\") : path.substr(0, nameStart);
    const unsigned long stamp = GetCurrentProcessId() ^ GetTickCount();
    // Exclusive creation makes the name unique; a taken one is tried again.
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = folder + ".vorlanthe-" + std::to_string(stamp) + "-" + std::to_string(attempt);
        fd = _wopen(wideOf(candidate).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            temporaryPath = candidate;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool openTruncated(const std::string& path, int& fd) {
    const std::wstring wide = wideOf(path);
    fd = wide.empty() ? -1 : _wopen(wide.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
    return fd >= 0;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const unsigned chunk = size > 0x40000000u ? 0x40000000u : static_cast<unsigned>(size);
        const int written = _write(fd, data, chunk);
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool closeFile(int fd) { return _close(fd) == 0; }

bool replaceFile(const std::string& temporaryPath, const std::string& path) {
    return MoveFileExW(wideOf(temporaryPath).c_str(), wideOf(path).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void removeFile(const std::string& path) { _wunlink(wideOf(path).c_str()); }

}  // namespace vorlanthe
