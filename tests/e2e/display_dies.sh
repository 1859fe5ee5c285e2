#!/usr/bin/env bash
# The X server ends under the running selector, on the category menu and on
# the results screen: the selector ends too, without a crash (no signal, no
# core dump) and within a few seconds.
# Usage: display_dies.sh SELECTOR_EXECUTABLE DATA_DIR
set -euo pipefail
unset QT_QPA_PLATFORM
# Qt ends the process with exit(1) from inside its lost X connection, before
# the libraries it loaded can free what they hold: in a sanitizer build that
# is a leak report, not the crash this test looks for.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
here=$(cd "$(dirname "$0")" && pwd)
selector=$(realpath "$1")
. "$here/../../tools/xdrive.sh"
cd "$2"
number=$(mktemp)
trap 'rm -f "$number"; kill $xpid $pid 2>/dev/null || true' EXIT
xpid= pid=
failed=0
for screen in menu results; do
    : >"$number"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$number" 2>/dev/null & xpid=$!
    for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.05; done
    export DISPLAY=:$(cat "$number")
    "$selector" 2>/dev/null & pid=$!
    menu=$(window_of "Vellimar UPS Selector")
    if [ "$screen" = results ]; then
        estimator=$(open_estimator_with_parts "$menu") # a few parts, added
        click_twips "$estimator" 3517 4927
        list=$(window_of "Vellimar UPS Selector")
        click_twips "$list" 1000 4237 # the first runtime, then Suggest a UPS
        xdotool key Down
        sleep 0.2
        click_twips "$list" 3712 4132
        window_of "Selector Results" >/dev/null
    fi
    kill -KILL "$xpid"
    wait "$xpid" 2>/dev/null || true
    status=0
    timeout 10 tail --pid="$pid" -f /dev/null || { echo "FAIL: still running 10 s after its display ended"; exit 1; }
    wait "$pid" || status=$?
    echo "display ended on the $screen: the selector ended with status $status"
    [ "$status" -lt 128 ] || failed=1
done
exit $failed
