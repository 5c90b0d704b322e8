#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format
# says; prints the files that are not. `scripts/format_pruefen.sh --anwenden`
# formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
tarvo_pakete_sicherstellen clang-format
mapfile -t dateien < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--anwenden" ]; then
    clang-format -i "${dateien[@]}"
    exit 0
fi
abweichend=()
for d in "${dateien[@]}"; do
    clang-format --dry-run -Werror "$d" >/dev/null 2>&1 || abweichend+=("$d")
done
if [ ${#abweichend[@]} -ne 0 ]; then
    echo "Not formatted as .clang-format says (scripts/format_pruefen.sh --anwenden):" >&2
    printf '  %s\n' "${abweichend[@]}" >&2
    exit 1
fi
echo "Formatting: ${#dateien[@]} files as .clang-format says."
