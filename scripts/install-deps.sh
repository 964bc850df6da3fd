#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing PC Kestalon need; --test
# adds what the test suites use, --bench that and what scripts/bench.sh uses.
# Does no network work when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev
  fonts-noto-core
)
if [[ "${1:-}" == "--test" || "${1:-}" == "--bench" ]]; then
  packages+=(
    xvfb xauth xdotool imagemagick x11-apps x11-utils
    clang libclang-rt-14-dev clang-tidy cppcheck clang-format
    desktop-file-utils appstream pulseaudio pulseaudio-utils
    dbus at-spi2-core orca speech-dispatcher procps
  )
fi
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(libbenchmark-dev hyperfine time libx11-dev libxtst-dev valgrind)
fi
if [[ "${1:-}" == "--art" ]]; then
  packages+=(fonts-noto-cjk)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "installed" ]] || missing+=("$p")
done
((${#missing[@]} == 0)) && exit 0

sudo=()
((EUID == 0)) || sudo=(sudo)
echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
