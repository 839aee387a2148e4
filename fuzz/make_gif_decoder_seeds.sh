#!/usr/bin/env bash
# Regenerates the seed corpus of the GIF decoder fuzz target: tiny files that reach frames,
# graphic controls with transparency and every disposal, local colour tables, interlacing,
# comment and application extensions, and one file cut inside its image data.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/corpus"
mkdir -p gif_decoder_fuzz

convert -delay 7 -dispose Background -size 6x5 xc:red \( -size 3x2 xc:none -fill blue -draw 'point 1 1' \) \
    -dispose Previous \( -size 6x5 xc:lime \) -loop 0 -strip gif_decoder_fuzz/three-frames-disposal.gif
convert -comment seed -size 5x9 gradient:white-black -colors 5 -interlace GIF \
    gif_decoder_fuzz/interlaced-comment.gif
head -c 60 gif_decoder_fuzz/three-frames-disposal.gif >gif_decoder_fuzz/cut-in-image-data.gif
