#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the toolbar image strips as PNG files (16 x 16 images on pure green, the mask).

    python3 tools/make_toolbar_images.py [output-directory]

Writes toolbar_main.png (9 images) and toolbar_word.png (3 images), by default into
resources/images. Needs nothing beyond the Python standard library.
"""

import math
import os
import struct
import sys
import zlib

SIZE = 16
MASK = (0, 255, 0)

PALETTE = {
    '.': MASK,
    'k': (40, 44, 60),      # outline
    'w': (255, 255, 255),
    'g': (214, 218, 226),   # light grey
    'G': (138, 144, 156),   # mid grey
    's': (96, 104, 120),    # text lines
    'y': (255, 222, 110),   # folder front
    'Y': (236, 178, 52),    # folder back
    'd': (150, 100, 20),    # folder outline
    'b': (74, 132, 224),    # blue
    'B': (28, 62, 150),     # dark blue
    'l': (178, 212, 250),   # light blue
    'r': (224, 52, 40),     # red
    'R': (150, 24, 18),     # dark red
    'e': (52, 168, 70),     # green (never the mask green)
    'E': (22, 104, 40),     # dark green
    'n': (196, 140, 78),    # clipboard board
    'N': (120, 74, 30),     # clipboard edge
}


class Image:
    def __init__(self):
        self.px = [[MASK] * SIZE for _ in range(SIZE)]

    def art(self, rows):
        assert len(rows) == SIZE, len(rows)
        for y, row in enumerate(rows):
            assert len(row) == SIZE, (y, row, len(row))
            for x, ch in enumerate(row):
                self.px[y][x] = PALETTE[ch]
        return self

    def put(self, x, y, ch):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = PALETTE[ch]

    def rect(self, x0, y0, x1, y1, fill, edge=None):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                border = x in (x0, x1) or y in (y0, y1)
                self.put(x, y, edge if (edge and border) else fill)

    def line(self, x0, y0, x1, y1, ch):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, ch)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy


# ---- the images ---------------------------------------------------------------------

def new_puzzle():
    # A blank sheet with a folded corner and a spark.
    return Image().art([
        "............Y...",
        ".kkkkkkk...YyY..",
        ".kwwwwwkk.YyyyY.",
        ".kwwwwwkgk.YyY..",
        ".kwwwwwkkkk.Y...",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kwwwwwwwwk.....",
        ".kkkkkkkkkk.....",
        "................",
    ])


def open_puzzle():
    # An open folder.
    return Image().art([
        "................",
        "................",
        "................",
        ".dddd...........",
        "dYYYYd..........",
        "dYYYYYddddddd...",
        "dYYYYYYYYYYYd...",
        "dYYYddddddddddd.",
        "dYYdyyyyyyyyyyd.",
        "dYYdyyyyyyyyyd..",
        "dYdyyyyyyyyyyd..",
        "dYdyyyyyyyyyd...",
        "ddyyyyyyyyyyd...",
        "ddddddddddddd...",
        "................",
        "................",
    ])


def save_puzzle():
    # A diskette: label on top, shutter below.
    return Image().art([
        "................",
        ".BBBBBBBBBBBBBB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbwssssssweeB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbwssssswwbbB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbbB.",
        ".BbbggggggggbbB.",
        ".BbbggBBggggbbB.",
        ".BbbggBBggggbbB.",
        ".BbbggBBggggbbB.",
        ".BBBBBBBBBBBBBB.",
        "................",
    ])


def copy_picture():
    # A clipboard holding a small crossword grid.
    return Image().art([
        "................",
        "......kkkk......",
        ".NNNNNkggkNNNNN.",
        ".NnnnkkkkkknnnN.",
        ".NnGGGGGGGGGGnN.",
        ".NnGwwGwwGkkGnN.",
        ".NnGwwGwwGkkGnN.",
        ".NnGGGGGGGGGGnN.",
        ".NnGwwGkkGwwGnN.",
        ".NnGwwGkkGwwGnN.",
        ".NnGGGGGGGGGGnN.",
        ".NnGkkGwwGwwGnN.",
        ".NnGkkGwwGwwGnN.",
        ".NnGGGGGGGGGGnN.",
        ".NnnnnnnnnnnnnN.",
        ".NNNNNNNNNNNNNN.",
    ])


def export_document():
    # A page of text with an arrow leaving it.
    return Image().art([
        "................",
        ".kkkkkkkkkk.....",
        ".kwwwwwwwwk.....",
        ".kwsssssswk.....",
        ".kwwwwwwwwk.....",
        ".kwsssswwwk.....",
        ".kwwwwwwwwk.....",
        ".kwsssssswkB....",
        ".kwwwwwwwwkBB...",
        ".kwssBBBBBBbbB..",
        ".kwwwBbbbbbbbbB.",
        ".kwwwBbbbbbbbbB.",
        ".kwwwBBBBBBbbB..",
        ".kwsssswwwkBB...",
        ".kkkkkkkkkkB....",
        "................",
    ])


def hide_answers():
    # An eye, struck through.
    img = Image().art([
        "................",
        "................",
        "................",
        "................",
        ".....kkkkkk.....",
        "...kkwwwwwwkk...",
        "..kwwwwbbwwwwk..",
        ".kwwwwbBBbwwwwk.",
        "kwwwwbBkkBbwwwwk",
        "kwwwwbBkkBbwwwwk",
        ".kwwwwbBBbwwwwk.",
        "..kwwwwbbwwwwk..",
        "...kkwwwwwwkk...",
        ".....kkkkkk.....",
        "................",
        "................",
    ])
    for i in range(13):
        img.put(14 - i, 1 + i, 'r')
        img.put(13 - i, 1 + i, 'R')
    return img


def sliders(img, knobs):
    for track, knob in zip((2, 7, 12), knobs):
        img.line(0, track, 11, track, 'G')
        img.rect(knob, track - 2, knob + 2, track + 2, 'b', 'B')


def save_settings():
    # Settings sliders with a tick: keep these as the defaults.
    img = Image()
    sliders(img, (2, 7, 4))
    tick = [(9, 11), (10, 12), (11, 13), (12, 12), (13, 11), (14, 10), (15, 9)]
    for x, y in tick:
        img.put(x, y, 'e')
        img.put(x, y + 1, 'e')
        img.put(x, y + 2, 'E')
    return img


def reset_settings():
    # A ring arrow turning back (anticlockwise), its head on the right pointing up.
    img = Image()
    cx, cy = 7.5, 8.5
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            angle = math.degrees(math.atan2(cy - (y + 0.5), x + 0.5 - cx)) % 360
            if 25 <= angle <= 105:
                continue  # the gap the arrow head points into
            if 3.2 <= d < 4.6:
                img.put(x, y, 'b')
            elif 4.6 <= d < 6.2:
                img.put(x, y, 'B')
    head = ["...B...",
            "..BbB..",
            ".BbbbB.",
            "BBBBBBB"]
    for row, text in enumerate(head):
        for col, ch in enumerate(text):
            if ch != '.':
                img.put(9 + col, 2 + row, ch)
    return img


def outline_mode():
    # Two crossing words drawn by their outline only, without the lines between squares.
    img = Image()

    def inside(x, y):
        return (1 <= x <= 14 and 5 <= y <= 9) or (5 <= x <= 9 and 1 <= y <= 14)

    for y in range(SIZE):
        for x in range(SIZE):
            if inside(x, y):
                edge = not all(inside(x + dx, y + dy)
                               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                img.put(x, y, 'k' if edge else 'w')
    for t in range(3, 14, 2):
        if not 5 <= t <= 9:
            img.put(t, 7, 'g')
            img.put(7, t, 'g')
    return img


def word_list(img):
    img.rect(0, 1, 11, 12, 'w', 'k')
    for y in (3, 6, 9):
        img.line(2, y, 9, y, 's')
    img.rect(8, 1, 11, 4, 'g', 'k')
    img.put(9, 2, 'k')
    img.put(10, 2, 'k')
    img.put(9, 3, 'g')


def store_word():
    # A word list with a plus: add this word.
    img = Image()
    word_list(img)
    img.rect(9, 8, 15, 14, 'e', 'E')
    img.line(10, 11, 14, 11, 'w')
    img.line(12, 9, 12, 13, 'w')
    return img


def remove_word():
    # A word list with a cross: remove this word.
    img = Image()
    word_list(img)
    img.rect(9, 8, 15, 14, 'r', 'R')
    for i in range(3):
        img.put(11 + i, 10 + i, 'w')
        img.put(13 - i, 10 + i, 'w')
    return img


def search_places():
    # A magnifying glass over a grid.
    img = Image()
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - 6, y - 6)
            if d <= 3.6:
                img.put(x, y, 'l')
            elif d <= 5.1:
                img.put(x, y, 'k')
    for (x, y) in ((4, 4), (5, 4), (4, 5)):
        img.put(x, y, 'w')
    for i in range(5):
        img.put(10 + i, 10 + i, 'N')
        img.put(11 + i, 10 + i, 'N')
        img.put(10 + i, 11 + i, 'N')
    return img


MAIN = [new_puzzle, open_puzzle, save_puzzle, copy_picture, export_document, hide_answers,
        save_settings, reset_settings, outline_mode]
WORD = [store_word, remove_word, search_places]


# ---- PNG writer ---------------------------------------------------------------------

def png_bytes(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))

    raw = b''.join(b'\x00' + bytes(v for px in row for v in px) for row in rows)
    header = struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def strip(makers):
    images = [make().px for make in makers]
    return [sum((img[y] for img in images), []) for y in range(SIZE)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'resources', 'images')
    os.makedirs(out, exist_ok=True)
    for name, makers in (('toolbar_main.png', MAIN), ('toolbar_word.png', WORD)):
        rows = strip(makers)
        with open(os.path.join(out, name), 'wb') as f:
            f.write(png_bytes(SIZE * len(makers), SIZE, rows))


if __name__ == '__main__':
    main()
