#!/usr/bin/env bash
# Installs the Debian 12 packages the calculator needs to build, test and run,
# then configures and builds it. Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev libx11-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils xdotool xclip imagemagick fonts-dejavu-core fonts-liberation
  libxdamage-dev libxtst-dev libxcb1-dev
  python3 python3-mpmath desktop-file-utils appstream lintian
  dbus at-spi2-core python3-pyatspi libintelrdfpmath-dev
  clang libclang-rt-14-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if ((${#missing[@]})); then
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number checks run once more in a German locale (LC_ALL=de_DE.UTF-8).
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# Compiler cache keys relative to the checkout, so another clone of the same sources reuses it.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

build_dir=${VELMOR_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=${VELMOR_BUILD_TYPE:-RelWithDebInfo} ${VELMOR_CMAKE_ARGS:-}
cmake --build "$build_dir"
