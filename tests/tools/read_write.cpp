// Reads a MIDI file and writes it back with no pass between, for comparing the
// reader and writer against an independent parser.
#include <string>

#include "platform/console.h"
#include "smf_read/smf_reader.h"
#include "smf_write/smf_writer.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    vorlanthe::setConsoleSink([](std::string_view) {});
    vorlanthe::Song song;
    const int read = vorlanthe::readSong(song, argv[1]);
    const int written = vorlanthe::writeSong(song, argv[2]);
    return read == 0 && written == 0 ? 0 : 1;
}
