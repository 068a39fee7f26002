#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Batch making from the command line: 100 puzzles from one 40-word list, one process
# each, as a teacher's script would run it. Prints the wall-clock time of the loop.
#   bench/make_100.sh [path/to/velloquin-cli] [side]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/release/src/cli/velloquin-cli}
side=${2:-25}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
start=$(date +%s%N)
made=0
for i in $(seq 1 100); do
    if "$cli" make tests/testdata/formats/animals40.txt "$out/puzzle$i.cwd" \
        --width "$side" --height "$side" --seed "$i" > /dev/null 2>&1; then
        made=$((made + 1))
    fi
done
end=$(date +%s%N)
echo "$made of 100 puzzles made on ${side} x ${side} in $(( (end - start) / 1000000 )) ms"
