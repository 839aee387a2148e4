#!/usr/bin/env bash
# What the drum's animation costs: processor time while it stands still, and the instructions a
# tick takes when it draws on the previous frame against building the frame again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build >/dev/null || { echo "bench: the build failed; run scripts/build" >&2; exit 1; }
program=build/bench/gif_ticks
"$program" still

ticks=200
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
declare -A per_tick
for mode in reuse rebuild; do
    valgrind --tool=callgrind --toggle-collect='*composeTicks*' --callgrind-out-file="$out/$mode" \
        "$program" "$mode" "$ticks" 2>/dev/null
    per_tick[$mode]=$(awk -v n="$ticks" '/^summary:/ { print int($2 / n) }' "$out/$mode")
    echo "$mode: ${per_tick[$mode]} instructions per tick"
done
awk -v r="${per_tick[reuse]}" -v b="${per_tick[rebuild]}" \
    'BEGIN { printf "reuse takes %.1fx fewer instructions than a rebuild (aim: at least 5x)\n", b / r }'
