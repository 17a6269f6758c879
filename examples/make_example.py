#!/usr/bin/env python3
"""Writes example.mid: a short format 0 tune that shows every reduction.

It holds a track name, a copyright notice, tempo, time and key signatures, an
empty text event, a lyric, two melodic channels with note-offs, a drum channel,
and a control change on a channel that never plays a note. Division 480.
Uses only the standard library, so it runs anywhere python3 does.
"""
import struct
import sys


def var_len(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(groups))


def meta(delta, kind, data):
    return var_len(delta) + bytes([0xFF, kind]) + var_len(len(data)) + data


def main(path):
    events = [
        meta(0, 0x03, b"Vorlanthe example\0"),
        meta(0, 0x02, b"Public domain"),
        meta(0, 0x51, bytes([0x07, 0xA1, 0x20])),  # 120 BPM
        meta(0, 0x58, bytes([4, 2, 24, 8])),
        meta(0, 0x59, bytes([0, 0])),
        meta(0, 0x01, b""),  # empty text: dropped while reading
        bytes([0x00, 0xC0, 0x00, 0x00, 0xC1, 0x20, 0x00, 0xB5, 0x07, 0x64]),  # channel 5 stays silent
    ]
    melody = [60, 62, 64, 65, 67, 65, 64, 62, 60]
    bass = [48, 43, 48, 43, 48, 43, 48, 43, 36]
    for step, (high, low) in enumerate(zip(melody, bass)):
        if step == 4:
            events.append(meta(0, 0x05, b"la"))
        events.append(bytes([0x00, 0x90, high, 0x60]))
        events.append(bytes([0x00, 0x91, low, 0x50]))
        events.append(bytes([0x00, 0x99, 36 if step % 2 == 0 else 38, 0x70]))
        events.append(var_len(470) + bytes([0x80, high, 0x40]))
        events.append(bytes([0x00, 0x81, low, 0x40]))
        events.append(bytes([0x00, 0x89, 36 if step % 2 == 0 else 38, 0x40]))
        events.append(var_len(10) + bytes([0xB0, 0x40, 0x00]))  # a harmless sustain-off
    events.append(meta(0, 0x2F, b""))
    body = b"".join(events)
    data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(body)) + body
    with open(path, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "example.mid")
