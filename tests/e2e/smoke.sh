#!/usr/bin/env bash
# The real programs. Their command lines first, with no display (a program that tried to open a window
# would fail): help on standard output, the version, a wrong option refused with the usage on standard
# error. Then the selector in X from the data folder: its category menu appears, and closing it as a
# window manager would ends the process (status 0) at once.
# Usage: smoke.sh SELECTOR_EXECUTABLE DATA_DIR DATACHECK_EXECUTABLE VERSION
set -euo pipefail
unset QT_QPA_PLATFORM
if [ -z "${SMOKE_INSIDE_X:-}" ]; then
    unset DISPLAY
    for program in "$1" "$3"; do
        name=$(basename "$program")
        "$program" --help 2>/dev/null | grep -q "^Usage: $name \[options\]"
        [ "$("$program" --version 2>&1)" = "$name $4" ]
        errors=$("$program" --bogus 2>&1 >/dev/null; echo "status $?")
        grep -qz "Unknown option 'bogus'.*Usage: $name .*status 2" <<<"$errors"
    done
    [ "$("$1" one two 2>/dev/null; echo $?) $("$3" "$3" 2>/dev/null; echo $?)" = "2 2" ] # one load list at most
    # Without a folder the checker checks the one the selector would read.
    share=$(mktemp -d) && ln -s "$2" "$share/vellimar-ups-selector"
    [ "$(cd / && XDG_DATA_DIRS=$share "$3" 2>&1 >/dev/null)" = \
        "vellimar-datacheck: 0 errors, 0 warnings in \"$share/vellimar-ups-selector\"." ]
    rm -r "$share"
    export SMOKE_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
cd "$2"
"$1" & pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
. "$here/../../tools/xdrive.sh"
window=$(window_of "Vellimar UPS Selector")
echo "window $window appeared"
/usr/bin/python3 "$here/../../tools/x11_close.py" "$window" # Debian's, with python3-xlib
start=$(date +%s%N)
timeout 1 tail --pid="$pid" -f /dev/null ||
    { echo "FAIL: the selector was still running a second after its window was closed"; exit 1; }
status=0
wait "$pid" || status=$?
echo "selector ended with status $status after $(( ($(date +%s%N) - start) / 1000000 )) ms"
[ "$status" -eq 0 ]
