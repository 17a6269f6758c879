#include "platform/path_rules.h"

namespace vorlanthe {

bool isOptionArgument(const std::string& argument) {
    if (argument.empty() || argument[0] != '/') return false;
    return argument.find('/', 1) == std::string::npos;
}

std::size_t fileNameStart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace vorlanthe
