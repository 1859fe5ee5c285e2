#!/usr/bin/env bash
# The .deb the build makes, as Debian's own checks see it: lintian finds no
# error or warning, its desktop entry and AppStream metadata validate as
# installed, it states what it needs and suggests, it carries every icon.
# Usage: package.sh BUILD_DIR
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$1/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/vellimar-ups-selector_*.deb)
report=$(lintian --fail-on error,warning "$deb" 2>&1) || { echo "FAIL: lintian: $report"; exit 1; }
dpkg -x "$deb" "$out/root"
appstreamcli validate-tree --no-net "$out/root" >/dev/null
desktop-file-validate "$out/root/usr/share/applications/com.vellimar.UpsSelector.desktop"
fields=$(dpkg-deb -f "$deb" Depends Recommends Suggests)
for wanted in 'Depends: .*libcups2' 'Depends: .*libqt6widgets6' '^Suggests: cups$'; do
    grep -q "$wanted" <<<"$fields" || { echo "FAIL: no '$wanted' in: $fields"; exit 1; }
done
! grep -q Recommends <<<"$fields" || { echo "FAIL: $fields"; exit 1; }
for size in 16 24 32 48 64 128 256; do
    icon=$out/root/usr/share/icons/hicolor/${size}x${size}/apps/vellimar-ups-selector.png
    file -b "$icon" | grep -q "PNG image data, $size x $size" || { echo "FAIL: $icon"; exit 1; }
done
echo "$(basename "$deb") ($(stat -c %s "$deb") bytes) passes lintian and validates"
