#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, play, test and package; quick when all are present.
# Usage: tools/deps.sh play|test|package|content|web
set -euo pipefail

# gettext: msgfmt compiles the translations at build time; the translation check runs xgettext and msgmerge.
play_pkgs=(cmake g++ make pkg-config gettext libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  nlohmann-json3-dev)
# The package's checks: dpkg-dev builds it (dpkg-shlibdeps), lintian, appstream and desktop-file-utils
# validate it, groff-base renders the manual page.
test_pkgs=("${play_pkgs[@]}" libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb
  xdotool dpkg-dev lintian appstream desktop-file-utils groff-base)
package_pkgs=("${play_pkgs[@]}" dpkg-dev)
content_pkgs=(python3 python3-pil python3-numpy lame sox fonts-dejavu-core)
# The web build: emscripten compiles the game and the SDL libraries (built from Debian's source packages, which
# dpkg-dev unpacks), chromium runs the browser test, npm fetches the browser driver (some Node.js packagings
# ship npm inside nodejs and conflict with Debian's npm package, so it is only asked for when missing).
web_pkgs=(emscripten cmake make dpkg-dev xz-utils nlohmann-json3-dev googletest chromium nodejs python3)
command -v npm >/dev/null || web_pkgs+=(npm)

case "${1:-play}" in
  play) wanted=("${play_pkgs[@]}") ;;
  test) wanted=("${test_pkgs[@]}") ;;
  package) wanted=("${package_pkgs[@]}") ;;
  content) wanted=("${content_pkgs[@]}") ;;
  web) wanted=("${web_pkgs[@]}") ;;
  *) echo "usage: $0 play|test|package|content|web" >&2; exit 2 ;;
esac

missing=()
for pkg in "${wanted[@]}"; do
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
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
