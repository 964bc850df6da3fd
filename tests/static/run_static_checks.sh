#!/usr/bin/env bash
# Runs one static checker over the game's sources: cppcheck, or clang-tidy with the
# repository's .clang-tidy and the build's compile_commands.json. Fails on any finding.
set -uo pipefail
checker=$1 source_dir=$2 build_dir=$3
shift 3
cd "$source_dir" || exit 1
case "$checker" in
  cppcheck)
    command -v cppcheck >/dev/null || { echo "cppcheck is not installed"; exit 77; }
    exec cppcheck --quiet --enable=warning,performance,portability --std=c++20 \
      --inline-suppr --error-exitcode=1 -I . "$@"
    ;;
  clang-tidy)
    command -v clang-tidy >/dev/null || { echo "clang-tidy is not installed"; exit 77; }
    [[ -f "$build_dir/compile_commands.json" ]] || { echo "no compile_commands.json"; exit 1; }
    report=$(mktemp)
    trap 'rm -f "$report"' EXIT
    printf '%s\n' "$@" | xargs -P "$(nproc)" -n 2 clang-tidy -p "$build_dir" --quiet \
      >"$report" 2>/dev/null
    status=$?
    grep -E 'warning:|error:' -A3 "$report"
    exit $status
    ;;
esac
echo "unknown checker: $checker"
exit 2
