#!/usr/bin/env bash
# End-to-end check through the real accessibility bus: starts a virtual X
# server, a D-Bus session with the AT-SPI bus, the program, and a script that
# answers a task the way a screen reader user's tools see it.
#   scripts/zugang_pruefen.sh [path/to/tarvo]
# With ZUGANG_WAYLAND=1 the same runs in a Wayland session (sway, headless)
# on Qt's Wayland platform, the Return key made by the compositor's virtual
# keyboard (wtype); as root that session belongs to the user nobody.
# Exit 0: passed; 77: skipped (tools missing and not root); other: failed.
set -uo pipefail

hier="$(cd "$(dirname "$0")/.." && pwd)"
tarvo="${1:-$hier/build/app/tarvo}"
skript="$hier/tests/zugang/atspi_ende_zu_ende.py"
frist="${ZUGANG_FRIST:-60}"
wayland="${ZUGANG_WAYLAND:-0}"
. "$hier/scripts/pruef_umgebung.sh"

pakete=("${TARVO_X_PAKETE[@]}" "${TARVO_ATSPI_PAKETE[@]}")
[ "$wayland" = 1 ] && pakete+=("${TARVO_WAYLAND_PAKETE[@]}")
tarvo_pruefung_beginnen "$tarvo" "${pakete[@]}"

plattform=xcb
if [ "$wayland" = 1 ]; then
    # Copies the user of the session can reach wherever the tree lies.
    cp "$tarvo" "$hier"/tests/zugang/*.py "$arbeit/"
    tarvo="$arbeit/$(basename "$tarvo")"
    skript="$arbeit/$(basename "$skript")"
    tarvo_sway_starten "$arbeit" 1600x1000 || exit 2
    plattform=wayland
else
    tarvo_xvfb_starten "$arbeit" 1600x1000 || exit 2
fi

# Inside the session bus: the AT-SPI bus, the program, the script.
zugang_sitzung() {
    tarvo_atspi_starten "$arbeit"
    tarvo_programm_starten "$arbeit" "$tarvo" "$plattform"
    local zusatz=()
    [ "$plattform" = wayland ] && zusatz=(--wayland)
    timeout "$frist" "$tarvo_python" "$skript" --pid "$tarvo_pid" --timeout "$((frist - 5))" "${zusatz[@]}"
    local rc=$?
    [ $rc -ne 0 ] && { echo "--- program output"; cat "$arbeit/tarvo.log"; } >&2
    exit $rc
}

tarvo_in_dbus_sitzung "$((frist + 15))" zugang_sitzung arbeit tarvo plattform frist tarvo_python skript
rc=$?
[ $rc -eq 0 ] && echo "AT-SPI check passed" || echo "AT-SPI check failed ($rc)" >&2
exit $rc
