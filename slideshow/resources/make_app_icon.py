#!/usr/bin/env python3
"""Writes lumishow.ico, the slideshow engine's icon: a framed picture of a
hill under a sun, at 32 x 32 and 16 x 16, 32 bits a pixel with an alpha
channel and a matching AND mask (so that systems which ignore the alpha still
see the shape). Usage: make_app_icon.py [output file]"""
import os
import struct
import sys

FRAME = (70, 52, 40)
MAT = (236, 232, 222)
SKY_TOP = (70, 120, 210)
SKY_LOW = (160, 200, 240)
SUN = (250, 205, 60)
HILL = (60, 150, 70)
HILL_DARK = (40, 110, 50)


def pixel(x, y, size):
    """Colour (r, g, b, a) at the centre of pixel (x, y), y growing downwards,
    drawn on a unit square so that both sizes show the same picture."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    if not (0.03 < u < 0.97 and 0.12 < v < 0.88):
        return (0, 0, 0, 0)
    edge = 1.5 / size  # one and a half pixels of frame at either size
    if not (0.03 + edge < u < 0.97 - edge and 0.12 + edge < v < 0.88 - edge):
        return FRAME + (255,)
    inner = 0.03 + edge + 1.0 / size
    if not (inner < u < 1 - inner and 0.12 + edge + 1.0 / size < v < 0.88 - edge - 1.0 / size):
        return MAT + (255,)
    hill = 0.55 + 0.9 * (u - 0.3) ** 2  # rounded, falling away to the right
    if v > hill:
        return (HILL_DARK if v > 0.76 - 0.1 * u else HILL) + (255,)
    if (u - 0.68) ** 2 + (v - 0.36) ** 2 < 0.11 ** 2:
        return SUN + (255,)
    t = (v - 0.2) / 0.5
    t = min(max(t, 0.0), 1.0)
    sky = tuple(round(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_LOW))
    return sky + (255,)


def image(size):
    rows = [[pixel(x, y, size) for x in range(size)] for y in range(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(
        bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:  # transparent: keep the screen
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "lumishow.ico")
    sizes = (32, 16)
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b"".join(images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
