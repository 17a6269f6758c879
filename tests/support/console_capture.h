#pragma once
// Captures console bytes for the life of the object, on a UTF-8 console.

#include <string>

#include "platform/console.h"

namespace test {

class ConsoleCapture {
public:
    explicit ConsoleCapture(vorlanthe::ConsoleEncoding encoding = vorlanthe::ConsoleEncoding::Utf8);
    ~ConsoleCapture();
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
    vorlanthe::ConsoleEncoding previous_;
};

}  // namespace test
