#include <windows.h>

#include "platform/windows_text.h"

namespace vorlanthe {

bool toWide(unsigned codePage, std::string_view bytes, std::wstring& wide) {
    wide.clear();
    if (bytes.empty()) return true;
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                               wide.data(), length) == length;
}

bool widePath(const std::string& path, std::wstring& wide) {
    return !path.empty() && toWide(932, path, wide);
}

}  // namespace vorlanthe
