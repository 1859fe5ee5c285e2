#!/usr/bin/env bash
# Makes sure a CUPS scheduler runs and that a cups-pdf queue, VellimarPDF, is
# the default printer, accepting jobs. Starts cupsd directly when it is not
# running (no systemd needed); that, and adding the queue, takes root.
# Before changing a printer, writes the default printer it found (an empty
# line for none) to PREVIOUS_FILE, for the caller to restore.
# Prints the folder where cups-pdf writes the jobs of the current user.
# Usage: cups_setup.sh PREVIOUS_FILE
set -euo pipefail
queue=VellimarPDF

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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
