#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build --target tarvo
exec build/app/tarvo "$@"
