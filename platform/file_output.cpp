// The output file's life: temporary file, writes whose failure sticks, then
// close and replace, or removal on any failure.
#include "platform/file_output.h"

#include "platform/file_output_system.h"

namespace vorlanthe {

namespace {

int gFailingWrite = 0;
int gWritesSeen = 0;

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
    if (isFolder(path)) return false;
    if (createTemporaryBeside(path, fd_, temporaryPath_)) {
        direct_ = false;
        return true;
    }
    temporaryPath_.clear();
    // No temporary file can be made in that folder: write the path itself.
    direct_ = true;
    return openTruncated(path, fd_);
}

bool OutputFile::write(const std::uint8_t* data, std::size_t size) {
    if (fd_ < 0 || failed_) return false;
    if (gFailingWrite != 0 && ++gWritesSeen == gFailingWrite) {
        failed_ = true;
        return false;
    }
    if (!writeAll(fd_, data, size)) failed_ = true;
    return !failed_;
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
    if (!closeFile(fd)) {
        closeFailed_ = true;
        abandon();
        return false;
    }
    if (direct_) return true;
    const bool replaced = replaceFile(temporaryPath_, path_);
    if (!replaced) removeFile(temporaryPath_);
    temporaryPath_.clear();
    return replaced;
}

void OutputFile::abandon() {
    if (fd_ >= 0) {
        closeFile(fd_);
        fd_ = -1;
    }
    if (!temporaryPath_.empty()) {
        removeFile(temporaryPath_);
        temporaryPath_.clear();
    }
}

}  // namespace vorlanthe
