#!/usr/bin/env bash
# Runs a11y_run.py (the typical run over the accessibility bus) in its own X
# server and D-Bus session; needs no desktop, ends every process it started.
# Usage: a11y.sh SELECTOR_EXECUTABLE DATA_DIR [--dump]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
runtime=$(mktemp -d)
xvfb=
session=
stop() { # process or group id: TERM, then KILL if it is still there after 2 s
    kill -TERM -- "$1" 2>/dev/null || return 0
    for _ in $(seq 20); do
        kill -0 -- "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL -- "$1" 2>/dev/null || true
}
cleanup() {
    # The session's group holds the selector and the bus daemons it started.
    [ -z "$session" ] || stop "-$session"
    [ -z "$xvfb" ] || stop "$xvfb"
    rm -rf "$runtime"
}
trap cleanup EXIT

# The X server picks a free display itself: no race with other tests'
# servers starting at the same time.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$runtime/display" ] && break
    sleep 0.1
done
[ -s "$runtime/display" ] || { echo "FAIL: Xvfb did not start"; cat "$runtime/xvfb.log"; exit 1; }

export DISPLAY=:$(head -n 1 "$runtime/display") XDG_RUNTIME_DIR=$runtime
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Debian's Python, where python3-pyatspi installs the AT-SPI bindings.
setsid dbus-run-session -- /usr/bin/python3 "$here/a11y_run.py" "$@" &
session=$!
status=0
wait "$session" || status=$?
exit "$status"
