#!/usr/bin/env bash
# Installs the selector into a temporary prefix and starts it the way a
# desktop does: the entry's Exec in the entry's Path. Then, in a real X
# server: the category menu appears, an own-VA item and "Suggest a UPS" bring
# up the results screen from the installed data. Also validates the entry and
# the AppStream metadata.
# Usage: installed.sh BUILD_DIR
set -euo pipefail
if [ -z "${INSTALLED_INSIDE_X:-}" ]; then
    export INSTALLED_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; true' EXIT
unset QT_QPA_PLATFORM

cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/vellimar-ups-selector.desktop
desktop-file-validate "$entry"
appstreamcli validate --no-net "$prefix/share/metainfo/vellimar-ups-selector.metainfo.xml" >/dev/null
for size in 16 32 48 256; do
    test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/vellimar-ups-selector.png"
done

# The .deb: built by CPack, unpacked into a clean folder, its entry valid and
# its dependencies naming Debian's Qt 6 libraries.
cpack_dir=$prefix/cpack
cpack -G DEB -B "$cpack_dir" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$cpack_dir"/vellimar-ups-selector_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: no Qt 6 dependency"; exit 1; }
dpkg -x "$deb" "$cpack_dir/root"
desktop-file-validate "$cpack_dir/root/usr/share/applications/vellimar-ups-selector.desktop"
grep -qx 'Path=/usr/share/vellimar-ups-selector' "$cpack_dir/root/usr/share/applications/vellimar-ups-selector.desktop"
test -x "$cpack_dir/root/usr/bin/vellimar-ups-selector"
test -s "$cpack_dir/root/usr/share/vellimar-ups-selector/120.txt"
echo "package $(basename "$deb") unpacks and validates"

exec_line=$(sed -n 's/^Exec=//p' "$entry")
path_line=$(sed -n 's/^Path=//p' "$entry")
[ "$path_line" = "$prefix/share/vellimar-ups-selector" ] || { echo "FAIL: Path=$path_line"; exit 1; }
echo "starting '$exec_line' in '$path_line'"
(cd "$path_line" && exec $exec_line) &
pid=$!

. "$(dirname "$0")/xdrive.sh"

menu=$(window_of "Vellimar UPS Selector")
echo "category menu shown"
click_twips "$menu" 2280 3900          # Enter Your Own VA
input=$(window_of "Specify VA")
xdotool windowfocus --sync "$input" type --delay 20 "250"
xdotool key Return
sleep 0.5
list=$(window_of "Vellimar UPS Selector")
click_twips "$list" 1000 4237          # the runtime box: choose "15 min."
xdotool key ctrl+a
xdotool type --delay 10 "15 min."
xdotool key Down Up
click_twips "$list" 3712 4132          # Suggest a UPS
window_of "Selector Results" >/dev/null
echo "results screen shown from the installed data"
