#!/usr/bin/env bash
# Installs what is missing, builds PC Kestalon and starts it. Arguments go to the game
# (for example: scripts/play.sh -file mygame.kng).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target pc-kestalon
exec "$root/build/game/pc-kestalon" "$@"
