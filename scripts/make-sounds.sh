#!/bin/bash
# Makes data/sounds/right.wav and data/sounds/wrong.wav; needs Debian's sox.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/data/sounds"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# -R and -D keep reruns byte-identical: no random seed, no dither noise.
fmt=(-R -D -r 22050 -c 1)

# A soft bell: a sine with a quiet octave partial, a quick attack and a long
# logarithmic decay, delayed by the given number of seconds.
bell() { # file frequency octave seconds decay delay
    sox "${fmt[@]}" -n "$tmp/a.wav" synth "$4" sine "$2" vol 0.8
    sox "${fmt[@]}" -n "$tmp/b.wav" synth "$4" sine "$3" vol 0.2
    sox "${fmt[@]}" -m "$tmp/a.wav" "$tmp/b.wav" "$1" fade l 0.004 "$4" "$5" pad "$6" 0
}

# Right: C6 then G6, the second note starting while the first still rings.
bell "$tmp/n1.wav" 1046.50 2093.00 0.24 0.236 0
bell "$tmp/n2.wav" 1567.98 3135.96 0.30 0.296 0.13
sox "${fmt[@]}" -m "$tmp/n1.wav" "$tmp/n2.wav" -b 16 -e signed-integer "$out/right.wav" \
    fade q 0.003 0.43 0.02 gain -n -6

# Wrong: two slightly detuned low saws beat against each other; the low-pass
# keeps it a soft hum rather than a rasp.
sox "${fmt[@]}" -n "$tmp/s1.wav" synth 0.32 sawtooth 98
sox "${fmt[@]}" -n "$tmp/s2.wav" synth 0.32 sawtooth 104
sox "${fmt[@]}" -m "$tmp/s1.wav" "$tmp/s2.wav" -b 16 -e signed-integer "$out/wrong.wav" \
    lowpass 900 fade h 0.012 0.32 0.09 gain -n -6
