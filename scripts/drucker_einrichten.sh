#!/usr/bin/env bash
# Makes sure a print spooler with a default printer is there, so the print
# tests send real jobs: installs CUPS and the PDF printer driver when
# missing, starts the scheduler when it is not running (there may be no
# init system, as in CI) and adds a PDF printer as default when the spooler
# has no default printer. Must run as root; otherwise it only names what
# is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_DRUCK_PAKETE[@]}" || exit 1

if [ "$(id -u)" -ne 0 ]; then
    lpstat -d >/dev/null 2>&1 || echo "No default printer; run $0 as root to add one." >&2
    exit 0
fi

# Asked through the local socket, which the tests then use too: without it
# the client would fall back to 127.0.0.1:631, where inside a root made for
# testing another machine's spooler may answer.
sockel=/run/cups/cups.sock
scheduler_laeuft() { [ -S "$sockel" ] && lpstat -h "$sockel" -r 2>/dev/null | grep -q 'is running'; }

if ! scheduler_laeuft; then
    echo "Starting the CUPS scheduler"
    mkdir -p /run/cups
    /usr/sbin/cupsd
    for _ in $(seq 1 50); do
        scheduler_laeuft && break
        sleep 0.2
    done
    scheduler_laeuft || { echo "The CUPS scheduler did not start" >&2; exit 1; }
fi

if ! lpstat -d 2>/dev/null | grep -q '^system default destination:'; then
    if ! lpstat -p PDF >/dev/null 2>&1; then
        ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
        [ -n "$ppd" ] || { echo "No PPD of the PDF printer driver found" >&2; exit 1; }
        echo "Adding the printer PDF"
        lpadmin -p PDF -E -v cups-pdf:/ -m "$ppd"
    fi
    lpadmin -d PDF
    cupsenable PDF
    cupsaccept PDF
fi
lpstat -d
