#!/usr/bin/env bash
# The real program, twice: a second copy started while the first runs ends at once, shows
# nothing and leaves the settings alone; after the first copy is killed outright (its lock file
# left behind), the game starts again.
# Usage: second_copy.sh <path to sv>
set -uo pipefail
sv=$1
tmp=$(mktemp -d)
first=
cleanup() {
    [ -n "$first" ] && kill -9 "$first" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
       XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
lock="$XDG_RUNTIME_DIR/sudoku-voltane.lock"
ini="$XDG_CONFIG_HOME/Sudoku Voltane/Sudoku Voltane.ini"
fail() { echo "FAIL: $*"; exit 1; }

"$sv" >/dev/null 2>&1 &
first=$!
# The first copy has finished starting once it has stored the level of its first puzzle.
for _ in $(seq 200); do grep -q '^Level=' "$ini" 2>/dev/null && break; sleep 0.05; done
[ -e "$lock" ] || fail "the first copy holds no lock"
grep -q '^Level=' "$ini" || fail "the first copy did not start"
cp "$ini" "$tmp/before.ini"

timeout 20 "$sv" --measure-startup >"$tmp/second.out" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "second copy ended with status $status"
grep -q startup_ms "$tmp/second.out" && fail "second copy showed a window"
cmp -s "$ini" "$tmp/before.ini" || fail "second copy changed the settings"
kill -0 "$first" 2>/dev/null || fail "the first copy did not survive"

kill -9 "$first"
wait "$first" 2>/dev/null
first=
[ -e "$lock" ] || fail "expected the killed copy's lock file to remain"
timeout 20 "$sv" --measure-startup >"$tmp/third.out" 2>&1
grep -q startup_ms "$tmp/third.out" || fail "the game did not start after a crashed copy"
echo "PASS"
