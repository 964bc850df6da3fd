#!/usr/bin/env bash
# Validates one of the desktop files of the package: the menu entry, the software-centre data
# or the saved-game file type. Any error or warning fails; exit 77 (skip) without the tool.
# Usage: validate_packaging.sh desktop|metainfo|mime FILE
set -uo pipefail
kind=$1
file=$2

need() {
  if ! command -v "$1" >/dev/null; then
    echo "SKIP: $1 is not installed (package $2)"
    exit 77
  fi
}

case $kind in
  desktop)
    need desktop-file-validate desktop-file-utils
    # Warnings and hints do not change the exit status, so any output counts as a failure.
    out=$(desktop-file-validate "$file" 2>&1)
    rc=$?
    [[ -n $out ]] && echo "$out"
    if ((rc != 0)) || [[ -n $out ]]; then
      echo "FAIL: $file does not validate cleanly"
      exit 1
    fi
    ;;
  metainfo)
    need appstreamcli appstream
    # --strict fails on anything above a pedantic hint.
    appstreamcli validate --no-net --strict --explain "$file" || {
      echo "FAIL: $file does not validate"
      exit 1
    }
    ;;
  mime)
    need update-mime-database shared-mime-info
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/mime/packages"
    cp "$file" "$tmp/mime/packages/pc-kestalon.xml"
    # update-mime-database reports a bad element on stderr but still exits 0.
    out=$(XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>&1)
    rc=$?
    [[ -n $out ]] && echo "$out"
    if ((rc != 0)) || [[ -n $out ]]; then
      echo "FAIL: $file is not read cleanly"
      exit 1
    fi
    grep -qx 'application/x-pc-kestalon-save:\*\.kng' <(cut -d: -f2- "$tmp/mime/globs2") || {
      echo "FAIL: no *.kng glob for application/x-pc-kestalon-save"
      exit 1
    }
    # The magic rule: the saved-game header at offset 0, so that old .sav files are known too.
    if ! grep -aq 'application/x-pc-kestalon-save' "$tmp/mime/magic" ||
      ! grep -aq 'PC Kestalon' "$tmp/mime/magic"; then
      echo "FAIL: no magic rule for the header \"PC Kestalon\""
      exit 1
    fi
    ;;
  *)
    echo "usage: $0 desktop|metainfo|mime FILE"
    exit 2
    ;;
esac
echo "OK: $file"
