#!/usr/bin/env python3
"""Draws the glyphs of the main window's "lok" button: data/quelva/lok/lok_1.bmp .. lok_10.bmp.

These are PLACEHOLDERS for the real card plates, which are the user's and are not shipped: each
glyph is a small grey symmetric blot of the system's own (scripts/inkblot.py, a slightly
different one for each card) with the card's Roman number, I to X, drawn over it. A user who
has the plates puts his own lok_<card>.bmp files in the root's lok/ folder in their place.

The glyphs are 32 x 32 pixel, 24-bit Windows BMP files written byte by byte with struct, so only
the Python standard library is needed and every run gives the same bytes.
"""
import pathlib
import struct
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import inkblot  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
SIZE = 32
PAPER = (255, 255, 255)
BLOT = (150, 150, 158)  # a neutral grey: the glyph must not pass for a real plate
NUMERAL = (0, 0, 0)
HALO = (255, 255, 255)

# A pixel font for the three letters of the Roman numbers, nine rows high.
FONT = {
    "I": ["##"] * 9,
    "V": ["##...##", "##...##", "##...##", ".##.##.", ".##.##.", ".##.##.", "..###..", "..###..", "...#..."],
    "X": ["##...##", ".##.##.", ".##.##.", "..###..", "...#...", "..###..", ".##.##.", ".##.##.", "##...##"],
}
ROMAN = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"]


def numeral_mask(text: str) -> set:
    """The (x, y) pixels of text, letters one pixel apart, centred in the glyph."""
    width = sum(len(FONT[letter][0]) for letter in text) + len(text) - 1
    height = len(FONT["I"])
    left, top = (SIZE - width) // 2, (SIZE - height) // 2
    pixels = set()
    for letter in text:
        for y, row in enumerate(FONT[letter]):
            for x, cell in enumerate(row):
                if cell == "#":
                    pixels.add((left + x, top + y))
        left += len(FONT[letter][0]) + 1
    return pixels


def glyph(card: int) -> list:
    """Rows of (r, g, b), top row first."""
    cover = inkblot.coverage(SIZE, SIZE, variant=card, margin=0.03, samples=4)
    ink = numeral_mask(ROMAN[card - 1])
    halo = {(x + dx, y + dy) for x, y in ink for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if (x, y) in ink:
                row.append(NUMERAL)
            elif (x, y) in halo:
                row.append(HALO)
            else:
                c = cover[y][x]
                row.append(tuple(round(p + (b - p) * c) for p, b in zip(PAPER, BLOT)))
        rows.append(row)
    return rows


def bmp(rows: list) -> bytes:
    """A 24-bit BMP: BITMAPFILEHEADER, BITMAPINFOHEADER, then the rows bottom-up in B, G, R order,
    each padded to a multiple of four bytes."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    pixels = b"".join(
        bytes(channel for r, g, b in row for channel in (b, g, r)).ljust(stride, b"\x00") for row in reversed(rows)
    )
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def main() -> None:
    folder = ROOT / "data/quelva/lok"
    folder.mkdir(parents=True, exist_ok=True)
    for card in range(1, 11):
        (folder / f"lok_{card}.bmp").write_bytes(bmp(glyph(card)))


if __name__ == "__main__":
    main()
