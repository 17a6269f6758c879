#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/file_output_system.h"

namespace vorlanthe {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool createTemporaryBeside(const std::string& path, int& fd, std::string& temporaryPath) {
    const std::string pattern = folderOf(path) + "/.vorlanthe-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd = ::mkstemp(name.data());
    if (fd < 0) return false;
    temporaryPath = name.data();
    // An existing output keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    ::fchmod(fd, exists ? (existing.st_mode & 07777) : modeForNewFile());
    return true;
}

bool openTruncated(const std::string& path, int& fd) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd >= 0;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool closeFile(int fd) { return ::close(fd) == 0; }

bool replaceFile(const std::string& temporaryPath, const std::string& path) {
    return ::rename(temporaryPath.c_str(), path.c_str()) == 0;
}

void removeFile(const std::string& path) { ::unlink(path.c_str()); }

}  // namespace vorlanthe
