#!/usr/bin/env bash
# Builds the browser version into build-web/ (index.html, duskhollow.js, .wasm, .data) with emscripten.
# SDL2, SDL2_image and SDL2_mixer are built once from Debian's source packages as static libraries into a
# cache outside the source tree; later runs reuse them and only rebuild the game.
# Usage: tools/web.sh             build the page
#        tools/web.sh --test      also build the unit test programs that need no processes and run them in node
#        tools/web.sh --browser   also play the page in headless Chromium against the native program, which
#                                 must be built in ${DH_BUILD_DIR:-build}; SHOT=FILE keeps a picture of its game
# DH_WEB_CACHE overrides the cache folder (default ${XDG_CACHE_HOME:-~/.cache}/duskhollow-web).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
run_tests=0
run_browser=0
case "${1:-}" in
  "") ;;
  --test) run_tests=1 ;;
  --browser) run_browser=1 ;;
  *) echo "usage: $0 [--test|--browser]" >&2; exit 2 ;;
esac

tools/deps.sh web
cache="${DH_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/duskhollow-web}"
prefix="$cache/prefix"
mkdir -p "$cache/src" "$prefix"
# Debian's emscripten finds its JavaScript helpers (acorn) among the system's node modules.
export NODE_PATH=/usr/share/nodejs
jobs="$(nproc)"

# The archive this machine installs from, read from its own apt sources (deb822 or one-line form).
archive_address() {
  local file uri
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    uri="$(awk '/^URIs:/ { for (i = 2; i <= NF; i++) if ($i ~ /\/debian\/?$/) { print $i; exit } }' "$file")"
    [ -n "$uri" ] && { echo "${uri%/}"; return; }
  done
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    uri="$(awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\// && $i ~ /\/debian\/?$/) { print $i; exit } }' "$file")"
    [ -n "$uri" ] && { echo "${uri%/}"; return; }
  done
  echo "web.sh: no Debian archive found in this machine's apt sources" >&2
  return 1
}

# Downloads and unpacks the three source packages with a private apt configuration: one deb-src line,
# lists and downloads in a temporary folder, nothing of the system's apt set-up touched.
fetch_sources() {
  local codename tmp address
  codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  address="$(archive_address)"
  tmp="$(mktemp -d)"
  mkdir -p "$tmp/lists/partial" "$tmp/archives/partial" "$tmp/parts" "$tmp/prefs"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $address $codename main" \
    >"$tmp/sources.list"
  local apt=(apt-get -q -o Dir::Etc::SourceList="$tmp/sources.list" -o Dir::Etc::SourceParts="$tmp/parts"
    -o Dir::Etc::PreferencesParts="$tmp/prefs" -o Dir::State::Lists="$tmp/lists"
    -o Dir::Cache="$tmp" -o APT::Sandbox::User=root)
  "${apt[@]}" update >/dev/null
  rm -rf "$cache/src"
  mkdir -p "$cache/src"
  (cd "$cache/src" && "${apt[@]}" source libsdl2 libsdl2-image libsdl2-mixer >/dev/null)
  rm -rf "$tmp"
  find "$cache/src" -maxdepth 1 -type f -delete
}

# The unpacked source folder of a package, e.g. libsdl2-2.26.5+dfsg.
source_dir() { find "$cache/src" -maxdepth 1 -type d -name "$1-[0-9]*" | head -n 1; }

# Builds one library with emcmake and installs it into the prefix, unless the same source is built already.
build_library() {
  local name="$1" dir stamp
  shift
  dir="$(source_dir "$name")"
  stamp="$prefix/.built-$(basename "$dir")"
  [ -f "$stamp" ] && return 0
  echo "Building $(basename "$dir") for the browser"
  rm -rf "$cache/build-$name"
  emcmake cmake -S "$dir" -B "$cache/build-$name" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DBUILD_SHARED_LIBS=OFF "$@" >"$cache/build-$name.log"
  nice -n 10 cmake --build "$cache/build-$name" -j"$jobs" >>"$cache/build-$name.log"
  cmake --install "$cache/build-$name" >>"$cache/build-$name.log"
  rm -rf "$cache/build-$name"
  touch "$stamp"
}

if [ -z "$(source_dir libsdl2)" ] || [ -z "$(source_dir libsdl2-image)" ] ||
  [ -z "$(source_dir libsdl2-mixer)" ]; then
  fetch_sources
fi
build_library libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
# PNG through the bundled stb_image, every other picture format off.
build_library libsdl2-image -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF \
  -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_BMP=OFF \
  -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_JXL=OFF -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF \
  -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_TIF=OFF \
  -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF
# MP3 through the bundled dr_mp3, every other sound format off.
build_library libsdl2-mixer -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF \
  -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF -DSDL2MIXER_CMD=OFF \
  -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF \
  -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_WAVE=OFF

# The game: build-web/ holds the page, the program and its packed data.
tests=OFF
[ "$run_tests" -eq 1 ] && tests=ON
emcmake cmake -S "$root" -B "$root/build-web" -DCMAKE_BUILD_TYPE=Release -DDH_WEB_PREFIX="$prefix" \
  -DDH_TESTS="$tests" -DDH_BENCH=OFF >/dev/null
nice -n 10 cmake --build "$root/build-web" -j"$jobs"
echo "The page is in build-web/: serve it over http (see README) and open index.html."

if [ "$run_tests" -eq 1 ]; then
  ctest --test-dir "$root/build-web" --output-on-failure -j"$jobs"
fi

if [ "$run_browser" -eq 1 ]; then
  # The browser driver from npm, pinned, kept in the cache; it drives Debian's chromium.
  driver=puppeteer-core@24.43.1
  if [ "$(cat "$cache/node/driver" 2>/dev/null)" != "$driver" ]; then
    rm -rf "$cache/node"
    mkdir -p "$cache/node"
    npm install --prefix "$cache/node" --no-audit --no-fund --no-save --loglevel=error "$driver" >/dev/null
    echo "$driver" >"$cache/node/driver"
  fi
  native="${DH_BUILD_DIR:-build}"
  [[ $native = /* ]] || native="$root/$native"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  DH_NODE_MODULES="$cache/node/node_modules" node tools/web/browser_test.mjs "$root/build-web" \
    "$native/duskhollow" "$root" "$work" ${SHOT:+"$SHOT"}
fi
