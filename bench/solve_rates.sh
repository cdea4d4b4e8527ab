#!/usr/bin/env bash
# Share of each puzzle set that the solver finishes, with guessing off and on:
# `sv-cli solve` and `sv-cli solve --guessing` on every set in the shared data folder.
#
# Usage: bench/solve_rates.sh [data-folder] [path/to/sv-cli]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$here/../shared/data}"
cli="${2:-$here/build/sv-cli}"
[ -x "$cli" ] || { echo "no sv-cli at $cli (build it first)" >&2; exit 2; }

printf '| %-48s | %7s | %15s | %15s |\n' set puzzles "guessing off" "guessing on"
printf '|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..50})" "---------" "-----------------" "-----------------"
for file in "$dir"/*.txt; do
    case "$file" in *solutions*) continue ;; esac
    total=$(grep -c . "$file")
    off=$(cut -f1 "$file" | "$cli" solve | grep -c '"solved": true' || true)
    on=$(cut -f1 "$file" | "$cli" solve --guessing | grep -c '"solved": true' || true)
    printf '| %-48s | %7d | %6d (%5.1f%%) | %6d (%5.1f%%) |\n' "$(basename "$file")" "$total" \
        "$off" "$(awk -v a="$off" -v b="$total" 'BEGIN { print 100 * a / b }')" \
        "$on" "$(awk -v a="$on" -v b="$total" 'BEGIN { print 100 * a / b }')"
done
