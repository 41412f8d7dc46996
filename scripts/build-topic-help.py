#!/usr/bin/env python3
"""Builds the topic help files and the experience-type texts of the installation tree from their
readable sources.

  topics: data/help-sources/topics/<name>.txt (UTF-8) -> data/quelva/help/<name>.hlp
  et:     data/help-sources/et/<name>.txt (UTF-8)     -> data/quelva/et/<name>.txt

Both are written in Windows-1250 with CR LF. The topic help window and the text box of the
experience-type graph show a file as plain text, so a source is the text itself: its lines are
kept as they are, trailing blanks and trailing empty lines dropped. Each pair has its own width
limit: the topic help box takes 90 characters a line, the experience-type box (262 x 330 pixels)
40 characters and 25 lines. A longer line, a tab, or a character that Windows-1250 cannot hold
stops the build with the file, line and column. The graph window loads the twelve type texts by
fixed names, so the et sources must be exactly those twelve.

With a pair's name only that pair is built. With --check nothing is written: the exit status is 1
when a target file differs from what its source gives.
"""
import pathlib
import sys
import unicodedata
from typing import NamedTuple, Optional

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "data/help-sources/topics"
TARGET = ROOT / "data/quelva/help"
MAX_WIDTH = 90


class Pair(NamedTuple):
    sources: pathlib.Path
    target: pathlib.Path
    suffix: str  # the target's file name ending
    max_width: int
    max_lines: Optional[int] = None
    names: Optional[tuple] = None  # when given, the sources must be exactly these stems


PAIRS = {
    "topics": Pair(SOURCES, TARGET, ".hlp", MAX_WIDTH),
    "et": Pair(ROOT / "data/help-sources/et", ROOT / "data/quelva/et", ".txt", 40, 25,
               ("koartalt", "koartativ", "ambiekvalis", "dilatalt", "intr_nelk_extr", "extr_nelk_intr",
                "extravertalt", "introvertalt", "dilat_extravertalt", "dilat_introvertalt",
                "ellens_extravertalt", "ellens_introvertalt")),
}


def fail(source: pathlib.Path, number: int, message: str) -> None:
    sys.exit(f"{source.relative_to(ROOT)}:{number}: {message}")


def encode(source: pathlib.Path, max_width: int = MAX_WIDTH, max_lines: Optional[int] = None) -> bytes:
    lines = source.read_text(encoding="utf-8").splitlines()
    out = []
    for number, raw in enumerate(lines, 1):
        line = raw.rstrip(" ")
        if "\t" in line:
            fail(source, number, "a tab; the help box shows it at no fixed width, use blanks")
        if len(line) > max_width:
            fail(source, number, f"{len(line)} characters, more than {max_width}")
        for column, char in enumerate(line, 1):
            try:
                char.encode("cp1250")
            except UnicodeEncodeError:
                name = unicodedata.name(char, "unnamed")
                fail(source, number, f"column {column}: U+{ord(char):04X} {name} is not in Windows-1250")
        out.append(line)
    while out and not out[-1]:
        out.pop()
    if not out:
        fail(source, 1, "empty source")
    if max_lines is not None and len(out) > max_lines:
        fail(source, max_lines + 1, f"{len(out)} lines, more than {max_lines}")
    return "".join(line + "\r\n" for line in out).encode("cp1250")


def build(pair: Pair, check: bool) -> list:
    sources = sorted(pair.sources.glob("*.txt"))
    if not sources:
        sys.exit(f"no sources in {pair.sources.relative_to(ROOT)}")
    if pair.names is not None:
        stems = {source.stem for source in sources}
        missing = sorted(set(pair.names) - stems)
        unknown = sorted(stems - set(pair.names))
        if missing or unknown:
            sys.exit(f"{pair.sources.relative_to(ROOT)}: missing {missing}, not read by the program {unknown}")
    stale = []
    for source in sources:
        target = pair.target / (source.stem + pair.suffix)
        data = encode(source, pair.max_width, pair.max_lines)
        if target.exists() and target.read_bytes() == data:
            continue
        stale.append(target.relative_to(ROOT))
        if not check:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    return stale


def main() -> int:
    args = sys.argv[1:]
    check = "--check" in args
    names = [arg for arg in args if arg != "--check"]
    if len(names) > 1 or (names and names[0] not in PAIRS):
        sys.exit(f"usage: build-topic-help.py [--check] [{'|'.join(PAIRS)}]")
    stale = []
    for name in names or list(PAIRS):
        stale += build(PAIRS[name], check)
    for path in stale:
        print(f"{'out of date' if check else 'wrote'}: {path}")
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main())
