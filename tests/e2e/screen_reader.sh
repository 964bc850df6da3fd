#!/usr/bin/env bash
# The game through a real screen reader: Orca runs headless on a private session bus while
# xdotool plays a short saved game to the win, through the board and every kind of window, and
# what Orca says (its debug log) is checked in order: among it a hint, the board in brief, the
# match key and a blocked tile's reason.
# Usage: screen_reader.sh GAME ARTIFACT_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/real_window.sh"
launcher=/usr/libexec/at-spi-bus-launcher
rw_need dbus-daemon dbus-send orca "$launcher"
# Orca runs once per user; its --replace would kill the others, a user's own screen reader too.
pgrep -u "$EUID" -x orca >/dev/null && { echo "SKIPPED: Orca is already running for this user" && exit 77; }
rw_under_x "$@"
rw_setup screen_reader "$2"

# Everything started from here on carries this mark, so that what D-Bus and Orca spawn and
# detach (the registry, speech-dispatcher) is ended too, each by its own process id.
export KESTALON_SCREEN_READER_RUN=$RW_TMP
ORCA_PID=""
sr_cleanup() {
  local proc
  # Orca heeds SIGTERM only when its next event comes, which a key makes. Its log is written
  # line by line, so the hard stop after 5 s loses nothing.
  if [[ -n $ORCA_PID ]] && kill -TERM "$ORCA_PID" 2>/dev/null; then
    xdotool key shift
    for _ in {1..50}; do rw_ended "$ORCA_PID" && break; sleep 0.1; done
    kill -KILL "$ORCA_PID" 2>/dev/null
  fi
  for proc in /proc/[0-9]*; do
    grep -qzxF "KESTALON_SCREEN_READER_RUN=$RW_TMP" "$proc/environ" 2>/dev/null &&
      kill "${proc#/proc/}" 2>/dev/null
  done
  wait # a dead Orca left unreaped would stop the next one from starting
  rm -rf "$XDG_RUNTIME_DIR"
  rw_cleanup
}
trap sr_cleanup EXIT
# speech-dispatcher's socket lives here, and a socket path must stay under 108 bytes.
XDG_RUNTIME_DIR=$(mktemp -d /tmp/kestalon-sr.XXXXXX) || exit 1
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus GSETTINGS_BACKEND=memory \
  XDG_CACHE_HOME=$RW_TMP/cache XDG_DATA_HOME=$RW_TMP/data QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" \
  >>"$RW_TMP/bus.log" 2>&1 &
rw_wait "a private session bus" test -S "$XDG_RUNTIME_DIR/bus"
"$launcher" --launch-immediately >>"$RW_TMP/bus.log" 2>&1 &
rw_wait "the accessibility bus" sh -c 'dbus-send --print-reply --dest=org.freedesktop.DBus / \
  org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"'
rw_start 640 360 "$1" -file "$here/few.kng"

# Orca's own customization hook makes its log line-buffered, so that it can be read as it grows.
mkdir "$RW_TMP/orca"
printf '%s\n' 'from orca import debug' 'debug.debugFile.reconfigure(line_buffering=True)' \
  >"$RW_TMP/orca/orca-customizations.py"
orca --debug-file "$RW_TMP/orca.log" -u "$RW_TMP/orca" >>"$RW_TMP/orca.out" 2>&1 &
ORCA_PID=$!

# heard REGEX: Orca has said something matching REGEX since the utterance last heard.
HEARD=0
heard() {
  local out
  out=$(awk -v from="$HEARD" -v re="$1" 'NR > from && sub(/^[0-9:.]+ - SPEECH OUTPUT: \047/, "") {
      sub(/\047 ?\{.*/, ""); if ($0 ~ re) { found = NR; exit } said = said " \"" $0 "\"" }
    END { print found ? found : said ? "since then Orca said" said : "nothing said since" }' \
    "$RW_TMP/orca.log" 2>/dev/null)
  [[ $out == [0-9]* ]] && HEARD=$out && return
  RW_LAST=$out && return 1
}

# press KEYS [REGEX...]: types KEYS ("-": none) and waits for Orca to say something matching
# each REGEX in turn. step KEY [REGEX...]: the same, after Orca has echoed the key.
press() {
  local keys=$1 words
  shift
  [[ $keys == - ]] || xdotool key --delay 150 $keys
  for words in "$@"; do
    rw_wait "Orca says /$words/ after ${keys/#-/what came before}" heard "$words"
  done
}
step() { if [[ $1 == - ]]; then press "$@"; else press "$1" "^${1,,} ?$" "${@:2}"; fi; }

# few.kng (see README.md): free tiles in Tab order Circles 5 (1), Red dragon (31),
# Red dragon (57), Circles 5 (87), Bamboo flower (124), Plum (144); 69 moves made.
step -      '^Board\.$' '^List with 6 items\.$' '^6 tiles, 3 moves available\.$'
# Show Moves reads the listed move as it opens and after each step: Up on the number box, and
# Return on the focused arrow, which steps and makes no move.
press 'alt+g Down Down Down Down Return' '^PC Kestalon - Show Moves dialog\.$' \
  '^Move number 1 spin button\.$' '^Move 1 of 3: Circles 5 and Circles 5\.$'
press Up    '^notification Move 2 of 3: Red dragon and Red dragon\.$'
step Tab    '^Previous move push button\.$'
step Tab    '^Next move push button\.$'
step Return '^notification Move 3 of 3: Bamboo flower and Plum\.$'
step Escape '^List with 6 items\.$'
# A step back in Replay puts back the last pair made: two Bamboo 9, under the Plum.
press 'alt+g Up Up Up Return' '^PC Kestalon - Replay dialog\.$' '^Moves made 69 spin button\.$'
press Down  '^notification Step back: Bamboo 9 and Bamboo 9 put back, 68 moves made\.$'
step Escape '^List with 8 items\.$'
# Sound off, then read as not checked.
press alt+o '^Sound checked\.$'
step Return '^notification Sound off\.$'
press alt+o '^Sound\.$' '^not checked\.$'
press 'Escape Escape' '^Board\.$'
# A game saved, said once the board has the keyboard back.
press 'alt+g Down Down Return' '^Save Game dialog' '^File name: text\.$'
xdotool type --delay 20 "$RW_TMP/orca.kng"
step Return '^Board\.$' '^notification Game saved as orca\.kng\.$'
# About reads whole as it opens.
press 'alt+h Up Return' \
  '^About Kestalon dialog PC Kestalon v 1\. 63 Build  1624 \(25-04-01\) Made by Morvane Software '
step Return '^Board\.$'
# The board in brief, with the Bamboo 9 pair back under the Plum.
press slash '^notification Layer 5: 1 tile\. Layer 4: 2 tiles\. Layer 3: 1 tile\. Layer 1: 4 tiles\. 6 free tiles, 3 moves available\.$'
# On the board: Tab to a tile with its layer; down the Plum's pile to a Bamboo 9 and why it is
# blocked; then pick a tile, type-ahead to its match, take the pair; a refused press; the pick
# dropped.
step Tab    '^Circles 5\.$' '^free, layer 1\.$'
press End   '^Plum\.$'
press Next  '^Bamboo 9\.$' '^blocked: under Plum, layer 4\.$'
press Home  '^Circles 5\.$'
step Tab    '^Red dragon\.$'
step space  '^notification Red dragon picked\.$'
step r      '^Red dragon\.$'
# The pair goes and the cursor moves on to the next free tile.
step Return  '^notification Red dragon and Red dragon removed\. 6 tiles, 2 moves available\.$' \
  '^Circles 5\.$'
step space  '^notification Circles 5 picked\.$'
step b      '^Bamboo flower\.$'
step Return '^notification Bamboo flower does not match Circles 5\.$'
step Escape '^notification Pick dropped\.$'
# The Status window reads its numbers; closing it gives the board back, cursor and all.
press 'alt+g Down Down Down Return' '^PC Kestalon - Status dialog\.$' '^O\.K push button\.$' \
  '^Tiles Remaining 6, Available Moves 2\.$'
step Return '^Bamboo flower\.$'
# The Bamboo flower and the Plum, which End reaches past the Bamboo 9 under it: their removal
# frees those.
step space  '^notification Bamboo flower picked\.$'
press End   '^Plum\.$'
freed='Now free: Bamboo 9, Bamboo 9\. 4 tiles, 2 moves available\.$'
step Return "^notification Bamboo flower and Plum removed\\. $freed"
# The last two pairs; the win is read as its dialog opens.
press Home  '^Circles 5\.$'
step space  '^notification Circles 5 picked\.$'
press equal '^Circles 5\.$' '^free, layer 1\.$'
step Return '^notification Circles 5 and Circles 5 removed\. 2 tiles, 1 move available\.$' \
  '^Bamboo 9\.$'
# The hint picks the first of the last pair and puts the cursor on the second.
press question '^notification Hint: Bamboo 9 and Bamboo 9\. The game can still be won\.$'
step Return '^notification Bamboo 9 and Bamboo 9 removed\. 0 tiles, 0 moves available\.$' \
  '^Congratulations dialog\.$' '^New Game push button\.$' '^Well Done!!$'
echo "screen_reader: passed"
