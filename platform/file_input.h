#pragma once
// The whole input file in memory, mapped where the system allows it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vorlanthe {

class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // False when the path cannot be opened, names a folder, or is too large for
    // 32-bit file positions.
    bool open(const std::string& path);

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    void release();
    // Takes bytes read into memory (where the file could not be mapped) as the file.
    void adopt(std::vector<std::uint8_t>&& bytes) {
        owned_ = std::move(bytes);
        data_ = owned_.data();
        size_ = owned_.size();
    }

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;
    std::vector<std::uint8_t> owned_;
};

// The largest input read: chunk ends and positions are 32-bit signed values.
constexpr std::size_t kMaxInputSize = 0x7FFFFFFF;

}  // namespace vorlanthe
