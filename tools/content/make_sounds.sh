#!/bin/sh
# Synthesises the game's twelve sounds with sox and encodes them as MP3 under OUT/Sound.
# Usage: make_sounds.sh OUT_ROOT
set -eu

here=$(cd "$(dirname "$0")" && pwd)
dest=$(cd "${1:-$here/../..}" && pwd)
. "$here/sound_lib.sh"
. "$here/sound_effects.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$dest/Sound/fx"
cd "$work"

make_clock clock.wav
finish clock.wav "$dest/Sound/B GAME CLOCKS.mp3" 64 -14
make_click click.wav
finish click.wav "$dest/Sound/fx/button click.mp3"
make_wound wound.wav
finish wound.wav "$dest/Sound/fx/man wound short.mp3"
make_growl growl.wav
finish growl.wav "$dest/Sound/fx/zombie_attack.mp3"
make_dry_fire dry.wav
finish dry.wav "$dest/Sound/fx/hammer-click.mp3"
make_error error.wav
finish error.wav "$dest/Sound/fx/error.mp3" 96 -5
make_chime chime.wav
finish chime.wav "$dest/Sound/fx/find_point.mp3"
make_drive_away drive.wav
finish drive.wav "$dest/Sound/fx/Drive away.mp3"
make_bat bat.wav
finish bat.wav "$dest/Sound/fx/baseball bat.mp3"
make_shot shot.wav
finish shot.wav "$dest/Sound/fx/ak47 one.mp3" 112
make_drive_fail fail.wav
finish fail.wav "$dest/Sound/fx/Drive away fail.mp3"
make_splash splash.wav
finish splash.wav "$dest/Sound/fx/splash.mp3"
