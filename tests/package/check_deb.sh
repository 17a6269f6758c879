#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root, runs the installed program on
# the example file and renders the installed manual page, which must give no
# warning.   Usage: tests/package/check_deb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-package}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLANTHE_TESTS=OFF >/dev/null
cmake --build "$build" -j 2 --target vorlanthe >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vorlanthe_*.deb)
echo "built $(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
test -x "$root/usr/bin/vorlanthe"
page=$(find "$root/usr/share/man/man1" -name 'vorlanthe.1*' | head -n 1)
test -n "$page"

cp examples/example.mid "$root/example.mid"
"$root/usr/bin/vorlanthe" "$root/example.mid" 2> "$root/console.txt"
tail -n 1 "$root/console.txt" | grep -qx "done."
head -c 4 "$root/example_.mid" | grep -q MThd
"$root/usr/bin/vorlanthe" --version | grep -qx "Vorlanthe v1.3"

warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "manual page warnings:"; echo "$warnings"; exit 1
fi
echo "package: 1 passed, 0 failed"
