#!/usr/bin/env bash
# Installs every Debian package that building, testing and the test witnesses need.
# Idempotent: when everything is present it prints nothing and exits at once.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build ccache pkg-config clang clang-format libclang-rt-14-dev
  # libraries
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-svg-dev qt6-image-formats-plugins
  libgsf-1-dev libglib2.0-dev zlib1g-dev libgif-dev libboost-dev
  # fonts metric-compatible with the Windows fonts documents name
  fonts-liberation2 fontconfig
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # independent witnesses used by the tests
  python3 python3-olefile librsvg2-bin libxml2-utils emf2svg libwmf-bin ghostscript
  poppler-utils xvfb xauth x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
