#!/usr/bin/env bash
# Checks what cmake --install put into the prefix: the game with its sounds in its own
# folder, the launcher, the menu entry, the icons in every size, the file type and the
# software-centre data, each where the desktop looks for it and referring to the others.
# Usage: installed_layout_test.sh INSTALLED_PREFIX BIN_DIR GAME_DIR DATA_DIR SOURCE_DIR
set -uo pipefail
prefix=$1 bin_dir=$2 game_dir=$3 data_dir=$4 source_dir=$5
app_id=org.pckestalon.PCKestalon
icon_sizes=(16 32 48 64 128 256)
sounds=(alert.wav welldone.wav gameover.wav)
errors=0

error() {
  echo "FAIL: $*"
  errors=$((errors + 1))
}

# An installed copy of a source file: present and byte for byte the same.
same_file() {
  local installed=$1 source=$2
  if [[ ! -f $prefix/$installed ]]; then
    error "$installed is missing"
  elif ! cmp -s "$prefix/$installed" "$source"; then
    error "$installed differs from ${source#"$source_dir"/}"
  fi
}

# Width and height from a PNG's header chunk, as "W H"; empty when it is not a PNG.
png_size() {
  local signature
  signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  [[ $signature == 89504e470d0a1a0a ]] || return
  od -An -tu1 -j16 -N8 "$1" |
    awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8}'
}

# The game and its sounds, together in the game's own folder.
game=$game_dir/pc-kestalon
if [[ -f $prefix/$game && -x $prefix/$game ]]; then
  [[ $(od -An -c -N4 "$prefix/$game" | tr -d ' ') == 177ELF ]] || error "$game is not a program"
else
  error "$game is missing or not executable"
fi
for sound in "${sounds[@]}"; do
  same_file "$game_dir/$sound" "$source_dir/assets/sounds/$sound"
done

# The launcher: a relative link to the game, so the game's folder stays its program folder.
launcher=$bin_dir/pc-kestalon
if [[ ! -L $prefix/$launcher ]]; then
  error "$launcher is missing or not a symbolic link"
else
  target=$(readlink "$prefix/$launcher")
  [[ $target == /* ]] && error "$launcher points to the absolute path $target"
  [[ $(readlink -f "$prefix/$launcher") == "$(readlink -f "$prefix/$game")" ]] ||
    error "$launcher points to $target, not to $game"
fi

desktop=$data_dir/applications/pc-kestalon.desktop
metainfo=$data_dir/metainfo/$app_id.metainfo.xml
mime=$data_dir/mime/packages/pc-kestalon.xml
same_file "$desktop" "$source_dir/packaging/pc-kestalon.desktop"
same_file "$metainfo" "$source_dir/packaging/$app_id.metainfo.xml"
same_file "$mime" "$source_dir/packaging/pc-kestalon-mime.xml"

for size in "${icon_sizes[@]}"; do
  icon=$data_dir/icons/hicolor/${size}x${size}/apps/pc-kestalon.png
  same_file "$icon" "$source_dir/assets/icons/$size/pc-kestalon.png"
  if [[ -f $prefix/$icon ]]; then
    actual=$(png_size "$prefix/$icon")
    [[ $actual == "$size $size" ]] || error "$icon is ${actual:-not a PNG}, not $size x $size"
  fi
done

# The pieces name each other: the menu entry's command is the launcher, its icon is
# installed, its file type is the one defined; the software-centre data launches the entry.
if [[ -f $prefix/$desktop ]]; then
  key() { sed -n "s/^$1=//p" "$prefix/$desktop"; }
  command=$(key Exec)
  [[ ${command%% *} == "$(basename "$launcher")" ]] ||
    error "the menu entry runs \"${command%% *}\", not the launcher"
  [[ $(key Icon) == pc-kestalon ]] || error "the menu entry's icon is \"$(key Icon)\""
  [[ $(key MimeType) == "application/x-pc-kestalon-save;" ]] ||
    error "the menu entry opens \"$(key MimeType)\""
fi
if [[ -f $prefix/$metainfo ]]; then
  grep -q '<launchable type="desktop-id">pc-kestalon.desktop</launchable>' "$prefix/$metainfo" ||
    error "the software-centre data does not launch pc-kestalon.desktop"
  grep -q "<id>$app_id</id>" "$prefix/$metainfo" || error "the software-centre data is not $app_id"
fi
if [[ -f $prefix/$mime ]]; then
  grep -q 'type="application/x-pc-kestalon-save"' "$prefix/$mime" ||
    error "the file type is not application/x-pc-kestalon-save"
fi

# Nothing else: no test program, library or header is installed with the game.
expected=$(
  printf '%s\n' "$game" "$launcher" "$desktop" "$metainfo" "$mime"
  for sound in "${sounds[@]}"; do echo "$game_dir/$sound"; done
  for size in "${icon_sizes[@]}"; do
    echo "$data_dir/icons/hicolor/${size}x${size}/apps/pc-kestalon.png"
  done
)
extra=$(comm -13 <(sort <<<"$expected") <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort))
[[ -z $extra ]] || error "unexpected files installed:"$'\n'"$extra"

if ((errors > 0)); then
  echo "$errors problem(s) in the installed tree"
  exit 1
fi
echo "OK: the installed tree holds the game, its sounds, the launcher and the desktop files"
