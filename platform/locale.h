#pragma once

namespace vorlanthe {

// Makes the process-wide locale the one under which file paths are code page 932
// text. Where no such locale exists, path bytes reach the file system unchanged.
void useJapaneseLocale();

}  // namespace vorlanthe
