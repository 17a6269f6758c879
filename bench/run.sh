#!/usr/bin/env bash
# Builds the program, generates the benchmark files (seeded, so the same every
# run) and times whole runs of the program on each with GNU time, beside cp of
# the same file as the floor. Prints a Markdown table.
#   bench/run.sh [BUILD_DIR]      (default build-bench; files go to BUILD_DIR/data)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLANTHE_TESTS=OFF -DVORLANTHE_BENCH=ON >/dev/null
cmake --build "$build" -j 2 --target vorlanthe generate_midi stage_times >/dev/null
data="$build/data"
mkdir -p "$data"
[ -x /usr/bin/time ] || { echo "needs GNU time: apt-get install time" >&2; exit 1; }

declare -A events
generate() {  # name kind megabytes
  events[$1]=$("$build/bench/generate_midi" "$2" "$3" "$data/$1.mid")
}
generate small-50k format0 0.05
generate format0-1m format0 1
generate format0-10m format0 10
generate format1-10m format1 10
generate format0-100m format0 100
generate pathological pathological 32

measure() {  # command...: prints wall seconds, user+sys seconds, peak RSS KB
  local wall
  # wall time from the shell's own clock (ms, no extra process); CPU and RSS from GNU time
  wall=$( { TIMEFORMAT=%3R; time "$@" >/dev/null 2>&1; } 2>&1 )
  /usr/bin/time -f "%U %S %M" -o "$data/time.txt" "$@" >/dev/null 2>&1 || true
  read -r user sys rss < "$data/time.txt"
  echo "$wall $(echo "$user + $sys" | bc -l) $rss"
}

best() {  # runs 5 times, keeps the fastest wall time
  local best_line="" best_wall=999999
  for _ in 1 2 3 4 5; do
    line=$(measure "$@")
    wall=${line%% *}
    if (( $(echo "$wall < $best_wall" | bc -l) )); then best_wall=$wall; best_line=$line; fi
  done
  echo "$best_line"
}

echo "| file | size MB | events | wall s | user+sys s | peak RSS MB | RSS / size | MB/s | Mevents/s | cp wall s |"
echo "|---|---|---|---|---|---|---|---|---|---|"
for name in small-50k format0-1m format0-10m format1-10m format0-100m pathological; do
  file="$data/$name.mid"
  size=$(stat -c %s "$file")
  read -r wall cpu rss <<< "$(best "$build/vorlanthe" "$file")"
  read -r cpwall _ _ <<< "$(best cp "$file" "$data/copy.mid")"
  mb=$(echo "$size / 1000000" | bc -l)
  rate=$(echo "if ($wall > 0) $mb / $wall else 0" | bc -l)
  erate=$(echo "if ($wall > 0) ${events[$name]} / $wall / 1000000 else 0" | bc -l)
  printf "| %s | %.2f | %s | %.3f | %.3f | %.1f | %.2f | %.0f | %.1f | %.3f |\n" \
    "$name" "$mb" "${events[$name]}" "$wall" "$cpu" "$(echo "$rss / 1024" | bc -l)" \
    "$(echo "$rss * 1024 / $size" | bc -l)" "$rate" "$erate" "$cpwall"
done
rm -f "$data/copy.mid" "$data/time.txt" "$data"/*_.mid
