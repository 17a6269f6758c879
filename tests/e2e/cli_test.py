#!/usr/bin/env python3
"""Runs the built program as a user would: exit status, standard error bytes,
nothing on standard output, the output file next to the input.

Usage: cli_test.py PROGRAM EXAMPLE_MID SCRATCH_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

PROGRAM = EXAMPLE = SCRATCH = None
BANNER = "Vorlanthe v1.3\n"
USAGE = BANNER + "midiファイルを指定して！\nVorlanthe FilePath(\"*.mid\")\n"


def run(*args, env=None, cwd=None):
    environment = dict(os.environ, LANG="C.UTF-8", LC_ALL="")
    environment.pop("LC_ALL")
    if env:
        environment.update(env)
    done = subprocess.run([PROGRAM, *args], capture_output=True, env=environment, cwd=cwd, timeout=60)
    return done.returncode, done.stdout, done.stderr


def smf(body, format_=0, division=96):
    return (b"MThd" + bytes([0, 0, 0, 6, 0, format_, 0, 1, division >> 8, division & 255]) + b"MTrk" +
            len(body).to_bytes(4, "big") + body)


class CommandLine(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp(dir=SCRATCH)

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def test_usage_without_a_path(self):
        for args in ([], ["/T48"]):
            code, out, err = run(*args)
            self.assertEqual(code, 255)
            self.assertEqual(out, b"")
            self.assertEqual(err.decode(), USAGE)

    def test_help_and_version_on_standard_output(self):
        code, out, err = run("--help")
        self.assertEqual((code, err), (0, b""))
        self.assertTrue(out.decode().startswith(USAGE))
        self.assertIn("/T<n>", out.decode())
        self.assertEqual(run("x.mid", "--version"), (0, BANNER.encode(), b""))

    def test_converts_the_example_next_to_it(self):
        path = os.path.join(self.dir, "example.mid")
        shutil.copyfile(EXAMPLE, path)
        code, out, err = run(path)
        self.assertEqual((code, out), (0, b""))
        text = err.decode()
        self.assertTrue(text.startswith(BANNER + "; Main Header Size 6 byte.\n"))
        self.assertTrue(text.endswith("変換中\ndone.\n"))
        with open(os.path.join(self.dir, "example_.mid"), "rb") as f:
            written = f.read()
        self.assertEqual(written[:14], b"MThd\0\0\0\6\0\1\0\4\0\x18")
        self.assertLess(len(written), os.path.getsize(path))

    def test_japanese_file_names(self):
        note = smf(bytes.fromhex("00903C64 603C00 00FF2F00"))
        for name in ("ピアノ.mid".encode(), "ピアノ.mid".encode("cp932")):
            path = os.path.join(self.dir.encode(), name)
            with open(path, "wb") as f:
                f.write(note)
            code, _, err = run(path)
            self.assertEqual(code, 0, err)
            self.assertTrue(os.path.exists(path[:-4] + b"_.mid"))

    def test_shift_jis_console(self):
        locales = os.path.join(SCRATCH, "locales")
        if not os.path.isdir(os.path.join(locales, "ja_JP.SJIS")):
            os.makedirs(locales, exist_ok=True)
            subprocess.run(["localedef", "-i", "ja_JP", "-f", "SHIFT_JIS", os.path.join(locales, "ja_JP.SJIS")],
                           capture_output=True)
        if not os.path.isdir(os.path.join(locales, "ja_JP.SJIS")):
            self.skipTest("no Shift_JIS locale can be made here")
        path = os.path.join(self.dir, "n.mid")
        with open(path, "wb") as f:
            f.write(smf(b"\x00\xff\x03\x06" + "ピアノ".encode("cp932") + b"\x00\x90\x3c\x64\x00\xff\x2f\x00"))
        code, _, err = run(path, env={"LANG": "ja_JP.SJIS", "LOCPATH": locales})
        self.assertEqual(code, 0)
        self.assertIn("曲名/トラック名:\"ピアノ\"\n変換中\n".encode("cp932"), err)

    def test_text_from_a_file_cannot_drive_the_terminal(self):
        path = os.path.join(self.dir, "esc.mid")
        with open(path, "wb") as f:
            f.write(smf(b"\x00\xff\x01\x08\x1b]0;pwn\x07" + b"\x00\x90\x3c\x64\x00\xff\x2f\x00"))
        code, _, err = run(path)
        self.assertEqual(code, 0)
        self.assertIn(b'\xe3\x83\x86\xe3\x82\xad\xe3\x82\xb9\xe3\x83\x88:"\\x1B]0;pwn\\x07"\n', err)
        self.assertNotIn(b"\x1b", err)

    def test_full_device_keeps_the_earlier_output(self):
        mount = os.path.join(self.dir, "small")
        os.makedirs(mount)
        if os.geteuid() != 0 or subprocess.run(["mount", "-t", "tmpfs", "-o", "size=96k", "tmpfs", mount],
                                               capture_output=True).returncode != 0:
            self.skipTest("cannot mount a small tmpfs here")
        try:
            # About 60 KB of notes: the output cannot fit beside it.
            notes = b"".join(bytes([0, 0x90 | (i % 16), 60 + i % 12, 100]) for i in range(15000))
            song = os.path.join(mount, "big.mid")
            with open(song, "wb") as f:
                f.write(smf(notes + b"\x00\xff\x2f\x00"))
            with open(os.path.join(mount, "big_.mid"), "wb") as f:
                f.write(b"earlier")
            code, _, err = run(song)
            self.assertEqual(code, 2, err.decode())
            self.assertIn("出力でエラー\ndone.\n", err.decode())
            with open(os.path.join(mount, "big_.mid"), "rb") as f:
                self.assertEqual(f.read(), b"earlier")
            self.assertEqual(sorted(os.listdir(mount)), ["big.mid", "big_.mid"])
        finally:
            subprocess.run(["umount", mount], capture_output=True)

    def test_exit_status_for_damaged_and_missing_files(self):
        damaged = os.path.join(self.dir, "cut.mid")
        with open(damaged, "wb") as f:
            f.write(smf(bytes.fromhex("00903C64 603C00 00FF2F00"))[:-3])
        self.assertEqual(run(damaged)[0], 1)
        self.assertEqual(run(os.path.join(self.dir, "none.mid"))[0], 2)
        self.assertFalse(os.path.exists(os.path.join(self.dir, "none_.mid")))


if __name__ == "__main__":
    PROGRAM, EXAMPLE, SCRATCH = sys.argv[1:4]
    os.makedirs(SCRATCH, exist_ok=True)
    unittest.main(argv=sys.argv[:1], verbosity=2)
