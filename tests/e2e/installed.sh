#!/usr/bin/env bash
# The .deb installed with apt (root) and used from an empty folder, with the data found through
# XDG_DATA_DIRS: both programs' help, version and manual pages, the checker on the selector's folder,
# and a suggestion made in X. Then the package, and whatever it brought in, is removed again.
# Usage: installed.sh BUILD_DIR
set -euo pipefail
if [ -z "${INSTALLED_INSIDE_X:-}" ]; then
    export INSTALLED_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=60 -y -qq "$@" >/dev/null; }
installed() { dpkg-query -W -f '${db:Status-Abbrev} ${Package}\n' | sed -n 's/^ii  *//p' | sort; }
! installed | grep -qx vellimar-ups-selector || { echo "FAIL: installed already; the test would remove it"; exit 1; }
work=$(mktemp -d)
installed >"$work/before"
cleanup() {
    kill "${pid:-}" 2>/dev/null || true
    apt_get purge vellimar-ups-selector $(installed | comm -13 "$work/before" -)
    installed | cmp -s - "$work/before" || { echo "FAIL: the installed packages differ from before"; exit 1; }
    rm -rf "$work"
}
trap cleanup EXIT
cpack -G DEB -B "$work" --config "$1/CPackConfig.cmake" >/dev/null
apt_get install --no-install-recommends "$(ls "$work"/*.deb)"

mkdir "$work/empty" && cd "$work/empty"
export XDG_DATA_DIRS=/usr/share MANPAGER=cat PATH=/usr/sbin:/usr/bin:/sbin:/bin
unset QT_QPA_PLATFORM
for program in vellimar-ups-selector vellimar-datacheck; do
    $program --help | grep -q "^Usage: $program"
    man $program 2>/dev/null | grep -q "^$($program --version | sed 's/ /.* /')"
done
vellimar-datacheck 2>&1 | grep -q '^vellimar-datacheck: 0 errors, .* in "/usr/share/vellimar-ups-selector"'

# Network Server, the first maker and model, Next, 60 minutes, Suggest a UPS.
vellimar-ups-selector 2>"$work/stderr" & pid=$!
. "$(dirname "$0")/../../tools/xdrive.sh"
menu=$(window_of "Vellimar UPS Selector")
click_twips "$menu" 2280 1500
picker=$(window_of "Select Item Category")
for spot in "1500 640" "1500 2260" "2595 5070"; do click_twips "$picker" $spot; done
list=$(window_of "Vellimar UPS Selector")
click_twips "$list" 1000 4237
xdotool key Down Down Down
click_twips "$list" 3712 4132
window_of "Selector Results" >/dev/null
! grep "No runtime table" "$work/stderr" || exit 1
echo "installed, it made a suggestion from an empty folder"
