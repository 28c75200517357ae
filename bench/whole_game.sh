#!/usr/bin/env bash
# Peak memory of a whole scripted game.
#
# The script: Space past the logo, four picks, then E held so that every turn ends at once until the
# zombies have killed the team and the end screen shows; Escape there quits.
# Every frame lasts 0.01 s of game time and F2 lifts a window's frame-rate cap, so a window plays the
# same game as --headless, only as fast as it can draw.
# Usage: bench/whole_game.sh BINARY [extra program arguments, e.g. --headless]
# Prints the program's maximum resident set size, the team at the start and when the end screen showed
# (to the nearest 1000 frames).
set -euo pipefail
binary=$(realpath "$1")
shift
cd "$(dirname "$0")/.."
frames="${DH_GAME_FRAMES:-12000}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The layout values the clicks need, from the shipped settings.
value() { awk -F= -v key="$1" '{gsub(/[ \t\r]/, "", $1)} $1 == key {gsub(/[ \t\r]/, "", $2); print $2}' Data/dh.ini; }
half() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%d", a + b / 2}'; }
frames_for() { awk -v t="$1" 'BEGIN {f = t / 0.01; printf "%d", (f == int(f) ? f : int(f) + 1) + 5}'; }
show=$(frames_for "$(value PASS_T_SHOW_TWO)")
fly=$(frames_for "$(value PASS_T_ADD_ONE)")
add="$(half "$(value PASS_ADD_X)" "$(value PASS_ADD_W)") $(half "$(value PASS_ADD_Y)" "$(value PASS_ADD_H)")"
card="$(($(value PASS_MAN1_X) + 20)) $(($(value PASS_MAN1_Y) + 20))"
start="$(half "$(value PASS_START_X)" "$(value PASS_START_W)") $(half "$(value PASS_START_Y)" "$(value PASS_START_H)")"
newgame="$(half "$(value MENU_NEWGAME_BUT_POSX)" "$(value MENU_NEWGAME_BUT_W)") $(half "$(value MENU_NEWGAME_BUT_POSY)" "$(value MENU_NEWGAME_BUT_H)")"

click() { printf '%d mouse %s\n%d down LBUTTON\n%d up LBUTTON\n' "$1" "$2" "$1" "$(($1 + 1))"; }
{
  echo "1 down SPACE"
  echo "2 up SPACE"
  click 2 "$newgame"
  f=5
  for pick in 1 2 3 4; do
    click $f "$add"
    f=$((f + 1 + show))
    click $f "$card"
    f=$((f + 1 + fly))
  done
  click $f "$start"
  echo "$((f + 2))" > "$work/game_frame"
  echo "$((f + 2)) mouse 400 300"
  echo "$((f + 3)) down E"
  echo "$((f + 3)) down F2"
  seq 1 "$frames" | sed 's/$/ dt 0.01/'
  # The end screen quits on Escape; in the game Escape would quit too, so it comes only at the very end.
  echo "$frames down ESCAPE"
} > "$work/input.txt"

game=$(cat "$work/game_frame")
dumps=(--dump "$game:$work/dump_start.json")
for ((k = 1000; k < frames; k += 1000)); do dumps+=(--dump "$k:$work/dump_$k.json"); done
# DH_WRAP runs the program under another tool, e.g. "valgrind --tool=massif".
# shellcheck disable=SC2086
/usr/bin/time -v ${DH_WRAP:-} "$binary" --seed "${DH_SEED:-7}" --input "$work/input.txt" --frames "$frames" "${dumps[@]}" "$@" \
  > "$work/out.txt" 2> "$work/time.txt" || { cat "$work/out.txt" "$work/time.txt"; exit 1; }
grep -E "Maximum resident set size|Elapsed \(wall clock\)" "$work/time.txt"
python3 - "$work" "$game" "$frames" <<'PY'
import json, sys
work, game, frames = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
start = json.load(open(f"{work}/dump_start.json"))
print(f"frame {game}: screen {start['screen']}, {len(start['team'])} members, {len(start['zombies'])} zombies")
for k in range(1000, frames, 1000):
    if json.load(open(f"{work}/dump_{k}.json"))["screen"] == "end":
        print(f"end screen by frame {k}")
        break
else:
    print("no end screen: the game was cut off by --frames")
PY
