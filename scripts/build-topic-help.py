#!/usr/bin/env python3
"""Builds the topic help files of the installation tree from their readable sources.

  data/help-sources/topics/<name>.txt (UTF-8) -> data/quelva/help/<name>.hlp (Windows-1250, CR LF)

The topic help window shows a .hlp file as plain text, so a source is the text itself: its lines
are kept as they are, trailing blanks and trailing empty lines dropped. A line longer than
MAX_WIDTH characters, a tab, or a character that Windows-1250 cannot hold stops the build with
the file, line and column. With --check nothing is written: the exit status is 1 when a help file
differs from what its source gives.
"""
import pathlib
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "data/help-sources/topics"
TARGET = ROOT / "data/quelva/help"
MAX_WIDTH = 90


def fail(source: pathlib.Path, number: int, message: str) -> None:
    sys.exit(f"{source.relative_to(ROOT)}:{number}: {message}")


def encode(source: pathlib.Path) -> bytes:
    lines = source.read_text(encoding="utf-8").splitlines()
    out = []
    for number, raw in enumerate(lines, 1):
        line = raw.rstrip(" ")
        if "\t" in line:
            fail(source, number, "a tab; the help box shows it at no fixed width, use blanks")
        if len(line) > MAX_WIDTH:
            fail(source, number, f"{len(line)} characters, more than {MAX_WIDTH}")
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
    return "".join(line + "\r\n" for line in out).encode("cp1250")


def main() -> int:
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        sys.exit("usage: build-topic-help.py [--check]")
    sources = sorted(SOURCES.glob("*.txt"))
    if not sources:
        sys.exit(f"no sources in {SOURCES.relative_to(ROOT)}")
    stale = []
    for source in sources:
        target = TARGET / (source.stem + ".hlp")
        data = encode(source)
        if target.exists() and target.read_bytes() == data:
            continue
        stale.append(target.relative_to(ROOT))
        if not check:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    for path in stale:
        print(f"{'out of date' if check else 'wrote'}: {path}")
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main())
