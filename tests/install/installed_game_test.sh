#!/usr/bin/env bash
# Starts the installed game offscreen the way its menu entry does, and checks that it comes
# up from its own program folder, where its sounds are, and keeps running until stopped.
# Usage: installed_game_test.sh INSTALLED_PREFIX BIN_DIR GAME_DIR DATA_DIR
set -uo pipefail
installed=$1 bin_dir=$2 game_dir=$3 data_dir=$4
source "$(dirname "${BASH_SOURCE[0]}")/installed_game_support.sh"

tmp=$(mktemp -d)
game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM PIPE

copy_installed_tree "$installed"
prefix=$tmp/prefix
game=$prefix/$game_dir/pc-kestalon

# The command of the menu entry when no file is given: %f expands to nothing.
exec_line=$(sed -n 's/^Exec=//p' "$prefix/$data_dir/applications/pc-kestalon.desktop")
[[ -n $exec_line ]] || fail "the menu entry has no Exec line"
read -r -a command <<<"${exec_line//%f/}"
echo "starting: ${command[*]}"

make_game_env QT_QPA_PLATFORM=offscreen
(cd "$tmp/home" && exec env -i "${game_env[@]}" "${command[@]}") &
game_pid=$!
wait_until_game_waits_for_input "$game_pid"

# The program folder is the folder of the executable the process runs, not of the launcher.
exe=$(readlink "/proc/$game_pid/exe") || fail "cannot read the game's executable path"
[[ $exe == "$(readlink -f "$game")" ]] || fail "the running program is $exe, not $game"
for sound in alert.wav welldone.wav gameover.wav; do
  [[ -f $(dirname "$exe")/$sound ]] || fail "$sound is not beside the running program"
done

stop_game "$game_pid"
game_pid=
# Starting the game writes nothing: no settings file appears anywhere.
found=$(find "$tmp" -name knopts.cfg)
[[ -z $found ]] || fail "start-up wrote a settings file: $found"
echo "OK: the installed game started from $(dirname "$exe") and ran until stopped"
