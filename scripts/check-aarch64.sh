#!/usr/bin/env bash
# The property libraries, the calculator core and their tests (the reference
# library table among them; not the window) cross-built for aarch64 Linux
# with Debian's cross compiler and run under qemu-user: the same doubles as
# on x86-64, entry for entry. GoogleTest is built for aarch64 from the sources
# Debian's googletest package ships; Qt Core and the libraries it needs are
# Debian's arm64 packages, downloaded and unpacked into the build folder
# (not installed). Usage: scripts/check-aarch64.sh [build folder] [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."

dir=$(realpath -m "${1:-build-aarch64}")
jobs=${2:-$(nproc)}
toolchain=$PWD/cmake/aarch64-linux-gnu.cmake

scripts/install-deps.sh aarch64

gtest=$dir/googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/install" -DBUILD_GMOCK=OFF
  cmake --build "$gtest/build" -j "$jobs"
  cmake --install "$gtest/build"
fi

# (qmake6 holds the mkspecs folder that Qt Core names among its include folders.)
qt=$dir/qt-arm64
qt_packages=(libqt6core6 qt6-base-dev qmake6 libicu72 libdouble-conversion3 libpcre2-16-0 libpcre2-8-0 libzstd1
  zlib1g libglib2.0-0 libffi8 libmount1 libblkid1 libselinux1 libb2-1 libgomp1)
if [ ! -f "$qt/root/usr/lib/aarch64-linux-gnu/cmake/Qt6Core/Qt6CoreConfig.cmake" ]; then
  rm -rf "$qt" && mkdir -p "$qt/root"
  (cd "$qt" && apt-get download "${qt_packages[@]/%/:arm64}")
  for deb in "$qt"/*.deb; do dpkg-deb -x "$deb" "$qt/root"; done
fi

cmake -S . -B "$dir/project" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DH2O_ORV_BUILD_WINDOW=OFF -DH2O_ORV_BUILD_CORE=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DGTest_DIR="$gtest/install/lib/cmake/GTest" -DH2O_ORV_AARCH64_ROOT="$qt/root" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(uname -m)-linux-gnu/cmake"
cmake --build "$dir/project" -j "$jobs"
# The install test builds the libraries anew for the machine itself; the test
# of two programs on one table file starts a second process, which a test
# running under qemu-user cannot (no binfmt handler here to run it).
cd "$dir/project" && ctest --output-on-failure -j "$jobs" -E 'InstalledPackage|TwoProgramsAppendingAtOnce'
