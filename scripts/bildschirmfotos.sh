#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb on a
# 1366 x 768 screen, at scale factor 1 into docs/bilder/ and at 2 (on a screen
# twice as large) into docs/bilder/2x/ (high-DPI check), and renders two
# printed pages and a page saved as a PDF file into docs/bilder/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}" xvfb x11-utils
cmake -S . -B build-bilder -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build-bilder --target tarvo_bildschirmfotos
mkdir -p docs/bilder/2x
# Xvfb picks a free display and writes its number to fd 5.
fotos() { # screen size, scale factor, folder
    Xvfb -displayfd 5 -screen 0 "$1x24" -nolisten tcp 5>build-bilder/display 2>/dev/null &
    local xvfb_pid=$!
    for _ in $(seq 50); do [ -s build-bilder/display ] && break; sleep 0.1; done
    local anzeige=":$(head -n1 build-bilder/display)"
    for _ in $(seq 50); do xdpyinfo -display "$anzeige" >/dev/null 2>&1 && break; sleep 0.1; done
    DISPLAY=$anzeige QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$2" build-bilder/docs/tarvo_bildschirmfotos "$3"
    kill $xvfb_pid 2>/dev/null || true
    rm -f build-bilder/display
}
fotos 1366x768 1 docs/bilder
fotos 2732x1536 2 docs/bilder/2x
# The statistics the screenshot tool saved through the save dialog as a PDF file.
pdftoppm -r 72 -png -f 1 -l 1 -singlefile docs/bilder/gespeichert_statistik.pdf docs/bilder/pdf_statistik
rm -f docs/bilder/gespeichert_statistik.pdf docs/bilder/2x/gespeichert_statistik.pdf
# The first printed page of the protocol and of the information document,
# rendered from the PDF every print job sends.
cmake --build build-bilder --target tarvo_druckbilder
QT_QPA_PLATFORM=offscreen build-bilder/docs/tarvo_druckbilder build-bilder
for seite in druck_protokoll druck_informationen; do
    pdftoppm -r 72 -png -f 1 -l 1 -singlefile build-bilder/$seite.pdf docs/bilder/$seite
done
ls -l docs/bilder docs/bilder/2x
