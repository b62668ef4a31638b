#!/usr/bin/env python3
"""Prints how many different colours a screenshot in X's XWD format (xwd)
holds: a blank or single-colour window gives 1 or 2, a drawn scene many.
    screen_colours.py SHOT.xwd"""
import struct
import sys

with open(sys.argv[1], "rb") as f:
    data = f.read()
fields = struct.unpack(">25I", data[:100])
header_size, version = fields[0], fields[1]
width, height = fields[4], fields[5]
byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
colour_count = fields[19]
if version != 7 or bits_per_pixel not in (24, 32):
    sys.exit("not a 24- or 32-bit XWD picture")
pixels = header_size + 12 * colour_count
step = bits_per_pixel // 8
order = "little" if byte_order == 0 else "big"
seen = set()
for y in range(height):
    row = pixels + y * bytes_per_line
    for x in range(width):
        p = row + x * step
        seen.add(int.from_bytes(data[p:p + step], order) & 0xFFFFFF)
print(len(seen))
