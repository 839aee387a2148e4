#!/usr/bin/env bash
# The install into a temporary prefix: the layout, a menu entry that passes
# desktop-file-validate, an AppStream entry that appstreamcli accepts, manual pages without
# warnings, the installed program started by the entry's own command line with a BMP named on
# it (as a file manager's "Open with" does), past the first-run tips, and run by a user who may
# not write the installed folder, whose settings therefore go to ~/.config/velmora; and the
# README's uninstall, which removes exactly what the install wrote, also after an install into
# another prefix.
# Usage: xvfb-run -s -ac install_test.sh BUILD_FOLDER
set -euo pipefail
source "$(dirname "$0")/x11_windows.sh"
build=$(realpath "${1:?usage: install_test.sh BUILD_FOLDER}")

work=$(mktemp -d)
chmod 755 "$work"
use_leak_rules "$work"
manifest=$build/install_manifest.txt
# A real install's manifest (the list the uninstall needs) survives this test's install.
[[ ! -e $manifest ]] || cp -p "$manifest" "$work/manifest.kept"
cleanup() {
  if [[ -e $work/manifest.kept ]]; then cp -p "$work/manifest.kept" "$manifest"; else rm -f "$manifest"; fi
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
# Another install in between, into another prefix, replaces the build folder's manifest.
other=$work/other
cmake --install "$build" --prefix "$other" >/dev/null
# And the same install again: its record still lists each file once.
cmake --install "$build" --prefix "$prefix" >/dev/null

program=$prefix/lib/velmora
for file in velmora 1.gif 2.gif 3.gif 4.gif help_eng.hlp Language/English.lng look/velmora32.png \
  ../../bin/velmora-cli ../../share/man/man1/velmora-cli.1.gz ../../share/man/man1/velmora.1.gz \
  ../../share/applications/velmora.desktop; do
  [[ -f $program/$file ]] || fail "not installed: $program/$file"
done
for side in 16 24 32 48 64 128 256; do
  [[ -f $prefix/share/icons/hicolor/${side}x$side/apps/velmora.png ]] || fail "no ${side}x$side icon"
done
[[ -L $prefix/bin/velmora && $(realpath "$prefix/bin/velmora") == "$program/velmora" ]] ||
  fail "bin/velmora does not lead to the program"
"$prefix/bin/velmora-cli" --help >/dev/null || fail "velmora-cli does not run from the path"

entry=$prefix/share/applications/velmora.desktop
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[[ -z $report ]] || fail "desktop-file-validate has remarks: $report"
grep -qx 'MimeType=image/bmp;' "$entry" || fail "the entry does not open BMP pictures"
grep -qx "TryExec=$prefix/bin/velmora" "$entry" || fail "the entry's TryExec is not the launcher"
for page in velmora velmora-cli; do
  report=$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1)
  [[ -z $report ]] || fail "the manual page $page(1) has warnings: $report"
done
metainfo=("$prefix"/share/metainfo/*.metainfo.xml)
report=$(appstreamcli validate --no-net "${metainfo[@]}" 2>&1) || fail "appstreamcli validate: $report"

# The installed folder belongs to someone else: as root, the program runs as nobody; as anyone
# else, the folder is made read-only. The picture is too small, so its message shows that the
# command line reached the program.
chmod -R a-w "$program"
convert -size 8x8 xc:white "BMP3:$work/small.bmp"
home=$work/home
exec_line=$(sed -n 's/^Exec=//p' "$entry")
read -r -a command <<<"${exec_line/\%f/$work/small.bmp}"
start_as_user "$home" "${command[@]}"
pid=$!
# A first run: the tips come first, before the main window, after the outline that grows into
# them; Escape closes them as the title bar would, so they will show again.
wait_until 30 tips_on_screen $pid || fail "the installed program did not show its first-run tips"
xdotool key Escape
wait_until 30 main_on_screen $pid || fail "the installed program did not start"
wait_until 10 has_other_top_window $pid || fail "the picture named on the command line was not opened"
xdotool key Return  # the message box has the focus and one button
wait_until 10 eval "! has_other_top_window $pid" || fail "the message box did not close"
menu_choose $pid "$(main_window $pid)" Up Return
wait_exit $pid 20

[[ ! -e $program/velmora.ini ]] || fail "settings written into the installed folder"
grep -qx '\[Main\]' "$home/.config/velmora/velmora.ini" || fail "no settings in ~/.config/velmora"

# Uninstall as the README says, with the record the install kept in its program folder: it
# names exactly the files the install wrote, itself included.
chmod -R u+w "$program"
record=$program/install_manifest.txt
[[ -f $record ]] || fail "the install kept no record of its files"
diff <(sort "$record") <(find "$prefix" ! -type d | sort) >&2 ||
  fail "the record is not the list of files the install wrote"
other_files=$(find "$other" ! -type d | sort)
xargs -d '\n' rm -f -- <"$record"
find "$program" -depth -type d -empty -delete
left=$(find "$prefix" ! -type d)
[[ -z $left ]] || fail "the uninstall left $left"
[[ $(find "$other" ! -type d | sort) == "$other_files" ]] || fail "the uninstall touched the other install"
echo "install: all good"
