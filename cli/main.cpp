#include <string>
#include <vector>

#include "cli/pipeline.h"
#include "platform/console.h"

int main(int argc, char** argv) {
    vorlanthe::setConsoleEncoding(vorlanthe::detectConsoleEncoding());
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return vorlanthe::runVorlanthe(arguments);
}
