#include "support/console_capture.h"

namespace test {

ConsoleCapture::ConsoleCapture(vorlanthe::ConsoleEncoding encoding) : previous_(vorlanthe::consoleEncoding()) {
    vorlanthe::setConsoleEncoding(encoding);
    vorlanthe::setConsoleSink([this](std::string_view bytes) { text_.append(bytes); });
}

ConsoleCapture::~ConsoleCapture() {
    vorlanthe::setConsoleSink({});
    vorlanthe::setConsoleEncoding(previous_);
}

}  // namespace test
