#!/bin/sh
# Regenerates the small Ogg Vorbis test tones used by the music tests.
# Lengths are chosen not to line up with the player's one-second refills.
set -e
cd "$(dirname "$0")"
# Intro: 3.5 s, a tone sweeping up, different on each side.
sox -n -r 44100 -c 2 intro.ogg synth 3.5 sine 300-500 sine 450-650 gain -6
# Loop: 1.3 s, a steady chord.
sox -n -r 44100 -c 2 loop.ogg synth 1.3 sine 660 sine 880 gain -6
# One-file piece: 1.2 s.
sox -n -r 44100 -c 2 short.ogg synth 1.2 sine 523 sine 784 gain -6
# Mono file: plays as if it were stereo, and must not crash.
sox -n -r 44100 -c 1 mono.ogg synth 0.5 sine 440 gain -6
