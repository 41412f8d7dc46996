#!/usr/bin/env python3
"""Draws the placeholder card pictures: those of the current-protocol page and those of the
location tables window, with the location lists that go with them.

  data/quelva/html/PICTURES/1.jpg .. 10.jpg   120 x 160, baseline JPEG
  data/quelva/html/PICTURES/OLVASSEL.txt      the note that they are placeholders (Windows-1250)
  data/quelva/tablak/1.jpg .. 10.jpg          400 x 560: the card in the location tables window
  data/quelva/tablak/kiskep/1.bmp .. 10.bmp   48 x 64, 24-bit BMP: the card in small
  data/quelva/tablak/OLVASSEL.txt             the note
  data/quelva/lok/1.lok .. 10.lok             each card's numbered locations (Windows-1250, CR LF)
  data/quelva/lok/<card>/<name>.jpg           400 x 560: the card with one location outlined

The protocol page shows the picture of the card above each card's answers. A clinic replaces
these files with its own licensed card images; what is shipped here is clearly a placeholder:
the system's own symmetric blot (scripts/inkblot.py, not a Rorschach plate) varied per card,
with the card's Roman numeral and the word MINTA under it. Cards II, III, VIII, IX and X carry
some colour, the others are ink only, so that the page reads as it will with real pictures.

Only the Python standard library is used: the blot is sampled here, the lettering comes from a
tiny built-in pixel font, and the JPEG is written by a small baseline encoder (integer DCT, the
quantisation tables of the JPEG standard scaled to quality 90, its typical Huffman tables, no
chroma subsampling for the small pictures, 4:2:0 for the large ones). The output is the same byte
for byte on every run.

card_blot() gives the pixels of one card's blot at any size, so that other pictures of the same
card can be drawn from the same shape.

The locations of a card are parts of its own blot: the whole, the masses of inkblot.BASE_MASSES
that make up a detail, or the white gaps the blot's negative masses cut. A location line reads
"<name>=<number> '<sign>' ... <words>;helyettesítő minta", with sign names of the locations of
the sign catalogue, which its context menu scores; its picture is the card faded outside the
location, with the location's edge drawn in red.
"""
import importlib.util
import math
import pathlib
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import inkblot  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
TARGET = ROOT / "data/quelva/html/PICTURES"
CARDS = range(1, 11)
WIDTH, HEIGHT = 120, 160
QUALITY = 90

WHITE = (255, 255, 255)
FRAME = (200, 200, 204)
LETTERING = (70, 70, 78)
ROMAN = {1: "I", 2: "II", 3: "III", 4: "IV", 5: "V", 6: "VI", 7: "VII", 8: "VIII", 9: "IX", 10: "X"}

# --- The blot of each card ----------------------------------------------------------------------

# Per card: the stretch of the blot across and down, so that the cards differ in build as well
# as in their masses and edge.
STRETCH = {
    1: (1.00, 0.92), 2: (0.92, 1.00), 3: (1.00, 0.86), 4: (0.90, 1.00), 5: (1.00, 0.80),
    6: (0.84, 1.00), 7: (0.96, 0.90), 8: (0.88, 1.00), 9: (0.90, 1.00), 10: (1.00, 0.96),
}
RED = (186, 38, 44)
ORANGE, GREEN, PINK = (226, 134, 56), (92, 160, 96), (220, 120, 146)
SLATE, TEAL, BLUE = (112, 132, 164), (64, 144, 150), (64, 110, 190)
YELLOW, BROWN = (226, 190, 40), (150, 100, 60)
# Per coloured card, the colour of each positive mass of inkblot.BASE_MASSES in their order
# (body, head, tail, upper wing, its outer part, wing tip, lower wing, its edge, lower lobe, its
# point, the two droplets); None leaves a mass in ink. A pixel takes the colour of the mass that
# gives it the most ink, so the colours follow the lobes of the blot.
MASS_COLOURS = {
    2: (None, RED, RED, None, None, None, None, None, None, RED, None, RED),
    3: (None, None, None, None, RED, RED, None, None, None, None, RED, None),
    8: (SLATE, SLATE, ORANGE, TEAL, TEAL, PINK, PINK, PINK, ORANGE, ORANGE, PINK, ORANGE),
    9: (GREEN, ORANGE, PINK, ORANGE, ORANGE, ORANGE, GREEN, GREEN, PINK, PINK, ORANGE, GREEN),
    10: (BLUE, YELLOW, BLUE, YELLOW, ORANGE, PINK, GREEN, ORANGE, PINK, YELLOW, BROWN, BLUE),
}
COLOURED = set(MASS_COLOURS)


def ink(x: float, y: float, card: int) -> tuple:
    """The ink tone at (x, y): a blue-black whose depth wanders a little, as ink soaks paper."""
    depth = inkblot.noise(abs(x) * 4.0, y * 4.0, card + 50)
    level = round(52 + 26 * depth)
    return (level - 8, level - 6, level + 4)


def colour_at(x: float, y: float, card: int, shape: list) -> tuple:
    """The colour of the blot at (x, y) in unit coordinates: ink, or the colour of its mass."""
    colours = MASS_COLOURS.get(card)
    if colours is None:
        return ink(x, y, card)
    ax = abs(x)
    strongest, best = None, -1.0
    for colour, (mx, my, rx, ry, w) in zip(colours, shape):
        share = w * math.exp(-(((ax - mx) / rx) ** 2) - ((y - my) / ry) ** 2)
        if share > best:
            strongest, best = colour, share
    return strongest or ink(x, y, card)


def card_blot(card: int, width: int, height: int, margin: float = 0.05, samples: int = 4) -> list:
    """Rows of (r, g, b): the blot of the card on white, filling the picture inside the margin.

    The shape is inkblot.py's with the card number as its variant, stretched by STRETCH; each
    pixel is sampled samples x samples times and its colour mixed with white by the ink share.
    """
    shape = inkblot.masses(card)
    stretch_x, stretch_y = STRETCH[card]
    side = min(width, height) * (1.0 - 2.0 * margin)
    scale = 2.0 / side
    cx, cy = width / 2.0, height / 2.0
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            inked = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples - cx) * scale / stretch_x
                    y = (py + (sy + 0.5) / samples - cy) * scale / stretch_y
                    if inkblot.density(x, y, shape, card) >= inkblot.THRESHOLD:
                        inked += 1
            share = inked / (samples * samples)
            if share == 0.0:
                row.append(WHITE)
                continue
            x = (px + 0.5 - cx) * scale / stretch_x
            y = (py + 0.5 - cy) * scale / stretch_y
            colour = colour_at(x, y, card, shape)
            row.append(tuple(round(w + (c - w) * share) for c, w in zip(colour, WHITE)))
        rows.append(row)
    return rows


# --- Lettering ----------------------------------------------------------------------------------

# A 5 x 7 pixel font with the letters the pictures need.
FONT = {
    "I": ("#####", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"),
    "V": ("#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."),
    "X": ("#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"),
    "M": ("#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"),
    "N": ("#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"),
    "T": ("#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."),
    "A": (".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
}


def draw_text(pixels: list, text: str, top: int, scale: int, colour: tuple) -> None:
    """Writes text centred across the picture, its glyphs scale x scale pixels a dot, a dot apart."""
    advance = 6 * scale
    width = advance * len(text) - scale
    left = (len(pixels[0]) - width) // 2
    for index, letter in enumerate(text):
        for gy, line in enumerate(FONT[letter]):
            for gx, dot in enumerate(line):
                if dot != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        pixels[top + gy * scale + dy][left + index * advance + gx * scale + dx] = colour


def card_picture(card: int) -> list:
    """The placeholder picture of a card: a frame, the blot, the numeral and MINTA."""
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    blot = card_blot(card, WIDTH - 8, WIDTH - 8)
    for y, row in enumerate(blot):
        pixels[4 + y][4 : 4 + len(row)] = row
    draw_text(pixels, ROMAN[card], 120, 2, LETTERING)
    draw_text(pixels, "MINTA", 140, 2, RED if card in COLOURED else LETTERING)
    for x in range(WIDTH):
        pixels[0][x] = pixels[HEIGHT - 1][x] = FRAME
    for y in range(HEIGHT):
        pixels[y][0] = pixels[y][WIDTH - 1] = FRAME
    return pixels


# --- A baseline JPEG encoder --------------------------------------------------------------------

ZIGZAG = (
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
)  # fmt: skip

# The example quantisation tables of the JPEG standard (Annex K.1), in row order.
LUMINANCE_QUANT = (
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
)  # fmt: skip
CHROMINANCE_QUANT = (
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
) + (99,) * 32  # fmt: skip

# The typical Huffman tables of the JPEG standard (Annex K.3): codes per length 1..16, symbols.
DC_LUMINANCE = ((0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0), tuple(range(12)))
DC_CHROMINANCE = ((0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0), tuple(range(12)))
AC_LUMINANCE = (
    (0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D),
    bytes.fromhex(
        "01020300041105122131410613516107227114328191a1082342b1c11552d1f0"
        "2433627282090a161718191a25262728292a3435363738393a43444546474849"
        "4a535455565758595a636465666768696a737475767778797a83848586878889"
        "8a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5"
        "c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8"
        "f9fa"
    ),
)
AC_CHROMINANCE = (
    (0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77),
    bytes.fromhex(
        "000102031104052131061241510761711322328108144291a1b1c109233352f0"
        "156272d10a162434e125f11718191a262728292a35363738393a434445464748"
        "494a535455565758595a636465666768696a737475767778797a828384858687"
        "88898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3"
        "c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8"
        "f9fa"
    ),
)
for _counts, _symbols in (DC_LUMINANCE, DC_CHROMINANCE, AC_LUMINANCE, AC_CHROMINANCE):
    assert sum(_counts) == len(_symbols) == len(set(_symbols))

# The 8-point DCT basis, cos((2x + 1) u pi / 16) times 1/sqrt(8) for u = 0 and 1/2 otherwise,
# in units of 1/8192: integers, so that no floating point decides a rounding.
DCT = (
    (2896, 2896, 2896, 2896, 2896, 2896, 2896, 2896),
    (4017, 3406, 2276, 799, -799, -2276, -3406, -4017),
    (3784, 1567, -1567, -3784, -3784, -1567, 1567, 3784),
    (3406, -799, -4017, -2276, 2276, 4017, 799, -3406),
    (2896, -2896, -2896, 2896, 2896, -2896, -2896, 2896),
    (2276, -4017, 799, 3406, -3406, -799, 4017, -2276),
    (1567, -3784, 3784, -1567, -1567, 3784, -3784, 1567),
    (799, -2276, 3406, -4017, 4017, -3406, 2276, -799),
)
DCT_SHIFT = 26  # two passes of 1/8192


def scaled_quant(table: tuple, quality: int) -> tuple:
    """A quantisation table scaled to a quality of 1..100 as the IJG library scales it."""
    factor = 5000 // quality if quality < 50 else 200 - 2 * quality
    return tuple(min(255, max(1, (q * factor + 50) // 100)) for q in table)


def divide_rounded(value: int, divisor: int) -> int:
    """value / divisor rounded to the nearest integer, halves away from zero."""
    magnitude = (abs(value) + divisor // 2) // divisor
    return magnitude if value >= 0 else -magnitude


def huffman_codes(table: tuple) -> dict:
    """symbol -> (code, length) of a table given as codes per length and symbols (Annex C)."""
    counts, symbols = table
    codes, code, index = {}, 0, 0
    for length, count in enumerate(counts, 1):
        for _ in range(count):
            codes[symbols[index]] = (code, length)
            code += 1
            index += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self) -> None:
        self.out = bytearray()
        self.accumulator = 0
        self.count = 0

    def write(self, value: int, length: int) -> None:
        self.accumulator = (self.accumulator << length) | (value & ((1 << length) - 1))
        self.count += length
        while self.count >= 8:
            self.count -= 8
            byte = (self.accumulator >> self.count) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0x00)  # a stuffed zero: 0xFF in the data is not a marker
        self.accumulator &= (1 << self.count) - 1

    def flush(self) -> bytes:
        if self.count:
            self.write((1 << (8 - self.count)) - 1, 8 - self.count)  # pad with one bits
        return bytes(self.out)


def size_of(value: int) -> int:
    """The magnitude category of a coefficient: the bit length of its absolute value."""
    return abs(value).bit_length()


def encode_block(writer: BitWriter, block: list, quant: tuple, previous_dc: int, dc: dict, ac: dict) -> int:
    """Transforms, quantises and writes one 8 x 8 block of level-shifted samples; gives its DC."""
    coefficients = [0] * 64
    first = block[0][0]
    if all(value == first for line in block for value in line):
        # A flat block (most of a white card): every basis row but the first sums to zero, so
        # only the DC term is left, the same integer the full transform gives.
        coefficients[0] = divide_rounded(DCT[0][0] * DCT[0][0] * 64 * first, quant[0] << DCT_SHIFT)
    else:
        rows = [[sum(basis[x] * line[x] for x in range(8)) for basis in DCT] for line in block]
        for u in range(8):
            basis = DCT[u]
            for v in range(8):
                total = sum(basis[y] * rows[y][v] for y in range(8))
                coefficients[u * 8 + v] = divide_rounded(total, quant[u * 8 + v] << DCT_SHIFT)
    zigzag = [coefficients[index] for index in ZIGZAG]

    difference = zigzag[0] - previous_dc
    size = size_of(difference)
    writer.write(*dc[size])
    if size:
        writer.write(difference if difference > 0 else difference - 1, size)
    run = 0
    for value in zigzag[1:]:
        if value == 0:
            run += 1
            continue
        while run > 15:
            writer.write(*ac[0xF0])  # sixteen zeros
            run -= 16
        size = size_of(value)
        writer.write(*ac[(run << 4) | size])
        writer.write(value if value > 0 else value - 1, size)
        run = 0
    if run:
        writer.write(*ac[0x00])  # end of block
    return zigzag[0]


def segment(marker: int, payload: bytes) -> bytes:
    return bytes((0xFF, marker)) + (len(payload) + 2).to_bytes(2, "big") + payload


def encode_jpeg(pixels: list, quality: int = QUALITY, halved_chroma: bool = False) -> bytes:
    """A baseline JFIF JPEG of rows of (r, g, b): YCbCr, one 8 x 8 block per component an MCU;
    with halved_chroma the colour planes are averaged over 2 x 2 pixels (4:2:0) and an MCU is four
    luminance blocks and one of each colour plane, which makes large pictures much smaller."""
    height, width = len(pixels), len(pixels[0])
    quants = (scaled_quant(LUMINANCE_QUANT, quality), scaled_quant(CHROMINANCE_QUANT, quality))
    tables = ((huffman_codes(DC_LUMINANCE), huffman_codes(AC_LUMINANCE)),
              (huffman_codes(DC_CHROMINANCE), huffman_codes(AC_CHROMINANCE)))

    # The three planes in fixed point (JFIF's conversion, coefficients in units of 1/65536),
    # level-shifted to -128..127.
    planes = [[], [], []]
    for row in pixels:
        for plane in planes:
            plane.append([])
        for r, g, b in row:
            luma = (19595 * r + 38470 * g + 7471 * b + 32768) >> 16
            blue = (-11059 * r - 21709 * g + 32768 * b + 32768) >> 16
            red = (32768 * r - 27439 * g - 5329 * b + 32768) >> 16
            planes[0][-1].append(luma - 128)
            planes[1][-1].append(blue)
            planes[2][-1].append(red)

    step = 1
    if halved_chroma:
        step = 2
        for index in (1, 2):
            full = planes[index]
            planes[index] = [[(full[y][x] + full[y][min(x + 1, width - 1)] + full[min(y + 1, height - 1)][x]
                               + full[min(y + 1, height - 1)][min(x + 1, width - 1)] + 2) >> 2
                              for x in range(0, width, 2)] for y in range(0, height, 2)]

    def block_of(plane: list, top: int, left: int) -> list:
        # A block past the edge repeats the last row and column.
        rows, columns = len(plane), len(plane[0])
        return [[plane[min(top + y, rows - 1)][min(left + x, columns - 1)] for x in range(8)] for y in range(8)]

    writer = BitWriter()
    previous = [0, 0, 0]
    mcu = 8 * step
    for top in range(0, height, mcu):
        for left in range(0, width, mcu):
            blocks = [(0, block_of(planes[0], top + dy, left + dx)) for dy in range(0, mcu, 8)
                      for dx in range(0, mcu, 8)]
            blocks += [(component, block_of(planes[component], top // step, left // step)) for component in (1, 2)]
            for component, block in blocks:
                table = min(component, 1)
                previous[component] = encode_block(writer, block, quants[table], previous[component],
                                                   *tables[table])
    data = writer.flush()

    out = bytearray(b"\xFF\xD8")  # SOI
    out += segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    for index, quant in enumerate(quants):
        out += segment(0xDB, bytes((index,)) + bytes(quant[i] for i in ZIGZAG))
    sampling = 0x22 if halved_chroma else 0x11
    components = b"".join(bytes((ident, sampling if ident == 1 else 0x11, min(ident - 1, 1))) for ident in (1, 2, 3))
    frame = bytes((8,)) + height.to_bytes(2, "big") + width.to_bytes(2, "big") + b"\x03" + components
    out += segment(0xC0, frame)
    for kind, ident, (counts, symbols) in ((0, 0, DC_LUMINANCE), (1, 0, AC_LUMINANCE),
                                           (0, 1, DC_CHROMINANCE), (1, 1, AC_CHROMINANCE)):
        out += segment(0xC4, bytes(((kind << 4) | ident,)) + bytes(counts) + bytes(symbols))
    out += segment(0xDA, b"\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00")
    out += data
    out += b"\xFF\xD9"  # EOI
    return bytes(out)


# --- The location tables ------------------------------------------------------------------------

TABLES = ROOT / "data/quelva/tablak"
LOCATION_LISTS = ROOT / "data/quelva/lok"
TABLE_WIDTH, TABLE_HEIGHT = 400, 560
TABLE_BLOT = 392  # the blot's square, at the top of the card, the lettering below
TABLE_QUALITY = 75
THUMB_WIDTH, THUMB_HEIGHT = 48, 64
OUTLINE = (214, 28, 36)
GAP_TINT = (255, 222, 222)
FADE = 0.6  # how far the card outside a location goes towards white

# The masses of inkblot.BASE_MASSES by their index: 0 body, 1 head, 2 tail, 3 upper wing, 4 its
# outer part, 5 wing tip, 6 lower wing, 7 its edge, 8 lower lobe, 9 its point, 10 and 11 the
# droplets; the white gaps: 12 the notch by the head, 13 the bay under the lower wing, 14 the
# slit beside the body, 15 the gap between the wings.
INKED = frozenset(range(12))
# Per kind of location: its picture's name, its sign names, its words, the masses it covers.
KINDS = {
    "egesz": (("G",), "az egész folt", INKED),
    "egeszfeher": (("G", "Gzw"), "az egész a közbülső fehérrel", INKED | {14, 15}),
    "kozep": (("D",), "a középső rész", frozenset({0, 1, 2})),
    "fej": (("Dd", "Do"), "a fej", frozenset({1})),
    "farok": (("Dd",), "az alsó nyúlvány", frozenset({2})),
    "szarny": (("D",), "a felső szárnyak", frozenset({3, 4, 5})),
    "szarnyveg": (("Dd",), "a szárnyvégek", frozenset({5})),
    "also": (("D",), "az alsó oldalrészek", frozenset({6, 7, 8, 9})),
    "lebeny": (("D", "Do"), "az alsó lebenyek", frozenset({8, 9})),
    "cseppek": (("Dd",), "a cseppek", frozenset({10, 11})),
    "szarnytorzs": (("DG komb.",), "a szárnyak a törzzsel", frozenset({0, 3, 4, 5})),
    "res": (("zw", "Dzw"), "a rés a szárnyak között", frozenset({15})),
    "hasitek": (("zw",), "a hasíték a törzs mellett", frozenset({14})),
    "obol": (("Ddzw",), "az öböl az alsó szárny alatt", frozenset({13})),
}
# The locations of each card, in the order of their numbers; a "&" before a name is dropped by
# the program, as in the lists of old installations.
CARD_LOCATIONS = {
    1: ("egesz", "kozep", "&fej", "szarny", "also", "cseppek", "res"),
    2: ("egesz", "kozep", "szarny", "lebeny", "res"),
    3: ("egesz", "kozep", "also", "fej", "szarnyveg", "hasitek"),
    4: ("egesz", "kozep", "fej", "farok", "szarny", "also"),
    5: ("egesz", "szarny", "fej", "szarnyveg"),
    6: ("egesz", "kozep", "fej", "also", "lebeny", "obol"),
    7: ("egeszfeher", "szarny", "also", "res", "fej"),
    8: ("egesz", "kozep", "szarny", "also", "lebeny", "cseppek", "res", "szarnytorzs"),
    9: ("egesz", "kozep", "szarny", "lebeny", "farok", "obol"),
    10: ("egesz", "kozep", "fej", "szarny", "szarnyveg", "also", "lebeny", "cseppek"),
}
MIN_LOCATION_PIXELS = 40


def strongest_mass(ax: float, y: float, shape: list, positive: bool) -> tuple:
    """The index of the mass of the given sign that reaches (|x|, y) the most, and its share."""
    best, share = None, 0.0
    for index, (mx, my, rx, ry, w) in enumerate(shape):
        if (w > 0) != positive:
            continue
        reach = abs(w) * math.exp(-(((ax - mx) / rx) ** 2) - ((y - my) / ry) ** 2)
        if reach > share:
            best, share = index, reach
    return best, share


def card_layers(card: int, size: int, margin: float = 0.05, samples: int = 4) -> tuple:
    """The blot of a card in a size x size square, as card_blot draws it, and the mass each pixel
    belongs to: the strongest positive mass where the pixel is inked, the strongest negative mass
    (a white gap) where it is white and a gap reaches it, None elsewhere.

    Only the pixels on the blot's edge are sampled samples x samples times; a pixel whose four
    neighbours are inked as it is takes its centre's ink whole.
    """
    shape = inkblot.masses(card)
    stretch_x, stretch_y = STRETCH[card]
    scale = 2.0 / (size * (1.0 - 2.0 * margin))
    centre = size / 2.0

    def unit(px: float, py: float) -> tuple:
        return (px - centre) * scale / stretch_x, (py - centre) * scale / stretch_y

    inked = [[inkblot.density(*unit(px + 0.5, py + 0.5), shape, card) >= inkblot.THRESHOLD for px in range(size)]
             for py in range(size)]
    pixels, owners = [], []
    for py in range(size):
        row, owner_row = [], []
        for px in range(size):
            here = inked[py][px]
            edge = any(0 <= qx < size and 0 <= qy < size and inked[qy][qx] != here
                       for qx, qy in ((px - 1, py), (px + 1, py), (px, py - 1), (px, py + 1)))
            if edge:
                hits = sum(inkblot.density(*unit(px + (sx + 0.5) / samples, py + (sy + 0.5) / samples), shape, card)
                           >= inkblot.THRESHOLD for sy in range(samples) for sx in range(samples))
                share = hits / (samples * samples)
            else:
                share = 1.0 if here else 0.0
            x, y = unit(px + 0.5, py + 0.5)
            if share == 0.0:
                row.append(WHITE)
            else:
                colour = colour_at(x, y, card, shape)
                row.append(tuple(round(w + (c - w) * share) for c, w in zip(colour, WHITE)))
            owner, reach = strongest_mass(abs(x), y, shape, here)
            owner_row.append(owner if here or reach >= 0.3 else None)
        pixels.append(row)
        owners.append(owner_row)
    return pixels, owners


def table_picture(card: int, blot: list) -> list:
    """The card as the location tables window shows it: the blot, the numeral and MINTA."""
    pixels = [[WHITE] * TABLE_WIDTH for _ in range(TABLE_HEIGHT)]
    left, top = (TABLE_WIDTH - TABLE_BLOT) // 2, 16
    for y, row in enumerate(blot):
        pixels[top + y][left : left + len(row)] = row
    letter(pixels, card)
    return pixels


def letter(pixels: list, card: int) -> None:
    draw_text(pixels, ROMAN[card], 430, 7, LETTERING)
    draw_text(pixels, "MINTA", 496, 5, RED if card in COLOURED else LETTERING)
    for x in range(TABLE_WIDTH):
        pixels[0][x] = pixels[TABLE_HEIGHT - 1][x] = FRAME
    for y in range(TABLE_HEIGHT):
        pixels[y][0] = pixels[y][TABLE_WIDTH - 1] = FRAME


def location_picture(card: int, blot: list, owners: list, masses: frozenset) -> list:
    """The card with one location outlined: faded outside it, its edge in red, a white gap in it
    tinted so that it shows."""
    size = len(blot)
    inside = [[owners[y][x] in masses for x in range(size)] for y in range(size)]
    count = sum(map(sum, inside))
    if count < MIN_LOCATION_PIXELS:
        raise SystemExit(f"card {card}: a location of {sorted(masses)} has {count} pixels only")
    outlined = [[False] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if inside[y][x] and any(not (0 <= qx < size and 0 <= qy < size and inside[qy][qx])
                                    for qx, qy in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))):
                for dy in (-1, 0, 1):
                    for dx in (-1, 0, 1):
                        if 0 <= x + dx < size and 0 <= y + dy < size:
                            outlined[y + dy][x + dx] = True
    shown = []
    for y in range(size):
        row = []
        for x in range(size):
            colour = blot[y][x]
            if outlined[y][x]:
                colour = OUTLINE
            elif not inside[y][x]:
                colour = tuple(round(c + (255 - c) * FADE) for c in colour)
            elif colour == WHITE:
                colour = GAP_TINT
            row.append(colour)
        shown.append(row)
    return table_picture(card, shown)


def location_lines(card: int) -> list:
    """The lines of the card's location list."""
    lines = []
    for number, entry in enumerate(CARD_LOCATIONS[card], 1):
        signs, words, _ = KINDS[entry.lstrip("&")]
        quoted = " ".join(f"'{sign}'" for sign in signs)
        lines.append(f"{entry}={number} {quoted} {words};helyettesítő minta")
    return lines


def thumbnail(card: int) -> list:
    """The card in small: its blot above its numeral."""
    pixels = [[WHITE] * THUMB_WIDTH for _ in range(THUMB_HEIGHT)]
    blot, _ = card_layers(card, THUMB_WIDTH - 4, samples=3)
    for y, row in enumerate(blot):
        pixels[2 + y][2 : 2 + len(row)] = row
    draw_text(pixels, ROMAN[card], 52, 1, LETTERING)
    for x in range(THUMB_WIDTH):
        pixels[0][x] = pixels[THUMB_HEIGHT - 1][x] = FRAME
    for y in range(THUMB_HEIGHT):
        pixels[y][0] = pixels[y][THUMB_WIDTH - 1] = FRAME
    return pixels


def bmp_writer():
    """The 24-bit BMP writer of the "lok" button's glyphs (make-card-glyphs.py), so that both
    scripts write their BMP files alike."""
    script = pathlib.Path(__file__).with_name("make-card-glyphs.py")
    found = importlib.util.spec_from_file_location("make_card_glyphs", script)
    glyphs = importlib.util.module_from_spec(found)
    found.loader.exec_module(glyphs)
    return glyphs.bmp


TABLES_NOTE = """\
A TÁBLÁK ÉS A LOKALIZÁCIÓK KÉPEI: HELYETTESÍTŐ MINTÁK

A tablak mappa 1.jpg ... 10.jpg képei, a kiskep mappa 1.bmp ... 10.bmp képei és a lok
mappa <tábla>\\<név>.jpg képei csak helyettesítő minták, nem a Rorschach-táblák képei: a
program saját, szimmetrikus foltja, táblánként kissé másként, a tábla római számával és a
MINTA felirattal. A lok mappa 1.lok ... 10.lok listái ennek a foltnak a részeit sorolják
fel; a lokalizációs képeken a folt a választott részen kívül halványabb, a rész széle piros.

A lokalizációs táblák ablaka a tablak mappából a tábla képét, a lok mappából a tábla
listáját (<tábla>.lok) és a lokalizációk képeit (<tábla>\\<név>.jpg) mutatja. Egy lista
sora: a kép neve, "=", a listában látható felirat a jelek aposztrófok közötti nevével,
";", majd megjegyzés. Az intézmény a jogszerűen beszerzett, licencelt táblaképeivel és a
hozzájuk tartozó listákkal cserélje le a mintákat, ugyanezekkel a nevekkel, a
munkaállomás saját könyvtárában (Windows alatt c:\\tamrel\\quelva), ahová a program az
első indításkor ezeket a mintákat másolja.
"""


def write_location_tables() -> None:
    (TABLES / "kiskep").mkdir(parents=True, exist_ok=True)
    bmp = bmp_writer()
    for card in CARDS:
        blot, owners = card_layers(card, TABLE_BLOT)
        (TABLES / f"{card}.jpg").write_bytes(encode_jpeg(table_picture(card, blot), TABLE_QUALITY, True))
        (TABLES / "kiskep" / f"{card}.bmp").write_bytes(bmp(thumbnail(card)))
        folder = LOCATION_LISTS / str(card)
        folder.mkdir(parents=True, exist_ok=True)
        for entry in CARD_LOCATIONS[card]:
            name = entry.lstrip("&")
            picture = location_picture(card, blot, owners, KINDS[name][2])
            (folder / f"{name}.jpg").write_bytes(encode_jpeg(picture, TABLE_QUALITY, True))
        text = "".join(line + "\r\n" for line in location_lines(card))
        (LOCATION_LISTS / f"{card}.lok").write_bytes(text.encode("cp1250"))
    (TABLES / "OLVASSEL.txt").write_bytes(TABLES_NOTE.replace("\n", "\r\n").encode("cp1250"))


NOTE = """\
A TÁBLÁK KÉPEI: HELYETTESÍTŐ MINTÁK

Az 1.jpg ... 10.jpg képek csak helyettesítő minták, nem a Rorschach-táblák képei: a
program saját, szimmetrikus foltja, táblánként kissé másként, a tábla római számával
és a MINTA felirattal.

A jegyzőkönyv HTML-oldala (akt_jkv.html) minden tábla válaszai fölött ennek a mappának
a képét mutatja: a tábla száma és ".jpg". A mintákat az intézmény a jogszerűen
beszerzett, licencelt táblaképeivel cserélje le, ugyanezekkel a nevekkel (1.jpg ...
10.jpg), JPEG formátumban, nagyjából 120 x 160 képpont méretben. A cserét a
munkaállomás saját könyvtárában végezze el (Windows alatt c:\\tamrel\\quelva\\html\\PICTURES),
ahová a program az első indításkor ezeket a mintákat másolja.
"""


def main() -> None:
    TARGET.mkdir(parents=True, exist_ok=True)
    for card in CARDS:
        (TARGET / f"{card}.jpg").write_bytes(encode_jpeg(card_picture(card)))
    (TARGET / "OLVASSEL.txt").write_bytes(NOTE.replace("\n", "\r\n").encode("cp1250"))
    write_location_tables()


if __name__ == "__main__":
    main()
