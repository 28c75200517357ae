# Shared helpers for the sound script: synthesis with sox and MP3 encoding with lame (POSIX sh).

# sox with a fixed noise seed (-R) and no dither (-D), so every run writes the same samples.
SOX="sox -R -D"
RATE=44100

# tone OUT.wav ARGS...: a mono 16-bit clip made by sox's synth from nothing.
tone() {
  _o=$1
  shift
  $SOX -n -r $RATE -c 1 -b 16 "$_o" "$@"
}

# mixdown OUT.wav IN.wav...: mixes clips of any length (shorter ones end in silence).
mixdown() {
  _o=$1
  shift
  $SOX -m "$@" -b 16 "$_o"
}

# chain OUT.wav IN.wav...: plays clips one after another.
chain() {
  _o=$1
  shift
  $SOX "$@" -b 16 "$_o"
}

# finish IN.wav OUT.mp3 [KBPS [PEAK_DB]]: normalises the peak (default -1 dB) and encodes with fixed
# settings; lame's own tag stays in the file so a decoder can cut the encoder's padding.
finish() {
  $SOX "$1" -b 16 "$1.n.wav" gain -n "${4:--1}"
  lame --quiet --noreplaygain -m m -b "${3:-96}" --resample 44.1 "$1.n.wav" "$2"
}
