#pragma once
// A fresh folder in the system's temporary folder for one test, removed with
// everything in it.

#include <cstdint>
#include <string>
#include <vector>

namespace test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

bool makeFolder(const std::string& path);
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
bool readFile(const std::string& path, std::vector<std::uint8_t>& bytes);

}  // namespace test
