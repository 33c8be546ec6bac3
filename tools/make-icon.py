#!/usr/bin/env python3
"""Writes res/tolvane.ico: the program icon, a disc with a small menu card
in front of it, as 32 x 32 and 16 x 16 images with 32-bit colour, and 48 x 48
and 64 x 64 images (150 % and 200 % screens) as PNG with at most 256 colours,
which keeps them small in the program file.

Run once when the glyph changes; the .ico file is kept in the repository.
"""
import math
import os
import struct
import sys
import zlib

SAMPLES = 4  # supersampling per axis, for smooth edges


def disc_and_card(x, y):
    """The colour (r, g, b, a) of the glyph at (x, y) in a 1 x 1 square."""
    # The menu card: a white sheet with three blue lines, lower right.
    if 0.50 <= x <= 0.97 and 0.52 <= y <= 0.97:
        if x < 0.54 or x > 0.93 or y < 0.56 or y > 0.93:
            return (40, 60, 110, 255)  # border
        for top in (0.62, 0.72, 0.82):
            if top <= y <= top + 0.06 and 0.60 <= x <= 0.88:
                return (30, 90, 200, 255)
        return (250, 250, 250, 255)
    dx, dy = x - 0.45, y - 0.45
    r = math.hypot(dx, dy)
    if r > 0.43:
        return (0, 0, 0, 0)
    if r < 0.07:
        return (0, 0, 0, 0)  # the hole
    if r > 0.40 or r < 0.10:
        return (90, 95, 110, 255)  # rims
    # Silver surface with a rainbow sheen that turns with the angle.
    angle = math.atan2(dy, dx)
    sheen = 0.5 + 0.5 * math.cos(2 * angle)
    base = 170 + int(60 * sheen)
    tint = (int(30 * math.cos(angle)), int(30 * math.cos(angle + 2.1)),
            int(30 * math.cos(angle + 4.2)))
    return tuple(max(0, min(255, base + t)) for t in tint) + (255,)


def render(size):
    pixels = []
    for row in range(size):
        line = []
        for col in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (col + (sx + 0.5) / SAMPLES) / size
                    y = (row + (sy + 0.5) / SAMPLES) / size
                    r, g, b, a = disc_and_card(x, y)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if acc[3]:
                rgb = [round(c / acc[3]) for c in acc[:3]]
            else:
                rgb = [0, 0, 0]
            line.append((rgb[0], rgb[1], rgb[2], round(alpha)))
        pixels.append(line)
    return pixels


def bitmap(size):
    """A BITMAPINFOHEADER, bottom-up BGRA rows and the AND mask."""
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(
        bytes((b, g, r, a)) for line in reversed(pixels) for (r, g, b, a) in line)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for line in reversed(pixels):
        row = bytearray(stride)
        for col, (_, _, _, a) in enumerate(line):
            if a == 0:
                row[col // 8] |= 0x80 >> (col % 8)
        mask += row
    return header + colour + bytes(mask)


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png(size):
    """A PNG with a palette: the glyph's colour channels in steps of 8, which
    cannot be seen at these sizes and need fewer than 256 colours."""
    def level(v):
        return min(255, (v + 4) // 8 * 8)
    pixels = [[(level(r), level(g), level(b), a) if a else (0, 0, 0, 0)
               for (r, g, b, a) in line] for line in render(size)]
    # Translucent entries first: the transparency table covers only them.
    colours = sorted({p for line in pixels for p in line}, key=lambda p: p[3] == 255)
    assert len(colours) <= 256, len(colours)
    index = {c: i for i, c in enumerate(colours)}
    rows = b"".join(b"\0" + bytes(index[p] for p in line) for line in pixels)
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)) +
            png_chunk(b"PLTE", b"".join(bytes(c[:3]) for c in colours)) +
            png_chunk(b"tRNS", bytes(c[3] for c in colours if c[3] != 255)) +
            png_chunk(b"IDAT", zlib.compress(rows, 9)) + png_chunk(b"IEND", b""))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "res", "tolvane.ico")
    images = [(size, bitmap(size)) for size in (32, 16)]
    images += [(size, png(size)) for size in (48, 64)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for _, image in images:
        data += image
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
