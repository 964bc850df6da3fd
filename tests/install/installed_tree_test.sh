#!/usr/bin/env bash
# Checks the tree cmake --install made: the bin/ link to the game, the game's folder with the
# program, its sound module, pc-kestalon-solve and its three sounds, the menu entry, software-centre data, file
# type and icons, each a copy of its source, and nothing else.
# Usage: installed_tree_test.sh PREFIX BIN_DIR GAME_DIR DATA_DIR SOURCE_DIR
set -uo pipefail
prefix=$1 bin=$2 game=$3 data=$4 source=$5
fail() { echo "FAIL: $*"; exit 1; }

declare -A copies=(
  [$data/applications/pc-kestalon.desktop]=packaging/pc-kestalon.desktop
  [$data/metainfo/org.pckestalon.PCKestalon.metainfo.xml]=packaging/org.pckestalon.PCKestalon.metainfo.xml
  [$data/mime/packages/pc-kestalon.xml]=packaging/pc-kestalon-mime.xml)
for sound in alert welldone gameover; do copies[$game/$sound.wav]=assets/sounds/$sound.wav; done
for size in 16 32 48 64 128 256; do
  copies[$data/icons/hicolor/${size}x$size/apps/pc-kestalon.png]=assets/icons/$size/pc-kestalon.png
done
for file in "${!copies[@]}"; do
  cmp -s "$prefix/$file" "$source/${copies[$file]}" || fail "$file is not ${copies[$file]}"
done

[[ -f $prefix/$game/pc-kestalon && -x $prefix/$game/pc-kestalon ]] || fail "no program in $game"
# A relative link: the installed tree keeps working when it is moved.
link=$(readlink "$prefix/$bin/pc-kestalon") || fail "$bin/pc-kestalon is not a link"
[[ $link != /* && $prefix/$bin/$link -ef $prefix/$game/pc-kestalon ]] ||
  fail "$bin/pc-kestalon points to $link, not relatively to $game/pc-kestalon"

installed=$(cd "$prefix" && find . ! -type d -printf '%P\n' | sort)
expected=$(printf '%s\n' "${!copies[@]}" "$bin/pc-kestalon" "$game"/pc-kestalon{,-sound.so,-solve} | sort)
[[ $installed == "$expected" ]] ||
  fail "installed files other than expected:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"
echo "OK: the installed tree"
