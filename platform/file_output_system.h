#pragma once
// What OutputFile needs from the operating system. Paths are the program's
// narrow paths; files are descriptors.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorlanthe {

bool isFolder(const std::string& path);
// Creates a new file of a unique name in the folder of path, with the
// permissions the output should have; sets temporaryPath.
bool createTemporaryBeside(const std::string& path, int& fd, std::string& temporaryPath);
// Opens path itself for writing, created or truncated.
bool openTruncated(const std::string& path, int& fd);
bool writeAll(int fd, const std::uint8_t* data, std::size_t size);
bool closeFile(int fd);
// Puts the temporary file at path, replacing what was there.
bool replaceFile(const std::string& temporaryPath, const std::string& path);
void removeFile(const std::string& path);

}  // namespace vorlanthe
