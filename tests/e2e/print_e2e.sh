#!/usr/bin/env bash
# Prints through the real default printer: CUPS with a cups-pdf queue. Checks
# that the results page, a product text and a long text each become a
# completed job and a PDF of the expected pages, that the text laid out on
# the printer's paper reads as printed, and that without a printer, or with a
# queue refusing jobs, only the failure message is shown.
# Usage: print_e2e.sh PRINT_CHECK DATA_DIR
set -euo pipefail
check=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
queue=VellimarPDF
success="message: Successfully printed to default printer!"
failure="message: There was a problem printing to your printer."
export PATH="$PATH:/usr/sbin"

fail() {
    echo "FAIL: $*"
    exit 1
}
for tool in pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || fail "$tool is missing: install poppler-utils"
done

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
    outdir=$("$here/cups_setup.sh" "$work/previous") || fail "no CUPS default printer could be set up"
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

# Prints one document with print_check MODE..., then waits for its job to
# complete and for cups-pdf's file; checks the pages against the copy.
print_and_check() {
    local name=$1
    shift
    local before marker messages job pdf copy="$work/$name.pdf"
    before=$(last_job)
    marker="$work/$name.marker"
    touch "$marker"
    sleep 1 # file times have a resolution of a second on some file systems
    messages=$(cd "$data" && "$check" "$@" "$copy") || fail "$name: print_check failed"
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
    expected=$(pages_of "$copy")
    echo "$name: job $queue-$job completed, $pdf has $printed page(s), the copy $expected"
    [ "$printed" = "$expected" ] || fail "$name: printed $printed page(s), expected $expected"
    rm -f "$pdf"
    pdftotext -layout "$copy" "$work/$name.txt"
}

# Spaces are compared loosely: pdftotext guesses them from glyph positions.
expect_text() {
    tr -d '[:space:]' <"$work/$1.txt" | grep -qF -- "$(printf '%s' "$2" | tr -d '[:space:]')" ||
        fail "$1: the printed text lacks: $2"
}

print_and_check results results
expect_text results "Vellimar UPS Selector Results"
expect_text results "Total VA:  245     Desired Runtime: 60 min./ 1 hour"
expect_text results "-Basic battery backup width standard interface port"
expect_text results "For more information visit our website at www.vellimar.example"
[ "$(pages_of "$work/results.pdf")" = 1 ] || fail "results: the page does not fit on one page"

print_and_check viewer viewer "QN 3000I"
expect_text viewer "QN Series"

print_and_check long long
expect_text long "Line 150 of a long product text"
expect_text long "The end"
[ "$(pages_of "$work/long.pdf")" -ge 2 ] || fail "long: expected several pages"

# A queue that refuses jobs: the job never reaches the printer.
timeout 10 cupsreject "$queue"
messages=$(cd "$data" && "$check" results "$work/refused.pdf") || fail "refused: print_check failed"
timeout 10 cupsaccept "$queue"
[ "$messages" = "$failure" ] || fail "refused: expected only the failure message, got: $messages"
echo "refused: $messages"

# No default printer: a CUPS server that is not there.
messages=$(cd "$data" && CUPS_SERVER="$work/no-cups.sock" timeout 60 "$check" results "$work/none.pdf") ||
    fail "no printer: print_check failed"
[ "$messages" = "$failure" ] || fail "no printer: expected only the failure message, got: $messages"
echo "no printer: $messages"
echo "PASS"
