#!/usr/bin/env bash
# Times `sv-cli solve --guessing` (the whole technique pipeline, then guessing) against Debian's
# `qqwing --solve` on the same 9x9 puzzle file and prints the ratio per puzzle.
# Both programs read the same prepared copy of the file (rating column dropped). CPU time
# (user + system) is measured, best of ROUNDS runs each, alternating, so that a busy machine
# distorts the figures as little as possible.
#
# Usage: bench/compare_qqwing.sh [puzzles.txt] [path/to/sv-cli]
#        (ROUNDS=5 runs each; the file is fed REPEAT=3 times per run so a run lasts long enough)
# Default file: ../shared/data/sudoku9_typical_radcliffe_1000.txt beside the project.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
file="${1:-$here/../shared/data/sudoku9_typical_radcliffe_1000.txt}"
cli="${2:-$here/build/sv-cli}"
rounds="${ROUNDS:-5}"
repeat="${REPEAT:-3}"

command -v qqwing >/dev/null || { echo "qqwing is not installed (apt-get install qqwing)" >&2; exit 2; }
[ -x "$cli" ] || { echo "no sv-cli at $cli (build it first)" >&2; exit 2; }
[ -r "$file" ] || { echo "cannot read $file" >&2; exit 2; }

input="$(mktemp)"
trap 'rm -f "$input"' EXIT
for _ in $(seq "$repeat"); do cut -f1 "$file" | grep -E '^[0-9.]{81}$'; done > "$input" || true
count=$(wc -l < "$input")
[ "$count" -gt 0 ] || { echo "no 9x9 puzzle lines in $file" >&2; exit 2; }

# CPU seconds of one run of the command, reading the prepared file.
cpu_seconds() {
    local t
    t=$( { /usr/bin/time -f '%U %S' "$@" < "$input" > /dev/null; } 2>&1 | tail -n 1)
    awk -v t="$t" 'BEGIN { split(t, a, " "); printf "%.3f\n", a[1] + a[2] }'
}

best_sv=""
best_qq=""
for _ in $(seq "$rounds"); do
    s=$(cpu_seconds "$cli" solve --guessing)
    q=$(cpu_seconds qqwing --solve)
    best_sv=$(awk -v a="$s" -v b="${best_sv:-$s}" 'BEGIN { print (a < b) ? a : b }')
    best_qq=$(awk -v a="$q" -v b="${best_qq:-$q}" 'BEGIN { print (a < b) ? a : b }')
done

solved=$(cut -f1 "$file" | "$cli" solve --guessing | grep -c '"solved": true' || true)
awk -v n="$count" -v once=$((count / repeat)) -v s="$best_sv" -v q="$best_qq" -v solved="$solved" -v f="$(basename "$file")" 'BEGIN {
    printf "file              %s (%d puzzles, read %d times per run)\n", f, once, n / once
    printf "sv-cli --guessing %8.1f us/puzzle  (%d of %d solved)\n", 1e6 * s / n, solved, once
    printf "qqwing --solve    %8.1f us/puzzle\n", 1e6 * q / n
    if (q > 0) printf "ratio sv-cli/qqwing %.2f\n", s / q; else print "ratio: qqwing too fast to time"
}'
