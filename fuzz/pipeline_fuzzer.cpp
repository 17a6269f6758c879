// The whole pipeline in memory on arbitrary bytes: read, every pass, encode.
// The first three bytes choose the options, the rest is the file. Nothing is
// opened and the console goes nowhere.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/pipeline.h"
#include "platform/console.h"
#include "smf_read/smf_reader.h"
#include "smf_write/track_encoder.h"

namespace {

// Values around every edge of each option, the ones the command line refuses
// included: the passes must be defined for all of them.
constexpr std::uint16_t kFormats[] = {vorlanthe::kNoFormatAsked, 0, 1, 2};
constexpr std::uint16_t kDivisions[] = {24, 1, 96, 480, 32767, 0, 0x8000, 65535};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlanthe;
    if (size < 3) return 0;
    setConsoleSink([](std::string_view) {});
    RunSettings settings;
    settings.formatOption = kFormats[data[0] & 3];
    settings.metaFlags = static_cast<std::uint16_t>(data[1] | ((data[0] & 0x10) ? 0x100 : 0));
    settings.targetDivision = kDivisions[data[2] & 7];
    // Some runs encode into a stream that fills up, as a full device would.
    const std::size_t limit = (data[0] & 0x20) ? (data[2] >> 3) * 7u : static_cast<std::size_t>(-1);

    Song song;
    readSongFromBytes(song, data + 3, size - 3);
    runPasses(song, settings);
    setTimeMode(song, TimeMode::Delta);
    for (const Track& track : song.tracks) {
        ByteStream out;
        out.limit = limit;
        encodeTrack(out, track);
    }
    return 0;
}
