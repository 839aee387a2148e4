#!/usr/bin/env bash
# Writes the seed corpus of bmp_fuzz: small BMP files of each header form, bit depth,
# row order and compression. Needs ImageMagick; the output is committed.
set -euo pipefail
out="$(dirname "$0")/corpus/bmp_fuzz"
mkdir -p "$out"
src=$(mktemp --suffix=.png)
trap 'rm -f "$src"' EXIT
convert -size 32x32 gradient:red-blue -draw "fill yellow circle 16,16 20,16" "$src"

convert "$src" -type TrueColor BMP3:"$out/info24.bmp"
convert "$src" -type TrueColor BMP2:"$out/core24.bmp"
convert "$src" -type TrueColorAlpha -define bmp:format=bmp4 BMP:"$out/v4_32.bmp"
convert "$src" -colors 200 -type Palette -compress None BMP3:"$out/info8.bmp"
convert "$src" -colors 200 -type Palette -compress RLE BMP3:"$out/rle8.bmp"
convert "$src" -colors 16 -type Palette -compress RLE BMP3:"$out/rle4.bmp"
convert "$src" -colors 16 -type Palette -compress None BMP3:"$out/info4.bmp"
convert "$src" -monochrome BMP3:"$out/info1.bmp"
convert "$src" -define bmp:subtype=RGB565 BMP:"$out/bitfields16.bmp"
