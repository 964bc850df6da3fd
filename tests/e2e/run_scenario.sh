#!/usr/bin/env bash
# Real-window scenarios: the built game under its own X server, driven with xdotool as a
# player would, its board compared pixel by pixel with pictures made from assets/tiles.
# Usage: run_scenario.sh mouse|options|sound GAME TILE_DIR ARTIFACT_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/real_window.sh"
rw_under_x "$@"
scenario=$1 tiles=$3
rw_setup "$scenario" "$4"
# The game runs from a copy beside its sounds and sound module, so that the settings it saves
# stay private.
mkdir "$RW_TMP/game"
cp "$2" "$(dirname "$2")"/*.wav "$(dirname "$2")"/*.so "$RW_TMP/game/" || rw_fail "cannot copy the game"
game=$RW_TMP/game/$(basename "$2")

# board OUT SIZE WxH "KIND X Y"...: the green ground (0, 128, 0) with each tile picture's
# top-left corner at X, Y, its white surround letting the ground show.
board() {
  local out=$1 size=$2 extent=$3 tile kind x y layers=()
  for tile in "${@:4}"; do
    read -r kind x y <<<"$tile"
    layers+=(\( "$tiles/$size/tile$kind.png" -transparent white \) -geometry "+$x+$y" -composite)
  done
  convert -size "$extent" 'xc:rgb(0,128,0)' "${layers[@]}" "PNG24:$RW_TMP/$out.png"  || rw_fail "cannot make $out.png"
}

# The board area of the window, below the menu bar, is exactly the picture.
board_is() {
  import -silent -window "$WID" -crop "$2+0+$MENU" +repage "$RW_TMP/shot.png" || return 1
  RW_LAST=$(compare -metric AE "$RW_TMP/shot.png" "$RW_TMP/$1.png" "$RW_TMP/differences.png" 2>&1)
  [[ $RW_LAST == 0 ]] || { RW_LAST="$RW_LAST pixels differ from $1.png" && return 1; }
}

settings_are() {
  RW_LAST=$(od -An -tx1 "$RW_TMP/game/knopts.cfg" 2>/dev/null | tr -d ' \n') && [[ $RW_LAST == "$1" ]]
}

popups() { xdotool search --onlyvisible --pid "$GAME_PID" | grep -vx "$WID"; }
no_popup() { [[ -z $(popups) ]]; }
popup_open() { [[ -n $(popups) ]]; }

# menu LETTER KEY...: opens a menu of the menu bar with Alt and its letter, then types the keys.
menu() {
  rw_wait "no menu open" no_popup
  xdotool key "alt+$1" && rw_wait "alt+$1 opens its menu" popup_open && xdotool key "${@:2}"
}

# few.kng holds six tiles: Five of Circles (kind 20) at 1 and 87, Red Dragons (9) at 31 and 57,
# a free matching pair, Bamboo (2) at 124 and Plum (1) at 144. Each entry is the kind and the
# picture's top-left corner: the face's corner less the depth band (6 px regular, 9 large).
few_regular=("20 506 20" "09 590 150" "09 2 150" "20 44 279" "02 346 86" "01 289 136")
few_large=("20 758 20" "09 884 212" "09 2 212" "20 65 405" "02 514 122" "01 425 198")

if [[ $scenario == mouse ]]; then
  board few regular 640x360 "${few_regular[@]}"
  board pair_gone regular 640x360 "${few_regular[0]}" "${few_regular[@]:3}"
  rw_start 640 360 "$game" -file "$here/few.kng"
  rw_wait "the saved game's six tiles on the green ground" board_is few 640x360
  xdotool mousemove --window "$WID" 29 $((MENU + 168)) click 1 # the face of 57
  xdotool mousemove --window "$WID" 617 $((MENU + 168)) click 1 # the face of 31
  rw_wait "two clicks remove the pair 57 and 31" board_is pair_gone 640x360

  # The right button on the ground pops the Game menu up at the pointer; its Undo works.
  rw_geometry "$WID"
  pointer="$((X + 620)),$((Y + MENU + 340))"
  xdotool mousemove --window "$WID" 620 $((MENU + 340)) click 3
  rw_wait "the right button opens a popup" popup_open
  rw_geometry "$(popups | head -n1)"
  [[ "$X,$Y" == "$pointer" ]] || rw_fail "the popup is at $X,$Y, the pointer at $pointer"
  xdotool key u
  rw_wait "the popup's Undo puts the pair back" board_is few 640x360
elif [[ $scenario == options ]]; then
  board few_large large 960x480 "${few_large[@]}"
  rw_start 640 360 "$game" -file "$here/few.kng"
  menu_bar=$MENU
  menu o Down Return # Large Tiles
  rw_wait "Large Tiles makes the board 960 x 480" rw_board_window 960 480
  ((MENU == menu_bar)) || rw_fail "the menu bar was $menu_bar pixels high, now $MENU"
  rw_wait "the six tiles in large pictures at large positions" board_is few_large 960x480

  menu o Return                # Sound off
  menu o Down Down Down Return # Save Settings
  # "Kesta Opt", then Sound off (0) and Large Tiles on (-1) as 16-bit little-endian numbers.
  rw_wait "Save Settings writes knopts.cfg" settings_are 4b65737461204f70740000ffff

  menu g x # Exit
  rw_wait "Exit ends the game" rw_ended
  wait "$GAME_PID"
  status=$? GAME_PID=""
  ((status == 0)) || rw_fail "Exit ended the game with status $status"
elif [[ $scenario == sound ]]; then
  rw_need pulseaudio pactl parec
  # A private sound server with one sink that plays into nothing; its monitor records it all.
  export HOME=$RW_TMP PULSE_SERVER=unix:$RW_TMP/pulse-socket
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-null-sink sink_name=out" \
    -L "module-native-protocol-unix socket=$RW_TMP/pulse-socket auth-anonymous=1" \
    >"$RW_TMP/pulse.log" 2>&1 &
  helpers=($!)
  trap 'kill "${helpers[@]}"; wait "${helpers[@]}"; rw_cleanup' EXIT
  rw_wait "the sound server" test -S "$RW_TMP/pulse-socket"
  parec -d out.monitor --raw --latency-msec=20 >"$RW_TMP/heard.raw" &
  helpers+=($!)
  heard() { [[ -n $(tr -d '\0' <"$RW_TMP/heard.raw" | head -c1) ]]; }
  ground() { rw_wait "no menu open" no_popup && xdotool mousemove --window "$WID" 620 $((MENU + 340)) click 1; }

  rw_start 640 360 "$game" -file "$here/few.kng"
  ! rw_audio_mapped || rw_fail "Qt Multimedia is mapped at start-up"
  menu o Return # Sound off
  ground        # would sound the alert
  menu o Return # Sound on: the menu opening shows the press was handled
  ! rw_audio_mapped || rw_fail "Qt Multimedia is mapped after a press with Sound off"
  ! heard || rw_fail "a sound played with Sound off"
  # The first sound after loading can come out cut short or silent, as before the module.
  ground_heard() { ground && sleep 0.5 && heard; }
  rw_wait "presses on the ground with Sound on play the alert" ground_heard

  # A sound module that fails to load means silence, and the game goes on.
  kill -KILL "$GAME_PID" && wait "$GAME_PID"
  : >"$RW_TMP/game/pc-kestalon-sound.so"
  rw_start 640 360 "$game" -file "$here/few.kng"
  ground
  menu o Escape
  rw_ended && rw_fail "a broken sound module ended the game"
else
  rw_fail "unknown scenario"
fi
echo "$scenario: passed"
