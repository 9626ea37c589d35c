#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# (Qt Charts needs the OpenGL development files, which its package does not pull in;
# Qt Print Support and Qt Concurrent come with qt6-base-dev.)
# LibreOffice Calc and its SDK build and test the spreadsheet functions.
# With the argument aarch64: what make check-aarch64 needs instead, the cross
# compiler, qemu-user, GoogleTest's sources and the host's Qt tools; and the
# arm64 package lists, from which it downloads Qt Core for aarch64.
set -euo pipefail

packages=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev libjpeg-dev fonts-liberation2
  libreoffice-calc-nogui libreoffice-dev)
if [ "${1:-}" = aarch64 ]; then
  packages=(cmake make g++-aarch64-linux-gnu qemu-user googletest qt6-base-dev)
fi

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
if [ "${1:-}" = aarch64 ] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
  "${sudo[@]}" dpkg --add-architecture arm64
  "${sudo[@]}" apt-get update -qq
fi

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
