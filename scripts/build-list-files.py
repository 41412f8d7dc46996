#!/usr/bin/env python3
"""Builds the choice lists of the personal-data window from their readable sources.

  data/help-sources/lists/<name>.txt (UTF-8) -> data/quelva/<name>.lst (Windows-1250, CR LF)

One line of a source is one choice of a drop-down (fogl: occupations, dg: diagnoses, oszt: wards,
vv: examiners) or of the clinical-questions picker (klinker), in the order shown. The lines are
encoded by the rules of the topic help files (scripts/build-topic-help.py: trailing blanks
dropped, no tab, at most its MAX_WIDTH characters, Windows-1250 only), and a list adds its own:
no empty line, no leading blank, no line twice, and no "*", which separates the clinical
questions where the protocol keeps them on one line. The examiner edits the copies in the
workstation's root, so these are only the first choices a new installation offers.

No isk.lst is made: without it the education drop-down keeps its built-in levels, the ones the
Neiger correction is reckoned by.

With --check nothing is written: the exit status is 1 when a list file differs from what its
source gives.
"""
import importlib.util
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ROOT / "data/help-sources/lists"
TARGET = ROOT / "data/quelva"

sys.dont_write_bytecode = True  # no __pycache__ beside the scripts
_spec = importlib.util.spec_from_file_location("build_topic_help", ROOT / "scripts/build-topic-help.py")
topic_help = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(topic_help)


def encode(source: pathlib.Path) -> bytes:
    seen = {}
    for number, raw in enumerate(source.read_text(encoding="utf-8").splitlines(), 1):
        line = raw.rstrip(" ")
        if not line:
            topic_help.fail(source, number, "an empty line; it would be an empty choice")
        if line != line.lstrip():
            topic_help.fail(source, number, "a leading blank; the choice would not match what is typed")
        if "*" in line:
            topic_help.fail(source, number, 'a "*"; it separates the clinical questions in a protocol')
        if line in seen:
            topic_help.fail(source, number, f"the same as line {seen[line]}")
        seen[line] = number
    return topic_help.encode(source)


def main() -> int:
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        sys.exit("usage: build-list-files.py [--check]")
    sources = sorted(SOURCES.glob("*.txt"))
    if not sources:
        sys.exit(f"no sources in {SOURCES.relative_to(ROOT)}")
    stale = []
    for source in sources:
        target = TARGET / (source.stem + ".lst")
        data = encode(source)
        if target.exists() and target.read_bytes() == data:
            continue
        stale.append(target.relative_to(ROOT))
        if not check:
            target.write_bytes(data)
    for path in stale:
        print(f"{'out of date' if check else 'wrote'}: {path}")
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main())
