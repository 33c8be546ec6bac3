#!/usr/bin/env python3
"""Writes the sample disc's sounds, examples/disc/Sounds/start.wav (a two-note
chime at start-up) and about.wav (a short tone while the About box is open):
8-bit mono PCM at 11025 Hz, a few kilobytes each.

The output depends on nothing but this script: run it again after changing a
note, and check the files in.
"""
import math
import os
import struct

RATE = 11025
SOUNDS = {
    # name: [(frequency in Hz, seconds), ...], played one after the other
    "start.wav": [(880.0, 0.11), (1318.5, 0.22)],
    "about.wav": [(659.3, 0.12)],
}


def samples(notes):
    out = bytearray()
    for frequency, seconds in notes:
        count = int(RATE * seconds)
        for i in range(count):
            t = i / RATE
            attack = min(1.0, i / (RATE * 0.005))  # no click at the start
            decay = math.exp(-4.0 * t / seconds)
            value = 0.45 * attack * decay * math.sin(2 * math.pi * frequency * t)
            out.append(128 + round(127 * value))  # 8-bit PCM is unsigned
    return bytes(out)


def wave(data):
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)  # PCM, mono, 1 byte a sample
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\0"  # chunks are padded to an even length
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "disc",
                          "Sounds")
    os.makedirs(folder, exist_ok=True)
    for name, notes in SOUNDS.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(wave(samples(notes)))


if __name__ == "__main__":
    main()
