#include "cli/pipeline.h"

#include <cstdio>

#include "cli/output_path.h"
#include "passes/channel_reduction.h"
#include "passes/meta_filter.h"
#include "passes/time_base.h"
#include "passes/track_layout.h"
#include "platform/console.h"
#include "smf_read/smf_reader.h"
#include "smf_write/smf_writer.h"

namespace vorlanthe {

namespace {

const char kBanner[] = "Vorlanthe v1.3";
const char kNoPath[] = "midiファイルを指定して！";
const char kUsage[] = "Vorlanthe FilePath(\"*.mid\")";
const char kConverting[] = "変換中";
const char kDone[] = "done.";
const char kNoOutputName[] = "出力ファイル名を作れない";

const char kOptionsHelp[] =
    "  /F<n>  track layout: 0 merges all tracks into one, 1 splits by channel\n"
    "         (default: a format 0 file is split, others keep their layout)\n"
    "  /M<n>  meta and system-exclusive events to drop, a sum of flags (default 3):\n"
    "         1 text events and further track names, 2 time and key signatures,\n"
    "         4 sequencer-specific and system-exclusive events, 8 all other meta events;\n"
    "         0 drops nothing\n"
    "  /T<n>  new time base in ticks per quarter note, 1 to 32767 (default 24)\n"
    "  -h, --help     show this help\n"
    "  --version      show the version\n"
    "The result is written next to the input: song.mid becomes song_.mid.\n";

// --help and --version talk to standard output, so they can be paged or piped.
void printToStandardOutput(const std::string& utf8) {
    const std::string bytes = consoleText(utf8);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

void runPasses(Song& song, const RunSettings& settings) {
    if (settings.formatOption != kNoFormatAsked) {
        convertFormat(song, settings.formatOption);
    } else if (song.format == 0) {
        convertFormat(song, 1);
    }
    filterMeta(song, settings.metaFlags);
    pruneSilentChannels(song);
    pruneEmptyTracks(song);
    rewriteNoteOff(song);
    rescaleTimeBase(song, settings.targetDivision);
}

int runVorlanthe(const std::vector<std::string>& arguments) {
    const RunSettings settings = readArguments(arguments);
    if (settings.request == RunSettings::Request::Help) {
        printToStandardOutput(std::string(kBanner) + "\n" + kNoPath + "\n" + kUsage + "\n" + kOptionsHelp);
        return kExitSuccess;
    }
    if (settings.request == RunSettings::Request::Version) {
        printToStandardOutput(std::string(kBanner) + "\n");
        return kExitSuccess;
    }

    writeConsoleLine(kBanner);
    if (!settings.hasInputPath) {
        writeConsoleLine(kNoPath);
        writeConsoleLine(kUsage);
        return kExitUsage;
    }

    int status = kExitSuccess;
    {
        Song song;
        const int readResult = readSong(song, settings.inputPath);
        writeConsoleLine(kConverting);
        runPasses(song, settings);

        std::string outputPath;
        const bool haveOutputName = makeOutputPath(settings.inputPath, outputPath);
        // A file that failed before its first track holds nothing worth writing,
        // and writing it would replace an earlier good result with an empty file.
        const bool nothingToSalvage = readResult != 0 && song.tracks.empty();
        if (!haveOutputName) {
            writeConsoleLine(kNoOutputName);
            status = kExitNoOutput;
        } else if (nothingToSalvage) {
            status = kExitNoOutput;
        } else if (writeSong(song, outputPath) != 0) {
            status = kExitNoOutput;
        } else if (readResult != 0) {
            status = kExitPartial;
        }
    }
    writeConsoleLine(kDone);
    return status;
}

}  // namespace vorlanthe
