#pragma once
// The output file, written so that a failure never costs an earlier result: the
// bytes go to a new temporary file beside the output, which replaces the output
// only once every byte is written and the file is closed.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorlanthe {

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();  // abandons what was not committed

    // False when neither a temporary file beside the path nor the path itself can
    // be opened for writing, or the path names a folder.
    bool open(const std::string& path);

    // Each returns false once any write has failed; a failure sticks.
    bool write(const std::uint8_t* data, std::size_t size);
    bool flush();

    // Closes the file and puts it at the output path. False on a failed close
    // (closeFailed() tells) or a failed rename; the temporary file is then removed.
    bool commit();
    bool closeFailed() const { return closeFailed_; }

    // Closes and removes the temporary file; the output path keeps what it had.
    void abandon();

private:
    int fd_ = -1;
    bool failed_ = false;
    bool closeFailed_ = false;
    bool direct_ = false;  // writing the output path itself
    std::string path_;
    std::string temporaryPath_;
};

// Test hook: the write with this number (1 for the first) of every later
// OutputFile fails as a full device would; 0 turns it off.
void injectOutputWriteFailure(int writeNumber);

}  // namespace vorlanthe
