#include "support/song_text.h"

#include <sstream>
#include <stdexcept>

#include "support/smf_bytes.h"

namespace test {

using namespace vorlanthe;

namespace {

void appendHexByte(std::string& out, std::uint8_t b) {
    static const char kDigits[] = "0123456789ABCDEF";
    out += ' ';
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
}

int dataBytes(std::uint8_t status) {
    const int kind = status & 0xF0;
    if (kind == 0xC0 || kind == 0xD0) return 1;
    return 2;
}

}  // namespace

std::string trackText(const Track& track) {
    std::string out;
    for (EventIndex pos = firstEvent(track); pos != kNoEvent; pos = nextEvent(track, pos)) {
        const EventNode& event = eventAt(track, pos);
        if (!out.empty()) out += " | ";
        out += std::to_string(event.time);
        appendHexByte(out, event.status);
        if (event.status < 0xF0) {
            appendHexByte(out, event.data1);
            if (dataBytes(event.status) == 2) appendHexByte(out, event.data2);
        } else {
            if (event.status == 0xFF) appendHexByte(out, event.data1);
            const ByteView payload = payloadOf(track, pos);
            for (std::size_t i = 0; i < payload.size; ++i) appendHexByte(out, payload.data[i]);
        }
    }
    return out;
}

std::vector<std::string> songText(const Song& song) {
    std::vector<std::string> out;
    for (const Track& track : song.tracks) out.push_back(trackText(track));
    return out;
}

Track trackFrom(Song& song, const std::string& text) {
    Track track = makeTrack(song);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('|', start);
        if (end == std::string::npos) end = text.size();
        std::istringstream fields(text.substr(start, end - start));
        start = end + 1;
        unsigned long time = 0;
        std::string rest;
        if (!(fields >> time)) continue;
        std::getline(fields, rest);
        const Bytes bytes = hex(rest);
        if (bytes.empty()) throw std::invalid_argument("event without status: " + text);
        Event event;
        event.time = static_cast<std::uint32_t>(time);
        event.status = bytes[0];
        std::size_t at = 1;
        if (event.status < 0xF0) {
            if (at < bytes.size()) event.data1 = bytes[at++];
            if (dataBytes(event.status) == 2 && at < bytes.size()) event.data2 = bytes[at++];
        } else if (event.status == 0xFF && at < bytes.size()) {
            event.data1 = bytes[at++];
        }
        if (event.status >= 0xF0) event.payload.assign(bytes.begin() + static_cast<long>(at), bytes.end());
        appendEvent(track, event);
    }
    return track;
}

void addTracks(Song& song, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) appendTrack(song, trackFrom(song, text));
}

}  // namespace test
