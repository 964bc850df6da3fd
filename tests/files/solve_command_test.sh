#!/usr/bin/env bash
# pc-kestalon-solve on a saved game, a file that is none and a missing one: a line each, the
# game's winning moves, the game's own messages, and exit status 2; a bad budget is refused.
# Usage: solve_command_test.sh SOLVE_COMMAND SAVED_GAME
set -uo pipefail
solve=$1 game=$2
fail() { echo "FAIL: $*"; exit 1; }
empty=$(mktemp) && trap 'rm -f "$empty"' EXIT

mapfile -t lines < <("$solve" --budget 1000 "$game" "$empty" missing.kng)
"$solve" "$game" "$empty" >/dev/null
(($? == 2)) || fail "exit status $? after a file that is no saved game"
IFS=$'\t' read -r name verdict steps micros moves <<<"${lines[0]}"
[[ $name == "$game" && $verdict == winnable && $steps =~ ^[0-9]+$ && $micros =~ ^[0-9]+$ &&
  $moves == "1-87 31-57 124-144" ]] || fail "the saved game: ${lines[0]}"
[[ ${lines[1]} == "$empty"$'\tinvalid\t0\t0\tThis is not a Kestalon Save Game' ]] ||
  fail "the empty file: ${lines[1]}"
[[ ${lines[2]} == missing.kng$'\tinvalid\t0\t0\tThe file "missing.kng" could not be read: '* ]] ||
  fail "the missing file: ${lines[2]}"
((${#lines[@]} == 3)) || fail "${#lines[@]} lines"
"$solve" --budget none "$game" 2>/dev/null && fail "a budget that is no number was taken"
echo "OK: pc-kestalon-solve"
