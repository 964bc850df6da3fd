# Shared functions of the real-window tests: a private Xvfb, a private copy of the game,
# input through xdotool, screenshots through xwd, polling with deadlines, evidence kept on
# failure, and clean-up of exactly the processes started here, by their ids.
# Sourced by run_scenario.sh, which sets E2E_NAME, E2E_GAME, E2E_TOOL, E2E_TILES, E2E_ARTIFACTS.
# shellcheck shell=bash

readonly E2E_SKIP=77
readonly E2E_SCREEN=1280x1024x24
readonly E2E_DEFAULT_WAIT=15  # seconds; generous for a loaded two-core machine

XVFB_PID=""
GAME_PID=""
WID=""          # the main window
MENU_BAR=0      # its menu bar's height: the board starts this far down
E2E_LAST=""     # what the last failed check said, for the failure message
E2E_EVIDENCE_KEPT=""

# Xvfb and the game get TERM should this script itself be killed outright (a KILL, as on a
# ctest timeout, runs no trap).
E2E_GUARD=()
if setpriv --help 2>/dev/null | grep -q -- --pdeathsig; then
  E2E_GUARD=(setpriv --pdeathsig TERM --)
fi

e2e_log() { printf '%s: %s\n' "$E2E_NAME" "$*"; }

e2e_now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }  # whatever the decimal sign

# Fails the scenario: keeps the evidence, then exits (the EXIT trap cleans up).
e2e_fail() {
  printf '%s: FAIL: %s\n' "$E2E_NAME" "$*" >&2
  e2e_keep_evidence
  exit 1
}

# Polls a check until it holds. e2e_wait SECONDS DESCRIPTION COMMAND [ARGS...]
e2e_wait() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$(($(e2e_now_us) + seconds * 1000000))
  E2E_LAST=""
  until "$@"; do
    if (($(e2e_now_us) > deadline)); then
      e2e_fail "no success within ${seconds} s: ${what}${E2E_LAST:+ (last check: $E2E_LAST)}"
    fi
    sleep 0.05
  done
}

e2e_require_tools() {
  local tool missing=()
  for tool in Xvfb xauth xdotool xwd xwininfo; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  if ((${#missing[@]})); then
    echo "SKIPPED: missing ${missing[*]} (scripts/install-deps.sh --test installs them)"
    exit "$E2E_SKIP"
  fi
  [[ -x $E2E_GAME ]] || e2e_fail "the game is not built: $E2E_GAME"
  [[ -x $E2E_TOOL ]] || e2e_fail "the test helper is not built: $E2E_TOOL"
}

# A fresh temporary folder, an environment that cannot see the user's settings, desktop or
# session bus, and the traps that clean up.
e2e_setup() {
  e2e_require_tools
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/kestalon-e2e-$E2E_NAME.XXXXXX") || exit 1
  trap e2e_cleanup EXIT
  trap 'exit 129' HUP
  trap 'exit 130' INT
  trap 'exit 143' TERM
  mkdir -p "$E2E_ARTIFACTS"
  rm -f "$E2E_ARTIFACTS/$E2E_NAME"-*
  cd "$E2E_TMP" || exit 1

  mkdir -m 700 runtime
  mkdir config
  export LC_ALL=C.UTF-8
  export XDG_CONFIG_HOME=$E2E_TMP/config XDG_RUNTIME_DIR=$E2E_TMP/runtime
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/no-session-bus
  export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
  unset DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION WAYLAND_DISPLAY

  e2e_copy_game
  e2e_start_xvfb
}

# The game runs from its own copy (executable and sounds), so that the settings file it
# writes beside itself never touches the build folder or another test.
e2e_copy_game() {
  GAME_DIR=$E2E_TMP/game
  mkdir "$GAME_DIR"
  cp "$E2E_GAME" "$GAME_DIR/" || e2e_fail "cannot copy the game"
  local sound
  for sound in "$(dirname "$E2E_GAME")"/*.wav; do
    [[ -e $sound ]] && cp "$sound" "$GAME_DIR/"
  done
  GAME_EXE=$GAME_DIR/$(basename "$E2E_GAME")
}

e2e_display_ready() {
  local number
  e2e_ours "$XVFB_PID" || e2e_fail "Xvfb ended: $(tail -n 5 "$E2E_TMP/xvfb.log")"
  read -r number <"$E2E_TMP/display" 2>/dev/null && [[ $number =~ ^[0-9]+$ ]]
}

# Xvfb on a display number of its own choosing, open only to holders of a fresh cookie.
e2e_start_xvfb() {
  local cookie
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  export XAUTHORITY=$E2E_TMP/Xauthority
  # The server takes the cookie from any entry; clients need one for the actual display.
  xauth -q -f "$XAUTHORITY" add :0 MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
  "${E2E_GUARD[@]}" Xvfb -displayfd 3 -auth "$XAUTHORITY" -noreset -nolisten tcp \
    -screen 0 "$E2E_SCREEN" 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  e2e_wait 10 "Xvfb reports its display number" e2e_display_ready
  DISPLAY=":$(<"$E2E_TMP/display")"
  export DISPLAY
  xauth -q -f "$XAUTHORITY" add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie" 2>/dev/null
  xwininfo -root >/dev/null 2>&1 || e2e_fail "cannot connect to Xvfb on $DISPLAY"
}

# True while pid is a live child of this shell (not a zombie, not a reused id).
e2e_ours() {
  local pid=$1 stat
  [[ -n $pid ]] || return 1
  read -r stat 2>/dev/null <"/proc/$pid/stat" || return 1
  stat=${stat##*) }  # after "pid (name) ": state, parent, ...
  local state=${stat%% *} rest=${stat#* }
  local parent=${rest%% *}
  [[ $state != Z && $parent == "$$" ]]
}

# Ends one process started here: TERM, a short grace, then KILL; reaps it.
e2e_stop() {
  local pid=$1 i
  [[ -n $pid ]] || return 0
  if e2e_ours "$pid"; then
    kill -TERM "$pid" 2>/dev/null
    for ((i = 0; i < 60; i++)); do
      e2e_ours "$pid" || break
      sleep 0.05
    done
    e2e_ours "$pid" && kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  return 0
}

e2e_cleanup() {
  local status=$?
  trap - EXIT
  if ((status != 0 && status != E2E_SKIP)); then e2e_keep_evidence; fi
  e2e_stop "$GAME_PID"
  e2e_stop "$XVFB_PID"
  cd / && [[ -n ${E2E_TMP:-} ]] && rm -rf "$E2E_TMP"
  if ((status == 0)); then e2e_log "passed"; fi
  exit "$status"
}

# Visible windows of the game other than the main window: its popup menus and dialogs.
e2e_popups() {
  [[ -n $GAME_PID ]] || return 0
  xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | grep -vx "$WID"
}

e2e_popup_open() { [[ -n $(e2e_popups) ]]; }
e2e_no_popup() { ! e2e_popup_open; }

# Sets X, Y, WIDTH and HEIGHT from a window's geometry (screen pixels; no window manager,
# so the frame is the window itself).
e2e_geometry() {
  local key value
  X="" Y="" WIDTH="" HEIGHT=""
  while IFS='=' read -r key value; do
    case $key in
      X | Y | WIDTH | HEIGHT) printf -v "$key" '%s' "$value" ;;
    esac
  done < <(xdotool getwindowgeometry --shell "$1" 2>/dev/null)
  [[ -n $WIDTH && -n $HEIGHT ]]
}

# Screenshot evidence: the screen with every visible window of the game pasted in (xwd of
# the root leaves override-redirect popups black, so they are dumped one by one), the
# game's output, and the board comparison of the last check.
e2e_keep_evidence() {
  [[ -z $E2E_EVIDENCE_KEPT && -n ${E2E_TMP:-} ]] || return 0
  E2E_EVIDENCE_KEPT=1
  local base=$E2E_ARTIFACTS/$E2E_NAME kept=()
  if [[ -n ${DISPLAY:-} ]] && e2e_ours "$XVFB_PID" &&
    xwd -silent -root -out "$E2E_TMP/screen.xwd" 2>/dev/null; then
    local parts=() id n=0 ids=""
    [[ -n $GAME_PID ]] && ids=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null)
    for id in $ids; do
      # the main window first, popups over it
      e2e_geometry "$id" || continue
      xwd -silent -id "$id" -out "$E2E_TMP/window$n.xwd" 2>/dev/null || continue
      if [[ $id == "$WID" ]]; then
        parts=("$E2E_TMP/window$n.xwd" "$X" "$Y" "${parts[@]}")
      else
        parts+=("$E2E_TMP/window$n.xwd" "$X" "$Y")
      fi
      n=$((n + 1))
    done
    "$E2E_TOOL" snapshot "$base-screen.png" "$E2E_TMP/screen.xwd" "${parts[@]}" &&
      kept+=("$base-screen.png")
  fi
  if [[ -s $E2E_TMP/marked.png ]]; then
    cp "$E2E_TMP/marked.png" "$base-board-differences.png" && kept+=("$base-board-differences.png")
  fi
  local log
  for log in game.log xvfb.log; do
    if [[ -s $E2E_TMP/$log ]]; then cp "$E2E_TMP/$log" "$base-$log" && kept+=("$base-$log"); fi
  done
  local file
  for file in "${kept[@]}"; do printf '%s: artefact: %s\n' "$E2E_NAME" "$file" >&2; done
}

# Starts the game copy and waits for its main window with the given board size.
# e2e_start_game regular|large [ARGUMENTS...]
e2e_start_game() {
  local size=$1
  shift
  local board_width=640 board_height=360
  if [[ $size == large ]]; then board_width=960 board_height=480; fi
  "${E2E_GUARD[@]}" "$GAME_EXE" "$@" >>"$E2E_TMP/game.log" 2>&1 &
  GAME_PID=$!
  e2e_wait "$E2E_DEFAULT_WAIT" "the window \"PC Kestalon\" appears" e2e_find_main_window
  e2e_wait "$E2E_DEFAULT_WAIT" "the window is $board_width pixels wide" \
    e2e_window_width_is "$board_width"
  MENU_BAR=$((HEIGHT - board_height))
  ((MENU_BAR > 0 && MENU_BAR < 100)) ||
    e2e_fail "the window is ${WIDTH} x ${HEIGHT}: no room for a menu bar over a $size board"
  # No window manager gives focus; the keyboard tests need it, as a person's click would.
  xdotool windowfocus --sync "$WID" 2>/dev/null || e2e_fail "cannot focus the main window"
}

e2e_find_main_window() {
  e2e_ours "$GAME_PID" || e2e_fail "the game ended during start-up"
  local ids
  ids=$(xdotool search --onlyvisible --all --pid "$GAME_PID" --name '^PC Kestalon$' 2>/dev/null)
  [[ -n $ids ]] || return 1
  WID=${ids%%$'\n'*}
}

e2e_window_width_is() {
  e2e_geometry "$WID" || return 1
  E2E_LAST="the window is $WIDTH x $HEIGHT"
  ((WIDTH == $1))
}

# e2e_window_is WIDTH HEIGHT (outer size)
e2e_window_is() {
  e2e_geometry "$WID" || return 1
  E2E_LAST="the window is $WIDTH x $HEIGHT"
  ((WIDTH == $1 && HEIGHT == $2))
}

e2e_shot() { xwd -silent -id "$WID" -out "$E2E_TMP/shot.xwd" 2>/dev/null; }

# The board shows exactly the tiles of a test game. e2e_board_is SIZE GAME [--without P,P]
e2e_board_is() {
  local size=$1 game=$2
  shift 2
  e2e_shot || return 1
  E2E_LAST=$("$E2E_TOOL" check-board "$E2E_TMP/shot.xwd" "$MENU_BAR" "$size" "$game" \
    "$E2E_TILES" "$@" --marked "$E2E_TMP/marked.png")
  local status=$?
  ((status == 2)) && e2e_fail "the board check could not run: $E2E_LAST"
  ((status == 0))
}

# The board shows a whole new deal. e2e_deal_shown SIZE
e2e_deal_shown() {
  e2e_shot || return 1
  E2E_LAST=$("$E2E_TOOL" check-deal "$E2E_TMP/shot.xwd" "$MENU_BAR" "$1" \
    --marked "$E2E_TMP/marked.png")
  local status=$?
  ((status == 2)) && e2e_fail "the board check could not run: $E2E_LAST"
  ((status == 0))
}

# A press of a mouse button at board pixel (x, y). e2e_click X Y [BUTTON]
e2e_click() {
  xdotool mousemove --window "$WID" "$1" $(($2 + MENU_BAR)) click "${3:-1}" ||
    e2e_fail "xdotool could not click at board ($1, $2)"
}

# A left click on the centre of a tile's face. e2e_click_tile SIZE POSITION
e2e_click_tile() {
  local x y
  read -r x y < <("$E2E_TOOL" face "$1" "$2") || e2e_fail "no face for position $2"
  e2e_click "$x" "$y"
}

e2e_keys() { xdotool key "$@" || e2e_fail "xdotool could not press $*"; }

# Opens a menu of the menu bar by its access key and waits for it to show.
e2e_open_menu() {
  e2e_no_popup || e2e_fail "a popup is already open before alt+$1"
  e2e_keys "alt+$1"
  e2e_wait "$E2E_DEFAULT_WAIT" "alt+$1 opens its menu" e2e_popup_open
}

# The bytes of a file as lower-case hex, or nothing when it does not exist.
e2e_hex() { [[ -f $1 ]] && od -An -v -tx1 "$1" | tr -d ' \n'; }

e2e_file_is() {
  local actual
  actual=$(e2e_hex "$1")
  E2E_LAST="${actual:-no file}"
  [[ $actual == "$2" ]]
}

e2e_game_ended() { ! e2e_ours "$GAME_PID"; }

# Waits for the game to end and checks its exit status.
e2e_expect_exit() {
  local expected=$1
  e2e_wait "$E2E_DEFAULT_WAIT" "the game ends" e2e_game_ended
  wait "$GAME_PID"
  local status=$?
  GAME_PID=""
  ((status == expected)) || e2e_fail "the game ended with status $status, not $expected"
}
