// The output file on Windows: a temporary file beside the output, made with
// exclusive creation, moved over the output once complete.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/file_output.h"
#include "platform/windows_text.h"

namespace vorlanthe {

namespace {

int gFailingWrite = 0;
int gWritesSeen = 0;

std::wstring folderOf(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"/\\");
    if (separator == std::wstring::npos) return L".";
    return path.substr(0, separator == 0 ? 1 : separator);
}

std::wstring wideOf(const std::string& path) {
    std::wstring wide;
    widePath(path, wide);
    return wide;
}

}  // namespace

void injectOutputWriteFailure(int writeNumber) {
    gFailingWrite = writeNumber;
    gWritesSeen = 0;
}

OutputFile::~OutputFile() { abandon(); }

bool OutputFile::open(const std::string& path) {
    abandon();
    path_ = path;
    failed_ = false;
    closeFailed_ = false;
    const std::wstring wide = wideOf(path);
    if (wide.empty()) return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;

    const std::wstring folder = folderOf(wide);
    const unsigned long stamp = GetCurrentProcessId() ^ GetTickCount();
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring candidate = folder + L"\\.vorlanthe-" + std::to_wstring(stamp) + L"-" + std::to_wstring(attempt);
        fd_ = _wopen(candidate.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd_ >= 0) {
            temporaryPath_.assign(reinterpret_cast<const char*>(candidate.data()), candidate.size() * sizeof(wchar_t));
            direct_ = false;
            return true;
        }
        if (errno != EEXIST) break;
    }
    // No temporary file can be made in that folder: write the path itself.
    fd_ = _wopen(wide.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd_ < 0) return false;
    direct_ = true;
    return true;
}

namespace {

// The temporary path is kept as the raw bytes of its UTF-16 text.
std::wstring wideFromRaw(const std::string& raw) {
    std::wstring wide(raw.size() / sizeof(wchar_t), L'\0');
    if (!wide.empty()) std::memcpy(wide.data(), raw.data(), wide.size() * sizeof(wchar_t));
    return wide;
}

}  // namespace

bool OutputFile::write(const std::uint8_t* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    if (gFailingWrite != 0 && ++gWritesSeen == gFailingWrite) {
        failed_ = true;
        return false;
    }
    while (size > 0) {
        const unsigned chunk = size > 0x40000000u ? 0x40000000u : static_cast<unsigned>(size);
        const int written = _write(fd_, data, chunk);
        if (written <= 0) {
            failed_ = true;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool OutputFile::flush() { return fd_ >= 0 && !failed_; }

bool OutputFile::commit() {
    if (fd_ < 0 || failed_) {
        abandon();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (_close(fd) != 0) {
        closeFailed_ = true;
        if (!direct_) _wunlink(wideFromRaw(temporaryPath_).c_str());
        temporaryPath_.clear();
        return false;
    }
    if (direct_) return true;
    const std::wstring temporary = wideFromRaw(temporaryPath_);
    const bool moved = MoveFileExW(temporary.c_str(), wideOf(path_).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (!moved) _wunlink(temporary.c_str());
    temporaryPath_.clear();
    return moved;
}

void OutputFile::abandon() {
    if (fd_ >= 0) {
        _close(fd_);
        fd_ = -1;
    }
    if (!temporaryPath_.empty()) {
        _wunlink(wideFromRaw(temporaryPath_).c_str());
        temporaryPath_.clear();
    }
}

}  // namespace vorlanthe
