#!/usr/bin/env python3
"""Draws the string grid's header and action cursors beside this script, 32 x 32 32-bit with their
hot spot in the middle, in the panning cursors' style (draw_pan_images.py): cursor8010.cur (a row
header selects its row: an arrow pointing right), cursor8011.cur (a column header selects its
column: an arrow pointing down), cursor8012.cur (the fixed corner selects all, the selection
resizer sizes the selection: an arrow pointing down-right) and cursor8014.cur (the cell-action
mode: a cross).  Run it after changing a drawing; the files are kept in the repository so that the
build needs no Python.
"""
import os

from draw_pan_images import DIRECTIONS, INK, MIDDLE, SIZE, arrow_head, write_cur


def shaft(pixels, direction, length):
    # A line two pixels thick from behind the middle towards the arrow head.
    dx, dy = DIRECTIONS[direction]
    for step in range(-length, length + 1):
        for thick in (0, 1):
            x = MIDDLE + dx * step + (thick if dy else 0)
            y = MIDDLE + dy * step + (thick if dx and not dy else 0)
            pixels[y][x] = INK


def arrow(direction):
    pixels = [[None] * SIZE for _ in range(SIZE)]
    shaft(pixels, direction, 8)
    arrow_head(pixels, direction, 13, INK)
    return pixels


def cross():
    pixels = [[None] * SIZE for _ in range(SIZE)]
    for step in range(-10, 11):
        for thick in (0, 1):
            pixels[MIDDLE + thick][MIDDLE + step] = INK
            pixels[MIDDLE + step][MIDDLE + thick] = INK
    return pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    drawings = {8010: arrow("right"), 8011: arrow("down"), 8012: arrow("down-right"), 8014: cross()}
    for number, pixels in drawings.items():
        write_cur(os.path.join(here, f"cursor{number}.cur"), pixels)


if __name__ == "__main__":
    main()
