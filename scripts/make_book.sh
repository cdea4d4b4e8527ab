#!/usr/bin/env bash
# Regenerates the shipped puzzle book with our own generator: every one of the fourteen sections
# (3Easy..3Hardest, 4Easy..4Hardest) gets at least PER_SECTION puzzles. sv-cli saves each puzzle
# as the game does, under the level a ten-trial grading gives it, so a puzzle asked for one level
# may land in a neighbouring section; we keep asking until every section is stocked.
# The seeds are fixed, so the same sv-cli makes the same book.
#
# Usage: scripts/make_book.sh [path/to/sv-cli] [output book] [puzzles per section]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cli="${1:-$here/build/sv-cli}"
out="${2:-$here/data/Sudoku.par}"
per_section="${3:-30}"
levels=(Easy Mild Moderate Difficult Hard Harder Hardest)

work="$(mktemp)"
trap 'rm -f "$work"' EXIT
# All fourteen headers first, in order, so the sections appear in the file in level order.
: > "$work"
for size in 3 4; do
    for key in "${levels[@]}"; do printf '[%s%s]\r\n' "$size" "$key" >> "$work"; done
done

count_keys() { # section -> number of entries
    awk -v header="[$1]" '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == header); next }
        inside && /=/ { n++ }
        END { print n + 0 }' "$work"
}

seed=1
for size in 3 4; do
    grid=$([ "$size" = 3 ] && echo 9 || echo 16)
    for level in 0 1 2 3 4 5 6; do
        section="$size${levels[$level]}"
        rounds=0
        while [ "$(count_keys "$section")" -lt "$per_section" ]; do
            "$cli" --seed "$seed" generate --level "$level" --size "$grid" --count 5 \
                --book "$work" > /dev/null
            seed=$((seed + 1))
            rounds=$((rounds + 1))
            if [ "$rounds" -gt 200 ]; then
                echo "make_book: section $section does not fill up" >&2
                exit 1
            fi
        done
        echo "$section: $(count_keys "$section") puzzles" >&2
    done
done
cp "$work" "$out"
echo "wrote $out" >&2
