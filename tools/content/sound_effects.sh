# The recipe of each of the game's sounds, built from sox synthesis (sourced by make_sounds.sh).

# One tick of the clock: a woody knock with a bright metal click on top, padded to half a second.
clock_beat() {
  tone "$1.k.wav" synth 0.035 sine "$2" sine "$(($2 * 2 + 130))" remix - fade q 0.001 0.035 0.034
  tone "$1.n.wav" synth 0.02 whitenoise vol 0.4 highpass 3000 fade q 0 0.02 0.019
  mixdown "$1.m.wav" "$1.k.wav" "$1.n.wav"
  $SOX "$1.m.wav" -b 16 "$1" lowpass 7000 pad 0 0.47 trim 0 0.5
}

# A quiet seamless loop of four seconds: tick, tock, tick, tock ... (no reverb, so no tail to cut)
make_clock() {
  clock_beat tick.wav 1900
  clock_beat tock.wav 1500
  chain "$1.c.wav" tick.wav tock.wav tick.wav tock.wav tick.wav tock.wav tick.wav tock.wav
  chain "$1" "$1.c.wav"
}

# A short plastic click.
make_click() {
  tone a.wav synth 0.03 square 2400 fade q 0.0005 0.03 0.028 lowpass 5000
  tone b.wav synth 0.02 pinknoise bandpass 3500 1200 fade q 0 0.02 0.018
  mixdown "$1" a.wav b.wav
}

# A man's short pained grunt: a buzzing voice falling in pitch through a throaty filter.
make_wound() {
  tone v.wav synth 0.42 sawtooth 165-92 overdrive 8 gain -8 bandpass 520 400 bandpass 900 700 \
    fade t 0.015 0.42 0.24 tremolo 28 25
  tone h.wav synth 0.42 pinknoise bandpass 1200 800 fade t 0.005 0.42 0.35 vol 0.25
  mixdown "$1" v.wav h.wav
}

# A zombie's wet, rattling growl.
make_growl() {
  tone v.wav synth 1.3 sawtooth 74-58 synth 1.3 sine amod 17 overdrive 18 gain -8 \
    lowpass 900 bandpass 420 500 fade t 0.08 1.3 0.5
  tone r.wav synth 1.3 brownnoise synth 1.3 sine amod 23 lowpass 700 fade t 0.1 1.3 0.6 vol 0.6
  mixdown "$1.m.wav" v.wav r.wav
  $SOX "$1.m.wav" -b 16 "$1" pad 0 0.3 reverb 30 40 40
}

# The dry snap of a hammer falling on an empty chamber: two metal clicks.
make_dry_fire() {
  tone c1.wav synth 0.03 whitenoise vol 0.5 highpass 2500 fade q 0 0.03 0.029
  tone r1.wav synth 0.04 sine 4100 sine 2630 remix - fade q 0 0.04 0.039 vol 0.6
  mixdown k1.wav c1.wav r1.wav
  $SOX k1.wav -b 16 k2.wav pitch -300 vol 0.8 pad 0.07
  mixdown "$1.m.wav" k1.wav k2.wav
  $SOX "$1.m.wav" -b 16 "$1" pad 0 0.1 reverb 10 50 10
}

# A soft two-note buzz that says "no".
make_error() {
  tone a.wav synth 0.13 square 392 lowpass 1800 fade q 0.005 0.13 0.04
  tone b.wav synth 0.2 square 294 lowpass 1500 fade q 0.005 0.2 0.12
  chain "$1" a.wav b.wav
}

# A bright three-note chime for a find.
make_chime() {
  tone n1.wav synth 0.9 pluck E5 fade q 0 0.9 0.8
  tone n2.wav synth 0.8 pluck G#5 fade q 0 0.8 0.7 pad 0.09
  tone n3.wav synth 0.7 pluck B5 fade q 0 0.7 0.6 pad 0.18
  tone s.wav synth 0.9 sine 1318 fade q 0.002 0.9 0.85 vol 0.2 pad 0.18
  mixdown "$1.m.wav" n1.wav n2.wav n3.wav s.wav
  $SOX "$1.m.wav" -b 16 "$1" pad 0 0.3 reverb 40 50 60
}

# The starter motor: a whirring, pulsing crank of the given length and pulse rate.
cranking() {
  tone "$1.w.wav" synth "$2" sawtooth 90 synth "$2" sine amod "$3" vol 0.5 lowpass 1200
  tone "$1.n.wav" synth "$2" brownnoise synth "$2" sine amod "$3" lowpass 1500 vol 0.6
  mixdown "$1.m.wav" "$1.w.wav" "$1.n.wav"
  $SOX "$1.m.wav" -b 16 "$1" fade q 0.01 "$2" 0.02
}

# A car starting, revving and driving away into the distance.
make_drive_away() {
  cranking crank.wav 0.7 11
  tone catch.wav synth 0.25 sawtooth 35-60 overdrive 12 gain -8 lowpass 900 fade t 0.01 0.25 0.03
  tone run.wav synth 3.2 sawtooth 60-118 synth 3.2 sine amod 30 overdrive 10 gain -8 lowpass 1000 fade t 0.02 3.2 2.2
  tone road.wav synth 3.2 brownnoise lowpass 500 fade t 0.3 3.2 2.4 vol 0.5
  mixdown engine.wav run.wav road.wav
  chain "$1.c.wav" crank.wav catch.wav engine.wav
  $SOX "$1.c.wav" -b 16 "$1" fade t 0.02 0 0.4
}

# A heavy, dull thump of a bat landing.
make_bat() {
  tone b.wav synth 0.3 sine 130-42 fade q 0.002 0.3 0.26
  tone n.wav synth 0.12 brownnoise lowpass 1200 fade q 0.001 0.12 0.11
  tone w.wav synth 0.1 pinknoise highpass 1500 fade q 0.07 0.1 0.03 vol 0.25
  chain swish.wav w.wav
  mixdown hit.wav b.wav n.wav
  $SOX hit.wav -b 16 hitp.wav pad 0.08
  mixdown "$1.m.wav" swish.wav hitp.wav
  $SOX "$1.m.wav" -b 16 "$1" overdrive 6 gain -6 lowpass 3000
}

# One rifle shot: a sharp crack, a deep boom and a short echo.
make_shot() {
  tone c.wav synth 0.5 whitenoise fade q 0 0.5 0.49 lowpass 4500 overdrive 20 gain -6
  tone b.wav synth 0.35 sine 95-38 fade q 0.001 0.35 0.33 vol 0.9
  mixdown "$1.m.wav" c.wav b.wav
  $SOX "$1.m.wav" -b 16 "$1.e.wav" fade q 0 0.5 0.48
  $SOX "$1.e.wav" -b 16 "$1" pad 0 0.4 reverb 50 50 80 echo 0.8 0.6 120 0.25
}

# The engine cranks, coughs and dies.
make_drive_fail() {
  cranking c1.wav 0.6 11
  cranking c2.wav 0.6 9
  cranking c3.wav 0.5 7
  tone cough.wav synth 0.18 sawtooth 40-25 overdrive 14 gain -8 lowpass 700 fade t 0.005 0.18 0.12
  tone gap.wav synth 0.2 sine 0 vol 0
  chain "$1.c.wav" c1.wav c2.wav c3.wav cough.wav gap.wav
  $SOX "$1.c.wav" -b 16 "$1" fade t 0.02 0 0.5
}

# A wet splash: a burst of water noise with a few bubbles.
make_splash() {
  tone s.wav synth 0.6 pinknoise bandpass 1400 2200 fade q 0.003 0.6 0.55
  tone l.wav synth 0.4 brownnoise lowpass 400 fade q 0.005 0.4 0.35 vol 0.8
  tone p1.wav synth 0.06 sine 900-1500 fade q 0 0.06 0.05 vol 0.3 pad 0.12
  tone p2.wav synth 0.05 sine 700-1300 fade q 0 0.05 0.04 vol 0.25 pad 0.25
  mixdown "$1.m.wav" s.wav l.wav p1.wav p2.wav
  $SOX "$1.m.wav" -b 16 "$1" pad 0 0.2 reverb 20 50 30
}
