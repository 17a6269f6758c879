#include <clocale>

#include "platform/locale.h"

namespace vorlanthe {

// The C runtime's locale: the C++ library of MinGW knows only "C". Paths are
// converted from code page 932 explicitly when files are opened, so a failure
// here changes nothing but the runtime's own multibyte functions.
void useJapaneseLocale() { std::setlocale(LC_ALL, "japanese"); }

}  // namespace vorlanthe
