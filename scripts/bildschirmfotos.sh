#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb, at scale
# factor 1 into docs/bilder/ and at 2 into docs/bilder/2x/ (high-DPI check),
# and renders two printed pages into docs/bilder/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}" xvfb x11-utils
cmake -S . -B build-bilder -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build-bilder --target tarvo_bildschirmfotos
anzeige=:88
Xvfb $anzeige -screen 0 3200x2000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display $anzeige >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p docs/bilder/2x
DISPLAY=$anzeige QT_QPA_PLATFORM=xcb build-bilder/docs/tarvo_bildschirmfotos docs/bilder
DISPLAY=$anzeige QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 build-bilder/docs/tarvo_bildschirmfotos docs/bilder/2x
# The first printed page of the protocol and of the information document,
# rendered from the PDF every print job sends.
cmake --build build-bilder --target tarvo_druckbilder
QT_QPA_PLATFORM=offscreen build-bilder/docs/tarvo_druckbilder build-bilder
for seite in druck_protokoll druck_informationen; do
    pdftoppm -r 72 -png -f 1 -l 1 -singlefile build-bilder/$seite.pdf docs/bilder/$seite
done
ls -l docs/bilder docs/bilder/2x
