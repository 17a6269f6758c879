// The input file on Windows: the code page 932 path is converted to UTF-16 and
// the whole file read into memory.
#include <sys/stat.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/file_input.h"
#include "platform/windows_text.h"

namespace vorlanthe {

InputFile::~InputFile() { release(); }

void InputFile::release() {
    owned_ = {};
    data_ = nullptr;
    size_ = 0;
    mapped_ = false;
}

bool InputFile::open(const std::string& path) {
    release();
    std::wstring wide;
    if (!widePath(path, wide)) return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    std::FILE* file = _wfopen(wide.c_str(), L"rb");
    if (file == nullptr) return false;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    bool ok = true;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        if (bytes.size() + got > kMaxInputSize) {
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
        if (got < sizeof buffer) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    if (!ok) return false;
    adopt(std::move(bytes));
    return true;
}

}  // namespace vorlanthe
