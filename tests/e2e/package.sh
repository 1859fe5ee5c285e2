#!/usr/bin/env bash
# The .deb the build makes, as Debian's checks see it: no lintian error or warning, its desktop entry
# and AppStream metadata valid as installed, what it needs and suggests stated. Usage: package.sh BUILD_DIR
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$1/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/*.deb)
lintian --fail-on error,warning "$deb"
dpkg -x "$deb" "$out/root"
appstreamcli validate-tree --no-net "$out/root" >/dev/null
desktop-file-validate "$out/root/usr/share/applications/com.vellimar.UpsSelector.desktop"
# A load list opens in the selector from a file manager: its type is registered and the entry takes a file.
grep -q '<glob pattern="\*.upsload"/>' "$out/root/usr/share/mime/packages/com.vellimar.UpsSelector.xml"
grep -qx 'MimeType=application/x-vellimar-upsload;' "$out/root/usr/share/applications/com.vellimar.UpsSelector.desktop"
dpkg-deb -f "$deb" Depends | grep -q "libcups2.*libqt6widgets6"
[ "$(dpkg-deb -f "$deb" Recommends Suggests)" = "Suggests: cups" ]
echo "$(basename "$deb"), $(stat -c %s "$deb") bytes: lintian and the metadata validators pass"
