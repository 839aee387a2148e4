#!/usr/bin/env bash
# How much processor time the program's timed wait uses while the drum plays on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build >/dev/null || { echo "bench: the build failed; run scripts/build" >&2; exit 1; }
build/bench/wait_cpu
