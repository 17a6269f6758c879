// Writes large, realistic Standard MIDI Files for benchmarks, from a fixed seed.
//
//   generate_midi KIND MEGABYTES OUT.mid
//
// Prints the number of events written.
// KIND is "format0" (one track, 16 channels interleaved), "format1" (a conductor
// track and one track per channel) or "pathological" (one track whose times go
// back and forth across channels through wrapping delta times, so sorting by
// time has real work). Dense notes with running status, note-offs, control
// changes, pitch bends, program changes, tempo changes, text, lyrics and some
// system-exclusive events; division 480 (960 for format1).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Random {
    std::uint64_t state;
    std::uint32_t next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state >> 33);
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }
};

void varLen(Bytes& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1) out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

std::uint64_t gEvents = 0;

struct TrackWriter {
    Bytes bytes;
    std::uint8_t status = 0;
    void channel(std::uint32_t delta, std::uint8_t st, std::uint8_t d1, int d2 = -1) {
        ++gEvents;
        varLen(bytes, delta);
        if (st != status) bytes.push_back(st);
        status = st;
        bytes.push_back(d1);
        if (d2 >= 0) bytes.push_back(static_cast<std::uint8_t>(d2));
    }
    void meta(std::uint32_t delta, std::uint8_t type, const Bytes& data) {
        ++gEvents;
        varLen(bytes, delta);
        bytes.push_back(0xFF);
        bytes.push_back(type);
        varLen(bytes, static_cast<std::uint32_t>(data.size()));
        bytes.insert(bytes.end(), data.begin(), data.end());
        status = 0;
    }
    void sysex(std::uint32_t delta, const Bytes& data) {
        ++gEvents;
        varLen(bytes, delta);
        bytes.push_back(0xF0);
        varLen(bytes, static_cast<std::uint32_t>(data.size()));
        bytes.insert(bytes.end(), data.begin(), data.end());
        status = 0;
    }
    void end() { meta(0, 0x2F, {}); }
};

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

void tempo(TrackWriter& t, std::uint32_t delta, std::uint32_t microseconds) {
    t.meta(delta, 0x51, {static_cast<std::uint8_t>(microseconds >> 16), static_cast<std::uint8_t>(microseconds >> 8),
                         static_cast<std::uint8_t>(microseconds)});
}

// One musical step on a channel: mostly notes, now and then a controller, bend,
// program change; note-offs as 8n (so running status breaks, as real files do).
void channelStep(TrackWriter& t, Random& r, std::uint8_t ch, std::uint32_t delta, std::vector<int>& held) {
    const std::uint32_t pick = r.below(100);
    if (pick < 80 || held[ch] < 0) {
        if (held[ch] >= 0 && r.below(2) == 0) {
            t.channel(delta, 0x80 | ch, static_cast<std::uint8_t>(held[ch]), 64);
            held[ch] = -1;
        } else {
            const int note = 36 + static_cast<int>(r.below(48));
            t.channel(delta, 0x90 | ch, static_cast<std::uint8_t>(note), 1 + static_cast<int>(r.below(126)));
            held[ch] = note;
        }
    } else if (pick < 92) {
        t.channel(delta, 0xB0 | ch, static_cast<std::uint8_t>(r.below(2) ? 7 : 11), static_cast<int>(r.below(128)));
    } else if (pick < 98) {
        t.channel(delta, 0xE0 | ch, static_cast<std::uint8_t>(r.below(128)), static_cast<int>(r.below(128)));
    } else {
        t.channel(delta, 0xC0 | ch, static_cast<std::uint8_t>(r.below(128)));
    }
}

void occasionalMeta(TrackWriter& t, Random& r, std::uint64_t step) {
    if (step % 5000 == 0) tempo(t, 0, 400000 + r.below(300000));
    if (step % 3000 == 1500) t.meta(0, 0x05, text("la"));
    if (step % 20000 == 7) t.meta(0, 0x01, text("section " + std::to_string(step)));
    if (step % 50000 == 11) t.sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7});
}

Bytes header(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<std::uint8_t>(format), static_cast<std::uint8_t>(tracks >> 8),
            static_cast<std::uint8_t>(tracks), static_cast<std::uint8_t>(division >> 8),
            static_cast<std::uint8_t>(division)};
}

void putChunk(Bytes& file, const Bytes& body) {
    const auto n = static_cast<std::uint32_t>(body.size());
    const Bytes head = {'M', 'T', 'r', 'k', static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16),
                        static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
    file.insert(file.end(), head.begin(), head.end());
    file.insert(file.end(), body.begin(), body.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: generate_midi format0|format1|pathological MEGABYTES OUT.mid\n");
        return 2;
    }
    const std::string kind = argv[1];
    const std::uint64_t target = static_cast<std::uint64_t>(std::atof(argv[2]) * 1000 * 1000);
    Random r{0x5EED0000ULL + kind.size()};
    std::vector<int> held(16, -1);
    Bytes file;

    if (kind == "format0" || kind == "pathological") {
        const bool back = kind == "pathological";
        file = header(0, 1, 480);
        TrackWriter t;
        t.meta(0, 0x03, text("Benchmark"));
        tempo(t, 0, 500000);
        std::uint64_t step = 0;
        while (t.bytes.size() + 64 < target) {
            const auto ch = static_cast<std::uint8_t>(r.below(16));
            std::uint32_t delta = r.below(4) == 0 ? r.below(60) : 0;
            // Back and forth: every other event steps back a little, by a delta
            // that wraps modulo 2^32, so each channel's events arrive unordered.
            if (back && (step & 1)) delta = 0u - (1 + r.below(200));
            if (back && !(step & 1)) delta = 100 + r.below(200);
            if (!back) occasionalMeta(t, r, step);
            channelStep(t, r, ch, delta, held);
            ++step;
        }
        t.end();
        putChunk(file, t.bytes);
    } else if (kind == "format1") {
        file = header(1, 17, 960);
        const std::uint64_t perTrack = target / 17;
        TrackWriter conductor;
        conductor.meta(0, 0x03, text("Conductor"));
        for (std::uint64_t i = 0; conductor.bytes.size() + 32 < perTrack / 50; ++i) tempo(conductor, 960, 400000 + r.below(300000));
        conductor.end();
        putChunk(file, conductor.bytes);
        for (std::uint8_t ch = 0; ch < 16; ++ch) {
            TrackWriter t;
            t.meta(0, 0x03, text("Channel " + std::to_string(ch)));
            for (std::uint64_t step = 0; t.bytes.size() + 64 < perTrack; ++step) {
                if (step % 3000 == 1500) t.meta(0, 0x05, text("la"));
                channelStep(t, r, ch, r.below(3) == 0 ? r.below(120) : 0, held);
            }
            t.end();
            putChunk(file, t.bytes);
        }
    } else {
        std::fprintf(stderr, "unknown kind %s\n", kind.c_str());
        return 2;
    }
    FILE* out = std::fopen(argv[3], "wb");
    if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size() || std::fclose(out) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    std::printf("%llu\n", static_cast<unsigned long long>(gEvents));  // events written
    return 0;
}
