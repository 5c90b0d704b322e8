#!/usr/bin/env bash
# A lesson with the Orca screen reader: starts a virtual X server with a
# window manager, a D-Bus session with the AT-SPI bus, Orca with its debug
# log, the program, and a script that plays the pupil with the keyboard and
# checks what Orca speaks after every step.
#   scripts/orca_pruefen.sh [path/to/tarvo]
# Exit 0: passed; 77: skipped (tools missing and not root); other: failed.
set -uo pipefail

hier="$(cd "$(dirname "$0")/.." && pwd)"
tarvo="${1:-$hier/build/app/tarvo}"
skript="$hier/tests/zugang/orca_ende_zu_ende.py"
frist="${ZUGANG_FRIST:-90}"
# Seconds from a key to the words it must set off.
sprechfrist="${ZUGANG_SPRECHFRIST:-1}"
. "$hier/scripts/pruef_umgebung.sh"

tarvo_pruefung_beginnen "$tarvo" "${TARVO_X_PAKETE[@]}" "${TARVO_FENSTERMANAGER_PAKETE[@]}" \
    "${TARVO_ATSPI_PAKETE[@]}" "${TARVO_ORCA_PAKETE[@]}"
tarvo_x_mit_fenstermanager "$arbeit" 1600x1000 || exit 2

# Orca keeps its settings, and the speech service it starts its socket,
# in this run's own home and runtime folder.
mkdir -p "$arbeit/home" "$arbeit/laufzeit"
chmod 700 "$arbeit/laufzeit"

# The speech service Orca started ends with the session too.
sprachdienst_beenden() {
    local f
    for f in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
        [ -f "$f" ] && kill "$(cat "$f")" 2>/dev/null
    done
}

orca_sitzung() {
    export HOME="$arbeit/home" XDG_RUNTIME_DIR="$arbeit/laufzeit" XDG_CONFIG_HOME="$arbeit/home/.config"
    trap 'tarvo_beenden; sprachdienst_beenden' EXIT
    tarvo_atspi_starten "$arbeit"
    # Orca writes its debug log through a block buffer; on a terminal it
    # writes each line at once, so the log is read while the lesson goes on.
    : >"$arbeit/orca.log"
    tarvo_starten /dev/null script -q -f -e -c "/usr/bin/orca --replace --debug-file=/dev/stdout" "$arbeit/orca.log" </dev/null
    tarvo_warten 15 grep -q "SPEECH OUTPUT" "$arbeit/orca.log" || { echo "Orca did not start" >&2; exit 2; }
    tarvo_programm_starten "$arbeit" "$tarvo" xcb
    timeout "$frist" "$tarvo_python" "$skript" --pid "$tarvo_pid" --log "$arbeit/orca.log" --timeout 20 --frist "$sprechfrist"
    local rc=$?
    [ $rc -ne 0 ] && [ $rc -ne 3 ] && { echo "--- Orca's speech"; grep -a "SPEECH OUTPUT" "$arbeit/orca.log" | tr -d '\r'; } >&2
    exit $rc
}

tarvo_in_dbus_sitzung "$((frist + 30))" orca_sitzung arbeit tarvo frist sprechfrist tarvo_python skript
rc=$?
[ $rc -eq 0 ] && echo "Orca check passed" || echo "Orca check failed ($rc)" >&2
exit $rc
