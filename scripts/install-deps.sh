#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# (Qt Charts needs the OpenGL development files, which its package does not pull in.)
set -euo pipefail

packages=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev libjpeg-dev fonts-liberation2)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
