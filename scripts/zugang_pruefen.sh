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
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's pyatspi belongs to the system interpreter, not to one earlier in PATH.
python="${ZUGANG_PYTHON:-/usr/bin/python3}"
. "$hier/scripts/x_pruefung.sh"

[ -x "$tarvo" ] || { echo "no program at $tarvo" >&2; exit 2; }

fehlt=()
command -v Xvfb >/dev/null || fehlt+=(xvfb)
command -v xdpyinfo >/dev/null || fehlt+=(x11-utils)
command -v dbus-run-session >/dev/null || fehlt+=(dbus)
[ -x "$launcher" ] || fehlt+=(at-spi2-core)
"$python" -c 'import pyatspi' 2>/dev/null || fehlt+=(python3-pyatspi)
wayland="${ZUGANG_WAYLAND:-0}"
if [ "$wayland" = 1 ]; then
    command -v sway >/dev/null || fehlt+=(sway)
    command -v wtype >/dev/null || fehlt+=(wtype)
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || fehlt+=(qt6-wayland)
fi
tarvo_fehlende_installieren "${fehlt[@]}"

arbeit="$(mktemp -d)"
xvfb_pid=""; sway_pid=""
aufraeumen() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null && wait "$sway_pid" 2>/dev/null
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

sitzung=()
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

# Inside a private session bus: the AT-SPI bus, the program, the script.
cat >"$arbeit/sitzung.sh" <<'EOF'
set -u
launcher_pid=""; tarvo_pid=""
ende() {
    [ -n "$tarvo_pid" ] && kill "$tarvo_pid" 2>/dev/null && wait "$tarvo_pid" 2>/dev/null
    [ -n "$launcher_pid" ] && kill "$launcher_pid" 2>/dev/null && wait "$launcher_pid" 2>/dev/null
}
trap ende EXIT
"$LAUNCHER" --launch-immediately >"$ARBEIT/launcher.log" 2>&1 &
launcher_pid=$!
# The program registers once the AT-SPI bus answers on the session bus.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
QT_QPA_PLATFORM="$PLATTFORM" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 \
    "$TARVO" >"$ARBEIT/tarvo.log" 2>&1 &
tarvo_pid=$!
zusatz=()
[ "$PLATTFORM" = wayland ] && zusatz=(--wayland)
timeout "$FRIST" "$PYTHON" "$SKRIPT" --pid "$tarvo_pid" --timeout "$((FRIST - 5))" "${zusatz[@]}"
rc=$?
[ $rc -ne 0 ] && { echo "--- program output"; cat "$ARBEIT/tarvo.log"; } >&2
exit $rc
EOF

# Exit 3: the program never showed up on a freshly started bus; a new session
# is tried, at most three in all.
for versuch in 1 2 3; do
    ARBEIT="$arbeit" PYTHON="$python" LAUNCHER="$launcher" TARVO="$tarvo" SKRIPT="$skript" FRIST="$frist" \
        PLATTFORM="$plattform" timeout "$((frist + 15))" "${sitzung[@]}" dbus-run-session -- bash "$arbeit/sitzung.sh"
    rc=$?
    [ $rc -eq 3 ] || break
    echo "session $versuch: the program did not appear on the accessibility bus; new session" >&2
done
[ $rc -eq 0 ] && echo "AT-SPI check passed" || echo "AT-SPI check failed ($rc)" >&2
exit $rc
