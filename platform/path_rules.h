#pragma once

#include <cstddef>
#include <string>

namespace vorlanthe {

// An argument beginning with "/" is an option, except, on POSIX, an absolute path:
// one that holds a further "/" after its first character.
bool isOptionArgument(const std::string& argument);

// Index of the first character of the path's final component.
std::size_t fileNameStart(const std::string& path);

}  // namespace vorlanthe
