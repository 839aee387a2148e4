#!/usr/bin/env bash
# cmake/ccache-compile and clang's precompiled headers: the .sum beside a header names what went
# into it and nothing of the folder, so that two clones share the compiler cache, while a header
# that changed (or failed to compile) never passes for the old one.
# Usage: ccache_compile_test.sh PATH/TO/ccache-compile
set -euo pipefail
wrapper=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Stands in for ccache: notes the command it was given, then runs it.
cat > "$work/fake-ccache" <<'FAKE'
#!/usr/bin/env bash
printf '%s\n' "$@" > ccache-args
exec "$@"
FAKE
chmod +x "$work/fake-ccache"

clone() {  # FOLDER: a header, the precompiled header that includes it, a program that uses it
  mkdir -p "$1/include" "$1/build"
  printf '#pragma once\ninline int seven() { return 7; }\n' > "$1/include/seven.h"
  printf '#include "seven.h"\n' > "$1/build/pch.hxx"
  : > "$1/build/pch.hxx.cxx"
  printf 'int main() { return seven() == 7 ? 0 : 1; }\n' > "$1/main.cpp"
}
compile() {  # FOLDER ARGS...: one compile in FOLDER/build as CMake's commands give it
  local folder=$1
  shift
  (cd "$folder/build" && CCACHE_BASEDIR=$folder "$wrapper" "$work/fake-ccache" clang++ "$@")
}
compile_pch() {
  rm -f "$1/build/ccache-args"
  compile "$1" -I"$1/include" -Xclang -emit-pch -Xclang -include -Xclang "$1/build/pch.hxx" \
    -x c++-header -MD -MT pch.hxx.pch -MF pch.hxx.pch.d -o pch.hxx.pch -c "$1/build/pch.hxx.cxx"
}

for folder in "$work/first clone" "$work/second"; do
  clone "$folder"
  compile_pch "$folder"
  [ -s "$folder/build/pch.hxx.pch.sum" ] || fail "no .sum beside the header in $folder"
  [ ! -e "$folder/build/ccache-args" ] || fail "the precompiled header went through the cache"
  compile "$folder" -I"$folder/include" -Xclang -include-pch -Xclang pch.hxx.pch \
    -Xclang -include -Xclang "$folder/build/pch.hxx" -o main.o -c "$folder/main.cpp"
  grep -qx 'pch.hxx' "$folder/build/ccache-args" ||
    fail "-Xclang -include reached the cache as $(grep '/pch.hxx$' "$folder/build/ccache-args")"
  clang++ -o "$folder/build/main" "$folder/build/main.o" && "$folder/build/main" ||
    fail "the program compiled with the precompiled header does not work"
done
cmp -s "$work/first clone/build/pch.hxx.pch.sum" "$work/second/build/pch.hxx.pch.sum" ||
  fail "the same sources in two folders give two .sum files"

# A header the precompiled one reads changes: so does the .sum.
old=$(cat "$work/second/build/pch.hxx.pch.sum")
printf '#pragma once\ninline int seven() { return 8; }\n' > "$work/second/include/seven.h"
compile_pch "$work/second"
[ "$(cat "$work/second/build/pch.hxx.pch.sum")" != "$old" ] || fail "a changed header kept its .sum"

# A header that no longer compiles leaves no .sum behind.
printf 'inline int seven() { return }\n' > "$work/second/include/seven.h"
if compile_pch "$work/second" 2>/dev/null; then fail "a broken header compiled"; fi
[ ! -e "$work/second/build/pch.hxx.pch.sum" ] || fail "a failed compile left the old .sum"
echo "ccache-compile: shared between folders, changed with its inputs"
