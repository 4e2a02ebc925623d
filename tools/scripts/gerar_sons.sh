#!/usr/bin/env bash
# Builds Teclomatic's five feedback sounds into assets/sounds/ with sox:
#   bip     soft click of the buttons             ~40 ms
#   login   rising chime (C5 E5 G5)                ~400 ms
#   logoff  falling chime (G5 E5 C5)               ~400 ms
#   erro    low, short, soft buzz on a wrong key   ~150 ms
#   fim     small fanfare when a lesson ends       ~1 s
# 16-bit PCM, mono, 44.1 kHz. Every sound fades in and out so nothing clicks,
# and is normalised: login, logoff and fim peak at -3 dBFS; bip (-12 dBFS)
# and erro (-11 dBFS), heard far more often, are quieter.
#
# The output is reproducible: sox runs in repeatable mode without dither, so
# running this script again gives the same bytes.
#   tools/scripts/gerar_sons.sh [output-folder]   (default: assets/sounds)
set -euo pipefail

here=$(cd "$(dirname "$0")/../.." && pwd)
saida=${1:-"$here/assets/sounds"}

if ! command -v sox >/dev/null 2>&1; then
  echo "Installing sox"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends sox
fi

mkdir -p "$saida"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

TAXA=44100
# Intermediate files: 32-bit float, so mixing and gain lose nothing.
INTER=(-r "$TAXA" -c 1 -e floating-point -b 32)
# Final files: 16-bit signed PCM, mono.
FINAL=(-r "$TAXA" -c 1 -e signed-integer -b 16)
SOX=(sox -R -D -V1)

# nota <file> <frequency> <length> <delay> <ring> [timbre] [phase %]
# One struck note: the fundamental with a softer octave above it, a 5 ms
# attack and an exponential decay that falls about 100 dB over <ring>
# seconds (sox's logarithmic fade), cut to <length> with a short smooth
# tail; <delay> seconds of silence in front.
nota() {
  local arq=$1 freq=$2 dur=$3 atraso=$4 soar=$5 timbre=${6:-sine} fase=${7:-0}
  local oitava
  oitava=$(awk -v f="$freq" 'BEGIN { printf "%.2f", f * 2 }')
  "${SOX[@]}" -n "${INTER[@]}" "$arq" \
    synth "$soar" "$timbre" "$freq" 0 "$fase" synth "$soar" sine mix "$oitava" 0 "$fase" vol 0.5 \
    fade l 0.005 "$soar" "$(awk -v d="$soar" 'BEGIN { printf "%.3f", d - 0.005 }')" \
    trim 0 "$dur" fade q 0 "$dur" 0.03 \
    pad "$atraso" 0
}

# mistura <output> <peak dBFS> [-v gain] <input> ...: mixes the notes
# (sox -m, each input at its own gain), ends with a short fade-out so the
# last sample is silent, and normalises to the peak.
mistura() {
  local arq=$1 pico=$2
  shift 2
  "${SOX[@]}" -m "$@" "${INTER[@]}" "$tmp/mix.wav"
  local dur
  dur=$(soxi -D "$tmp/mix.wav")
  "${SOX[@]}" "$tmp/mix.wav" "${FINAL[@]}" "$arq" \
    fade q 0.002 "$dur" 0.02 gain -n "$pico"
}

# bip: a tiny falling sine blip, soft and short.
"${SOX[@]}" -n "${FINAL[@]}" "$saida/bip.wav" \
  synth 0.04 sine 1800-1100 fade q 0.003 0.04 0.032 gain -n -12

# login: C5 E5 G5 rising, each note ringing into the next.
nota "$tmp/l1.wav" 523.25 0.22 0.00 1.0
nota "$tmp/l2.wav" 659.26 0.22 0.09 1.0
nota "$tmp/l3.wav" 783.99 0.22 0.18 1.0
mistura "$saida/login.wav" -3 -v 0.3 "$tmp/l1.wav" -v 0.3 "$tmp/l2.wav" -v 0.3 "$tmp/l3.wav"

# logoff: the same chime falling, G5 E5 C5.
nota "$tmp/o1.wav" 783.99 0.22 0.00 1.0
nota "$tmp/o2.wav" 659.26 0.22 0.09 1.0
nota "$tmp/o3.wav" 523.25 0.22 0.18 1.0
mistura "$saida/logoff.wav" -3 -v 0.3 "$tmp/o1.wav" -v 0.3 "$tmp/o2.wav" -v 0.3 "$tmp/o3.wav"

# erro: a low sawtooth sliding down a little, its edge taken off by a
# low-pass filter so it reads as a gentle "no", not an alarm.
"${SOX[@]}" -n "${FINAL[@]}" "$saida/erro.wav" \
  synth 0.15 sawtooth 170-140 lowpass 700 lowpass 900 \
  fade h 0.012 0.15 0.07 gain -n -11

# fim: C5 E5 G5 climbing, then a C major chord with C6 on top that rings
# out to the end. The chord's notes start at different phases so their
# first peaks do not pile up.
nota "$tmp/f1.wav" 523.25 0.26 0.00 0.9 triangle
nota "$tmp/f2.wav" 659.26 0.26 0.12 0.9 triangle
nota "$tmp/f3.wav" 783.99 0.26 0.24 0.9 triangle
nota "$tmp/f4.wav" 523.25 0.64 0.36 1.6 triangle 0
nota "$tmp/f5.wav" 659.26 0.64 0.36 1.6 triangle 25
nota "$tmp/f6.wav" 783.99 0.64 0.36 1.6 triangle 50
nota "$tmp/f7.wav" 1046.50 0.64 0.36 1.6 sine 75
mistura "$saida/fim.wav" -3 \
  -v 0.25 "$tmp/f1.wav" -v 0.25 "$tmp/f2.wav" -v 0.25 "$tmp/f3.wav" \
  -v 0.16 "$tmp/f4.wav" -v 0.16 "$tmp/f5.wav" -v 0.16 "$tmp/f6.wav" -v 0.12 "$tmp/f7.wav"

for s in bip login logoff erro fim; do
  printf '%-7s %s s\n' "$s" "$(soxi -D "$saida/$s.wav")"
done
