#!/usr/bin/env python3
"""Draws the grid's panning pictures beside this script: the anchor bitmaps intli1.bmp (both
directions), intli2.bmp (horizontal) and intli3.bmp (vertical), 32 x 32 24-bit with white as the
key colour in the top-left pixel, and the nine direction cursors pan8000.cur .. pan8008.cur, 32 x 32
32-bit with their hot spot in the middle: neutral, down, left, right, up, up-right, up-left,
down-right, down-left.  Run it after changing a drawing; the files are kept in the repository so
that the build needs no Python.
"""
import os
import struct

SIZE = 32
MIDDLE = 15
WHITE = (255, 255, 255)
INK = (0, 0, 0)
RIM = (96, 96, 96)

# Unit steps of the eight directions (x right, y down).
DIRECTIONS = {
    "up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0),
    "up-right": (1, -1), "up-left": (-1, -1), "down-right": (1, 1), "down-left": (-1, 1),
}


def arrow_head(pixels, direction, tip, color):
    # A filled triangle pointing along the direction: its tip `tip` pixels from the middle, 5 deep.
    dx, dy = DIRECTIONS[direction]
    length = (dx * dx + dy * dy) ** 0.5
    for y in range(SIZE):
        for x in range(SIZE):
            along = ((x - MIDDLE) * dx + (y - MIDDLE) * dy) / length
            across = ((y - MIDDLE) * dx - (x - MIDDLE) * dy) / length
            if tip - 5 <= along <= tip and abs(across) <= tip - along + 0.5:
                pixels[y][x] = color


def dot(pixels, radius, color):
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - MIDDLE) ** 2 + (y - MIDDLE) ** 2 <= radius * radius:
                pixels[y][x] = color


def anchor(directions):
    pixels = [[WHITE] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            distance = (x - MIDDLE) ** 2 + (y - MIDDLE) ** 2
            if 12 * 12 <= distance <= 13 * 13:
                pixels[y][x] = RIM
    dot(pixels, 2, INK)
    for direction in directions:
        arrow_head(pixels, direction, 10, INK)
    return pixels


def cursor(directions):
    pixels = [[None] * SIZE for _ in range(SIZE)]
    dot(pixels, 3, INK)
    for direction in directions:
        arrow_head(pixels, direction, 12, INK)
    return pixels


def write_bmp(path, pixels):
    row_size = (SIZE * 3 + 3) & ~3
    data = b""
    for row in reversed(pixels):
        line = b"".join(bytes((b, g, r)) for r, g, b in row)
        data += line + b"\0" * (row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_cur(path, pixels):
    color = b""
    for row in reversed(pixels):
        color += b"".join(bytes((0, 0, 0, 0)) if p is None else bytes((p[2], p[1], p[0], 255)) for p in row)
    mask = b""
    for row in reversed(pixels):
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(color) + len(mask), 0, 0, 0, 0)
    image = info + color + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, MIDDLE, MIDDLE, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "intli1.bmp"), anchor(["up", "down", "left", "right"]))
    write_bmp(os.path.join(here, "intli2.bmp"), anchor(["left", "right"]))
    write_bmp(os.path.join(here, "intli3.bmp"), anchor(["up", "down"]))
    cursors = [["up", "down", "left", "right"], ["down"], ["left"], ["right"], ["up"], ["up-right"],
               ["up-left"], ["down-right"], ["down-left"]]
    for number, directions in enumerate(cursors, start=8000):
        write_cur(os.path.join(here, f"pan{number}.cur"), cursor(directions))


if __name__ == "__main__":
    main()
