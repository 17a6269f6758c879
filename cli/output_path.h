#pragma once

#include <string>

namespace vorlanthe {

// The input path with "_" before the last "." of its file name, or after a file
// name without one. False when the path has no file name (empty, or ending in a
// separator).
bool makeOutputPath(const std::string& inputPath, std::string& outputPath);

}  // namespace vorlanthe
