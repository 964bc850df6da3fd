#!/usr/bin/env bash
# Builds the game and its benchmarks in Release (in build-bench) and prints every figure
# beside its target: DrawBoard at both tile sizes, dealing, the move count of a full board,
# saving and loading; start-up to the first painted board offscreen; and, in a real X
# window on a private Xvfb (xvfb-run), launch to the mapped window and to the painted board,
# peak memory, CPU while idle, and New Game typed on the keyboard to the new board on screen.
# "--quick" takes fewer samples. Figures are medians; nothing here fails on a missed target.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench"
"$root/scripts/install-deps.sh" --test

gbench_args=()
startup_args=()
window_args=()
if [[ "${1:-}" == "--quick" ]]; then
  gbench_args=(--benchmark_repetitions=3 --benchmark_min_time=0.02)
  startup_args=(--runs=5)
  window_args=(--runs=3 --idle-runs=1 --new-game-runs=1)
fi

echo "== Release build in build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTALON_BUILD_TESTS=OFF -DKESTALON_BUILD_TOOLS=OFF >/dev/null
targets=(pc-kestalon kestalon_bench kestalon_startup_probe kestalon_startup_bench)
have_window_bench=0
available=$(cmake --build "$build" --target help)
if grep -q '^kestalon_window_bench:' <<<"$available"; then
  targets+=(kestalon_window_bench)
  have_window_bench=1
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

read -r load1 _ < /proc/loadavg
echo
echo "Machine: $(nproc) cores, load average $load1 at the start."
if awk -v l="$load1" -v n="$(nproc)" 'BEGIN { exit !(l > n / 2) }'; then
  echo "Other work is running: wall-clock figures below are inflated by it."
fi

"$build/bench/kestalon_bench" "${gbench_args[@]}"
"$build/bench/kestalon_startup_bench" "${startup_args[@]}"

if ((have_window_bench == 0)); then
  echo
  echo "Real-window figures skipped: the Xlib and XTest headers (libx11-dev, libxtst-dev) are missing."
  exit 0
fi

# Each on a private X server of its own, on a free display.
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")
"${xvfb[@]}" "$build/bench/kestalon_window_bench" --game="$build/game/pc-kestalon" "${window_args[@]}"
# Where the time to the mapped window goes: the same start-up, step by step, on such a server.
"${xvfb[@]}" "$build/bench/kestalon_startup_bench" --platform=xcb "${startup_args[@]}"
