#!/usr/bin/env bash
# Start-up figures of the game under a virtual X server: time from process start to the first
# playable board painted, resident memory at that moment, and the time to rebuild a 16x16
# board. Uses a throw-away settings store, so the player's own settings are not touched.
# Usage: scripts/measure_startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
sv="$(cd "$build" && pwd)/sv"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
ini="$XDG_CONFIG_HOME/Sudoku Voltane/Sudoku Voltane.ini"

run() { # griller, extra args
    mkdir -p "$(dirname "$ini")"
    printf '[Options]\nGriller=%s\n' "$1" >"$ini"
    shift
    xvfb-run -a -s "-screen 0 1280x1024x24" "$sv" --measure-startup "$@"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for size in 9 16; do
    griller=$([ "$size" = 16 ] && echo 1 || echo 0)
    out=$(for _ in $(seq "$runs"); do run "$griller"; done)
    ms=$(grep -o 'startup_ms=[0-9]*' <<<"$out" | cut -d= -f2 | median)
    kb=$(grep -o 'rss_kb=[0-9]*' <<<"$out" | cut -d= -f2 | median)
    echo "${size}x${size}: start-up to playable board ${ms} ms (median of $runs), RSS $((kb / 1024)) MB"
done
echo "16x16 board rebuild: $(run 0 --measure-rebuild=20 | grep -o 'rebuild16_ms=[0-9.]*' | cut -d= -f2) ms (mean of 20)"
