#!/usr/bin/env bash
# Prints the results page and a long text on a cups-pdf queue made the default
# printer: each must be a completed job, titled for what it prints, of the
# expected pages and text; a stopped or refusing queue, or no printer, must give
# only the failure message.
# Usage: print_e2e.sh PRINT_CHECK DATA_DIR
set -euo pipefail
check=$1
data=$2
queue=VellimarPDF
success="message: Successfully printed to default printer!"
failure="message: There was a problem printing to your printer."
export PATH="$PATH:/usr/sbin"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || fail "$tool is missing: install poppler-utils"
done

# Makes sure a CUPS scheduler runs (cupsd started directly, no systemd) and
# that the cups-pdf queue is the default printer, after writing the default it
# found (an empty line for none) to the file $1. Prints where cups-pdf writes
# this user's jobs.
set_up_queue() {
    for tool in cupsd lpstat lpadmin lpinfo cupsenable cupsaccept; do
        command -v "$tool" >/dev/null 2>&1 || [ -x "/usr/sbin/$tool" ] ||
            fail "$tool is missing: install the Debian packages cups and cups-client"
    done
    export PATH="$PATH:/usr/sbin"
    [ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is missing: install printer-driver-cups-pdf"
    unset CUPS_SERVER PRINTER LPDEST

    scheduler_running() {
        timeout 5 lpstat -r 2>/dev/null | grep -q '^scheduler is running'
    }

    if ! scheduler_running; then
        [ "$(id -u)" -eq 0 ] || fail "the CUPS scheduler is not running, and only root can start it"
        mkdir -p /run/cups
        cupsd || fail "cupsd did not start (see /var/log/cups/error_log)"
        for _ in $(seq 100); do
            scheduler_running && break
            sleep 0.1
        done
        scheduler_running || fail "cupsd was started but does not answer after 10 s (see /var/log/cups/error_log)"
    fi

    default_printer() {
        { timeout 5 lpstat -d 2>/dev/null || true; } | sed -n 's/^system default destination: //p'
    }
    default_printer >"$1"

    if ! timeout 10 lpstat -p "$queue" >/dev/null 2>&1; then
        [ "$(id -u)" -eq 0 ] || fail "the print queue $queue is missing, and only root can add it"
        ppd=$(timeout 60 lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
        [ -n "$ppd" ] || ppd=$(timeout 60 lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ { print $1; exit }')
        [ -n "$ppd" ] || fail "CUPS knows no cups-pdf driver (lpinfo -m)"
        timeout 30 lpadmin -p "$queue" -v cups-pdf:/ -E -m "$ppd" || fail "lpadmin could not add the queue $queue"
    fi
    if [ "$(id -u)" -eq 0 ]; then
        timeout 10 cupsenable "$queue"
        timeout 10 cupsaccept "$queue"
        timeout 10 lpadmin -d "$queue"
    fi
    default=$(default_printer)
    [ "$default" = "$queue" ] || fail "the default printer is '${default:-none}', not $queue"

    # Where cups-pdf puts a job of this user: the "Out" folder of its
    # configuration, ${HOME} being the user's home in the password database.
    user=$(id -un)
    home=$(getent passwd "$user" | cut -d: -f6)
    out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
    [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
    out=${out//'${HOME}'/$home}
    out=${out//'${USER}'/$user}
    echo "$out"
}

if [ -z "${PRINT_E2E_WORK:-}" ]; then
    work=$(mktemp -d)
    # The printers as they were, also when a check fails: the queue goes and the
    # previous default printer, if any, is the default again. cupsd stays up.
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
    # The checks run again in this script under a time limit of their own, so
    # that the printers are restored before CTest would kill a hung test.
    status=0
    PRINT_E2E_WORK=$work PRINT_E2E_OUT=$outdir timeout 75 "$0" "$@" || status=$?
    [ "$status" -ne 124 ] || echo "FAIL: the checks did not end within 75 s"
    exit "$status"
fi
work=$PRINT_E2E_WORK
outdir=$PRINT_E2E_OUT
echo "cups-pdf writes to $outdir"
unset PRINTER LPDEST CUPS_SERVER

last_job() {
    timeout 10 lpstat -W all -o "$queue" 2>/dev/null | sed -n "s/^$queue-\([0-9]*\) .*/\1/p" | sort -n | tail -n 1
}

pages_of() {
    pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages:[[:space:]]*//p'
}

# Prints one document with print_check MODE, then waits for its job to
# complete and for cups-pdf's file; checks that its title ends in TITLE and its
# pages against the copy, whose text it keeps.
print_and_check() {
    local name=$1 title=$2 before marker messages job pdf
    before=$(last_job)
    marker="$work/$name.marker"
    touch "$marker"
    sleep 1 # file times have a resolution of a second on some file systems
    messages=$(cd "$data" && "$check" "$name" "$work/$name.pdf") || fail "$name: print_check failed"
    [ "$messages" = "$success" ] || fail "$name: expected only the success message, got: $messages"

    job=$(last_job)
    [ -n "$job" ] && [ "$job" != "${before:-}" ] || fail "$name: no job reached the queue $queue"
    for _ in $(seq 600); do
        timeout 10 lpstat -W not-completed -o "$queue" 2>/dev/null | grep -q "^$queue-$job " || break
        sleep 0.1
    done
    timeout 10 lpstat -W completed -o "$queue" | grep -q "^$queue-$job " ||
        fail "$name: job $queue-$job did not complete within a minute"

    pdf=
    for _ in $(seq 100); do
        pdf=$(find "$outdir" -maxdepth 1 -name '*.pdf' -newer "$marker" -printf '%T@ %p\n' 2>/dev/null |
            sort -n | tail -n 1 | cut -d' ' -f2-)
        [ -n "$pdf" ] && [ -n "$(pages_of "$pdf")" ] && break
        sleep 0.1
    done
    [ -n "$pdf" ] || fail "$name: job $queue-$job completed but cups-pdf wrote no PDF into $outdir"
    local printed expected
    printed=$(pages_of "$pdf")
    expected=$(pages_of "$work/$name.pdf")
    echo "$name: job $queue-$job completed, $pdf has $printed page(s), the copy $expected"
    [ "$printed" = "$expected" ] || fail "$name: printed $printed page(s), expected $expected"
    # cups-pdf garbles the dash of the job's title in the PDF's own.
    pdfinfo "$pdf" | grep -q "^Title: *(\?Vellimar UPS Selector .* $title)\?$" ||
        fail "$name: the job is not titled for $title"
    rm -f "$pdf"
    pdftotext -layout "$work/$name.pdf" "$work/$name.txt"
}

# Spaces are compared loosely: pdftotext guesses them from glyph positions.
expect_text() {
    tr -d '[:space:]' <"$work/$1.txt" | grep -qF -- "$(printf '%s' "$2" | tr -d '[:space:]')" ||
        fail "$1: the printed text lacks: $2"
}

print_and_check results Results
expect_text results "Vellimar UPS Selector Results"
expect_text results "Total VA:  245     Desired Runtime: 60 min./ 1 hour"
expect_text results "-Basic battery backup width standard interface port"
expect_text results "For more information visit our website at www.vellimar.example"
[ "$(pages_of "$work/results.pdf")" = 1 ] || fail "results: the page does not fit on one page"

print_and_check long "Brisk 1000I"
expect_text long "Line 150 of a long product text"
expect_text long "The end"
[ "$(pages_of "$work/long.pdf")" -ge 2 ] || fail "long: expected several pages"

# A stopped queue would hold the job, one that refuses jobs would drop it:
# neither gets a job, and both give the failure message.
for state in stopped refusing; do
    before=$(last_job)
    if [ $state = stopped ]; then timeout 10 cupsdisable "$queue"; else timeout 10 cupsreject "$queue"; fi
    messages=$(cd "$data" && "$check" results "$work/$state.pdf") || fail "$state: print_check failed"
    timeout 10 cupsenable "$queue"
    timeout 10 cupsaccept "$queue"
    [ "$messages" = "$failure" ] || fail "$state: expected only the failure message, got: $messages"
    [ "$(last_job)" = "$before" ] || fail "$state: a job was sent to the queue"
done

# No default printer: a CUPS server that is not there.
messages=$(cd "$data" && CUPS_SERVER="$work/no-cups.sock" timeout 60 "$check" results "$work/none.pdf") ||
    fail "no printer: print_check failed"
[ "$messages" = "$failure" ] || fail "no printer: expected only the failure message, got: $messages"
echo "PASS"
