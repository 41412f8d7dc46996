#!/usr/bin/env python3
"""Builds the sign help files of the installation tree from their readable sources.

  data/help-sources/jelol-*.txt -> data/quelva/jelol.dbf   (scoring help)
  data/help-sources/ert-*.txt   -> data/quelva/ert.dbf     (interpretation help)

A source holds one entry per sign: a line "=== <code> <display name>", then the help text's
lines. Lines starting with "#" are comments. The help file has one line per code 0..497: the
text's lines, each followed by "*", in Windows-1250 with CR LF; codes without an entry get an
empty line.
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LINES = 498


def read(source: pathlib.Path, texts: dict) -> None:
    code = None
    for number, raw in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("#"):
            continue
        if raw.startswith("=== "):
            code = int(raw.split()[1])
            if not 0 <= code < LINES or code in texts:
                sys.exit(f"{source}:{number}: bad or repeated code {code}")
            texts[code] = []
            continue
        if code is None:
            if raw.strip():
                sys.exit(f"{source}:{number}: text before the first entry")
            continue
        if "*" in raw:
            sys.exit(f"{source}:{number}: '*' separates the lines of a help text and cannot stand in one")
        texts[code].append(raw.rstrip())


def build(sources: list, target: pathlib.Path) -> None:
    texts = {}
    for source in sources:
        read(source, texts)
    out = []
    for c in range(LINES):
        lines = texts.get(c, [])
        while lines and not lines[-1]:
            lines.pop()
        out.append("".join(line + "*" for line in lines))
    target.write_bytes("".join(line + "\r\n" for line in out).encode("cp1250"))


if __name__ == "__main__":
    sources = ROOT / "data/help-sources"
    build(sorted(sources.glob("jelol-*.txt")), ROOT / "data/quelva/jelol.dbf")
    build(sorted(sources.glob("ert-*.txt")), ROOT / "data/quelva/ert.dbf")
