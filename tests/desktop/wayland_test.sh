#!/usr/bin/env bash
# The program in a Wayland session, on weston's headless backend (CPU renderer, 1024 x 768):
# - with XWayland, the program runs on X11 by itself (it is an X client of XWayland);
# - without XWayland, it runs as a native Wayland client and keeps running;
# in both, no pixel of the skin's see-through colour (the bottom-left pixel of look/skin.bmp)
# reaches the screen, and the window is there (the screen changed where nothing else would).
# On Wayland, a program closed in the tray starts on the screen when there is no tray, and goes
# into a tray of the StatusNotifierItem kind when the desktop has one (WATCHER stands in for it).
# Usage: wayland_test.sh PROGRAM_FOLDER WATCHER
set -euo pipefail
source "$(dirname "$0")/x11_windows.sh"
built=${1:?usage: wayland_test.sh PROGRAM_FOLDER WATCHER}
watcher_program=${2:?usage: wayland_test.sh PROGRAM_FOLDER WATCHER}

work=$(mktemp -d)
use_leak_rules "$work"
compositor= program= bus= watcher=
cleanup() {
  for p in $program $watcher $bus; do kill "$p" 2>/dev/null || true; done
  [[ -z $compositor ]] || kill "$compositor" 2>/dev/null || true
  wait 2>/dev/null || true
  [[ -n ${KEEP_WORK:-} ]] || rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/program"
cp -r "$built/." "$work/program/"
printf '[Main]\nFirstOpen=0\nLang=&English\n' >"$work/program/velmora.ini"
see_through=$(convert "$work/program/look/skin.bmp" -gravity SouthWest -crop 1x1+0+0 -format '%[hex:p{0,0}]' info:)
see_through=${see_through:0:6}

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_SESSION_TYPE=wayland
# A session bus of the test's own, with no tray on it until the watcher comes.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile &
bus=$!
wait_until 10 test -S "$work/bus" || fail "no session bus"

# start_weston [--xwayland]: a headless compositor of the test's own; --debug lets the
# screenshooter in.
start_weston() {
  weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --idle-time=0 \
    --no-config --debug --socket=velmora-test "$@" --log="$work/weston.log" &
  compositor=$!
  wait_until 20 test -S "$XDG_RUNTIME_DIR/velmora-test" || fail "weston did not start: $(tail -5 "$work/weston.log")"
  export WAYLAND_DISPLAY=velmora-test
  sleep 1  # the desktop shell paints its background and panel
}

stop_weston() {
  kill "$program" "$compositor" 2>/dev/null || true
  wait "$program" "$compositor" 2>/dev/null || true
  program= compositor=
  rm -f "$XDG_RUNTIME_DIR"/velmora-test*
  unset WAYLAND_DISPLAY DISPLAY
}

# screenshot NAME: the whole screen as $work/NAME.png.
screenshot() {
  local shots=$work/shots
  mkdir -p "$shots"
  rm -f "$shots"/*.png
  (cd "$shots" && weston-screenshooter) || fail "no screenshot"
  mv "$shots"/*.png "$work/$1.png"
}

# Pixels of the see-through colour in a screenshot.
see_through_pixels() {
  convert "$1" -alpha off -fill black +opaque "#$see_through" -fill white -opaque "#$see_through" \
    -format '%[fx:round(mean*w*h)]' info:
}
changed_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

# check_session NAME: the program started in the running compositor shows its window with no
# see-through colour on the screen, and keeps running.
check_session() {
  screenshot "$1-before"
  [[ $(see_through_pixels "$work/$1-before.png") == 0 ]] || fail "$1: the desktop itself has the see-through colour"
  "$work/program/velmora" 2>"$work/$1-program.log" &
  program=$!
  sleep 4
  kill -0 "$program" 2>/dev/null || fail "$1: the program ended: $(cat "$work/$1-program.log")"
  screenshot "$1-after"
  local changed teal
  changed=$(changed_pixels "$work/$1-before.png" "$work/$1-after.png")
  ((changed > 30000)) || fail "$1: the window is not on the screen ($changed pixels changed)"
  teal=$(see_through_pixels "$work/$1-after.png")
  [[ $teal == 0 ]] || fail "$1: $teal pixels of the see-through colour #$see_through reached the screen"
}

# With XWayland the program chooses X11: weston names the X display it serves in its log.
start_weston --xwayland
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1)
[[ -n $display ]] || fail "weston started no XWayland"
export DISPLAY=$display
check_session xwayland
wait_until 10 eval "[[ -n \$(visible_windows $program) ]]" || fail "with XWayland the program is not an X client"
stop_weston

# Without XWayland it runs on Wayland itself. Closed in the tray last time, with no tray now: the
# window must still come on the screen.
start_weston
printf '[Main]\nFirstOpen=0\nLang=&English\nMinimized=1\n' >"$work/program/velmora.ini"
check_session wayland
grep -q 'libQt6WaylandClient' /proc/"$program"/maps || fail "without XWayland the program did not load Qt's Wayland platform"
kill "$program"
wait "$program" 2>/dev/null || true

# With a tray on the bus, the same start goes into it: the item registers, and the window stays
# off the screen while the program runs.
"$watcher_program" >"$work/watcher.log" &
watcher=$!
wait_until 10 grep -q ready "$work/watcher.log" || fail "the tray stand-in did not start"
printf '[Main]\nFirstOpen=0\nLang=&English\nMinimized=1\n' >"$work/program/velmora.ini"
screenshot tray-before
"$work/program/velmora" 2>"$work/tray-program.log" &
program=$!
wait_until 20 grep -q registered "$work/watcher.log" || fail "the program put no item in the StatusNotifierItem tray"
sleep 2
kill -0 "$program" 2>/dev/null || fail "the program in the tray ended: $(cat "$work/tray-program.log")"
screenshot tray-after
changed=$(changed_pixels "$work/tray-before.png" "$work/tray-after.png")
((changed < 3000)) || fail "in the tray, the window is still on the screen ($changed pixels changed)"
stop_weston
echo "PASS"
