#!/usr/bin/env bash
# Times velmora-cli hide and extract on a 4096 x 4096 24-bit BMP (48 MiB) against cp and cat
# of the same file, and their peak memory against the file's size. A hide flushes its output
# to the disk before it reports success, so it is also set against cp followed by sync of the
# copy, which does the same work.
# Usage: bench/hide_extract.sh [runs] [build folder]   (builds velmora-cli first; the best of
# the runs counts)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
build=${2:-build}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target velmora-cli >/dev/null || { echo "bench: the build failed" >&2; exit 1; }
cli=$(cd "$build" && pwd)/src/cli/velmora-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

width=4096 height=4096
row=$((width * 3))
pixels=$((row * height))
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
{
  printf 'BM'; le32 $((54 + pixels)); le32 0; le32 54
  le32 40; le32 $width; le32 $height; printf '\x01\x00\x18\x00'; le32 0; le32 $pixels; le32 2835; le32 2835; le32 0; le32 0
  head -c $pixels /dev/urandom
} >"$work/big.bmp"
size=$(stat -c %s "$work/big.bmp")
printf 'benchmark\n' >"$work/pw"
head -c 3000 /dev/urandom | base64 >"$work/text.txt"

# Best wall time of $runs runs, in microseconds; the output file is removed before each run.
best_us() {
  local best= start end
  for _ in $(seq "$runs"); do
    rm -f "$work/out.bmp"
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    local us=$(((end - start) / 1000))
    [ -z "$best" ] || [ "$us" -lt "$best" ] && best=$us
  done
  echo "$best"
}
peak_kib() { rm -f "$work/out.bmp"; /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }

hide=("$cli" hide "$work/big.bmp" -o "$work/out.bmp" --step 7 --base-color 0 --password-file "$work/pw" --text-file "$work/text.txt")
"${hide[@]}" >/dev/null                                   # warm the page cache
cp "$work/out.bmp" "$work/carrier.bmp"
extract=("$cli" extract "$work/carrier.bmp" --password-file "$work/pw")
"${extract[@]}" | cmp -s - "$work/text.txt" || { echo "extract did not return the hidden text" >&2; exit 1; }

cp_sync() { cp "$1" "$2" && sync "$2"; }
cp_us=$(best_us cp "$work/big.bmp" "$work/out.bmp")
cp_sync_us=$(best_us cp_sync "$work/big.bmp" "$work/out.bmp")
hide_us=$(best_us "${hide[@]}")
cat_us=$(best_us cat "$work/carrier.bmp")
extract_us=$(best_us "${extract[@]}")
hide_kib=$(peak_kib "${hide[@]}")
extract_kib=$(peak_kib "${extract[@]}")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "file: ${width} x ${height} x 24 bits, $((size / 1024)) KiB; best of $runs runs"
printf '%-8s %8d us   %-7s %8d us   ratio %s\n' hide "$hide_us" cp "$cp_us" "$(ratio "$hide_us" "$cp_us")"
printf '%-8s %8d us   %-7s %8d us   ratio %s (aim <= 1.5)\n' hide "$hide_us" cp+sync "$cp_sync_us" "$(ratio "$hide_us" "$cp_sync_us")"
printf '%-8s %8d us   %-7s %8d us   ratio %s (aim <= 1.2)\n' extract "$extract_us" cat "$cat_us" "$(ratio "$extract_us" "$cat_us")"
printf 'peak memory: hide %d KiB (%s x file), extract %d KiB (%s x file) (aim <= 1.3)\n' \
  "$hide_kib" "$(ratio "$hide_kib" $((size / 1024)))" "$extract_kib" "$(ratio "$extract_kib" $((size / 1024)))"
