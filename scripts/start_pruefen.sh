#!/usr/bin/env bash
# Starts the installed program through the command of its menu entry under
# Xvfb, from a read-only folder as the menu does, and waits until its main
# window is shown.
set -euo pipefail
befehl=$(sed -n 's/^Exec=//p' /usr/share/applications/de.tarvo.Tarvo.desktop)
anzeige=:87
Xvfb $anzeige -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
programm_pid=""
trap 'kill $programm_pid $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display $anzeige >/dev/null 2>&1 && break; sleep 0.1; done
(cd / && DISPLAY=$anzeige QT_QPA_PLATFORM=xcb exec $befehl) &
programm_pid=$!
for _ in $(seq 100); do
    if xwininfo -display $anzeige -root -tree 2>/dev/null | grep -q 'Übungsprogramm zum Tarvo (ganze Zahlen) (Version: 2.0.0.0)'; then
        echo "The installed program shows its main window."
        exit 0
    fi
    kill -0 $programm_pid 2>/dev/null || { echo "The installed program ended early." >&2; exit 1; }
    sleep 0.2
done
echo "The installed program's main window did not appear within 20 s." >&2
exit 1
