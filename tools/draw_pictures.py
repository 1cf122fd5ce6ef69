#!/usr/bin/env python3
"""Draws the program's pictures and writes them.

resources/logo.ico: a clock face with the hands at twenty to five, 32 x 32, 24 bits, one-bit mask.
resources/hand.cur: a pointing hand, index finger up, 32 x 32, 16 colours, one-bit mask, hot spot 12, 1.
resources/logo.png: the icon file's image as PNG, which Qt shows with its transparency.
resources/icons/taktzeit-N.png: the same clock face, smoothed, at the desktop's usual icon sizes.

Run it after changing a drawing, and commit the files it writes.
"""
import math
import struct
import zlib
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


ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def clock_pixel(x, y):
    """Colour of one logo pixel, or None where the icon is transparent."""
    return clock_colour(x + 0.5, y + 0.5)


def clock_colour(px, py):
    """Colour of the clock face at a point of the 32 x 32 drawing, or None outside it."""
    cx = cy = 15.5
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


def smooth_pixel(size):
    """The clock drawn at any size, each pixel the average of 4 x 4 samples, with partial transparency."""
    samples = 4
    scale = 32 / size

    def pixel(x, y):
        total = [0, 0, 0, 0]
        for sy in range(samples):
            for sx in range(samples):
                colour = clock_colour((x + (sx + 0.5) / samples) * scale, (y + (sy + 0.5) / samples) * scale)
                if colour:
                    for i in range(3):
                        total[i] += colour[i]
                    total[3] += 1
        covered = total[3]
        return [round(total[i] / covered) if covered else 0 for i in range(3)] + [round(255 * covered / samples**2)]

    return pixel


def icon_pixel(x, y):
    """The 32 x 32 logo exactly as the icon file holds it: the same colours, fully opaque or transparent."""
    colour = clock_pixel(x, y)
    return list(colour) + [255] if colour else [0, 0, 0, 0]


def png_file(size, pixel):
    rows = bytearray()
    for y in range(size):
        rows.append(0)
        for x in range(size):
            rows += bytes(pixel(x, y))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b"")


def main():
    resources = Path(__file__).resolve().parent.parent / "resources"
    for name, data, expected in (("logo.ico", icon_file(), 3262), ("hand.cur", cursor_file(), 766)):
        assert len(data) == expected, f"{name}: {len(data)} bytes, expected {expected}"
        (resources / name).write_bytes(data)
        print(f"wrote resources/{name} ({len(data)} bytes)")
    # Qt reads an icon file's colours but not the mask of a 24-bit image, so the program shows this copy.
    (resources / "logo.png").write_bytes(png_file(SIZE, icon_pixel))
    print("wrote resources/logo.png (the icon file's image)")
    (resources / "icons").mkdir(exist_ok=True)
    for size in ICON_SIZES:
        (resources / "icons" / f"taktzeit-{size}.png").write_bytes(png_file(size, smooth_pixel(size)))
    print(f"wrote resources/icons/taktzeit-N.png for N in {', '.join(map(str, ICON_SIZES))}")


if __name__ == "__main__":
    main()
