#!/usr/bin/env bash
# The real selector in X from the data folder: its category menu appears, and
# closing it as a window manager would ends the process (status 0) at once.
# Usage: smoke.sh SELECTOR_EXECUTABLE DATA_DIR
set -euo pipefail
if [ -z "${SMOKE_INSIDE_X:-}" ]; then
    export SMOKE_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi
selector=$1
here=$(cd "$(dirname "$0")" && pwd)
cd "$2"
unset QT_QPA_PLATFORM

"$selector" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
. "$here/xdrive.sh"
window=$(window_of "Vellimar UPS Selector")
echo "window $window appeared"

python3 "$here/x11_close.py" "$window"
start=$(date +%s%N)
timeout 1 tail --pid="$pid" -f /dev/null ||
    { echo "FAIL: the selector was still running a second after its window was closed"; exit 1; }
status=0
wait "$pid" || status=$?
echo "selector ended with status $status after $(( ($(date +%s%N) - start) / 1000000 )) ms"
[ "$status" -eq 0 ]
