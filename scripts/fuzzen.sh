#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan in their own build
# directory and runs each for a bounded time; any finding fails the script.
#   scripts/fuzzen.sh [seconds for both targets together, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen "${TARVO_BAU_PAKETE[@]}"
version="$(tarvo_neuestes_clang)"
if [ -z "$version" ]; then
    apt-get -o DPkg::Lock::Timeout=600 update -qq
    version="$(tarvo_neuestes_clang)"
fi
[ -n "$version" ] || { echo "The archive offers no clang with its sanitizer runtime." >&2; exit 1; }
tarvo_pakete_sicherstellen "clang-$version" "libclang-rt-$version-dev"
gesamt="${1:-${TARVO_FUZZ_SEKUNDEN:-60}}"
# The parser is fast and gets a third; the main window is slow per input.
parser=$(( gesamt / 3 > 0 ? gesamt / 3 : 1 ))
feld=$(( gesamt - parser > 0 ? gesamt - parser : 1 ))
bau=build-fuzz
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="clang++-$version" \
    -DTARVO_FUZZ=ON -DTARVO_MESSUNG=OFF -DBUILD_TESTING=OFF
cmake --build "$bau" --target fuzz_antwort_lesen fuzz_antwortfeld

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ergebnisse="$bau/befunde"
mkdir -p "$ergebnisse"
lauf() {
    local ziel=$1 sekunden=$2 lecks=$3 arbeit="$bau/korpus_$1"
    mkdir -p "$arbeit"
    echo "== $ziel for $sekunden s"
    # New inputs go to the work corpus; the seeds in the repository stay as they are.
    ASAN_OPTIONS=detect_leaks=$lecks:abort_on_error=1 \
    "$bau/fuzz/$ziel" -max_total_time="$sekunden" -timeout=20 -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$ergebnisse/$ziel-" "$arbeit" fuzz/korpus
}
lauf fuzz_antwort_lesen "$parser" 1
# The window lives for the whole run; Qt's own caches would read as leaks at exit.
lauf fuzz_antwortfeld "$feld" 0
echo "No findings."
