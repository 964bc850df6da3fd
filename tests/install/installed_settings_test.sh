#!/usr/bin/env bash
# Starts the installed game through its bin/ link in a real window, with a settings file
# saying Large Tiles beside the game's real program, not beside the link: the window must
# come up with the large 960 x 480 board; and the game must find its sound module there.
# Usage: installed_settings_test.sh PREFIX BIN_DIR GAME_DIR ARTIFACT_DIR
set -u
source "$(dirname "$0")/../e2e/real_window.sh"
rw_under_x "$@"
prefix=$1 bin=$2 game=$3
rw_setup installed_settings "$4"
# A moved copy, so that the settings file stays out of the tree the other tests check.
cp -a "$prefix" "$RW_TMP/prefix" || rw_fail "no installed tree at $prefix"
printf 'Kesta Opt\xff\xff\xff\xff' >"$RW_TMP/prefix/$game/knopts.cfg" # Sound on, Large Tiles on
rw_start 960 480 "$RW_TMP/prefix/$bin/pc-kestalon"
xdotool mousemove --window "$WID" 950 $((MENU + 470)) click 1 # the ground: the alert
rw_wait "the first sound loads the sound module" rw_audio_mapped
echo "OK: the installed game read the settings beside its program"
