#!/usr/bin/env bash
# Runs one real-window scenario: the built game under a private Xvfb, driven with xdotool
# as a player would, its screen checked pixel by pixel.
#
#   run_scenario.sh --game EXE --tool E2E_TOOL --tiles TILE_DIR --artifacts DIR SCENARIO
#
# Exit status 0 = passed, 1 = failed (evidence in DIR, paths printed), 77 = tools missing.
set -u

usage() {
  echo "usage: $0 --game EXE --tool E2E_TOOL --tiles TILE_DIR --artifacts DIR SCENARIO" >&2
  exit 2
}

E2E_GAME="" E2E_TOOL="" E2E_TILES="" E2E_ARTIFACTS="" E2E_NAME=""
while (($#)); do
  case $1 in
    --game | --tool | --tiles | --artifacts)
      (($# >= 2)) || usage
      case $1 in
        --game) E2E_GAME=$2 ;;
        --tool) E2E_TOOL=$2 ;;
        --tiles) E2E_TILES=$2 ;;
        --artifacts) E2E_ARTIFACTS=$2 ;;
      esac
      shift 2
      ;;
    -*) usage ;;
    *)
      [[ -z $E2E_NAME ]] || usage
      E2E_NAME=$1
      shift
      ;;
  esac
done
[[ -n $E2E_GAME && -n $E2E_TOOL && -n $E2E_TILES && -n $E2E_ARTIFACTS && -n $E2E_NAME ]] || usage

# shellcheck source=e2e_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"

# Saved games with known tiles (see test_games.h): "few" holds six isolated tiles, with
# 57 and 31 a free matching pair; "full" holds all 144, none moved yet, 57 and 31 again a pair.
write_game() {
  "$E2E_TOOL" write-game "$1" "$E2E_TMP/$1.kng" || e2e_fail "cannot write the $1 test game"
}

# A point of the board that no tile covers (tile pictures end at x = 637 and y = 320).
readonly GROUND_X=620 GROUND_Y=340

# Without arguments the game deals: the window is captioned "PC Kestalon", its board is
# exactly 640 x 360 below the menu bar, and all 144 tiles lie at their layout positions on
# the green ground.
scenario_window_appears() {
  e2e_start_game regular
  e2e_log "window $WIDTH x $HEIGHT, menu bar $MENU_BAR pixels"
  local name
  name=$(xdotool getwindowname "$WID")
  [[ $name == "PC Kestalon" ]] || e2e_fail "the caption is \"$name\""
  e2e_wait "$E2E_DEFAULT_WAIT" "a new deal of 144 tiles on a 640 x 360 board" \
    e2e_deal_shown regular
}

# -file names a saved game: the board shows exactly its six tiles and green everywhere else.
scenario_load_saved_game() {
  write_game few
  e2e_start_game regular -file "$E2E_TMP/few.kng"
  e2e_wait "$E2E_DEFAULT_WAIT" "the saved game's six tiles, nothing else" \
    e2e_board_is regular few
  # The comparison is not blind: the same screenshot fails against one tile fewer.
  if e2e_board_is regular few --without 31; then
    e2e_fail "the board check accepts a missing tile"
  fi
  rm -f "$E2E_TMP/marked.png"
}

# Two left clicks on a free matching pair remove it; the other tiles stay.
scenario_remove_pair() {
  write_game few
  e2e_start_game regular -file "$E2E_TMP/few.kng"
  e2e_wait "$E2E_DEFAULT_WAIT" "the saved game shown" e2e_board_is regular few
  e2e_click_tile regular 57
  e2e_click_tile regular 31
  e2e_wait "$E2E_DEFAULT_WAIT" "tiles 57 and 31 removed, the other four still there" \
    e2e_board_is regular few --without 31,57
}

# The right button pops the Game menu up at the pointer; its Undo takes the move back.
scenario_right_button_menu() {
  write_game full
  e2e_start_game regular -file "$E2E_TMP/full.kng"
  e2e_wait "$E2E_DEFAULT_WAIT" "the saved game shown" e2e_board_is regular full

  # The Game menu's size, as the menu bar opens it.
  e2e_open_menu g
  local game_menu
  game_menu=$(e2e_popups)
  e2e_geometry "$game_menu" || e2e_fail "the Game menu has no geometry"
  local menu_width=$WIDTH menu_height=$HEIGHT
  e2e_keys Escape
  e2e_wait "$E2E_DEFAULT_WAIT" "Escape closes the Game menu" e2e_no_popup

  e2e_click_tile regular 57
  e2e_click_tile regular 31
  e2e_wait "$E2E_DEFAULT_WAIT" "the pair removed" e2e_board_is regular full --without 31,57

  e2e_geometry "$WID" || e2e_fail "the main window has no geometry"
  local pointer_x=$((X + GROUND_X)) pointer_y=$((Y + MENU_BAR + GROUND_Y))
  e2e_click "$GROUND_X" "$GROUND_Y" 3
  e2e_wait "$E2E_DEFAULT_WAIT" "the right button pops up a menu" e2e_popup_open
  local popup
  popup=$(e2e_popups)
  e2e_geometry "$popup" || e2e_fail "the popup has no geometry"
  ((X == pointer_x && Y == pointer_y)) ||
    e2e_fail "the popup is at ($X, $Y), not at the pointer ($pointer_x, $pointer_y)"
  ((WIDTH == menu_width && HEIGHT == menu_height)) ||
    e2e_fail "the popup is $WIDTH x $HEIGHT, the Game menu $menu_width x $menu_height"

  e2e_keys u
  e2e_wait "$E2E_DEFAULT_WAIT" "Undo chosen in the popup closes it" e2e_no_popup
  e2e_wait "$E2E_DEFAULT_WAIT" "Undo puts the pair back" e2e_board_is regular full
}

# A popup other than the given one is open.
another_menu_open() {
  local popups
  popups=$(e2e_popups)
  E2E_LAST="open popups: ${popups:-none}"
  [[ -n $popups && $popups != "$1" ]]
}

# The Game menu opened with the keyboard: Undo disabled before any move, enabled after one.
scenario_keyboard_undo() {
  write_game full
  e2e_start_game regular -file "$E2E_TMP/full.kng"
  e2e_wait "$E2E_DEFAULT_WAIT" "the saved game shown" e2e_board_is regular full

  # "u" must leave the menu open: Right then moves on to the Options menu. Had "u" chosen
  # Undo, the menu would have closed at once and Right would open nothing.
  e2e_open_menu g
  local game_menu
  game_menu=$(e2e_popups)
  e2e_keys u Right
  e2e_wait "$E2E_DEFAULT_WAIT" \
    "the Game menu stays open after \"u\" (Undo disabled), so Right reaches the Options menu" \
    another_menu_open "$game_menu"
  e2e_keys Escape
  e2e_wait "$E2E_DEFAULT_WAIT" "Escape closes the Options menu" e2e_no_popup
  e2e_wait "$E2E_DEFAULT_WAIT" "the board unchanged" e2e_board_is regular full

  e2e_click_tile regular 57
  e2e_click_tile regular 31
  e2e_wait "$E2E_DEFAULT_WAIT" "the pair removed" e2e_board_is regular full --without 31,57

  e2e_open_menu g
  e2e_keys u
  e2e_wait "$E2E_DEFAULT_WAIT" "\"u\" chooses Undo, which closes the menu" e2e_no_popup
  e2e_wait "$E2E_DEFAULT_WAIT" "Undo puts the pair back" e2e_board_is regular full
}

# Options > Large Tiles: the board becomes 960 x 480 with the same tiles at their large
# positions; choosing it again goes back to 640 x 360.
scenario_large_tiles() {
  write_game few
  e2e_start_game regular -file "$E2E_TMP/few.kng"
  e2e_wait "$E2E_DEFAULT_WAIT" "the saved game shown" e2e_board_is regular few

  e2e_open_menu o
  e2e_keys Down Return # from Sound to Large Tiles
  e2e_wait "$E2E_DEFAULT_WAIT" "the window grows to a 960 x 480 board" \
    e2e_window_is 960 $((480 + MENU_BAR))
  e2e_wait "$E2E_DEFAULT_WAIT" "the same tiles in large pictures at large positions" \
    e2e_board_is large few

  e2e_open_menu o
  e2e_keys Down Return
  e2e_wait "$E2E_DEFAULT_WAIT" "the window shrinks back to a 640 x 360 board" \
    e2e_window_is 640 $((360 + MENU_BAR))
  e2e_wait "$E2E_DEFAULT_WAIT" "the same tiles at regular positions" e2e_board_is regular few
}

# Options > Save Settings writes the 13 bytes of knopts.cfg beside the program, with the
# options as they are; the next start reads them back.
scenario_save_settings() {
  local settings=$GAME_DIR/knopts.cfg
  local header=4b65737461204f7074 # "Kesta Opt"
  [[ ! -e $settings ]] || e2e_fail "the game copy already holds a settings file"
  e2e_start_game regular

  e2e_open_menu o
  e2e_keys Down Down Return # Sound, Large Tiles, Save Settings
  e2e_wait "$E2E_DEFAULT_WAIT" "knopts.cfg holds the defaults: sound on, regular tiles" \
    e2e_file_is "$settings" "${header}ffff0000"

  e2e_open_menu o
  e2e_keys Return # Sound off
  e2e_wait "$E2E_DEFAULT_WAIT" "the Options menu closes" e2e_no_popup
  e2e_open_menu o
  e2e_keys Down Return # Large Tiles on
  e2e_wait "$E2E_DEFAULT_WAIT" "the board grows to 960 x 480" \
    e2e_window_is 960 $((480 + MENU_BAR))
  [[ $(e2e_hex "$settings") == "${header}ffff0000" ]] ||
    e2e_fail "changing an option rewrote knopts.cfg: $(e2e_hex "$settings")"
  e2e_open_menu o
  e2e_keys Down Down Return
  e2e_wait "$E2E_DEFAULT_WAIT" "knopts.cfg holds sound off, large tiles" \
    e2e_file_is "$settings" "${header}0000ffff"

  e2e_open_menu g
  e2e_keys x
  e2e_expect_exit 0
  e2e_start_game large
  e2e_wait "$E2E_DEFAULT_WAIT" "the next start shows a large board of 144 tiles" \
    e2e_deal_shown large
}

# Game > Exit, chosen with the keyboard, ends the process with status 0 and saves nothing.
scenario_exit_status() {
  write_game few
  e2e_start_game regular -file "$E2E_TMP/few.kng"
  e2e_wait "$E2E_DEFAULT_WAIT" "the saved game shown" e2e_board_is regular few
  e2e_open_menu g
  e2e_keys x
  e2e_expect_exit 0
  [[ ! -e $GAME_DIR/knopts.cfg ]] || e2e_fail "Exit wrote a settings file"
}

declare -F "scenario_$E2E_NAME" >/dev/null || {
  echo "unknown scenario: $E2E_NAME" >&2
  exit 2
}
e2e_setup
"scenario_$E2E_NAME"
