# Shared by the tests that run the game in a real X window: a private X server (xvfb-run),
# a private folder and environment, the game's window found with xdotool, polling with a
# deadline, and a screenshot kept when a check fails. Only the game started here is killed.
# shellcheck shell=bash

# rw_need TOOL...: skips unless every tool is installed.
rw_need() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null ||
      { echo "SKIPPED: $tool is missing (scripts/install-deps.sh --test installs it)" && exit 77; }
  done
}

# Skips when a tool is missing; otherwise runs the calling script again under a fresh Xvfb.
rw_under_x() {
  rw_need xvfb-run Xvfb xauth xdotool import compare convert
  [[ -n ${RW_UNDER_X:-} ]] ||
    RW_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
}

# rw_setup NAME ARTIFACT_DIR: nothing of the user's settings, desktop or session bus is seen.
rw_setup() {
  RW_NAME=$1 RW_ARTIFACTS=$2 GAME_PID="" RW_LAST=""
  RW_TMP=$(mktemp -d) || exit 1
  trap rw_cleanup EXIT
  mkdir -m 700 "$RW_TMP/runtime"
  export XDG_CONFIG_HOME=$RW_TMP/config XDG_RUNTIME_DIR=$RW_TMP/runtime LC_ALL=C.UTF-8 \
    DBUS_SESSION_BUS_ADDRESS=unix:path=$RW_TMP/no-bus QT_QPA_PLATFORM=xcb \
    QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME \
    XDG_CURRENT_DESKTOP
}

rw_cleanup() {
  [[ -n $GAME_PID ]] && kill -KILL "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
  rm -rf "$RW_TMP"
}

# Fails the test, keeping the screen, the last pixel differences, the game's output and
# what a screen reader said.
rw_fail() {
  echo "$RW_NAME: FAIL: $*" >&2
  mkdir -p "$RW_ARTIFACTS" && rm -f "$RW_ARTIFACTS/$RW_NAME"-*
  import -silent -window root "$RW_ARTIFACTS/$RW_NAME-screen.png" 2>/dev/null
  for file in differences.png game.log orca.log; do
    [[ -s $RW_TMP/$file ]] && cp "$RW_TMP/$file" "$RW_ARTIFACTS/$RW_NAME-$file"
  done
  echo "$RW_NAME: evidence in $RW_ARTIFACTS" >&2
  exit 1
}

# rw_wait DESCRIPTION COMMAND...: polls the command for up to 20 s.
rw_wait() {
  local what=$1 deadline=$((SECONDS + 20))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || rw_fail "not within 20 s: $what${RW_LAST:+ (last seen: $RW_LAST)}"
    sleep 0.05
  done
}

# Qt Multimedia and the audio libraries come with the sound module, on the first sound.
rw_audio_mapped() { grep -q libQt6Multimedia "/proc/$GAME_PID/maps"; }

# rw_ended [PID]: the game, or that process, has ended.
# shellcheck disable=SC2120 # screen_reader.sh passes Orca's process id
rw_ended() {
  local pid=${1:-$GAME_PID}
  [[ ! -e /proc/$pid || $(cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null) == Z ]]
}

rw_find_window() {
  rw_ended && rw_fail "the game ended during start-up"
  WID=$(xdotool search --onlyvisible --all --pid "$GAME_PID" --name '^PC Kestalon$' | head -n1)
  [[ -n $WID ]]
}

# rw_start BOARD_WIDTH BOARD_HEIGHT COMMAND...: starts the game and waits for its window, a
# menu bar (MENU pixels high) over a board of that size; gives the window the keyboard.
rw_start() {
  local width=$1 height=$2
  shift 2
  "$@" >>"$RW_TMP/game.log" 2>&1 &
  GAME_PID=$!
  rw_wait "a window captioned \"PC Kestalon\"" rw_find_window
  rw_wait "a menu bar over a $width x $height board" rw_board_window "$width" "$height"
  xdotool windowfocus --sync "$WID" || rw_fail "cannot focus the window"
}

# rw_geometry WINDOW: sets X, Y, WIDTH and HEIGHT (no window manager: no frame).
rw_geometry() {
  # shellcheck disable=SC2034 # read by the callers
  X="" Y="" WIDTH="" HEIGHT=""
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

rw_board_window() {
  rw_geometry "$WID"
  RW_LAST="window $WIDTH x $HEIGHT"
  MENU=$((HEIGHT - $2))
  ((WIDTH == $1 && MENU > 0 && MENU < 100))
}
