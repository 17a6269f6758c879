// Runs the fuzz target once on each file named, or on each file of each folder
// named, so that the corpus runs as an ordinary test under any compiler.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int replayFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        struct stat info {};
        if (::stat(argv[i], &info) == 0 && S_ISDIR(info.st_mode)) {
            if (DIR* dir = ::opendir(argv[i])) {
                while (const dirent* entry = ::readdir(dir)) {
                    if (entry->d_name[0] == '.') continue;
                    failures += replayFile(std::string(argv[i]) + "/" + entry->d_name);
                    ++replayed;
                }
                ::closedir(dir);
            }
        } else {
            failures += replayFile(argv[i]);
            ++replayed;
        }
    }
    std::printf("%d passed, %d failed\n", replayed - failures, failures);
    return failures == 0 && replayed > 0 ? 0 : 1;
}
