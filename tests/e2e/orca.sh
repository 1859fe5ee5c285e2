#!/usr/bin/env bash
# The typical run with keys only, as a blind user does it, with the screen reader Orca listening;
# checks what Orca spoke. Everything runs apart from the desktop: its own X server, D-Bus session,
# accessibility bus, HOME and runtime folder; speech goes to a transcript, one utterance a line.
# The controls a screen has, and their order, are the selector's own, printed by a11y_tree.
# Usage: orca.sh SELECTOR_EXECUTABLE DATA_DIR A11Y_TREE_EXECUTABLE
set -euo pipefail
if [ -z "${ORCA_INSIDE_X:-}" ]; then
    export ORCA_INSIDE_X=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
selector=$(realpath "$1") data=$(realpath "$2") a11y_tree=$(realpath "$3") work=$(mktemp -d)
spoken=$work/spoken.txt session='' program=''
within() { # SECONDS COMMAND...: whether COMMAND succeeds within that time, tried every 0.1 s
    local end=$((SECONDS + $1))
    shift
    until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done
}
gone() { ! kill -0 -- "$1" 2>/dev/null; }
stop() { # TERM, then KILL after 2 s (Orca ignores TERM once its bus is gone)
    kill -TERM -- "$1" 2>/dev/null || return 0
    within 2 gone "$1" || kill -KILL -- "$1" 2>/dev/null || true
}
cleanup() {
    [ -z "$program" ] || stop "$program"
    [ ! -s "$work/orca.pid" ] || stop "$(cat "$work/orca.pid")"
    [ -z "$session" ] || stop "-$session"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { printf 'FAIL: %s\n--- what Orca said\n' "$*"; cat "$spoken"; exit 1; }

# Orca does not start while another Orca of the same user runs: one run at a time, and none beside
# a desktop's own Orca.
touch "$spoken"
exec 9>"${TMPDIR:-/tmp}/vellimar-orca-test.lock"
flock -w 80 9 || fail "another run of this test holds the lock"
! pgrep -u "$(id -u)" -x orca >/dev/null || fail "an Orca of this user runs already"

# Each window's controls in Tab order ("=== FORM", then "name<tab>role" a line), before all else.
env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS "$a11y_tree" --tab-order "$data" >"$work/tab-order" 2>/dev/null ||
    fail "a11y_tree --tab-order: $(grep -v $'\t' "$work/tab-order" | grep -v ^===)"

# Speech Dispatcher without a sound server: ALSA into a null device, and a voice that appends each
# text to the transcript.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME/.config/speech-dispatcher/modules" "$work/prefs" && mkdir -m 700 "$work/run"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
cat >"$HOME/.config/speech-dispatcher/speechd.conf" <<EOF
AudioOutputMethod "alsa"
AddModule "transcript" "sd_generic" "transcript.conf"
DefaultModule transcript
EOF
cat >"$HOME/.config/speech-dispatcher/modules/transcript.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \"\$DATA\" >> $spoken"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "en"
EOF

# A session bus with the accessibility bus on it, a window manager and Orca; the session stays until
# this script ends it.
setsid dbus-run-session -- sh -c '
    echo "$DBUS_SESSION_BUS_ADDRESS" >"$1/bus"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    openbox >/dev/null 2>&1 &
    orca -u "$1/prefs" --debug-file="$1/orca.log" >/dev/null 2>&1 &
    echo $! >"$1/orca.pid"
    exec sleep 280' sh "$work" >"$work/session.log" 2>&1 &
session=$!

since_mark() { tail -n +"$((mark + 1))" "$spoken"; }
said() { since_mark | grep -qF -- "$1"; }
expect() { # waits until each text has been spoken after line $mark
    local text
    for text in "$@"; do within "${patience:-15}" said "$text" || fail "after $key: not heard: $text"; done
}
press() { # a key (or text:...), then what it should make Orca say
    key=$1 mark=$(wc -l <"$spoken")
    shift
    case $key in text:*) xdotool type --delay 100 "${key#text:}" ;; *) xdotool key "$key" ;; esac
    if [ $# -gt 0 ]; then expect "$@"; else sleep 0.5; fi
}
tab_order() { awk -F'\t' -v form="=== $1" '/^===/ { on = $0 == form; next } on' "$work/tab-order"; }
declare -A also # what is read with a control besides its name, by name
walk() {        # FORM KEY FROM TO: KEY (Tab or shift+Tab) from control FROM (none: "") until control TO,
    local order at=-1 n i name role texts # each control on the way read; TO = FROM goes all round
    mapfile -t order < <(tab_order "$1")
    n=${#order[@]}
    for i in "${!order[@]}"; do [ "${order[i]%%$'\t'*}" != "$3" ] || at=$i; done
    [ $at -ge 0 ] || [ -z "$3" ] || fail "no control \"$3\" in the Tab order of $1"
    for ((i = 0; i < n; i++)); do
        if [ "$2" = Tab ]; then at=$(((at + 1) % n)); else at=$(((at + n - 1) % n)); fi
        IFS=$'\t' read -r name role <<<"${order[at]}"
        # A button is read with its role, any other control with each sentence of its name.
        [ "$role" = Button ] && texts=("$name push button") || mapfile -t texts <<<"${name//. /$'\n'}"
        press "$2" "${texts[@]}" ${also[$name]:+"${also[$name]}"}
        [ "$name" != "$4" ] || return 0
    done
    fail "no control \"$4\" in the Tab order of $1"
}

mark=0 key="starting Orca"
expect "Screen reader on."
# The window manager up, so that the selector's window is activated.
within 10 xdotool get_num_desktops >/dev/null 2>&1 || true
key="starting the selector"
start() { (cd "$data" && DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus") exec "$selector") & program=$!; }
start
# On a busy machine Orca now and then misses a selector that starts while it settles: then the
# selector starts once more.
if ! within 30 said "Vellimar UPS Selector frame"; then
    echo "The selector was not announced in 30 s; starting it again"
    stop "$program"; wait "$program" || true; start
fi
patience=40 expect "Vellimar UPS Selector frame" "Category menu." "Select type of equipment to protect:"
# No button has the keyboard until the first Tab, which goes to the first one.
walk Form6 Tab "" "Network Server"

# The picker says which category it lists, and its first Down reads the first maker; cancelled, it
# leaves an empty load list, read as empty. Tab and Shift+Tab go round each screen's controls.
press Return "Select Item Category frame" "Model picker." "Network Server" "Select Manufacturer:"
first_maker=$(tr -d '\r' <"$data/server.txt" | cut -d, -f1 | LC_ALL=C sort -fu | head -n 1)
press Down "$first_maker"
walk Form2 Tab "1. Select Manufacturer:" "Cancel"
walk Form2 Tab "Cancel" "Cancel"
press Return "Load list" "List of items to protect" "Empty"
walk Form1 shift+Tab "List of items to protect" "List of items to protect"
walk Form1 Tab "List of items to protect" "Start Over"
# After Start Over the list, shown again, says it is empty.
press Return "Category menu." "Network Server push button"
walk Form6 shift+Tab "Network Server" "Main Menu"
press Return "Load list" "List of items to protect" "Empty"
walk Form1 Tab "List of items to protect" "Add Another Item"
press Return "Category menu." "Main Menu push button"

# The estimator, every control of it, and back; a button acts on Return once the keyboard has moved
# the focus. A choice changed by arrow keys is read with its new value, and the open list names its
# entry.
walk Form6 Tab "Main Menu" "General Computer / Workstation"
press Return "General Computer frame" "General computer estimator." "Select general computer components:"
press Down "Desktop"
press Down "Minitower"
press alt+Down "Minitower"
press Escape
press Home "Desktop"
walk Form4 Tab "Select Computer Type:" "Select Computer Type:"
walk Form4 shift+Tab "Select Computer Type:" "Cancel"
press Return "Category menu." "General Computer / Workstation push button"
walk Form6 shift+Tab "General Computer / Workstation" "Help"
press Return "Welcome to the Vellimar UPS Selector!" "OK push button"
press Return "Help push button"
walk Form6 Tab "Help" "Enter Your Own VA"
press Return "Specify VA dialog" "Enter VA Rating: text"
press text:450
press Return "Vellimar UPS Selector frame" "Load list" "List of items to protect" "Specific VA:  450"
press Tab "Desired runtime"
press Down "15 min."
press Down "30 min."
press Down "60 min./ 1 hour"
press Tab "Voltage" "120 Volt" "selected radio button"
[ "$(since_mark | grep -c "120 Volt")" = 1 ] || fail "120 Volt read more than once"
press Down "230 Volt" "selected radio button"
press Tab "Add Another Item push button"
walk Form1 Tab "Add Another Item" "Suggest a UPS"

# Each class's information button, by its caption, then its model: field 5 of the records of 230.txt
# whose load band holds 450 VA, one record per class in screen order.
mapfile -t models < <(awk -F'\t' '{ sub(/\r$/, ""); split($1, band, "-") }
                                 band[1] <= 450 && 450 <= band[2] { print $5 }' "$data/230.txt")
mapfile -t infos < <(tab_order Form3 | cut -f1 | grep '^Information about ')
[ ${#models[@]} = ${#infos[@]} ] || fail "230.txt holds ${#models[@]} records for 450 VA, not ${#infos[@]}"
for k in "${!infos[@]}"; do also[${infos[k]}]=${models[k]:-No model}; done
press Return "Selector Results frame" "Suggested models." "Total VA: 450." "Desired Runtime: 60 min./ 1 hour" \
    "${infos[0]} push button" "${also[${infos[0]}]}"
# The page's two notes are read with Help.
press shift+Tab "Help push button" "(XL models offer expandible runtimes)" "For customer support, call:"
walk Form3 Tab "Help" "Help"
walk Form3 Tab "Help" "${infos[3]}"
press Return "Information Viewer frame" "Product information for this model:" "text"
# The text read is the first line of a section of prod230.txt (Orca ends it with a full stop); Down
# reads the next.
first=$(since_mark | grep -A1 -F "text" | tail -n 1)
second=$(tr -d '\r' <"$data/prod230.txt" | grep -xF -A1 -- "${first%.}" | sed -n 2p)
[ -n "$second" ] || fail "the viewer's text was not read: $first"
press Down "${second:0:40}"
walk Form5 Tab "Product information" "Back"
# Escape closes the viewer as Back does.
press Escape "Selector Results frame" "${infos[3]} push button"
walk Form3 Tab "${infos[3]}" "Quit Selector"
key="Quit Selector"
xdotool key Return
within 10 gone "$program" || fail "the selector still runs 10 s after Quit Selector"
status=0
wait "$program" || status=$?
program=''
[ $status = 0 ] || fail "the selector ended with status $status"

# A control without a name would be read by its role alone, right after the key that reached it (a
# key's echo ends in a space).
roles='push button|text|list|combo box|editable combo box|frame|dialog|alert|label|check box|image'
! awk -v roles="^($roles)[.]?$" 'previous ~ / $/ && $0 ~ roles { found = 1; print } { previous = $0 }
    END { exit !found }' "$spoken" || fail "a control spoken without a name"
cat "$spoken"
echo PASS
