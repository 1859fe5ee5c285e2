#!/usr/bin/env bash
# Prints the results page and a long text on a cups-pdf queue made the default printer: each must be
# a completed job, titled for what it prints, of the expected pages and text; a stopped or refusing
# queue, or no printer, must give only the failure message. Needs cups, cups-client,
# printer-driver-cups-pdf and poppler-utils (scripts/setup.sh).
# Usage: print_e2e.sh PRINT_CHECK DATA_DIR
set -euo pipefail
check=$1 data=$2 queue=VellimarPDF
success="message: Successfully printed to default printer!"
failure="message: There was a problem printing to your printer."
export PATH="$PATH:/usr/sbin"
unset CUPS_SERVER PRINTER LPDEST

fail() { echo "FAIL: $*" >&2; exit 1; }
within() { # SECONDS COMMAND...: whether COMMAND succeeds within that time, tried every 0.1 s
    local end=$((SECONDS + $1))
    shift
    until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done
}
default_printer() {
    { timeout 5 lpstat -d 2>/dev/null || true; } | sed -n 's/^system default destination: //p'
}
scheduler_runs() { timeout 5 lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }
ready() { timeout 10 cupsenable "$queue" && timeout 10 cupsaccept "$queue"; }

# Makes sure a CUPS scheduler runs (cupsd started directly, no systemd) and that the cups-pdf queue
# is the default printer, after writing the default it found (an empty line for none) to the file
# $1. Prints where cups-pdf writes this user's jobs.
set_up_queue() {
    if ! scheduler_runs; then
        [ "$(id -u)" -eq 0 ] || fail "the CUPS scheduler is not running, and only root can start it"
        mkdir -p /run/cups
        cupsd || fail "cupsd did not start (see /var/log/cups/error_log)"
        within 10 scheduler_runs || true
    fi
    default_printer >"$1"
    if ! timeout 10 lpstat -p "$queue" >/dev/null 2>&1; then
        [ "$(id -u)" -eq 0 ] || fail "the print queue $queue is missing, and only root can add it"
        ppd=$(timeout 60 lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
        [ -n "$ppd" ] || fail "CUPS knows no cups-pdf driver (lpinfo -m)"
        timeout 30 lpadmin -p "$queue" -v cups-pdf:/ -E -m "$ppd" ||
            fail "lpadmin could not add the queue $queue"
    fi
    [ "$(id -u)" -ne 0 ] || { ready && timeout 10 lpadmin -d "$queue"; }
    [ "$(default_printer)" = "$queue" ] || fail "the default printer is '$(default_printer)', not $queue"
    # The "Out" folder of cups-pdf's configuration, ${HOME} being the user's home in the password
    # database.
    local user home out
    user=$(id -un)
    home=$(getent passwd "$user" | cut -d: -f6)
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    out=${out:-'/var/spool/cups-pdf/${USER}'}
    out=${out//'${HOME}'/$home}
    echo "${out//'${USER}'/$user}"
}

if [ -z "${PRINT_E2E_WORK:-}" ]; then
    work=$(mktemp -d)
    # The printers as they were, also when a check fails: the queue goes and the previous default
    # printer, if any, is the default again. cupsd stays up.
    restore_printers() {
        [ -e "$work/previous" ] && [ "$(id -u)" -eq 0 ] || return 0
        timeout 30 lpadmin -x "$queue" 2>/dev/null || echo "could not remove the queue $queue"
        local previous
        previous=$(cat "$work/previous")
        [ -z "$previous" ] || [ "$previous" = "$queue" ] || timeout 10 lpadmin -d "$previous" ||
            echo "could not make $previous the default printer again"
    }
    trap 'restore_printers; rm -rf "$work"' EXIT
    outdir=$(set_up_queue "$work/previous") || fail "no CUPS default printer could be set up"
    # The checks run again in this script under a time limit of their own, so that the printers are
    # restored before CTest would kill a hung test.
    status=0
    PRINT_E2E_WORK=$work PRINT_E2E_OUT=$outdir timeout 75 "$0" "$@" || status=$?
    [ "$status" -ne 124 ] || echo "FAIL: the checks did not end within 75 s"
    exit "$status"
fi
work=$PRINT_E2E_WORK outdir=$PRINT_E2E_OUT
echo "cups-pdf writes to $outdir"

last_job() {
    timeout 10 lpstat -W all -o "$queue" 2>/dev/null | sed -n "s/^$queue-\([0-9]*\) .*/\1/p" |
        sort -n | tail -n 1
}
completed() { timeout 10 lpstat -W completed -o "$queue" | grep -q "^$queue-$1 "; }
pages_of() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages:[[:space:]]*//p'; }
written() { # whether cups-pdf has written the PDF $pdf, its newest since $1.marker, in full
    pdf=$(find "$outdir" -maxdepth 1 -name '*.pdf' -newer "$work/$1.marker" -printf '%T@ %p\n' 2>/dev/null |
        sort -n | tail -n 1 | cut -d' ' -f2-)
    [ -n "$pdf" ] && [ -n "$(pages_of "$pdf")" ]
}

# Prints one document with print_check NAME, waits for its job to complete and for cups-pdf's file,
# and checks that its title ends in TITLE, its pages against the copy, and that the copy's text holds
# each TEXT (spaces compared loosely: pdftotext guesses them from glyph positions).
print_and_check() {
    local name=$1 title=$2 before messages job pdf printed text
    shift 2
    before=$(last_job)
    touch "$work/$name.marker"
    sleep 1 # file times have a resolution of a second on some file systems
    messages=$(cd "$data" && "$check" "$name" "$work/$name.pdf") || fail "$name: print_check failed"
    [ "$messages" = "$success" ] || fail "$name: expected only the success message, got: $messages"
    job=$(last_job)
    [ -n "$job" ] && [ "$job" != "${before:-}" ] || fail "$name: no job reached the queue $queue"
    within 60 completed "$job" || fail "$name: job $queue-$job did not complete within a minute"
    within 10 written "$name" ||
        fail "$name: job $queue-$job completed but cups-pdf wrote no whole PDF into $outdir"
    echo "$name: job $queue-$job completed, $pdf has $(pages_of "$pdf") page(s)"
    [ "$(pages_of "$pdf")" = "$(pages_of "$work/$name.pdf")" ] || fail "$name: not the pages of the copy"
    # cups-pdf garbles the dash of the job's title in the PDF's own.
    pdfinfo "$pdf" | grep -q "^Title: *(\?Vellimar UPS Selector .* $title)\?$" ||
        fail "$name: the job is not titled for $title"
    rm -f "$pdf"
    printed=$(pdftotext -layout "$work/$name.pdf" - | tr -d '[:space:]')
    for text in "$@"; do
        [[ $printed == *"${text//[[:space:]]/}"* ]] || fail "$name: the printed text lacks: $text"
    done
}

print_and_check results Results "Vellimar UPS Selector Results" \
    "Total VA:  245     Desired Runtime: 60 min./ 1 hour" \
    "-Basic battery backup width standard interface port" \
    "For more information visit our website at www.vellimar.example"
[ "$(pages_of "$work/results.pdf")" = 1 ] || fail "results: the page does not fit on one page"
print_and_check long "Brisk 1000I" "Line 150 of a long product text" "The end"
[ "$(pages_of "$work/long.pdf")" -ge 2 ] || fail "long: expected several pages"

# A stopped queue would hold the job, one that refuses jobs would drop it; without a default printer
# (a CUPS server that is not there) there is none. None gets a job, and each gives the failure
# message.
for state in stopped refusing none; do
    before=$(last_job) server=()
    case $state in
    stopped) timeout 10 cupsdisable "$queue" ;;
    refusing) timeout 10 cupsreject "$queue" ;;
    none) server=(env CUPS_SERVER="$work/no-cups.sock") ;;
    esac
    messages=$(cd "$data" && "${server[@]}" timeout 60 "$check" results "$work/$state.pdf") ||
        fail "$state: print_check failed"
    ready
    [ "$messages" = "$failure" ] || fail "$state: expected only the failure message, got: $messages"
    [ "$(last_job)" = "$before" ] || fail "$state: a job was sent to the queue"
done
echo "PASS"
