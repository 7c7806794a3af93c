#!/usr/bin/env python3
"""Writes default_icon.ico: the window's icon group, three 16-colour images of 16, 32 and 48
pixels. The picture is a small window with a title bar and a crosshair over its body.

Run it after changing the picture; the build uses the committed .ico and needs no Python.
Only the standard library is used.
"""
import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, GREY, RED, WHITE = 0, 4, 8, 9, 15
TRANSPARENT = None
SIZES = (16, 32, 48)


def picture(size):
    """Rows top to bottom of palette indices, TRANSPARENT outside the drawn window."""
    unit = size // 16
    rows = [[TRANSPARENT] * size for _ in range(size)]
    left, top, right, bottom = unit, 2 * unit, size - unit, size - 2 * unit
    title_bottom = top + 3 * unit
    centre_x, centre_y = (left + right) // 2, (title_bottom + bottom) // 2
    radius = (bottom - title_bottom) // 3
    for y in range(top, bottom):
        for x in range(left, right):
            on_frame = x in (left, right - 1) or y in (top, bottom - 1)
            if on_frame:
                colour = GREY
            elif y < title_bottom:
                colour = NAVY
            else:
                colour = WHITE
                distance2 = (x - centre_x) ** 2 + (y - centre_y) ** 2
                on_ring = (radius - unit) ** 2 <= distance2 <= radius ** 2
                on_cross = (abs(x - centre_x) < unit or abs(y - centre_y) < unit) and distance2 <= (radius + unit) ** 2
                if on_cross:
                    colour = BLACK
                elif on_ring:
                    colour = RED
            rows[y][x] = colour
    return rows


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_data(size):
    """BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows, both bottom up."""
    rows = picture(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in PALETTE)
    colour = b""
    mask = b""
    for row in reversed(rows):
        indices = [BLACK if index is TRANSPARENT else index for index in row]
        colour += padded(bytes((indices[x] << 4) | indices[x + 1] for x in range(0, size, 2)))
        bits = [1 if index is TRANSPARENT else 0 for index in row]
        mask += padded(bytes(int("".join(map(str, bits[x:x + 8])), 2) for x in range(0, size, 8)))
    return header + palette + colour + mask


def icon_file():
    images = [image_data(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def main():
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("default_icon.ico")
    target.write_bytes(icon_file())


if __name__ == "__main__":
    main()
