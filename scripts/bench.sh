#!/usr/bin/env bash
# Builds the game and its benchmarks in Release (in build-bench) and prints every figure: the
# game's hot operations (Google Benchmark, aggregates of repetitions), then, on a private X
# server (xvfb-run), the game beside a bare Qt window of its shape in alternating rounds:
# launch to mapped window (hyperfine), instructions executed to the mapped window (callgrind),
# peak resident memory (GNU time), CPU ticks while idle, and New Game typed on the keyboard to
# the new board on screen, with Winnable Deals off and on. Between them, the solver's figures
# over the first 10,000 deals from a fixed seed, and the keys a move of games played by the
# keyboard alone. "--quick" takes fewer samples. Nothing here fails on a missed target.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-bench
rounds=5 runs=10 repetitions=9 deals=10000
[[ ${1:-} == --quick ]] && rounds=2 runs=3 repetitions=3 deals=1000

if [[ -z ${BENCH_UNDER_X:-} ]]; then
  "$root/scripts/install-deps.sh" --bench
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTALON_BENCH=ON \
    -DKESTALON_BUILD_TESTS=OFF -DKESTALON_BUILD_TOOLS=OFF >/dev/null
  cmake --build "$build" -j "$(nproc)" --target pc-kestalon kestalon_bench bare_window x_probe \
    solver_figures keys_per_move
  echo "Machine: $(nproc) cores,$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2)," \
    "load average $(cut -d' ' -f1 /proc/loadavg) at the start; $(date -I)"
  "$build/bench/kestalon_bench" --benchmark_repetitions="$repetitions" \
    --benchmark_report_aggregates_only=true --benchmark_out_format=json \
    --benchmark_out="$build/game_benchmarks.json"
  echo
  "$build/bench/solver_figures" "$deals"
  "$build/bench/keys_per_move"
  BENCH_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi

# Under the private X server: nothing of the user's desktop, settings or session bus is seen.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"
export XDG_RUNTIME_DIR=$tmp/runtime XDG_CONFIG_HOME=$tmp/config LC_ALL=C.UTF-8 \
  DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/no-bus QT_QPA_PLATFORM=xcb \
  QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME
probe=$build/bench/x_probe
# BENCH_GAME measures another build of the game against the same bare window; BENCH_BASELINE
# names a further build (main's, say) whose start-up instructions are counted beside them.
declare -A program=([bare]=$build/bench/bare_window [game]=${BENCH_GAME:-$build/game/pc-kestalon})
counted=(bare game)
if [[ -n ${BENCH_BASELINE:-} ]]; then
  program[baseline]=$BENCH_BASELINE
  counted+=(baseline)
fi

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# session NAME [NEW_GAMES [FILE]]: runs the program under GNU time until its window shows,
# then either notes its CPU ticks over 3 s of idling and its peak memory (kB), or times New
# Game into FILE (new-game unless given).
session() {
  local name=$1 new_games=${2:-0} timer window pid before
  /usr/bin/time -q -f %M -o "$tmp/rss" "${program[$name]}" 2>/dev/null &
  timer=$!
  window=$(xdotool search --sync --onlyvisible --name . | head -n1)
  pid=$(xdotool getwindowpid "$window")
  sleep 1
  if ((new_games > 0)); then
    xdotool windowfocus --sync "$window"
    "$probe" new-game "$window" "$new_games" >>"$tmp/${3:-new-game}"
  else
    before=$(ticks "$pid")
    sleep 3
    echo $(($(ticks "$pid") - before)) >>"$tmp/$name.idle"
  fi
  kill "$pid"
  wait "$timer" || true
  ((new_games > 0)) || cat "$tmp/rss" >>"$tmp/$name.rss"
}

# count NAME: the instructions the program executes (callgrind), in millions, from exec until
# its window is mapped and it has gone idle, its first paint done (no CPU tick for a whole
# second), and among them those of the first draw of the board (BoardWidget::DrawBoard, with
# all it calls). Counts, unlike times, do not change with the load of a shared machine.
count() {
  local name=$1 out=$tmp/$1.callgrind pid now prev=none
  rm -f "$out".*
  valgrind --tool=callgrind --callgrind-out-file="$out" "${program[$name]}" 2>/dev/null &
  pid=$!
  xdotool search --sync --onlyvisible --name . >/dev/null
  until now=$(ticks "$pid") && [[ $now == "$prev" ]]; do
    prev=$now
    sleep 1
  done
  callgrind_control -d "$pid" >/dev/null 2>&1
  kill "$pid"
  wait "$pid" || true
  awk '/^summary:/ { print $2 / 1e6 }' "$out.1" >>"$tmp/$name.instructions"
  callgrind_annotate --inclusive=yes --threshold=100 "$out.1" 2>/dev/null |
    awk '!found && /BoardWidget::DrawBoard/ { found = 1; gsub(",", "", $1); print $1 / 1e6 }' >>"$tmp/$name.draw"
}

# Alternating rounds, the order swapped each round, so that drift in the machine's load
# falls on both alike.
order=(bare game)
for ((round = 1; round <= rounds; round++)); do
  hyperfine -N -w 2 -r "$runs" --export-csv "$tmp/launch.csv" \
    "$probe launch ${program[${order[0]}]}" "$probe launch ${program[${order[1]}]}" >/dev/null
  for name in bare game; do
    awk -F, -v p="${program[$name]}" 'index($1, p) { print $4 * 1000 }' "$tmp/launch.csv" \
      >>"$tmp/$name.launch"
    session "$name"
  done
  for name in "${order[@]}" "${counted[@]:2}"; do count "$name"; done
  order=("${order[1]}" "${order[0]}")
done
session game $((runs * 2))
# Winnable Deals on, from the per-user settings file: Sound on, Large Tiles off, the flag on.
mkdir -p "$tmp/config/pc-kestalon"
printf 'Kesta Opt\xff\xff\x00\x00\xff\xff' >"$tmp/config/pc-kestalon/knopts.cfg"
session game $((runs * 2)) winnable-new-game

# median and spread take a printf format for the figures, %.3g unless given.
median() {
  sort -g | awk -v f="${1:-%.3g}" '{ v[NR] = $1 } END { printf f, NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
spread() {
  sort -g | awk -v f="${1:-%.3g}" 'NR == 1 { low = $1 } { high = $1 } END { printf f " to " f, low, high }'
}
# per_round FIGURE EXPRESSION [NAME]: the expression of $1 (NAME's, the game's unless given)
# and $2 (the bare window's) in each round.
per_round() { paste "$tmp/${3:-game}.$1" "$tmp/bare.$1" | awk "{ print $2 }"; }
row() { printf '%-38s %11s %9s   %s\n' "$@"; }

echo
echo "Real window under Xvfb: $rounds alternating rounds; launch: median of $runs launches per round"
row "Figure (median over rounds)" "bare window" game "game against bare window (spread)"
row "Launch to mapped window, ms" "$(median <"$tmp/bare.launch")" "$(median <"$tmp/game.launch")" \
  "x $(per_round launch '$1 / $2' | median) ($(per_round launch '$1 / $2' | spread); target 1.05)"
for name in "${counted[@]:1}"; do
  label="Start-up instructions, millions"
  [[ $name == baseline ]] && label="Baseline start-up instructions, M"
  row "$label" "$(median %.1f <"$tmp/bare.instructions")" "$(median %.1f <"$tmp/$name.instructions")" \
    "x $(per_round instructions '$1 / $2' "$name" | median %.3f) ($(per_round instructions '$1 / $2' "$name" | spread %.3f); target 1.05)"
  row "  of them the board's first draw" "-" "$(median %.2f <"$tmp/$name.draw")" \
    "BoardWidget::DrawBoard with all it calls"
done
mb() { awk '{ printf "%.1f\n", $1 / 1024 }'; }
row "Peak resident memory, MB" "$(mb <"$tmp/bare.rss" | median)" "$(mb <"$tmp/game.rss" | median)" \
  "+$(per_round rss '($1 - $2) / 1024' | median) MB ($(per_round rss '($1 - $2) / 1024' | spread); target 2)"
row "CPU ticks while idle for 3 s" "$(median <"$tmp/bare.idle")" "$(median <"$tmp/game.idle")" \
  "most in a session: $(sort -g "$tmp/bare.idle" | tail -n1) and $(sort -g "$tmp/game.idle" | tail -n1); target 0"
row "New Game (Alt+G, N) to new board, ms" "-" "$(median <"$tmp/new-game")" \
  "$(wc -l <"$tmp/new-game") times, $(spread <"$tmp/new-game"); target 10"
row "  with Winnable Deals on, ms" "-" "$(median <"$tmp/winnable-new-game")" \
  "$(wc -l <"$tmp/winnable-new-game") times, $(spread <"$tmp/winnable-new-game"); goal 10"
