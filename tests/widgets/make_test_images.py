#!/usr/bin/env python3
"""Writes the widget tests' images: make_test_images.py FOLDER

in.ico, out.ico  32 x 32, a 24 x 24 square (red in, blue out) inside a transparent edge of 4 pixels
picture.bmp      24 x 16 green, inside a magenta (transparent) edge of 2 pixels
pointer.cur      32 x 32 monochrome, a black triangle with its hot spot at the top-left corner

The colours are those of widget_test_ids.h."""
import struct
import sys
from pathlib import Path

RED, BLUE, GREEN, MAGENTA = (255, 0, 0), (0, 0, 255), (0, 160, 0), (255, 0, 255)


def info_header(width, rows, bits, image_bytes, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, rows, 1, bits, 0, image_bytes, 0, 0, colours, 0)


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def bgr_rows(width, height, colour_at):
    # Bottom-up, as BMP and ICO store them.
    return b"".join(padded(b"".join(bytes(colour_at(x, y)[::-1]) for x in range(width)))
                    for y in reversed(range(height)))


def bit_rows(width, height, bit_at):
    rows = []
    for y in reversed(range(height)):
        bits = [bit_at(x, y) for x in range(width)]
        rows.append(padded(bytes(sum(b << (7 - i) for i, b in enumerate(bits[n:n + 8]))
                                 for n in range(0, width, 8))))
    return b"".join(rows)


def icon_file(kind, planes_or_hot_x, bits_or_hot_y, image):
    # An entry's planes and bit count fields hold the hot spot in a cursor file.
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, planes_or_hot_x, bits_or_hot_y, len(image), 22)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


def square_icon(colour):
    inside = lambda x, y: 4 <= x < 28 and 4 <= y < 28
    xor = bgr_rows(32, 32, lambda x, y: colour if inside(x, y) else (0, 0, 0))
    mask = bit_rows(32, 32, lambda x, y: 0 if inside(x, y) else 1)
    return icon_file(1, 1, 24, info_header(32, 64, 24, len(xor) + len(mask)) + xor + mask)


def pointer_cursor():
    inside = lambda x, y: x <= y < 24
    xor = bit_rows(32, 32, lambda x, y: 0)
    mask = bit_rows(32, 32, lambda x, y: 0 if inside(x, y) else 1)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return icon_file(2, 0, 0, info_header(32, 64, 1, len(xor) + len(mask), 2) + palette + xor + mask)


def picture_bitmap():
    pixels = bgr_rows(24, 16, lambda x, y: GREEN if 2 <= x < 22 and 2 <= y < 14 else MAGENTA)
    header = info_header(24, 16, 24, len(pixels))
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)) + header + pixels


folder = Path(sys.argv[1])
folder.mkdir(parents=True, exist_ok=True)
(folder / "in.ico").write_bytes(square_icon(RED))
(folder / "out.ico").write_bytes(square_icon(BLUE))
(folder / "pointer.cur").write_bytes(pointer_cursor())
(folder / "picture.bmp").write_bytes(picture_bitmap())
