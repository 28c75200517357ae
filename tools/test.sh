#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test: the release build's suite and bot games; the
# browser version played against the native program; the same suite and a short bot run under
# AddressSanitizer and UndefinedBehaviorSanitizer; the fuzz targets over their committed corpus.
# DH_BUILD_DIR (default "build") names the build folder; the sanitizer and fuzz builds go beside it with
# "-asan" and "-fuzz" appended, the browser build is build-web/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh test
tools/deps.sh content
build="${DH_BUILD_DIR:-build}"
jobs="$(nproc)"

cmake --preset default -B "$build" -DDH_TESTS=ON >/dev/null
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
# Whole games played by the bot, with the game's invariants checked after every frame.
for seed in 11 12 13; do "$build/duskhollow" --headless --seed "$seed" --bot 4; done
for b in dh_bench dh_bench_sdl; do SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$build/bench/$b" --benchmark_min_time=0.01; done

# The browser version: built with emscripten (the SDL libraries once, cached outside the tree) and played in
# headless Chromium against the native program just built.
DH_BUILD_DIR="$build" tools/web.sh --browser

# Sanitizers: every finding stops the program, so a finding fails the test that met it. Test fixtures build
# figures and items and drop them, so leaks are looked for in the bot's games, where the program checks at
# the end of its run while the game's long-lived objects are still held.
asan="strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake --preset asan -B "$build-asan" -DDH_TESTS=ON >/dev/null
cmake --build "$build-asan" -j"$jobs"
ASAN_OPTIONS="$asan:detect_leaks=0" ctest --test-dir "$build-asan" --output-on-failure -j"$jobs"
ASAN_OPTIONS="$asan:detect_leaks=1" "$build-asan/duskhollow" --headless --seed 11 --bot 2 --frames 20000

# Fuzz targets: each replays its corpus once.
cmake --preset fuzz -B "$build-fuzz" >/dev/null
cmake --build "$build-fuzz" -j"$jobs"
for corpus in fuzz/corpus/*/; do
  name="$(basename "$corpus")"
  "$build-fuzz/fuzz/fuzz_$name" -runs=0 "$corpus"
done
