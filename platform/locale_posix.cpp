#include "platform/locale.h"

namespace vorlanthe {

// POSIX file names are byte strings: a path in Shift_JIS or UTF-8 opens as given,
// and there is no "japanese" locale to switch to. The process keeps the "C" locale.
void useJapaneseLocale() {}

}  // namespace vorlanthe
