#!/usr/bin/env python3
"""Draws the showcase's 32x32 pixel-art sprite (a small rocket) and writes rocket.png.
Run it again only to change the picture; the PNG is committed."""
import struct, zlib

ART = [
    "................................",
    "...............##...............",
    "..............#ww#..............",
    ".............#wwww#.............",
    "............#wwwwww#............",
    "............#wwwwww#............",
    "...........#wwwwwwww#...........",
    "...........#wwbbbbww#...........",
    "...........#wbccccbw#...........",
    "...........#wbccccbw#...........",
    "...........#wbccccbw#...........",
    "...........#wwbbbbww#...........",
    "...........#wwwwwwww#...........",
    "...........#wwwwwwww#...........",
    "...........#rrrrrrrr#...........",
    "...........#wwwwwwww#...........",
    "...........#wwwwwwww#...........",
    "..........##wwwwwwww##..........",
    ".........#r#wwwwwwww#r#.........",
    "........#rr#wwwwwwww#rr#........",
    ".......#rrr#wwwwwwww#rrr#.......",
    ".......#rrr#rrrrrrrr#rrr#.......",
    ".......#rr##wwwwwwww##rr#.......",
    ".......###..#wwwwww#..###.......",
    "............#gggggg#............",
    ".............#oyyo#.............",
    ".............oyyyyo.............",
    "............oyyyyyyo............",
    ".............oyyyyo.............",
    "..............oyyo..............",
    "...............oo...............",
    "................................",
]
COLOURS = {
    ".": (255, 0, 255),   # magenta: the transparent colour
    "#": (24, 24, 48),
    "w": (232, 232, 240),
    "b": (40, 72, 160),
    "c": (120, 200, 248),
    "r": (216, 40, 40),
    "g": (120, 120, 136),
    "o": (248, 120, 0),
    "y": (248, 224, 64),
}

def png(width, height, rows):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))

rows = [[COLOURS[ch] for ch in line] for line in ART]
assert all(len(r) == 32 for r in rows) and len(rows) == 32
open(__file__.rsplit("/", 1)[0] + "/rocket.png", "wb").write(png(32, 32, rows))
