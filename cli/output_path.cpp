#include "cli/output_path.h"

#include "platform/path_rules.h"

namespace vorlanthe {

bool makeOutputPath(const std::string& inputPath, std::string& outputPath) {
    const std::size_t nameStart = fileNameStart(inputPath);
    if (nameStart >= inputPath.size()) return false;
    const std::size_t dot = inputPath.rfind('.');
    outputPath = inputPath;
    if (dot == std::string::npos || dot < nameStart) {
        outputPath += '_';
    } else {
        outputPath.insert(dot, 1, '_');
    }
    return true;
}

}  // namespace vorlanthe
