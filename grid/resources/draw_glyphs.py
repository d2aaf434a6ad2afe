#!/usr/bin/env python3
"""Draws the grid's glyph bitmaps (24-bit BMP files beside this script).

Every glyph leaves its corner pixels in the key colour (magenta), which no glyph uses: the
bottom-left pixel is the bitmap's automatic transparent colour and the top-left pixel the one
DrawBitmapTransparent replaces.  Run it after changing a drawing; the BMP files are kept in the
repository so that the build needs no Python.
"""
import os
import struct

KEY = (255, 0, 255)
WHITE = (255, 255, 255)
FRAME = (28, 81, 128)
FRAME_OFF = (161, 161, 146)
TICK = (33, 161, 33)
TICK_OFF = (150, 150, 150)
FACE_OFF = (236, 236, 230)
DAV_FRAME = (96, 96, 96)
DAV_TICK = (0, 0, 0)
DOT = (33, 161, 33)
NODE_LINE = (120, 152, 181)
NODE_SIGN = (0, 0, 0)
LEAF = (64, 64, 64)
FUNNEL = (70, 70, 70)
ARROW = (0, 0, 128)
ARROW_OFF = (150, 150, 150)
CROSS = (64, 64, 64)
CROSS_DOWN = (0, 0, 0)
CROSS_DOWN_FACE = (200, 200, 200)
CROSS_HOT = (192, 0, 0)
MARKER = (255, 220, 0)
MARKER_OFF = (200, 200, 200)
PEN = (64, 64, 64)


def blank(width, height):
    return [[KEY] * width for _ in range(height)]


def box(pixels, left, top, size, frame, face):
    for y in range(top, top + size):
        for x in range(left, left + size):
            edge = y in (top, top + size - 1) or x in (left, left + size - 1)
            pixels[y][x] = frame if edge else face


def tick(pixels, left, top, color):
    # A two-pixel-thick tick: down from the left middle, then up to the top right.
    points = [(0, 3), (1, 4), (2, 5), (3, 4), (4, 3), (5, 2), (6, 1)]
    for dx, dy in points:
        for t in (0, 1):
            pixels[top + dy + t][left + dx] = color


def check_box(size, box_size, checked, enabled, dav):
    pixels = blank(size, size)
    offset = (size - box_size) // 2
    frame = (DAV_FRAME if dav else FRAME) if enabled else FRAME_OFF
    box(pixels, offset, offset, box_size, frame, WHITE if enabled else FACE_OFF)
    if checked:
        mark = (DAV_TICK if dav else TICK) if enabled else TICK_OFF
        tick(pixels, offset + (box_size - 7) // 2, offset + (box_size - 8) // 2, mark)
    return pixels


def radio(checked, enabled, dav):
    pixels = blank(16, 16)
    frame = (DAV_FRAME if dav else FRAME) if enabled else FRAME_OFF
    face = WHITE if enabled else FACE_OFF
    for y in range(16):
        for x in range(16):
            d = (x - 7.5) ** 2 + (y - 7.5) ** 2
            if d <= 5.5 ** 2:
                pixels[y][x] = face
            elif d <= 6.6 ** 2:
                pixels[y][x] = frame
            if checked and d <= 2.6 ** 2:
                pixels[y][x] = (DAV_TICK if dav else DOT) if enabled else TICK_OFF
    return pixels


def xp_node(contracted):
    pixels = blank(9, 9)
    for y in range(9):
        for x in range(9):
            corner = x in (0, 8) and y in (0, 8)
            edge = x in (0, 8) or y in (0, 8)
            if not corner:
                pixels[y][x] = NODE_LINE if edge else WHITE
    for x in range(2, 7):
        pixels[4][x] = NODE_SIGN
    if contracted:
        for y in range(2, 7):
            pixels[y][4] = NODE_SIGN
    return pixels


def leaf(contracted):
    # A solid triangle: pointing right when contracted, down when open.
    pixels = blank(16, 16)
    for i in range(5):
        for j in range(-i, i + 1):
            if contracted:
                pixels[8 + j][10 - i] = LEAF
            else:
                pixels[10 - i][8 + j] = LEAF
    return pixels


def funnel():
    pixels = blank(16, 16)
    for y in range(3, 8):
        for x in range(2 + (y - 3), 14 - (y - 3)):
            pixels[y][x] = FUNNEL
    for y in range(8, 13):
        for x in (7, 8):
            pixels[y][x] = FUNNEL
    return pixels


def arrow(down, enabled):
    # A solid triangle pointing down (find next) or up (find previous) over a short stem.
    pixels = blank(16, 16)
    color = ARROW if enabled else ARROW_OFF
    for i in range(5):
        row = 11 - i if down else 4 + i
        for x in range(8 - (4 - i) - 1, 8 + (4 - i)):
            pixels[row][x] = color
    for y in (range(3, 7) if down else range(9, 13)):
        for x in (7, 8):
            pixels[y][x] = color
    return pixels


def spin_arrow(up):
    # A small solid triangle for the spin edit's arrow buttons.
    pixels = blank(7, 4)
    for i in range(4):
        row = 3 - i if up else i
        for x in range(i, 7 - i):
            pixels[row][x] = (0, 0, 0)
    return pixels


def cross(pressed, hot=False):
    # Two diagonals two pixels thick; pressed: on a grey square; hot: red.
    pixels = blank(14, 14)
    if pressed:
        for y in range(1, 13):
            for x in range(1, 13):
                pixels[y][x] = CROSS_DOWN_FACE
    color = CROSS_DOWN if pressed else CROSS_HOT if hot else CROSS
    for i in range(3, 11):
        for t in (0, 1):
            pixels[i][min(i + t, 10)] = color
            pixels[i][max(13 - i - t, 3)] = color
    return pixels


def marker(enabled):
    # A highlighted band with a pen line across it.
    pixels = blank(16, 16)
    for y in range(5, 11):
        for x in range(2, 14):
            pixels[y][x] = MARKER if enabled else MARKER_OFF
    for x in range(3, 13):
        pixels[8][x] = PEN if enabled else ARROW_OFF
    return pixels


def write_bmp(path, pixels):
    height = len(pixels)
    width = len(pixels[0])
    row_size = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(row_size - len(line))
        data += line
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    glyphs = {}
    # 01..04 (20 x 20) and 05..08 (16 x 16): checked, unchecked, checked disabled, unchecked disabled.
    for base, size, box_size, dav in ((1, 20, 14, True), (5, 16, 13, False)):
        for i, (checked, enabled) in enumerate(((True, True), (False, True), (True, False), (False, False))):
            glyphs['psgchk%02d' % (base + i)] = check_box(size, box_size, checked, enabled, dav)
            glyphs['psgrad%02d' % (base + i)] = radio(checked, enabled, dav)
    glyphs['psgleafclose'] = leaf(True)
    glyphs['psgleafopen'] = leaf(False)
    glyphs['xpnodec'] = xp_node(True)
    glyphs['xpnodeo'] = xp_node(False)
    glyphs['psgfilt'] = funnel()
    glyphs['psgardown'] = arrow(True, True)
    glyphs['psgardownd'] = arrow(True, False)
    glyphs['psgarup'] = arrow(False, True)
    glyphs['psgarupd'] = arrow(False, False)
    glyphs['psgclose'] = cross(False)
    glyphs['psgclosed'] = cross(True)
    glyphs['psgcloseh'] = cross(False, hot=True)
    glyphs['psghi'] = marker(True)
    glyphs['psghid'] = marker(False)
    glyphs['zavspinup'] = spin_arrow(True)
    glyphs['zavspindown'] = spin_arrow(False)
    for name, pixels in glyphs.items():
        write_bmp(os.path.join(folder, name + '.bmp'), pixels)


if __name__ == '__main__':
    main()
