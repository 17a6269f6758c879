#!/usr/bin/env bash
# Prints a Markdown table of how much smaller the program makes each file given,
# with default options. Works on copies in a scratch folder.
#   examples/size_table.sh PROGRAM FILE...
set -euo pipefail
program=$(realpath "$1"); shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "| file | bytes | after | saved |"
echo "|---|---|---|---|"
total_in=0; total_out=0
for file in "$@"; do
  name=$(basename "$file")
  cp "$file" "$scratch/$name"
  "$program" "$scratch/$name" 2>/dev/null || true
  out="$scratch/${name%.*}_.${name##*.}"
  [ -f "$out" ] || continue
  in_size=$(stat -c %s "$file"); out_size=$(stat -c %s "$out")
  total_in=$((total_in + in_size)); total_out=$((total_out + out_size))
  printf "| %s | %d | %d | %d%% |\n" "$name" "$in_size" "$out_size" $(( (100 * (in_size - out_size)) / in_size ))
done
printf "| all %d files | %d | %d | %d%% |\n" "$#" "$total_in" "$total_out" $(( (100 * (total_in - total_out)) / total_in ))
