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
launcher=/usr/libexec/at-spi-bus-launcher
# Orca and pyatspi belong to the system interpreter, not to one earlier in PATH.
python="${ZUGANG_PYTHON:-/usr/bin/python3}"
. "$hier/scripts/x_pruefung.sh"

[ -x "$tarvo" ] || { echo "no program at $tarvo" >&2; exit 2; }

fehlt=()
command -v Xvfb >/dev/null || fehlt+=(xvfb)
command -v xdpyinfo >/dev/null || fehlt+=(x11-utils)
command -v openbox >/dev/null || fehlt+=(openbox)
command -v xdotool >/dev/null || fehlt+=(xdotool)
command -v dbus-run-session >/dev/null || fehlt+=(dbus)
command -v script >/dev/null || fehlt+=(bsdutils)
[ -x "$launcher" ] || fehlt+=(at-spi2-core)
"$python" -c 'import pyatspi' 2>/dev/null || fehlt+=(python3-pyatspi)
[ -x /usr/bin/orca ] || fehlt+=(orca)
tarvo_fehlende_installieren "${fehlt[@]}"

arbeit="$(mktemp -d)"
xvfb_pid=""
aufraeumen() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

tarvo_xvfb_starten "$arbeit" 1600x1000 || exit 2

# Orca keeps its settings, and the speech service it starts its socket,
# in this run's own home and runtime folder.
mkdir -p "$arbeit/home" "$arbeit/laufzeit"
chmod 700 "$arbeit/laufzeit"

cat >"$arbeit/sitzung.sh" <<'EOF'
set -u
export HOME="$ARBEIT/home" XDG_RUNTIME_DIR="$ARBEIT/laufzeit" XDG_CONFIG_HOME="$ARBEIT/home/.config"
pids=()
ende() {
    # Last started, first ended; the speech service Orca started goes too.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null
    done
    for f in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
        [ -f "$f" ] && kill "$(cat "$f")" 2>/dev/null
    done
}
trap ende EXIT
"$LAUNCHER" --launch-immediately >"$ARBEIT/launcher.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
done
openbox --sm-disable >"$ARBEIT/openbox.log" 2>&1 &
pids+=($!)
# Orca writes its debug log through a block buffer; on a terminal it writes
# each line at once, so the log is read while the lesson goes on.
: >"$ARBEIT/orca.log"
script -q -f -e -c "/usr/bin/orca --replace --debug-file=/dev/stdout" "$ARBEIT/orca.log" </dev/null >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 150); do
    grep -q "SPEECH OUTPUT" "$ARBEIT/orca.log" && break
    sleep 0.1
done
grep -q "SPEECH OUTPUT" "$ARBEIT/orca.log" || { echo "Orca did not start" >&2; exit 2; }
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0 \
    "$TARVO" >"$ARBEIT/tarvo.log" 2>&1 &
tarvo_pid=$!
pids+=($tarvo_pid)
timeout "$FRIST" "$PYTHON" "$SKRIPT" --pid "$tarvo_pid" --log "$ARBEIT/orca.log" --timeout 20 --frist "$SPRECHFRIST"
rc=$?
[ $rc -ne 0 ] && [ $rc -ne 3 ] && { echo "--- Orca's speech"; grep -a "SPEECH OUTPUT" "$ARBEIT/orca.log" | tr -d '\r'; } >&2
exit $rc
EOF

# Exit 3: the program never showed up on a freshly started bus; a new session
# is tried, at most three in all.
for versuch in 1 2 3; do
    ARBEIT="$arbeit" PYTHON="$python" LAUNCHER="$launcher" TARVO="$tarvo" SKRIPT="$skript" FRIST="$frist" \
        SPRECHFRIST="$sprechfrist" timeout "$((frist + 30))" dbus-run-session -- bash "$arbeit/sitzung.sh"
    rc=$?
    [ $rc -eq 3 ] || break
    echo "session $versuch: the program did not appear on the accessibility bus; new session" >&2
done
[ $rc -eq 0 ] && echo "Orca check passed" || echo "Orca check failed ($rc)" >&2
exit $rc
