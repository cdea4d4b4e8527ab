#!/usr/bin/env bash
# Time per generated puzzle, as a player waits for it: `sv-cli generate` (generate until the
# ten-trial grade matches, as the game does with AutoCreate on) for every level at both grid
# sizes, median and worst over N9 puzzles (9x9) and N16 puzzles (16x16). Then the same for
# Debian's qqwing at its hardest difficulty, 9x9, and the ratio of the two medians.
# A run that gives no puzzle within a minute is reported as such, not hidden.
#
# Usage: bench/generate_times.sh [path/to/sv-cli]   (N9=20 N16=5 SEED=1 by default)
set -uo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cli="${1:-$here/build/sv-cli}"
n9="${N9:-20}"
n16="${N16:-5}"
seed="${SEED:-1}"
levels=(Easy Mild Moderate Difficult Hard Harder Hardest)

# stdin: one time per line -> "median worst"
median_worst() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "- -"; exit }
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.4f %.4f\n", m, v[NR] }'
}

printf '%-6s %-10s %6s %10s %10s %9s %9s\n' size level count median_s worst_s attempts gradings
hardest9=""
for size in 9 16; do
    count=$([ "$size" = 9 ] && echo "$n9" || echo "$n16")
    for level in 0 1 2 3 4 5 6; do
        out="$(mktemp)"
        # One puzzle at a time so each gets its own one-minute limit.
        for ((i = 0; i < count; i++)); do
            if ! timeout 60 "$cli" --seed $((seed + 1000 * level + i)) generate --level "$level" \
                --size "$size" --stats >> "$out"; then
                echo "NO PUZZLE WITHIN 60 s: size $size level $level seed $((seed + 1000 * level + i))"
            fi
        done
        times="$(sed -n 's/.*"seconds": \([0-9.]*\).*/\1/p' "$out")"
        read -r median worst < <(printf '%s\n' "$times" | grep . | median_worst)
        attempts=$(sed -n 's/.*"attempts": \([0-9]*\).*/\1/p' "$out" | awk '{s+=$1} END {printf "%.1f", NR ? s/NR : 0}')
        gradings=$(sed -n 's/.*"gradings": \([0-9]*\).*/\1/p' "$out" | awk '{s+=$1} END {printf "%.0f", NR ? s/NR : 0}')
        printf '%-6s %-10s %6s %10s %10s %9s %9s\n' "${size}x$size" "${levels[$level]}" \
            "$(printf '%s\n' "$times" | grep -c .)" "$median" "$worst" "$attempts" "$gradings"
        [ "$size" = 9 ] && [ "$level" = 6 ] && hardest9="$median"
        rm -f "$out"
    done
done

if command -v qqwing > /dev/null; then
    q="$(qqwing --generate "$n9" --difficulty expert --one-line --timer 2>/dev/null |
        sed -n 's/^Time: \([0-9.]*\) milliseconds/\1/p' | awk '{ printf "%.6f\n", $1 / 1000 }' |
        median_worst)"
    read -r qmedian qworst <<< "$q"
    echo
    echo "qqwing --generate $n9 --difficulty expert (9x9): median ${qmedian} s, worst ${qworst} s"
    awk -v a="$hardest9" -v b="$qmedian" 'BEGIN {
        if (b > 0) printf "ratio sv-cli Hardest 9x9 median / qqwing expert median: %.2f\n", a / b }'
else
    echo "qqwing not installed (apt-get install qqwing): no comparison"
fi
