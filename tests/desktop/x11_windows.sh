# Sourced by the desktop tests: waiting with a deadline, and the X windows of one program.
# xdotool gives window ids in decimal, xwininfo in hex; both tools take either.

# use_leak_rules FOLDER: a sanitized program checks for leaks at its end, except in the desktop
# libraries' own allocations; the rules go into FOLDER, where a program run as nobody reads them.
use_leak_rules() {
  cp "$(dirname "${BASH_SOURCE[0]}")/x11_leaks.supp" "$1/"
  chmod 644 "$1/x11_leaks.supp"
  export LSAN_OPTIONS=suppressions=$1/x11_leaks.supp
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_until SECONDS COMMAND...: succeeds as soon as COMMAND does, fails after SECONDS.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# A field of xwininfo's report, such as "Width" or "Absolute upper-left X".
window_field() { xwininfo -id "$1" | sed -n "s/^ *$2: *//p"; }

is_top_level() {
  local parent root
  parent=$(xwininfo -children -id "$1" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
  root=$(xwininfo -root | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
  ((parent == root))
}

# The windows of process PID that are on the screen now.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# sized_window PID WIDTHxHEIGHT: the top-level window of process PID (shown or not) with that size.
sized_window() {
  local w
  for w in $(xdotool search --pid "$1" 2>/dev/null); do
    if is_top_level "$w" && [[ $(window_field "$w" Width)x$(window_field "$w" Height) == "$2" ]]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# The main window of process PID (shown or not), known by its size.
main_window() { sized_window "$1" 223x299; }
# The first-run tips, by the size of their client area.
tips_window() { sized_window "$1" 433x129; }
tips_on_screen() { local w; w=$(tips_window "$1") && viewable "$w"; }

# start_as_user HOME COMMAND...: starts COMMAND in the background (its pid in $!) with HOME as
# its home, configuration and runtime folder, as a user who may not write the program folder:
# as root it runs as nobody, so that a test run by root still meets the permission faults.
start_as_user() {
  local home=$1 as_user=()
  shift
  mkdir -p "$home/runtime"
  chmod 700 "$home/runtime"
  if (($(id -u) == 0)); then
    chown -R nobody "$home"
    as_user=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
  fi
  "${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime" "$@" &
}

# The program's icon in the tray: its window lives inside the tray host's.
tray_icon() {
  local w
  for w in $(visible_windows "$1"); do
    is_top_level "$w" || { echo "$w"; return 0; }
  done
  return 1
}

# Popup menus and dialogs: the program's windows on the screen besides the main window.
other_top_windows() {
  local w main
  main=$(main_window "$1") || main=none
  for w in $(visible_windows "$1"); do
    [[ $w == "$main" ]] || ! is_top_level "$w" || echo "$w"
  done
}
has_other_top_window() { [[ -n $(other_top_windows "$1") ]]; }
main_on_screen() { local w; w=$(main_window "$1") && viewable "$w"; }
main_off_screen() { local w; w=$(main_window "$1") && ! viewable "$w"; }
in_tray() { main_off_screen "$1" && tray_icon "$1" >/dev/null; }
on_screen() { main_on_screen "$1" && ! tray_icon "$1" >/dev/null; }

# The middle of a window on the screen, as "X Y".
window_middle() {
  echo "$(($(window_field "$1" 'Absolute upper-left X') + $(window_field "$1" Width) / 2))" \
    "$(($(window_field "$1" 'Absolute upper-left Y') + $(window_field "$1" Height) / 2))"
}

# click_window WINDOW BUTTON [REPEAT]: clicks the middle of a window, once it has stayed in
# place for a moment (a tray host may still be laying out an icon that has just arrived).
click_window() {
  local before now x y tries=0
  now=$(window_middle "$1")
  until ((tries++ >= 20)); do
    sleep 0.1
    before=$now
    now=$(window_middle "$1")
    [[ $now != "$before" ]] || break
  done
  read -r x y <<<"$now"
  # A synced move to where the pointer already is waits for a motion that never comes.
  if [[ $(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd ' ') == "$x $y" ]]; then
    xdotool click --repeat "${3:-1}" --delay 80 "$2"
  else
    xdotool mousemove --sync "$x" "$y" click --repeat "${3:-1}" --delay 80 "$2"
  fi
}

# menu_choose PID WINDOW KEYS...: opens the popup menu with a right click on WINDOW and picks an
# item with the keys given (the menu starts with nothing selected).
menu_choose() {
  local pid=$1 window=$2
  shift 2
  click_window "$window" 3
  wait_until 10 has_other_top_window "$pid" || fail "a right click on window $window opened no menu"
  sleep 0.3  # the menu takes the keyboard just after it appears
  xdotool key --delay 50 "$@"
}

# wait_exit PID SECONDS: waits for the program to end and fails unless it ended with status 0.
wait_exit() {
  wait_until "$2" eval "! kill -0 $1 2>/dev/null" || fail "the program did not end"
  wait "$1" || fail "the program ended with status $?"
}
