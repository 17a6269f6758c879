#!/usr/bin/env python3
"""Checks real files against mido, an independent MIDI parser.

round-trip: reading and writing back (no pass between) keeps every event, its
time and order, as mido sees them; only what the reader drops by design differs
(empty text events, one trailing zero byte of a text).

pipeline: the program's output of a default run reads cleanly with midicsv too,
and plays every note, program change, pitch bend and sounding controller at the
same time in seconds as the input, to within the time base's rounding.

Usage: compare_with_mido.py round-trip|pipeline READ_WRITE_TOOL|PROGRAM FILE...
"""
import os
import shutil
import subprocess
import sys
import tempfile

import mido

TEXT_TYPES = {"text", "copyright", "track_name", "instrument_name", "lyrics", "program_name", "device_name"}


def raw_meta(msg):
    """Meta events as (type byte, payload) from mido's raw view."""
    data = msg.bytes()
    # FF type len... : skip the variable-length length
    i = 2
    while data[i] & 0x80:
        i += 1
    return (data[1], bytes(data[i + 1:]))


def events_of(track, drop_read_trims):
    """(absolute tick, key) for every event of a track."""
    out = []
    now = 0
    carried = 0
    for msg in track:
        now += msg.time
        if msg.is_meta:
            kind, payload = raw_meta(msg) if not isinstance(msg, mido.UnknownMetaMessage) else (msg.type_byte, bytes(msg.data))
            if drop_read_trims and msg.type in TEXT_TYPES:
                if payload.endswith(b"\0"):
                    payload = payload[:-1]
                if not payload:
                    continue
            out.append((now, ("meta", kind, payload)))
        elif msg.type == "sysex":
            out.append((now, ("sysex", bytes(msg.data))))
        else:
            out.append((now, ("channel", tuple(msg.bytes()))))
    return out


def load(path):
    return mido.MidiFile(path, clip=True)


def round_trip(tool, path, scratch):
    out = os.path.join(scratch, "rt.mid")
    subprocess.run([tool, path, out], check=False)
    original, rewritten = load(path), load(out)
    if original.type != rewritten.type or original.ticks_per_beat != rewritten.ticks_per_beat:
        return "header differs"
    a = [events_of(t, True) for t in original.tracks]
    b = [events_of(t, False) for t in rewritten.tracks]
    # mido keeps an end of track only at a chunk's end; ours splits there too
    if a != b:
        for i, (x, y) in enumerate(zip(a, b)):
            if x != y:
                for j, (p, q) in enumerate(zip(x, y)):
                    if p != q:
                        return f"track {i} event {j}: {p} != {q}"
                return f"track {i}: {len(x)} events != {len(y)}"
        return f"{len(a)} tracks != {len(b)}"
    return None


def timed_events(midi):
    """Sounding channel events as (seconds, key, tempo variation so far), and the
    slowest tempo of the file, in microseconds per quarter note."""
    merged = mido.merge_tracks(midi.tracks)
    tempo = 500000
    seconds = 0.0
    variation = 0
    slowest = tempo
    out = []
    sounding = set()
    for msg in merged:
        seconds += mido.tick2second(msg.time, midi.ticks_per_beat, tempo)
        if msg.type == "set_tempo":
            variation += abs(msg.tempo - tempo)
            tempo = msg.tempo
            slowest = max(slowest, tempo)
        elif msg.type in ("note_on", "note_off"):
            off = msg.type == "note_off" or msg.velocity == 0
            sounding.add(msg.channel)
            key = ("off", msg.channel, msg.note) if off else ("on", msg.channel, msg.note, msg.velocity)
            out.append((seconds, key, variation))
        elif msg.type in ("program_change", "control_change", "pitchwheel", "aftertouch", "polytouch"):
            out.append((seconds, (msg.type, msg.channel) + tuple(msg.bytes()[1:]), variation))
    # channels that never play a note lose their controllers by design
    return [e for e in out if e[1][1] in sounding], slowest


def pipeline(program, path, scratch):
    copy = os.path.join(scratch, "in.mid")
    shutil.copyfile(path, copy)
    subprocess.run([program, copy], check=False, stderr=subprocess.DEVNULL)
    before, slowest = timed_events(load(copy))
    written = os.path.join(scratch, "in_.mid")
    # A second independent reader must take the output without complaint.
    csv = subprocess.run(["midicsv", written], capture_output=True)
    if csv.returncode != 0 or csv.stderr:
        return f"midicsv: {csv.stderr.decode(errors='replace').strip()}"
    output = load(written)
    after, _ = timed_events(output)
    if len(before) != len(after):
        return f"{len(before)} events became {len(after)}"
    # Every time, tempo changes included, is cut down by less than one new tick:
    # an event moves by at most one tick at the slowest tempo, plus one tick for
    # each tempo step before it, weighted by the size of that step.
    by_key_before, by_key_after = {}, {}
    for t, key, variation in before:
        by_key_before.setdefault(key, []).append((t, variation))
    for t, key, _ in after:
        by_key_after.setdefault(key, []).append(t)
    if by_key_before.keys() != by_key_after.keys():
        return "different events"
    for key, times in by_key_before.items():
        for (x, variation), y in zip(times, by_key_after[key]):
            bound = (slowest + variation) / 1e6 / output.ticks_per_beat + 1e-9
            if abs(x - y) > bound:
                return f"{key} at {x:.6f}s moved to {y:.6f}s (bound {bound:.6f}s)"
    return None


def main():
    mode, tool, files = sys.argv[1], sys.argv[2], sys.argv[3:]
    check = round_trip if mode == "round-trip" else pipeline
    failed = passed = skipped = 0
    for path in files:
        try:
            load(path)
        except Exception as error:  # mido cannot read it: nothing to compare with
            print(f"skip {os.path.basename(path)}: mido: {error}")
            skipped += 1
            continue
        with tempfile.TemporaryDirectory() as scratch:
            problem = check(tool, path, scratch)
        if problem:
            print(f"FAIL {os.path.basename(path)}: {problem}")
            failed += 1
        else:
            passed += 1
    print(f"{mode}: {passed} passed, {failed} failed, {skipped} skipped")
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
