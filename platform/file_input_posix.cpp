#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/file_input.h"

namespace vorlanthe {

InputFile::~InputFile() { release(); }

void InputFile::release() {
    if (mapped_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
    owned_ = {};
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

namespace {

// For what cannot be mapped (pipes, special files): read to the end.
bool readAll(int fd, std::vector<std::uint8_t>& bytes) {
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxInputSize) return false;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

}  // namespace

bool InputFile::open(const std::string& path) {
    release();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return false;
    }
    if (S_ISREG(info.st_mode)) {
        if (static_cast<std::uint64_t>(info.st_size) > kMaxInputSize) {
            ::close(fd);
            return false;
        }
        size_ = static_cast<std::size_t>(info.st_size);
        if (size_ == 0) {
            ::close(fd);
            return true;
        }
        void* map = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            ::close(fd);
            data_ = static_cast<const std::uint8_t*>(map);
            mapped_ = true;
            return true;
        }
        size_ = 0;
    }
    std::vector<std::uint8_t> bytes;
    const bool ok = readAll(fd, bytes);
    ::close(fd);
    if (!ok) return false;
    adopt(std::move(bytes));
    return true;
}

}  // namespace vorlanthe
