#!/usr/bin/env python3
"""Writes the fuzz seed corpus: valid files of every format and event kind, and
the hostile shapes the reader must survive. Each file starts with the three
option bytes of the fuzz target. Standard library only.

Usage: make_seeds.py CORPUS_DIR
"""
import os
import struct
import sys


def var_len(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(groups))


def header(fmt, tracks, division, length=6):
    return b"MThd" + struct.pack(">I", length) + struct.pack(">HHH", fmt, tracks, division) + bytes(length - 6)


def chunk(body, declared=None):
    return b"MTrk" + struct.pack(">I", len(body) if declared is None else declared) + body


def smf(fmt, division, bodies):
    return header(fmt, len(bodies), division) + b"".join(chunk(b) for b in bodies)


EOT = bytes.fromhex("00 FF 2F 00")
NOTE = bytes.fromhex("00 90 3C 64 60 3C 00 00 80 3C 40")
EVERY_KIND = (bytes.fromhex("00 FF 03 05") + b"Piano" + bytes.fromhex("00 FF 51 03 07 A1 20 00 FF 58 04 04 02 18 08")
              + bytes.fromhex("00 FF 59 02 00 00 00 FF 01 03") + b"abc" + bytes.fromhex("00 FF 05 02") + b"la"
              + bytes.fromhex("00 FF 06 01 4D 00 FF 7F 02 43 01 00 F0 05 7E 7F 09 01 F7 00 F7 01 F7")
              + bytes.fromhex("00 C0 05 00 B0 07 64 00 E0 00 40 00 D0 40 00 A0 3C 10 00 91 3C 64 00 99 24 64")
              + bytes.fromhex("83 60 81 3C 40 00 89 24 40 00 FF 21 01 00") + EOT)

SEEDS = {
    "format0-every-kind": smf(0, 480, [EVERY_KIND]),
    "format1-three-tracks": smf(1, 96, [bytes.fromhex("00 FF 51 03 07 A1 20") + EOT, NOTE + EOT,
                                        bytes.fromhex("00 99 24 64 30 24 00") + EOT]),
    "format2": smf(2, 960, [NOTE + EOT, NOTE + EOT]),
    "smpte-division": smf(0, 0xE728, [NOTE + EOT]),
    "zero-division": smf(0, 0, [NOTE + EOT]),
    "long-header": header(1, 1, 96, 4096) + chunk(NOTE + EOT),
    "no-tracks": header(0, 0, 96),
    "empty-chunk": smf(1, 96, [b""]),
    "many-end-of-track": smf(0, 96, [EOT * 2000]),
    "zeros": smf(0, 96, [bytes(600)]),
    "running-status": smf(0, 96, [bytes.fromhex("00 C0 05") + bytes.fromhex("00 05") * 1000]),
    "status-after-meta": smf(0, 96, [bytes.fromhex("00 90 3C 64 00 FF 01 01 61 00 3E 64") + EOT]),
    "five-byte-delta": smf(0, 96, [bytes.fromhex("8F FF FF FF 7F 90 3C 64 8F FF FF FF 7F 3C 00") + EOT]),
    "negative-payload-length": smf(0, 96, [bytes.fromhex("00 F0 8F FF FF FF 7F 05 90 3C 64")]),
    "payload-past-end": smf(0, 96, [bytes.fromhex("00 FF 01 FF FF FF 7F 61")]),
    "chunk-length-7fffffff": header(0, 1, 96) + chunk(NOTE + EOT, 0x7FFFFFFF),
    "chunk-length-80000000": header(0, 1, 96) + chunk(NOTE + EOT, 0x80000000),
    "chunk-length-short": header(0, 2, 96) + chunk(NOTE + EOT, 2) + chunk(NOTE),
    "fewer-chunks-than-announced": header(1, 5, 96) + chunk(NOTE + EOT),
    "private-chunk": header(1, 2, 96) + chunk(NOTE) + b"XFIH" + struct.pack(">I", 0) + chunk(NOTE),
    "control-text": smf(0, 96, [bytes.fromhex("00 FF 01 08 1B 5B 33 31 6D 0A 07 7F 00 FF 03 04 80 A0 FD FF") + EOT]),
    "cp932-text": smf(0, 96, [bytes.fromhex("00 FF 03 06") + "ピアノ".encode("cp932") + EOT]),
    "truncated": smf(0, 96, [EVERY_KIND])[:-7],
    "tempo-in-later-track": smf(1, 96, [bytes.fromhex("00 FF 03 01 41") + EOT,
                                        bytes.fromhex("00 FF 51 03 07 A1 20") + NOTE + EOT]),
    "backwards-times": smf(0, 96, [b"".join(var_len(((-7 if i % 2 else 11) * (i % 5 + 1)) & 0xFFFFFFFF)
                                            + bytes([0x90 | (i % 16), 60, 100]) for i in range(300)) + EOT]),
}

OPTIONS = [b"\x00\x03\x00", b"\x01\x0F\x02", b"\x02\x00\x05", b"\x23\x01\x63", b"\x13\xFF\x07"]


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for index, (name, data) in enumerate(sorted(SEEDS.items())):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(OPTIONS[index % len(OPTIONS)] + data)


if __name__ == "__main__":
    main(sys.argv[1])
