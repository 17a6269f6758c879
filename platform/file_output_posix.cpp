#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/file_output.h"

namespace vorlanthe {

namespace {

int gFailingWrite = 0;
int gWritesSeen = 0;

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
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return false;

    std::string pattern = folderOf(path) + "/.vorlanthe-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkstemp(name.data());
    if (fd_ >= 0) {
        temporaryPath_ = name.data();
        direct_ = false;
        ::fchmod(fd_, exists ? (existing.st_mode & 07777) : modeForNewFile());
        return true;
    }
    // No temporary file can be made in that folder: write the path itself.
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) return false;
    direct_ = true;
    return true;
}

bool OutputFile::write(const std::uint8_t* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    if (gFailingWrite != 0 && ++gWritesSeen == gFailingWrite) {
        failed_ = true;
        return false;
    }
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Every write goes straight to the system, so nothing is held back here.
bool OutputFile::flush() { return fd_ >= 0 && !failed_; }

bool OutputFile::commit() {
    if (fd_ < 0 || failed_) {
        abandon();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        closeFailed_ = true;
        if (!direct_) ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
        return false;
    }
    if (direct_) return true;
    const bool renamed = ::rename(temporaryPath_.c_str(), path_.c_str()) == 0;
    if (!renamed) ::unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
    return renamed;
}

void OutputFile::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}

}  // namespace vorlanthe
