#!/usr/bin/env python3
"""Makes the built-in font's glyph strip (system_font_strip.png) from a PSF console font.

Usage: make_strip.py FONT.psf.gz [OUT.png]

The strip is 1789 x 15 pixels; the glyph of byte value c (33 to 254) fills the 8 x 15 cell
at x = 6 + 8 * (c - 33). Values 33 to 126 and 161 to 254 are read as Latin-1, 128 to 159 as
Windows-1252 (its five unassigned values show the font's replacement glyph). Two glyphs the
source font lacks are drawn here: 127 as a small house and 160 (no-break space) as an open
box, so that every cell holds a visible glyph. See SOURCE.md for the font used.
"""
import gzip
import struct
import sys

import pngio

WIDTH, HEIGHT, FIRST, LAST, GLYPH_W, FIRST_X = 1789, 15, 33, 254, 8, 6

HAND_DRAWN = {
    127: ["........", "........", "........", "........", "...#....", "..#.#...", ".#...#..",
          "#.....#.", "#.....#.", "#.....#.", "#.....#.", "#######.", "........", "........",
          "........"],
    160: ["........", "........", "........", "........", "........", "........", "........",
          "........", "........", "........", "#.....#.", "#.....#.", "#######.", "........",
          "........"],
}


def read_psf1(path):
    data = gzip.open(path).read() if path.endswith(".gz") else open(path, "rb").read()
    if data[:2] != b"\x36\x04":
        raise ValueError(path + " is not a PSF1 font")
    mode, height = data[2], data[3]
    count = 512 if mode & 1 else 256
    glyphs = [data[4 + i * height:4 + (i + 1) * height] for i in range(count)]
    table, codes, glyph, pos = data[4 + count * height:], {}, 0, 0
    while glyph < count and pos + 1 < len(table):
        (u,) = struct.unpack_from("<H", table, pos)
        pos += 2
        if u == 0xFFFF:
            glyph += 1
        elif u == 0xFFFE:  # sequences of several code points are not used here
            while pos + 1 < len(table) and struct.unpack_from("<H", table, pos)[0] != 0xFFFF:
                pos += 2
        else:
            codes.setdefault(u, glyph)
    return height, glyphs, codes


def code_point(c):
    return ord(bytes([c]).decode("cp1252" if 128 <= c < 160 else "latin-1", errors="replace"))


def main():
    source = sys.argv[1]
    out = sys.argv[2] if len(sys.argv) > 2 else "system_font_strip.png"
    height, glyphs, codes = read_psf1(source)
    if height != HEIGHT:
        raise ValueError("the font must be %d pixels high, not %d" % (HEIGHT, height))
    rows = [[0] * WIDTH for _ in range(HEIGHT)]
    for c in range(FIRST, LAST + 1):
        x0 = FIRST_X + GLYPH_W * (c - FIRST)
        if c in HAND_DRAWN:
            cell = [[255 if ch == "#" else 0 for ch in line] for line in HAND_DRAWN[c]]
        else:
            bits = glyphs[codes[code_point(c)]]
            cell = [[255 if bits[y] & (0x80 >> x) else 0 for x in range(8)] for y in range(HEIGHT)]
        if not any(any(line) for line in cell):
            raise ValueError("the glyph of %d is empty" % c)
        for y in range(HEIGHT):
            rows[y][x0:x0 + GLYPH_W] = cell[y]
    pngio.write_grey(out, WIDTH, HEIGHT, rows)


if __name__ == "__main__":
    main()
