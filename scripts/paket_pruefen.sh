#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get (the machine is taken as
# disposable, as a CI machine is), starts the installed program through the
# command of its menu entry under Xvfb and waits until its main window is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}" dpkg-dev "${TARVO_X_PAKETE[@]}" appstream desktop-file-utils file

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

scripts/start_pruefen.sh
