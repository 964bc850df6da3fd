#!/usr/bin/env bash
# Runs the installed game in a real window (Xvfb) and checks where it keeps its settings:
#   read:  started through the launcher, it reads the settings file in its own program
#          folder, and a file in the per-user configuration folder comes first;
#   save:  with a program folder it cannot write, as after a system-wide install, Save
#          Settings writes the per-user file instead.
# The tile size read from a settings file shows in the window's size. Exit 77 (skip) when
# Xvfb or xdotool is missing.
# Usage: installed_settings_test.sh read|save INSTALLED_PREFIX BIN_DIR GAME_DIR
set -uo pipefail
mode=$1 installed=$2 bin_dir=$3 game_dir=$4
source "$(dirname "${BASH_SOURCE[0]}")/installed_game_support.sh"

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d)
game_pid=
xvfb_pid=
cleanup() {
  [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill -TERM "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  chmod -R u+w "$tmp" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM PIPE

copy_installed_tree "$installed"
program_settings=$tmp/prefix/$game_dir/knopts.cfg
user_settings=$tmp/config/pc-kestalon/knopts.cfg

# The settings file: "Kesta Opt", then Sound and Large Tiles as 16-bit -1 (on) or 0 (off).
write_settings() {
  local path=$1 sound=$2 large=$3
  mkdir -p "$(dirname "$path")"
  {
    printf 'Kesta Opt'
    [[ $sound == on ]] && printf '\xff\xff' || printf '\x00\x00'
    [[ $large == on ]] && printf '\xff\xff' || printf '\x00\x00'
  } >"$path"
}

start_xvfb() {
  : >"$tmp/display"
  Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 \
    3>"$tmp/display" 2>"$tmp/xvfb.log" &
  xvfb_pid=$!
  local i number=
  # Xvfb writes the display number and a newline when it is ready; read needs the newline.
  for ((i = 0; i < 200; i++)); do
    IFS= read -r number <"$tmp/display" && [[ -n $number ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$tmp/xvfb.log"; fail "Xvfb did not start"; }
    sleep 0.05
  done
  [[ -n $number ]] || fail "Xvfb named no display"
  display=:$number
}

# Starts the game through the launcher as the given user command prefix (may be empty), waits
# for its window and sets window (its id), width and height.
start_game() {
  make_game_env "DISPLAY=$display" QT_QPA_PLATFORM=xcb
  (cd "$tmp/home" && exec "$@" env -i "${game_env[@]}" "$tmp/prefix/$bin_dir/pc-kestalon") \
    2>"$tmp/game.log" &
  game_pid=$!
  wait_until_game_waits_for_input "$game_pid"
  local pid_of_window
  window=
  for id in $(DISPLAY=$display xdotool search --onlyvisible --name '^PC Kestalon$'); do
    pid_of_window=$(DISPLAY=$display xdotool getwindowpid "$id" 2>/dev/null)
    [[ -z $pid_of_window || $pid_of_window == "$game_pid" ]] && window=$id
  done
  [[ -n $window ]] || fail "the game shows no window captioned \"PC Kestalon\""
  local geometry
  geometry=$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")
  width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
  height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
  [[ -n $width && -n $height ]] || fail "cannot read the window's size"
}

end_game() {
  stop_game "$game_pid"
  game_pid=
}

start_xvfb

case $mode in
  read)
    start_game
    regular="${width}x$height"
    end_game
    echo "no settings file: window $regular"

    write_settings "$program_settings" on on
    start_game
    large="${width}x$height"
    end_game
    echo "large tiles in the program folder's file: window $large"
    ((width > ${regular%x*})) ||
      fail "the settings file beside the installed game was not read (window $large)"

    write_settings "$user_settings" on off
    start_game
    end_game
    echo "regular tiles in the per-user file: window ${width}x$height"
    [[ "${width}x$height" == "$regular" ]] ||
      fail "the per-user settings file did not come before the program folder's"
    ;;
  save)
    # The installed game's folder must be one the player cannot write: as root, play as
    # nobody; otherwise take the write permission away.
    run_as=()
    if ((EUID == 0)); then
      command -v setpriv >/dev/null || { echo "SKIP: setpriv is not installed"; exit 77; }
      run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
      make_game_env # creates the player's folders, which nobody must own
      chmod 755 "$tmp"
      chown nobody:nogroup "$tmp/home" "$tmp/config" "$tmp/runtime"
    else
      chmod a-w "$tmp/prefix/$game_dir"
    fi
    "${run_as[@]}" test -w "$tmp/prefix/$game_dir" && fail "the program folder is still writable"
    "${run_as[@]}" test -x "$tmp/prefix/$game_dir/pc-kestalon" ||
      fail "the player cannot run the installed game"

    start_game "${run_as[@]}"
    # Activate the window with a click on the empty end of its menu bar, then choose
    # Options > Save Settings, the menu's last item, from the keyboard.
    DISPLAY=$display xdotool mousemove --window "$window" $((width - 5)) 5 click 1
    DISPLAY=$display xdotool key alt+o
    DISPLAY=$display xdotool key Up Return
    for ((i = 0; i < 200; i++)); do
      [[ -s $user_settings ]] && break
      sleep 0.05
    done
    end_game
    [[ -f $program_settings ]] && fail "a settings file appeared in the read-only program folder"
    [[ -s $user_settings ]] || { cat "$tmp/game.log"; fail "Save Settings wrote no per-user file"; }
    bytes=$(od -An -tx1 "$user_settings" | tr -d ' \n')
    # Defaults at start-up: sound on, regular tiles.
    [[ $bytes == 4b65737461204f7074ffff0000 ]] ||
      fail "the per-user settings file holds $bytes"
    echo "Save Settings wrote ${user_settings#"$tmp"/}"
    ;;
  *)
    echo "usage: $0 read|save INSTALLED_PREFIX BIN_DIR GAME_DIR"
    exit 2
    ;;
esac
echo "OK"
