# Driving the real selector in an X server with xdotool; sourced by the
# screenshot tool and the tests.

window_of() { # title -> id of the visible window with that title, waiting up to 10 s
    local id=
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || { echo "FAIL: no window '$1'" >&2; exit 1; }
    echo "$id"
}

click_twips() { # window x y: a left click at a point given in twips of the window (SCALE: scale factor)
    local scale=${SCALE:-1}
    read -r X Y < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {print x, $NF}')
    xdotool mousemove $((X + $2 * scale / 15)) $((Y + $3 * scale / 15)) click 1
    sleep 0.5 # beyond the double-click interval: a quicker click on a new screen is held back
}

open_estimator_with_parts() { # menu window -> the estimator's id, its three lists on their first part
    click_twips "$1" 2280 900 # General Computer / Workstation
    local estimator
    estimator=$(window_of "General Computer")
    for combo in 847 1327 1807; do
        click_twips "$estimator" 2362 $combo
        xdotool key Down Return
        sleep 0.2
    done
    echo "$estimator"
}
