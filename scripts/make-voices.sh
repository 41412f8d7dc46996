#!/usr/bin/env bash
# Speaks the location signs (codes 400..412) into the sound files of the installation tree:
#   data/quelva/hangok/magyar/<code>.wav   Debian's espeak-ng, Hungarian voice "hu"
#   data/quelva/hangok/angol/<code>.wav    Debian's espeak-ng, English voice "en"
# The workstation plays hangok/<language>/<code>.wav when a location sign is entered and a
# sound language is chosen.
#
# How each sign is read aloud:
#   Hungarian: the letters by their Hungarian names ("gé", "dé", "o"), "zw" (Zwischenraum, the
#   white space) as "zé vé", and the abbreviations komb., konf., kont. as the whole words
#   "kombinált", "konfabulált", "kontaminált".
#   English: what the sign means, in the usual English words of location scoring: "whole",
#   "detail", "space", "combined", "confabulated", "contaminated".
#
# espeak-ng writes 22050 Hz 16-bit mono PCM. To keep the files small, the silence around the
# word is cut (a few milliseconds of it kept, with a short fade) and the sound is low-pass
# filtered and halved to 11025 Hz, still 16-bit mono PCM in a plain RIFF/WAVE file, which Qt's
# QSoundEffect plays. Each written file is read back and checked. The same espeak-ng gives the
# same bytes on every run.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/data/quelva/hangok"

if ! command -v espeak-ng >/dev/null; then
    echo "make-voices: espeak-ng is missing; scripts/setup-deps installs it" >&2
    exit 1
fi

codes=(400 401 402 403 404 405 406 407 408 409 410 411 412)
#       G     D     Dd       Do      G komb.          Gzw        DG komb.
magyar=("gé" "dé" "dé dé" "dé o" "gé kombinált" "gé zé vé" "dé gé kombinált"
#       DG konf.             DG kont.             DzwG          Dzw         Ddzw            zw
        "dé gé konfabulált" "dé gé kontaminált" "dé zé vé gé" "dé zé vé" "dé dé zé vé" "zé vé")
angol=("whole" "detail" "small detail" "oligophrenic detail" "combined whole" "whole with space"
       "detail to combined whole" "confabulated whole" "contaminated whole" "whole from space"
       "space detail" "small space detail" "space")

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

speak() { # voice, folder, code, text
    mkdir -p "$work/$2"
    espeak-ng -v "$1" -s 165 -w "$work/$2/$3.wav" -- "$4"
}

for i in "${!codes[@]}"; do
    speak hu magyar "${codes[$i]}" "${magyar[$i]}"
    speak en angol "${codes[$i]}" "${angol[$i]}"
done

python3 - "$work" "$out" <<'PYTHON'
import array
import math
import pathlib
import struct
import sys
import wave

work, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
SOURCE_RATE, RATE = 22050, 11025
SILENCE = 300          # samples quieter than this (about -40 dBFS) count as silence
KEEP = SOURCE_RATE // 50  # 20 ms of the silence kept before and after the word
FADE = SOURCE_RATE // 200  # 5 ms fade in and out


def lowpass(taps: int = 31, cutoff: float = 0.22) -> list:
    """A Hamming-windowed sinc filter; cutoff as a fraction of the source rate (about 4.9 kHz)."""
    middle = taps // 2
    kernel = []
    for n in range(taps):
        k = n - middle
        sinc = 2 * cutoff if k == 0 else math.sin(2 * math.pi * cutoff * k) / (math.pi * k)
        kernel.append(sinc * (0.54 - 0.46 * math.cos(2 * math.pi * n / (taps - 1))))
    total = sum(kernel)
    return [c / total for c in kernel]


def shrink(source: pathlib.Path, target: pathlib.Path) -> None:
    with wave.open(str(source), "rb") as w:
        if (w.getnchannels(), w.getsampwidth(), w.getframerate()) != (1, 2, SOURCE_RATE):
            sys.exit(f"make-voices: {source.name}: espeak-ng wrote an unexpected format")
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    loud = [i for i, s in enumerate(samples) if abs(s) > SILENCE]
    if not loud:
        sys.exit(f"make-voices: {source.name}: espeak-ng wrote only silence")
    start, end = max(0, loud[0] - KEEP), min(len(samples), loud[-1] + KEEP)
    word = [float(s) for s in samples[start:end]]
    for i in range(min(FADE, len(word))):
        word[i] *= i / FADE
        word[-1 - i] *= i / FADE
    kernel = lowpass()
    middle = len(kernel) // 2
    halved = array.array("h")
    for centre in range(0, len(word), 2):
        acc = 0.0
        for j, c in enumerate(kernel):
            k = centre + j - middle
            if 0 <= k < len(word):
                acc += c * word[k]
        halved.append(max(-32768, min(32767, round(acc))))
    if sys.byteorder == "big":
        halved.byteswap()
    target.parent.mkdir(parents=True, exist_ok=True)
    with wave.open(str(target), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(halved.tobytes())


def check(path: pathlib.Path) -> None:
    """A plain RIFF/WAVE file: one fmt chunk of PCM (format 1), mono, 16-bit, RATE; then data."""
    data = path.read_bytes()
    riff, size, kind = struct.unpack("<4sI4s", data[:12])
    fmt, fmt_size, tag, channels, rate, byte_rate, align, bits = struct.unpack("<4sIHHIIHH", data[12:36])
    chunk, data_size = struct.unpack("<4sI", data[36:44])
    ok = (riff, kind, fmt, fmt_size, tag, channels, rate, bits, chunk) == (
        b"RIFF", b"WAVE", b"fmt ", 16, 1, 1, RATE, 16, b"data")
    ok = ok and size == len(data) - 8 and data_size == len(data) - 44 and data_size > 0
    ok = ok and byte_rate == RATE * 2 and align == 2
    if not ok:
        sys.exit(f"make-voices: {path} is not a 16-bit mono PCM RIFF/WAVE file of {RATE} Hz")


for folder in ("magyar", "angol"):
    for source in sorted((work / folder).glob("*.wav")):
        target = out / folder / source.name
        shrink(source, target)
        check(target)
PYTHON

du -ch "$out"/magyar/*.wav "$out"/angol/*.wav | tail -1 | sed 's/^/make-voices: /'
