#!/usr/bin/env bash
# The tray on a real X server, with trayer as the tray host: minimising puts the icon in the
# tray and takes the window off the screen (and so out of any taskbar), a double click on the
# icon brings the window back where it was, a right click on the icon opens the popup menu,
# and a program that exits from the tray remembers it and starts there next time.
# Usage: xvfb-run -s -ac tray_test.sh PROGRAM_FOLDER
set -euo pipefail
source "$(dirname "$0")/x11_windows.sh"
built=${1:?usage: tray_test.sh PROGRAM_FOLDER}

work=$(mktemp -d)
use_leak_rules "$work"
tray_host=
cleanup() {
  [[ -z $tray_host ]] || kill "$tray_host" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A program folder of the test's own, for a settings file of its own beside the program.
cp -r "$built/." "$work/"
printf '[Main]\nFirstOpen=0\n' >"$work/velmora.ini"
settings() { cat "$work/velmora.ini"; }

trayer --edge top --align right --widthtype request --height 32 --SetDockType false --transparent false &
tray_host=$!
wait_until 20 eval "[[ -n \$(xdotool search --onlyvisible --class trayer 2>/dev/null) ]]" || fail "trayer did not start"

"$work/velmora" &
pid=$!
wait_until 30 on_screen $pid || fail "the window did not appear"
main=$(main_window $pid)
place="$(window_field "$main" 'Absolute upper-left X'),$(window_field "$main" 'Absolute upper-left Y')"

# The menu's third item is Minimize (Open, Language, Minimize).
menu_choose $pid "$main" Down Down Down Return
wait_until 10 in_tray $pid || fail "minimising did not put the program in the tray"

click_window "$(tray_icon $pid)" 1 2
wait_until 10 on_screen $pid || fail "a double click on the tray icon did not bring the window back"
[[ "$(window_field "$main" 'Absolute upper-left X'),$(window_field "$main" 'Absolute upper-left Y')" == "$place" ]] ||
  fail "the window came back elsewhere"

# Into the tray again. A picture that cannot be opened, chosen from the tray icon's menu (Open is
# its first item): the message's OK leaves the program running in the tray.
menu_choose $pid "$main" Down Down Down Return
wait_until 10 in_tray $pid || fail "minimising a second time did not put the program in the tray"
printf 'no picture' >"$work/bad.bmp"
menu_choose $pid "$(tray_icon $pid)" Down Return
wait_until 10 has_other_top_window $pid || fail "Open in the tray menu showed no file dialog"
file_dialog=$(other_top_windows $pid | head -n 1)
sleep 0.5  # the dialog takes the keyboard just after it appears
xdotool type --delay 20 "$work/bad.bmp"
xdotool key Return
message_up() { ! viewable "$file_dialog" && has_other_top_window $pid; }
wait_until 10 message_up || fail "no message came for a picture that cannot be opened"
sleep 0.5
xdotool key Return  # the message's OK
wait_until 10 eval "! has_other_top_window $pid" || fail "the message did not close"
sleep 1
kill -0 $pid 2>/dev/null || fail "the program ended when the message closed in the tray"
in_tray $pid || fail "the program left the tray when the message closed"

# Then Exit, the menu's last item, from the tray icon's menu.
menu_choose $pid "$(tray_icon $pid)" Up Return
wait_exit $pid 20
grep -qx 'Minimized=1' <(settings) || fail "an exit from the tray did not keep Minimized=1: $(settings)"

# The next start goes to the tray by itself; back on the screen, an exit keeps Minimized=0.
"$work/velmora" &
pid=$!
wait_until 30 in_tray $pid || fail "a program closed in the tray did not start there"
click_window "$(tray_icon $pid)" 1 2
wait_until 10 on_screen $pid || fail "a double click did not bring the started window back"
menu_choose $pid "$(main_window $pid)" Up Return
wait_exit $pid 20
grep -qx 'Minimized=0' <(settings) || fail "an exit on the screen did not write Minimized=0: $(settings)"
echo "tray: all good"
