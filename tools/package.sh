#!/usr/bin/env bash
# Builds the Debian package duskhollow_VERSION_ARCH.deb in a fresh build folder and checks it with lintian.
# Usage: tools/package.sh [OUTPUT_DIR]   (default: the repository's folder). DH_BUILD_DIR (default
# "build-package") names the build folder, which is emptied first so that nothing stale gets in.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh package
build="${DH_BUILD_DIR:-build-package}"
out="$(mkdir -p "${1:-.}" && cd "${1:-.}" && pwd)"

# A release build with Debian's compiler and linker flags, hardening included.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
rm -rf "$build"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DDH_TESTS=OFF -DDH_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
cpack --config "$build/CPackConfig.cmake" -B "$build"

deb="$(cd "$build" && ls duskhollow_*.deb)"
cp "$build/$deb" "$out/"
echo "Wrote $out/$deb"
# lintian (tools/deps.sh test installs it) reports what Debian's rules find; errors fail the build.
if command -v lintian >/dev/null; then
  lintian --fail-on error "$out/$deb"
fi
