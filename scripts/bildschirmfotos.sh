#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb on a
# 1366 x 768 screen, at scale factor 1 into docs/bilder/ and at 2 (on a screen
# twice as large) into docs/bilder/2x/ (high-DPI check), and renders two
# printed pages and a page saved as a PDF file into docs/bilder/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/pruef_umgebung.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}" "${TARVO_X_PAKETE[@]}"
cmake -S . -B build-bilder -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build-bilder --target tarvo_bildschirmfotos
mkdir -p docs/bilder/2x
trap tarvo_beenden EXIT
fotos() { # screen size, scale factor, folder
    tarvo_xvfb_starten build-bilder "$1"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$2" build-bilder/docs/tarvo_bildschirmfotos "$3"
    tarvo_beenden
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
