#pragma once
// Code page conversions of the Windows build.

#include <string>
#include <string_view>

namespace vorlanthe {

// Bytes in a code page as UTF-16; false when they do not convert.
bool toWide(unsigned codePage, std::string_view bytes, std::wstring& wide);

// A path from the command line (code page 932) in the system's UTF-16 form.
bool widePath(const std::string& path, std::wstring& wide);

}  // namespace vorlanthe
