#pragma once

#include "song/song.h"

namespace vorlanthe {

// Removes the non-note channel events of every channel on which no note is played.
void pruneSilentChannels(Song& song);

// Removes Tracks that are empty or begin with their end-of-track event.
void pruneEmptyTracks(Song& song);

// Turns every note-off into a note-on of velocity 0, so running status spans notes.
void rewriteNoteOff(Song& song);

}  // namespace vorlanthe
