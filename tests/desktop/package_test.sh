#!/usr/bin/env bash
# The Debian package, made by CPack from the normal build's install rules (nothing is compiled
# again): its name, control fields and contents as dpkg-deb shows them, lintian without errors
# or warnings, the AppStream entry and menu entry as their validators see them, dependencies
# that apt can satisfy here (simulated), and the package unpacked into a scratch root, whose
# programs print the build's version without a display and whose desktop program starts on
# this X server. The machine itself is left as it was.
# Usage: xvfb-run -s -ac package_test.sh BUILD_FOLDER VERSION
set -euo pipefail
source "$(dirname "$0")/x11_windows.sh"
build=$(realpath "${1:?usage: package_test.sh BUILD_FOLDER VERSION}")
version=${2:?usage: package_test.sh BUILD_FOLDER VERSION}

work=$(mktemp -d)
chmod 755 "$work"
use_leak_rules "$work"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

cpack -G DEB -B "$work/out" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
deb=$work/out/velmora_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "cpack made no $(basename "$deb"): $(ls "$work/out")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == velmora && $(field Version) == "$version" && $(field Section) == graphics ]] ||
  fail "control fields: $(dpkg-deb -f "$deb")"
[[ $(field Maintainer) == *@* ]] || fail "no maintainer address"
# dpkg-shlibdeps found what the programs link: Qt, giflib, libjpeg.
for library in libqt6widgets6 libgif7 libjpeg62-turbo; do
  [[ $(field Depends) == *"$library "* ]] || fail "Depends lacks $library: $(field Depends)"
done

contents=$(dpkg-deb -c "$deb")
[[ -z $(grep -v ' root/root ' <<<"$contents") ]] || fail "files not owned by root"
paths=$(awk '{print $6}' <<<"$contents")
[[ -z $(grep -v '^\./usr/' <<<"$paths") ]] || fail "files outside /usr: $(grep -v '^\./usr/' <<<"$paths")"
for file in bin/velmora bin/velmora-cli lib/velmora/velmora lib/velmora/1.gif lib/velmora/help_eng.hlp \
  lib/velmora/Language/English.lng share/applications/velmora.desktop share/man/man1/velmora.1.gz \
  share/man/man1/velmora-cli.1.gz share/doc/velmora/copyright share/doc/velmora/changelog.gz \
  share/bash-completion/completions/velmora-cli; do
  grep -qx "\./usr/$file" <<<"$paths" || fail "not in the package: /usr/$file"
done
for side in 16 24 32 48 64 128 256; do
  grep -qx "\./usr/share/icons/hicolor/${side}x$side/apps/velmora.png" <<<"$paths" || fail "no ${side}x$side icon"
done
# A record of a cmake --install would name the staging folder's files; the package has none.
! grep -q install_manifest <<<"$paths" || fail "the package holds an install record"

report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
report=$(grep -v 'running with root privileges' <<<"$report" || true)
[[ -z $report ]] || fail "lintian: $report"
apt-get -s install "$deb" >"$work/apt.log" 2>&1 || fail "apt cannot install it here: $(cat "$work/apt.log")"

root=$work/root
dpkg-deb -x "$deb" "$root"
metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
report=$(appstreamcli validate --no-net "${metainfo[@]}" 2>&1) || fail "appstreamcli validate: $report"
grep -q "<release version=\"$version\"" "${metainfo[@]}" || fail "the AppStream entry lacks release $version"
report=$(desktop-file-validate "$root/usr/share/applications/velmora.desktop" 2>&1) ||
  fail "desktop-file-validate: $report"
grep -qx 'Exec=/usr/bin/velmora %f' "$root/usr/share/applications/velmora.desktop" ||
  fail "the menu entry does not start /usr/bin/velmora"
for page in velmora velmora-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | head -1 | grep -q "\"Velmora $version\"" ||
    fail "$page(1) does not show version $version"
done

# Started from the scratch root: the version without any display, velmora-cli from the path.
shown=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/velmora" --version) ||
  fail "velmora --version failed without a display"
[[ $shown == "velmora $version" ]] || fail "velmora --version says '$shown'"
shown=$("$root/usr/bin/velmora-cli" --version) || fail "velmora-cli --version failed"
[[ $shown == "velmora-cli $version" ]] || fail "velmora-cli --version says '$shown'"

# The desktop program from the package shows its first-run tips, then its window, run by a user
# who may not write the program folder, as after a real install: as root it runs as nobody, as
# anyone else the folder is made read-only.
chmod -R a-w "$root/usr/lib/velmora"
home=$work/home
start_as_user "$home" "$root/usr/bin/velmora"
pid=$!
wait_until 30 tips_on_screen $pid || fail "the packaged program did not show its first-run tips"
xdotool key Escape
wait_until 30 main_on_screen $pid || fail "the packaged program did not show its window"
menu_choose $pid "$(main_window $pid)" Up Return
wait_exit $pid 20
grep -qx '\[Main\]' "$home/.config/velmora/velmora.ini" || fail "no settings in ~/.config/velmora"
echo "package: all good"
