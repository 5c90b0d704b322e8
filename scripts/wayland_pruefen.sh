#!/usr/bin/env bash
# The program in a Wayland session: for 1024 × 768 and 1366 × 768 starts the
# sway compositor headless with a window title bar as desktops draw it and
# the screen check program (tests/bildschirm) on Qt's Wayland platform.
# Whenever it announces a window, every window of the program must lie
# inside the output, as sway reports them (swaymsg -t get_tree); the
# compositor alone places them. One screenshot per size (grim) goes to
# $WAYLAND_BILDER if set. As root the session runs as the user nobody.
#   scripts/wayland_pruefen.sh [path/to/tarvo_bildschirm_pruefung]
# Exit 0: passed; 77: skipped (tools missing and not root); other: failed.
set -uo pipefail

hier="$(cd "$(dirname "$0")/.." && pwd)"
pruefung="${1:-$hier/build-tests/tests/bildschirm/tarvo_bildschirm_pruefung}"
. "$hier/scripts/pruef_umgebung.sh"
tarvo_pruefung_beginnen "$pruefung" "${TARVO_WAYLAND_PAKETE[@]}"
# The build folder may lie where the user nobody cannot reach (under /root).
cp "$pruefung" "$arbeit/"
pruefung="$arbeit/$(basename "$pruefung")"

# Prints a line per shown window of the program: "x y w h name", as sway
# has it, title bar included (the program's name is its Wayland app id).
fenster() {
    "${sitzung[@]}" swaymsg -s "$(ls "$arbeit"/laufzeit/sway-ipc.*.sock)" -t get_tree -r | /usr/bin/python3 -c '
import json, sys
def gehen(n):
    if n.get("app_id") == sys.argv[1] and n.get("visible"):
        r, titel = n["rect"], n.get("deco_rect", {}).get("height", 0)
        print(r["x"], r["y"] - titel, r["width"], r["height"] + titel, n.get("name"))
    for k in n.get("nodes", []) + n.get("floating_nodes", []):
        gehen(k)
gehen(json.load(sys.stdin))' "$1"
}

# Checks every window of the program when the check program announces one
# (its name); one screenshot per screen, with the information window open.
fenster_messen() {
    local was=$1 x y w h name ergebnis=0
    while read -r x y w h name; do
        if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$breite" ] || [ $((y + h)) -gt "$hoehe" ]; then
            echo "FAIL $schirm wayland: $was: \"$name\" at $x,$y ${w}x$h lies outside the output"
            ergebnis=1
        else
            echo "ok   $schirm wayland: $was: \"$name\" at $x,$y ${w}x$h"
        fi
    done < <(fenster "$(basename "$pruefung")")
    if [ "$was" = Informationsfenster ] && [ -n "${WAYLAND_BILDER:-}" ]; then
        "${sitzung[@]}" grim "$arbeit/bild.png" && mkdir -p "$WAYLAND_BILDER" &&
            cp "$arbeit/bild.png" "$WAYLAND_BILDER/wayland_$schirm.png"
    fi
    return $ergebnis
}

fehler=0
pruefen() { # screen "WxH"
    local schirm=$1 breite=${1%x*} hoehe=${1#*x}
    tarvo_sway_starten "$arbeit" "$schirm" || { echo "FAIL $schirm: sway did not start" >&2; fehler=1; return; }
    tarvo_pruefung_fuehren "$schirm wayland" fenster_messen "$arbeit/pruefung.log" \
        env QT_QPA_PLATFORM=wayland QT_ACCESSIBILITY=1 "${sitzung[@]}" timeout 120 "$pruefung" || fehler=1
    tarvo_beenden
}

for schirm in ${WAYLAND_STUFEN:-1024x768 1366x768}; do
    pruefen "$schirm"
done
[ $fehler -eq 0 ] && echo "Wayland check passed" || echo "Wayland check failed" >&2
exit $fehler
