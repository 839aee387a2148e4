#!/usr/bin/env bash
# What a keystroke costs in a hide dialog whose box holds 32,000 bytes, with the room the
# message takes counted in the title at each keystroke and without.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build >/dev/null || { echo "bench: the build failed; run scripts/build" >&2; exit 1; }
build/bench/hide_keystroke "${1:-200}"
