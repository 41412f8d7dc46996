#!/usr/bin/env python3
"""Draws html/PICTURES/SZUMMA.GIF of the installation tree: the summation sign the joint
examination's report puts before its totals, black on white, 36 x 25 pixels as the page shows it.
A GIF89a with two colours, written with its own LZW coder so that only the standard library is
needed and the bytes never change.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
TARGET = ROOT / "data/quelva/html/PICTURES/SZUMMA.GIF"
WIDTH, HEIGHT = 36, 25


def sigma():
    pixels = [[0] * WIDTH for _ in range(HEIGHT)]

    def dot(x, y):
        for dx in range(3):
            if 0 <= x + dx < WIDTH:
                pixels[y][x + dx] = 1

    top, bottom, left, right = 2, 22, 9, 26
    for y in (top, top + 1, bottom - 1, bottom):
        for x in range(left, right + 1):
            pixels[y][x] = 1
    middle = (top + bottom) // 2
    for y in range(top + 2, bottom - 1):
        # The two strokes meet at the middle: down and right, then back down and left.
        reach = y - top - 2 if y <= middle else bottom - 2 - y
        dot(left + reach * 7 // 10, y)
    for y in (top + 2, top + 3, bottom - 3, bottom - 2):
        pixels[y][right] = 1
    return pixels


def lzw(indices, min_size=2):
    clear, end = 1 << min_size, (1 << min_size) + 1
    table = {(i,): i for i in range(clear)}
    size, next_code = min_size + 1, end + 1
    bits, count, out = 0, 0, bytearray()

    def emit(code):
        nonlocal bits, count
        bits |= code << count
        count += size
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8

    emit(clear)
    word = (indices[0],)
    for index in indices[1:]:
        longer = word + (index,)
        if longer in table:
            word = longer
            continue
        emit(table[word])
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            size, next_code = min_size + 1, end + 1
        word = (index,)
    emit(table[word])
    emit(end)
    if count:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(pixels):
    data = lzw([v for row in pixels for v in row])
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    screen = WIDTH.to_bytes(2, "little") + HEIGHT.to_bytes(2, "little") + bytes([0x80, 0, 0])
    palette = bytes([255, 255, 255, 0, 0, 0])
    image = b"," + bytes(4) + screen[:4] + b"\0" + bytes([2]) + blocks + b"\0"
    return b"GIF89a" + screen + palette + image + b";"


def main():
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    TARGET.write_bytes(gif(sigma()))
    print(f"wrote: {TARGET.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
