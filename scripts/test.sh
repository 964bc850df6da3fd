#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test suite twice: first in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer, then in the normal build,
# which adds the static checks (cppcheck, clang-tidy). The real-window tests run under
# Xvfb in both. Ends with ctest's summary line of the normal build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
"$root/scripts/install-deps.sh" --test

echo "== Sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKESTALON_SANITIZE=ON -DKESTALON_BUILD_TOOLS=OFF >/dev/null
cmake --build "$root/build-sanitize" -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$root/build-sanitize" && ctest -j "$jobs" --output-on-failure --timeout 300 -LE static)
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

echo "== Normal build, all tests and static checks"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest -j "$jobs" --output-on-failure --timeout 900)
