#!/usr/bin/env python3
"""Draws the program's two pictures and writes them as Windows icon and cursor files.

resources/logo.ico: a clock face with the hands at twenty to five, 32 x 32, 24 bits, one-bit mask.
resources/hand.cur: a pointing hand, index finger up, 32 x 32, 16 colours, one-bit mask, hot spot 12, 1.

Run it from the repository root after changing a drawing, and commit the files it writes.
"""
import math
import struct
from pathlib import Path

SIZE = 32

HAND = """
............XX
...........XOOX
...........XOOX
...........XOOX
...........XOOX
...........XOOXXX
...........XOOXOOXXX
...........XOOXOOXOOXX
........XX.XOOXOOXOOXOX
........XOXXOOOOOOOOXOOX
........XOOXOOOOOOOOOOOX
.........XOXOOOOOOOOOOOX
.........XOOOOOOOOOOOOOX
..........XOOOOOOOOOOOOX
..........XOOOOOOOOOOOX
...........XOOOOOOOOOOX
...........XOOOOOOOOOX
............XOOOOOOOOX
............XOOOOOOOOX
............XXXXXXXXXX
"""
HAND_HOT_SPOT = (12, 1)

# The standard 16-colour palette; the hand uses black (0) and white (15).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255),
    (255, 255, 255),
]

RIM = (0, 0, 128)
FACE = (255, 255, 255)
MARK = (64, 64, 64)
HAND_COLOUR = (192, 0, 0)


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def clock_pixel(x, y):
    """Colour of one logo pixel, or None where the icon is transparent."""
    cx = cy = 15.5
    px, py = x + 0.5, y + 0.5
    r = math.hypot(px - cx, py - cy)
    if r > 15.5:
        return None
    if r > 13.0:
        return RIM
    for hour in range(12):
        angle = math.radians(hour * 30)
        mx, my = cx + 11.0 * math.sin(angle), cy - 11.0 * math.cos(angle)
        if math.hypot(px - mx, py - my) < (1.3 if hour % 3 == 0 else 0.8):
            return MARK
    # Hour hand towards 4:40, minute hand towards 40 minutes.
    for minutes, length, width in ((4 * 60 + 40, 6.5, 1.3), (40 * 12, 10.5, 0.9)):
        angle = math.radians(minutes / 720 * 360)
        if distance_to_segment(px, py, cx, cy, cx + length * math.sin(angle), cy - length * math.cos(angle)) < width:
            return HAND_COLOUR
    return FACE


def rows_bottom_up():
    return range(SIZE - 1, -1, -1)


def mask_bytes(transparent):
    """The one-bit AND mask, bottom row first, 1 where the picture is transparent."""
    out = bytearray()
    for y in rows_bottom_up():
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if transparent(x, y) else 0)
        out += bits.to_bytes(4, "big")
    return bytes(out)


def bitmap_header(bits_per_pixel, image_size):
    # Height counts the colour image and the mask together.
    return struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bits_per_pixel, 0, image_size, 0, 0, 0, 0)


def icon_file():
    colours = bytearray()
    for y in rows_bottom_up():
        for x in range(SIZE):
            r, g, b = clock_pixel(x, y) or (0, 0, 0)
            colours += bytes((b, g, r))
    mask = mask_bytes(lambda x, y: clock_pixel(x, y) is None)
    image = bitmap_header(24, len(colours) + len(mask)) + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 22)
    return directory + image


def cursor_file():
    art = [line.ljust(SIZE, ".") for line in HAND.strip("\n").split("\n")]
    art += ["." * SIZE] * (SIZE - len(art))
    index = {".": 0, "X": 0, "O": 15}
    colours = bytearray()
    for y in rows_bottom_up():
        row = [index[c] for c in art[y]]
        colours += bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2))
    mask = mask_bytes(lambda x, y: art[y][x] == ".")
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE16)
    image = bitmap_header(4, len(colours) + len(mask)) + palette + colours + mask
    hot_x, hot_y = HAND_HOT_SPOT
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, hot_x, hot_y, len(image), 22)
    return directory + image


def main():
    resources = Path(__file__).resolve().parent.parent / "resources"
    for name, data, expected in (("logo.ico", icon_file(), 3262), ("hand.cur", cursor_file(), 766)):
        assert len(data) == expected, f"{name}: {len(data)} bytes, expected {expected}"
        (resources / name).write_bytes(data)
        print(f"wrote resources/{name} ({len(data)} bytes)")


if __name__ == "__main__":
    main()
