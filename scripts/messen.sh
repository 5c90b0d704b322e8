#!/usr/bin/env bash
# Builds the benchmark in Release and prints its figures (offscreen platform).
#   scripts/messen.sh [build directory]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}"
bau="${1:-build-messen}"
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTARVO_MESSUNG=ON
cmake --build "$bau" --target tarvo_messung
QT_QPA_PLATFORM=offscreen "$bau/bench/tarvo_messung"
