#!/usr/bin/env bash
# Regenerates the seed corpora of the picture size fuzz targets: a few tiny valid files per
# format and one damaged one, so the fuzzers start from inside each parser rather than at its
# first check. Needs ImageMagick's convert and python3.
set -euo pipefail
cd "$(dirname "$0")/corpus"

mkdir -p jpeg_size_fuzz gif_size_fuzz icon_size_fuzz metafile_size_fuzz

# -strip keeps metadata out: the seeds should be headers and little else.
convert -size 8x8 xc:gray -strip -quality 50 jpeg_size_fuzz/gray-8x8.jpg
convert -size 40x33 gradient:red-blue -strip -quality 20 jpeg_size_fuzz/color-40x33.jpg
convert -size 8x8 gradient: -colorspace Gray -strip -quality 20 -interlace JPEG jpeg_size_fuzz/progressive-8x8.jpg
head -c 40 jpeg_size_fuzz/color-40x33.jpg >jpeg_size_fuzz/cut-in-tables.jpg

convert -size 8x8 xc:gray -strip gif_size_fuzz/gif89a-8x8.gif
convert -size 40x33 xc:red -strip GIF87:gif_size_fuzz/gif87a-40x33.gif
# Mixed-case signature, which giflib alone would refuse.
sed '1s/^GIF89a/gIf89A/' gif_size_fuzz/gif89a-8x8.gif >gif_size_fuzz/mixed-case-8x8.gif
head -c 16 gif_size_fuzz/gif87a-40x33.gif >gif_size_fuzz/cut-in-colour-table.gif

convert -size 8x8 xc:gray -colors 2 -strip icon_size_fuzz/single-8x8.ico
convert -size 256x256 xc:gray -type bilevel -strip icon_size_fuzz/stored-as-zero-256.ico
convert -size 16x16 xc:red -size 8x8 xc:blue -colors 2 -strip icon_size_fuzz/two-entries.ico
head -c 100 icon_size_fuzz/single-8x8.ico >icon_size_fuzz/data-past-end.ico

python3 - <<'PY'
import struct

def metaheader():
    # METAHEADER (disk, 9 words, version 0x0300) and the end-of-file record.
    return struct.pack('<HHHIHIH', 2, 9, 0x0300, 12, 0, 3, 0) + struct.pack('<IH', 3, 0)

def emf(bounds, signature=0x464D4520):
    header = struct.pack('<II4i4iI', 1, 88, *bounds, 0, 0, 2540, 1270, signature)
    header += struct.pack('<IIIHHIIIiiii', 0x10000, 88 + 20, 2, 1, 0, 0, 0, 0, 1024, 768, 320, 240)
    eof = struct.pack('<IIIII', 14, 20, 0, 16, 20)  # EMR_EOF
    return header + eof

def placeable(box, units_per_inch):
    words = struct.pack('<IH4hHI', 0x9AC6CDD7, 0, *box, units_per_inch, 0)
    checksum = 0
    for (w,) in struct.iter_unpack('<H', words):
        checksum ^= w
    return words + struct.pack('<H', checksum) + metaheader()

seeds = {
    'emf-100x50.emf': emf((0, 0, 99, 49)),
    'emf-wrong-signature.emf': emf((0, 0, 99, 49), 0x20464D45),
    'placeable-96x48.wmf': placeable((0, 0, 1440, 720), 1440),
    'plain.wmf': metaheader(),
}
for name, data in seeds.items():
    with open('metafile_size_fuzz/' + name, 'wb') as f:
        f.write(data)
PY
