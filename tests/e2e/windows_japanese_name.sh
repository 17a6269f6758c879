#!/usr/bin/env bash
# Runs the Windows program under Wine on a copy of the example named ピアノ.mid and
# checks that ピアノ_.mid appears beside it with the same bytes as a run on an
# ASCII name. Needs a Japanese locale for Wine (LANG=ja_JP.UTF-8, see .ci/run).
#   windows_japanese_name.sh PROGRAM.exe EXAMPLE.mid SCRATCH
set -euo pipefail
program=$1; example=$2; scratch=$3/japanese-name
rm -rf "$scratch"; mkdir -p "$scratch"; cd "$scratch"
cp "$example" ascii.mid
cp "$example" ピアノ.mid
wine "$program" ascii.mid 2>/dev/null
wine "$program" ピアノ.mid 2> console.txt
test -f ピアノ_.mid || { echo "no ピアノ_.mid; console:"; iconv -f CP932 -t UTF-8 console.txt; ls; exit 1; }
cmp ascii_.mid ピアノ_.mid
tr -d '\r' < console.txt | tail -n 1 | grep -qx "done."
echo "windows Japanese name: 1 passed, 0 failed"
