// Times each stage of a default run on one file, in process, console silenced.
//   stage_times FILE.mid
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "passes/channel_reduction.h"
#include "passes/meta_filter.h"
#include "passes/time_base.h"
#include "passes/track_layout.h"
#include "platform/console.h"
#include "smf_read/smf_reader.h"
#include "smf_write/smf_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Stopwatch {
    Clock::time_point last = Clock::now();
    void lap(const char* stage) {
        const Clock::time_point now = Clock::now();
        std::printf("%-22s %8.3f s\n", stage, std::chrono::duration<double>(now - last).count());
        last = now;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    using namespace vorlanthe;
    setConsoleSink([](std::string_view) {});
    const std::string path = argv[1];
    Stopwatch watch;
    auto owned = std::make_unique<Song>();
    Song& song = *owned;
    readSong(song, path);
    watch.lap("readSong");
    std::uint64_t events = 0;
    for (const Track& track : song.tracks) events += track.count;
    if (song.format == 0) convertFormat(song, 1);
    watch.lap("convertFormat");
    filterMeta(song, 3);
    watch.lap("filterMeta");
    pruneSilentChannels(song);
    watch.lap("pruneSilentChannels");
    pruneEmptyTracks(song);
    watch.lap("pruneEmptyTracks");
    rewriteNoteOff(song);
    watch.lap("rewriteNoteOff");
    rescaleTimeBase(song, 24);
    watch.lap("rescaleTimeBase");
    writeSong(song, path + ".stage_times.mid");
    watch.lap("writeSong");
    owned.reset();
    watch.lap("release");
    std::printf("%llu events read\n", static_cast<unsigned long long>(events));
    std::remove((path + ".stage_times.mid").c_str());
    return 0;
}
