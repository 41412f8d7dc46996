#!/usr/bin/env python3
"""Writes the Word template of a Rorschach protocol: data/quelva/help/sablon.doc.

The "doc" button copies the root's sablon.doc to doc/<code>.doc and opens it with the system's
word processor; "az én Word sablonom" first copies help/sablon.doc to the root. The template is
an RTF document (Word and LibreOffice open RTF under a .doc name): a Hungarian examination form
with the personal data, a table of the ten cards (answer, inquiry, scoring), the psychogram, the
special reactions and the summary.

The text is Windows-1250 (\\ansicpg1250, fonts with \\fcharset238); every letter outside ASCII is
written as an \\'xx escape, so the file itself is plain ASCII. After writing, the file is read
back with a small RTF tokenizer that checks the groups, the escapes and the table rows and
fails loudly on any fault.

  make-word-template.py            write data/quelva/help/sablon.doc and check it
  make-word-template.py --check F  only check the RTF file F
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
TARGET = ROOT / "data/quelva/help/sablon.doc"

PAGE_WIDTH, PAGE_HEIGHT, MARGIN = 11906, 16838, 1134  # A4 with 2 cm margins, in twips
TEXT_WIDTH = PAGE_WIDTH - 2 * MARGIN
CARDS = ["I.", "II.", "III.", "IV.", "V.", "VI.", "VII.", "VIII.", "IX.", "X."]


def esc(text: str) -> str:
    """Text as RTF: the three special characters escaped, every non-ASCII letter as \\'xx."""
    out = []
    for char in text:
        if char in "\\{}":
            out.append("\\" + char)
        elif char == "\n":
            out.append("\\line ")
        elif " " <= char <= "~":
            out.append(char)
        else:
            try:
                code = char.encode("cp1250")
            except UnicodeEncodeError:
                sys.exit(f"make-word-template: {char!r} (U+{ord(char):04X}) is not in Windows-1250")
            out.append("\\'%02x" % code[0])
    return "".join(out)


def para(text: str = "", style: str = "") -> str:
    return "\\pard\\plain\\f0\\fs20" + style + " " + esc(text) + "\\par\n"


def heading(text: str) -> str:
    return "\\pard\\plain\\f1\\fs24\\b\\sb240\\sa120\\keepn " + esc(text) + "\\par\n"


def row(cells: list, height: int = 0, header: bool = False) -> str:
    """One table row: cells are (width in twips, text). height > 0 is a minimum row height."""
    border = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10"
    shade = "\\clcbpat2" if header else ""
    out = ["\\trowd\\trgaph70\\trleft0" + ("\\trhdr" if header else "") + (f"\\trrh{height}" if height else "")]
    right = 0
    for width, _ in cells:
        right += width
        out.append(f"{border}{shade}\\clvertalt\\cellx{right}")
    out.append("\n")
    for _, text in cells:
        style = "\\b" if header else ""
        out.append("\\pard\\plain\\intbl\\f0\\fs18" + style + " " + esc(text) + "\\cell\n")
    out.append("\\row\n")
    return "".join(out)


def field_table(pairs: list) -> str:
    """Label and empty value cells, two pairs a row."""
    label, value = 1900, TEXT_WIDTH // 2 - 1900
    out = []
    for i in range(0, len(pairs), 2):
        cells = []
        for name in pairs[i : i + 2]:
            cells += [(label, name), (value, "")]
        out.append(row(cells, height=400))
    return "".join(out) + para()


def document() -> str:
    parts = [
        "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1038\n",
        "{\\fonttbl{\\f0\\froman\\fcharset238\\fprq2 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset238\\fprq2 Arial;}}\n",
        "{\\colortbl;\\red0\\green0\\blue0;\\red225\\green225\\blue225;}\n",
        "{\\info{\\title " + esc("Rorschach-jegyzőkönyv") + "}{\\subject " + esc("Ro. jkv. sablon") + "}}\n",
        f"\\paperw{PAGE_WIDTH}\\paperh{PAGE_HEIGHT}\\margl{MARGIN}\\margr{MARGIN}\\margt{MARGIN}\\margb{MARGIN}\n",
        "\\widowctrl\\sectd\n",
        "{\\footer\\pard\\plain\\qc\\f0\\fs16 " + esc("Ro. jkv. – ") + "\\chpgn\\par}\n",
        "\\pard\\plain\\qc\\f1\\fs32\\b " + esc("Rorschach-jegyzőkönyv") + "\\par\n",
        "\\pard\\plain\\qc\\f1\\fs20\\sa240 " + esc("Ro. jkv. sablon") + "\\par\n",
        heading("Személyi adatok"),
        field_table(
            ["Név", "Kód", "Kor", "Nem", "Iskolázottság", "Foglalkozás", "Dátum", "Vizsgáló",
             "Családi állapot", "A vizsgálat kérdése"]
        ),
        heading("A vizsgálat menete"),
        para("A táblák sorrendje és helyzete, a vizsgált személy viselkedése, megjegyzései, "
             "a vizsgálati helyzet sajátosságai:"),
        para(), para(), para(),
        heading("Válaszok és jelölésük"),
        para("Táblánként: reakcióidő és táblaidő (perc, másodperc), a helyzet (a, b, c, d), "
             "a válaszok szó szerint, a kérdezés, majd a jelölés: felfogásmód, determináns, "
             "tartalom, gyakoriság (V, O), különleges reakciók.", "\\sa120"),
    ]
    widths = [800, 1500, 2800, 2400, TEXT_WIDTH - 800 - 1500 - 2800 - 2400]
    header = ["Tábla", "Idő", "Válasz", "Kérdezés", "Jelölés"]
    parts.append(row(list(zip(widths, header)), header=True))
    for card in CARDS:
        parts.append(row(list(zip(widths, [card, "r.i.:\nt.i.:", "", "", ""])), height=1700))
    parts.append(para())

    parts.append(heading("Pszichogram"))
    figures = [
        ("Feleletszám", "Versagen"), ("I. - VII.", "VIII. - X."), ("Színes index", "FT (felfogásmód)"),
        ("G", "D"), ("Dd", "zw"), ("Do", "kombinált lokalizációk"),
        ("F+%1", "F+%2"), ("ÉT (élménytípus)", "MF (másodlagos képlet)"), ("IT (belső feszültség)", "Fbn, aFb, nFb"),
        ("tart. körök sz.", "szóródása / összege"), ("M%", "T%"), ("Obj%", "egyéb gyakori tartalmak"),
        ("V% (V-1, V-2, V-3)", "O% (O+, O+/-, O-)"), ("Realitás-index (Neiger)", "SZEI"),
        ("Áttétel (De Vos)", "Szenzitivitás-paranoiditás index"),
    ]
    label, value = 2400, TEXT_WIDTH // 2 - 2400
    for left, right in figures:
        parts.append(row([(label, left), (value, ""), (label, right), (value, "")], height=360))
    parts.append(para())

    parts += [
        heading("Különleges reakciók"),
        para("Csoportonként (jelentésadási tudat, elakadások, leírások, tapadások, infantilis "
             "reakciók, verbalizmusok, paramnéziák, rejtett determinánsok, szenzoros projekciók, "
             "elaborációk, paradox reakciók, dezorientációk, defekt reakciók, szexuális válaszok, "
             "egyéb), a táblák megjelölésével:"),
        para(), para(), para(),
        heading("Kiegészítő információk"),
        para(), para(),
        heading("Összegzés, értelmezés"),
        para("Értelmi működés, valóságkontroll; élményfeldolgozás, érzelmi élet; kapcsolatok, "
             "szorongás és elhárítás; a különleges reakciók tanulsága; a vizsgálati kérdésre adott "
             "válasz:"),
        para(), para(), para(), para(), para(),
        heading("Javaslat"),
        para(), para(),
        para("Dátum:                                                  Aláírás:", "\\sb480"),
        "}\n",
    ]
    return "".join(parts)


def check(rtf: bytes, where: str) -> None:
    """Reads an RTF file as a tokenizer would and stops with a message on the first fault."""

    def fail(message: str) -> None:
        sys.exit(f"{where}: {message}")

    try:
        text = rtf.decode("ascii")
    except UnicodeDecodeError as error:
        fail(f"a raw byte outside ASCII at offset {error.start}; letters must be \\'xx escapes")
    token = re.compile(r"\\([a-zA-Z]{1,32})(-?\d{1,10})? ?|\\'(..)|\\([^a-zA-Z])|([{}])|([^\\{}]+)", re.S)
    depth, position, words, plain = 0, 0, [], []
    cellx = cells = 0
    closed_at = None
    while position < len(text):
        match = token.match(text, position)
        if not match:
            fail(f"a lone backslash at offset {position}")
        word, _, hexcode, symbol, brace, run = match.groups()
        if closed_at is not None and text[position:].strip():
            fail(f"text after the document's closing brace at offset {position}")
        if brace == "{":
            depth += 1
        elif brace == "}":
            depth -= 1
            if depth < 0:
                fail(f"a closing brace without its group at offset {position}")
            if depth == 0:
                closed_at = position
        elif word:
            words.append(word)
            cellx += word == "cellx"
            cells += word == "cell"
            if word == "row":
                if cells != cellx or cells == 0:
                    fail(f"a table row with {cellx} cell borders and {cells} cells before offset {position}")
                cellx = cells = 0
            if word in ("par", "line", "cell"):
                plain.append("\n")
        elif hexcode is not None:
            if not re.fullmatch(r"[0-9a-f]{2}", hexcode):
                fail(f"a bad escape \\'{hexcode} at offset {position}")
            plain.append(bytes([int(hexcode, 16)]).decode("cp1250"))
        elif symbol is not None:
            if symbol in "\\{}":
                plain.append(symbol)
            elif symbol not in "*~-_\n\r":
                fail(f"an unknown control symbol \\{symbol} at offset {position}")
        elif run and depth > 0:
            plain.append(run.replace("\r", "").replace("\n", ""))
        position = match.end()
    if depth != 0:
        fail(f"{depth} group(s) left open at the end")
    if not text.startswith("{\\rtf1") or words[:3] != ["rtf", "ansi", "ansicpg"]:
        fail("the document does not open with {\\rtf1\\ansi\\ansicpg1250")
    body = "".join(plain)
    for expected in ("Rorschach-jegyzőkönyv", "Személyi adatok", "Vizsgáló", "Iskolázottság",
                     "Kérdezés", "Pszichogram", "Összegzés, értelmezés", "Szenzitivitás-paranoiditás index"):
        if expected not in body:
            fail(f"the text does not hold {expected!r}")


def main() -> None:
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        path = pathlib.Path(sys.argv[2])
        check(path.read_bytes(), str(path))
        print(f"{path}: ok")
        return
    if len(sys.argv) != 1:
        sys.exit("usage: make-word-template.py [--check FILE]")
    data = document().replace("\n", "\r\n").encode("ascii")
    check(data, "the generated template")
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    TARGET.write_bytes(data)


if __name__ == "__main__":
    main()
