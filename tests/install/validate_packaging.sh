#!/usr/bin/env bash
# Validates a desktop file of the package: the menu entry, the software-centre data or the
# saved-game file type. Any error or warning fails; exit 77 (skip) without the tool.
# Usage: validate_packaging.sh desktop|metainfo|mime FILE
set -uo pipefail
kind=$1 file=$2
declare -A tools=([desktop]=desktop-file-validate [metainfo]=appstreamcli [mime]=update-mime-database)
tool=${tools[$kind]}
command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
case $kind in
  # desktop-file-validate and update-mime-database report problems yet exit 0: any output fails.
  desktop) out=$(desktop-file-validate "$file" 2>&1) && [[ -z $out ]] ;;
  metainfo) out=$(appstreamcli validate --no-net --strict --explain "$file" 2>&1) ;;
  mime)
    mkdir -p "$tmp/mime/packages" && cp "$file" "$tmp/mime/packages/pc-kestalon.xml"
    out=$(XDG_DATA_DIRS=$tmp update-mime-database "$tmp/mime" 2>&1)
    grep -qx 'application/x-pc-kestalon-save:\*\.kng' <(cut -d: -f2- "$tmp/mime/globs2") ||
      out+=$'\nno *.kng glob for application/x-pc-kestalon-save'
    grep -aq 'PC Kestalon' "$tmp/mime/magic" || out+=$'\nno magic for the header "PC Kestalon"'
    [[ -z $out ]] ;;
esac || { echo "FAIL: $file does not validate cleanly:"$'\n'"$out"; exit 1; }
echo "OK: $file"
