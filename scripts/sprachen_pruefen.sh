#!/usr/bin/env bash
# The program's texts under the system languages a school machine may have:
# runs the German-texts test on a virtual X server with LANG set to
# C.UTF-8, en_US.UTF-8 and de_DE.UTF-8 as a fresh machine has them (only
# C.UTF-8 installed), and de_DE.UTF-8 once more installed (generated into a
# folder of its own); never with LC_ALL.
#   scripts/sprachen_pruefen.sh path/to/test_deutsch
# Exit 0: passed; 77: skipped (tools missing and not root); other: failed.
set -uo pipefail

hier="$(cd "$(dirname "$0")/.." && pwd)"
pruefung="${1:?path to test_deutsch}"
. "$hier/scripts/pruef_umgebung.sh"
tarvo_pruefung_beginnen "$pruefung" "${TARVO_X_PAKETE[@]}" "${TARVO_SPRACH_PAKETE[@]}"
tarvo_xvfb_starten "$arbeit" 1366x768 || exit 2
localedef -i de_DE -f UTF-8 "$arbeit/de_DE.UTF-8" 2>/dev/null ||
    { echo "could not generate de_DE.UTF-8" >&2; exit 2; }

fehler=0
lauf() { # name, then environment assignments
    local name=$1
    shift
    if env -u LC_ALL -u LANGUAGE "$@" QT_QPA_PLATFORM=xcb "$pruefung" >"$arbeit/lauf.log" 2>&1; then
        echo "ok   $name"
    else
        echo "FAIL $name"
        cat "$arbeit/lauf.log"
        fehler=1
    fi
}
for sprache in C.UTF-8 en_US.UTF-8 de_DE.UTF-8; do
    lauf "LANG=$sprache" LANG="$sprache"
done
lauf "LANG=de_DE.UTF-8, installed" LANG=de_DE.UTF-8 LOCPATH="$arbeit"
exit $fehler
