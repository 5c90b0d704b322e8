#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get (the machine is taken as
# disposable, as a CI machine is), starts the installed program through the
# command of its menu entry under Xvfb and waits until its main window is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}" dpkg-dev xvfb x11-utils appstream desktop-file-utils

cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-paket
(cd build-paket && cpack -G DEB)
paket=$(ls build-paket/tarvo_*.deb | head -n1)
echo "Package: $paket"
dpkg-deb --info "$paket" | grep -E 'Depends|Package|Version'

if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: install it with: apt-get install ./$paket" >&2
    exit 1
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "./$paket"

appstreamcli validate --no-net /usr/share/metainfo/de.tarvo.Tarvo.metainfo.xml
desktop-file-validate /usr/share/applications/de.tarvo.Tarvo.desktop
test -f /usr/share/icons/hicolor/scalable/apps/de.tarvo.Tarvo.svg
test -f /usr/share/icons/hicolor/256x256/apps/de.tarvo.Tarvo.png

befehl=$(sed -n 's/^Exec=//p' /usr/share/applications/de.tarvo.Tarvo.desktop)
anzeige=:87
Xvfb $anzeige -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $programm_pid $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display $anzeige >/dev/null 2>&1 && break; sleep 0.1; done
# Started from a read-only folder, as from the menu.
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
