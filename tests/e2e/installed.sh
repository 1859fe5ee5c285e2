#!/usr/bin/env bash
# Installs into a temporary prefix, validates the desktop entry, the AppStream
# metadata and the .deb, and starts the program as a desktop does (the entry's
# Exec in its Path): the category menu appears in a real X server.
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
