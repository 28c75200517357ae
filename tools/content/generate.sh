#!/bin/sh
# Regenerates the game's content: runs every tools/content/make_*.py and make_*.sh in sorted order.
# Usage: tools/content/generate.sh [OUTPUT_ROOT]   (default: the repository root; Data/ and Sound/ go there)
# DH_CONTENT_SKIP="make_a.py make_b.sh" leaves the named scripts out.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$(cd "$here/../.." && pwd)}
mkdir -p "$out/Data" "$out/Sound/fx"
out=$(cd "$out" && pwd)
skip=" ${DH_CONTENT_SKIP:-} "

for script in $(cd "$here" && LC_ALL=C ls make_*.py make_*.sh 2>/dev/null | LC_ALL=C sort); do
  case "$skip" in *" $script "*) echo "skip $script"; continue ;; esac
  echo "run  $script"
  case "$script" in
    *.py) /usr/bin/python3 "$here/$script" "$out" ;;
    *.sh) sh "$here/$script" "$out" ;;
  esac
done
