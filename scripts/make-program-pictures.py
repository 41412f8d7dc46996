#!/usr/bin/env python3
"""Draws the program icon and the program-information picture of the installation tree.

  data/quelva/quelvarin.png    64 x 64, the blot in ink on a transparent ground (the icon)
  data/quelva/programinfo.png  160 x 160, the blot in ink on white (the "programinfó" window)

The blot is the system's own symmetric shape (scripts/inkblot.py), not a Rorschach plate. The PNG
files are written by hand with zlib and struct, so only the Python standard library is needed,
and the output is the same byte for byte on every run.
"""
import pathlib
import struct
import sys
import zlib

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import inkblot  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
INK = (31, 35, 58)  # a dark blue-black ink
WHITE = (255, 255, 255)


def chunk(kind: bytes, data: bytes) -> bytes:
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png_rgba(rows: list) -> bytes:
    """A PNG of 8-bit RGBA rows, each row a list of (r, g, b, a)."""
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\x00" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def on_transparent(cover: list) -> list:
    return [[INK + (round(255 * c),) for c in row] for row in cover]


def on_white(cover: list) -> list:
    def mix(c: float) -> tuple:
        return tuple(round(w + (i - w) * c) for i, w in zip(INK, WHITE)) + (255,)

    return [[mix(c) for c in row] for row in cover]


def main() -> None:
    icon = inkblot.coverage(64, 64, margin=0.04, samples=6)
    (ROOT / "data/quelva/quelvarin.png").write_bytes(png_rgba(on_transparent(icon)))
    picture = inkblot.coverage(160, 160, margin=0.08, samples=4)
    (ROOT / "data/quelva/programinfo.png").write_bytes(png_rgba(on_white(picture)))


if __name__ == "__main__":
    main()
