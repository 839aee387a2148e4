#!/usr/bin/env bash
# velmora --version prints the build's version with no display at all (Qt is never started),
# and fails when that line cannot be written.
# Usage: version_test.sh PROGRAM VERSION
set -euo pipefail
program=$1 version=$2
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version)
[[ $shown == "velmora $version" ]] || { echo "FAIL: velmora --version says '$shown'" >&2; exit 1; }
if "$program" --version >/dev/full; then
  echo "FAIL: a version line that could not be written counts as success" >&2
  exit 1
fi
echo "version: all good"
