#!/usr/bin/env python3
"""Draws the pictures of the joint-examination sign buttons: each sign's code in a 5 x 7 pixel
letter, doubled, dark on a transparent 36 x 20 field, as src/ui/joint/glyphs/sign<n>.png. Signs 29
and 30 carry their code as button text and get no picture. The bytes depend on nothing but this
script, so running it again changes no file.
"""
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
TARGET = ROOT / "src/ui/joint/glyphs"
WIDTH, HEIGHT, SCALE = 36, 20, 2
INK = (24, 24, 96, 255)

# The code of each sign by its button number; None for the buttons that carry text.
CODES = [">-", ">+", ">?", ">H", ">O", ">Y", ">X", "?", "$", "-", "#", "@", "@*", "&", "H", "%",
         "*", "N", "O", "Y", "L", "X", "!", "zvS", "zvA", "zvW", "zvX", "=<", None, None, "§<"]

# 5 x 7 letters, one string of five bits per row.
FONT = {
    ">": ["10000", "01000", "00100", "00010", "00100", "01000", "10000"],
    "<": ["00001", "00010", "00100", "01000", "00100", "00010", "00001"],
    "-": ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    "+": ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    "=": ["00000", "00000", "11111", "00000", "11111", "00000", "00000"],
    "?": ["01110", "10001", "00001", "00010", "00100", "00000", "00100"],
    "!": ["00100", "00100", "00100", "00100", "00100", "00000", "00100"],
    "*": ["00000", "10101", "01110", "11111", "01110", "10101", "00000"],
    "#": ["01010", "01010", "11111", "01010", "11111", "01010", "01010"],
    "$": ["00100", "01111", "10100", "01110", "00101", "11110", "00100"],
    "%": ["11001", "11010", "00010", "00100", "01000", "01011", "10011"],
    "&": ["01100", "10010", "10100", "01000", "10101", "10010", "01101"],
    "@": ["01110", "10001", "10111", "10101", "10111", "10000", "01111"],
    "§": ["01110", "10000", "01110", "10001", "01110", "00001", "01110"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    "Y": ["10001", "10001", "01010", "00100", "00100", "00100", "00100"],
    "v": ["00000", "00000", "10001", "10001", "10001", "01010", "00100"],
    "z": ["00000", "00000", "11111", "00010", "00100", "01000", "11111"],
}


def draw(code):
    pixels = [[(0, 0, 0, 0)] * WIDTH for _ in range(HEIGHT)]
    width = (len(code) * 6 - 1) * SCALE
    left, top = (WIDTH - width) // 2, (HEIGHT - 7 * SCALE) // 2
    for i, letter in enumerate(code):
        for y, row in enumerate(FONT[letter]):
            for x, bit in enumerate(row):
                if bit == "1":
                    for dy in range(SCALE):
                        for dx in range(SCALE):
                            pixels[top + y * SCALE + dy][left + (i * 6 + x) * SCALE + dx] = INK
    return pixels


def png(pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in pixels)
    header = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def main():
    TARGET.mkdir(parents=True, exist_ok=True)
    for number, code in enumerate(CODES, start=1):
        if code is not None:
            (TARGET / f"sign{number}.png").write_bytes(png(draw(code)))
    names = "".join(f"        <file>glyphs/sign{n}.png</file>\n" for n, c in enumerate(CODES, 1) if c)
    (TARGET.parent / "JointGlyphs.qrc").write_text(
        "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/joint\">\n" + names +
        "    </qresource>\n</RCC>\n", encoding="utf-8")
    print(f"wrote: {TARGET.relative_to(ROOT)} ({sum(1 for c in CODES if c)} pictures)")


if __name__ == "__main__":
    main()
