#pragma once
// The whole run: banner, arguments, reading, the reduction passes, writing.

#include <string>
#include <vector>

#include "cli/options.h"
#include "song/song.h"

namespace vorlanthe {

// Exit statuses of a run.
constexpr int kExitSuccess = 0;
constexpr int kExitPartial = 1;   // the input was damaged; what was read is written
constexpr int kExitNoOutput = 2;  // no output file was written
constexpr int kExitUsage = -1;

// The reduction passes in their fixed order, as a run applies them after reading.
void runPasses(Song& song, const RunSettings& settings);

// One run over the arguments after the program's name; returns the exit status.
int runVorlanthe(const std::vector<std::string>& arguments);

}  // namespace vorlanthe
