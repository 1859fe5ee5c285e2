#!/usr/bin/env bash
# Takes the screenshots of the user guide: runs the real selector on the
# shipped data in Xvfb, goes through a typical run with xdotool, and writes
# PNG files to docs/ (the last one at scale factor 2).
# Usage: tools/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
if [ -z "${SHOTS_INSIDE_X:-}" ]; then
    export SHOTS_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$build"
fi
out=${SHOTS_OUT:-$root/docs}
selector=$build/vellimar-ups-selector
cd "$root/data"

. "$root/tools/xdrive.sh"
# A window manager, as on a desktop: it maximizes the information viewer.
openbox >/dev/null 2>&1 &
sleep 1

shoot() { # window file
    sleep 0.3
    import -window "$1" "$out/$2"
    echo "wrote $out/$2"
}

"$selector" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

menu=$(window_of "Vellimar UPS Selector")
shoot "$menu" category-menu.png

# Network Server, then the first maker and its first model.
click_twips "$menu" 2280 1500
picker=$(window_of "Select Item Category")
click_twips "$picker" 1500 640
click_twips "$picker" 1500 2260
shoot "$picker" model-picker.png

# Next: the load list, 60 minutes runtime.
click_twips "$picker" 2595 5070
list=$(window_of "Vellimar UPS Selector")
click_twips "$list" 1000 4237
xdotool key Down Down Down
sleep 0.2
shoot "$list" load-list.png

# Suggest a UPS: the results.
click_twips "$list" 3712 4132
results=$(window_of "Selector Results")
shoot "$results" results.png

# The information of class 3 over the results.
click_twips "$results" 315 2227
viewer=$(window_of "Information Viewer")
sleep 0.3
import -window root "$out/information-viewer.png"
echo "wrote $out/information-viewer.png"
click_twips "$viewer" 5797 180

# Back to the menu and the general computer estimator.
click_twips "$results" 795 5580
list=$(window_of "Vellimar UPS Selector")
click_twips "$list" 3690 2010
menu=$(window_of "Vellimar UPS Selector")
estimator=$(open_estimator_with_parts "$menu")
click_twips "$estimator" 1282 2182
shoot "$estimator" general-computer.png
kill $pid
wait $pid 2>/dev/null || true

# The load list at scale factor 2.
QT_SCALE_FACTOR=2 "$selector" &
pid=$!
menu=$(window_of "Vellimar UPS Selector")
SCALE=2 click_twips "$menu" 825 4545
list=$(window_of "Vellimar UPS Selector")
shoot "$list" load-list-scale2.png
kill $pid
