#!/usr/bin/env python3
"""Writes the warning sound 101.wav: 8-bit mono PCM, 11025 samples/s, about 0.8 s,
two short falling tones with soft edges."""
import math, os, struct

RATE = 11025
teile = [(880.0, 0.30), (0.0, 0.08), (660.0, 0.42)]
daten = bytearray()
for freq, dauer in teile:
    n = int(RATE * dauer)
    for i in range(n):
        huelle = min(1.0, i / 200, (n - i) / 600)
        wert = 0.55 * huelle * math.sin(2 * math.pi * freq * i / RATE) if freq else 0.0
        daten.append(int(128 + 127 * wert))
kopf = b"RIFF" + struct.pack("<I", 36 + len(daten)) + b"WAVE"
kopf += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, RATE, RATE, 1, 8)
kopf += b"data" + struct.pack("<I", len(daten))
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "101.wav"), "wb") as f:
    f.write(kopf + bytes(daten))
