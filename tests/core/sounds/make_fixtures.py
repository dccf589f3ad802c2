#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the small hostile sound files the reader's tests open. The
# one-hour file, one_hour.flac, is 0.2 s of silence written by libsndfile
# whose stream header was then made to announce 28 800 000 samples
# (one hour at 8 kHz): the reader refuses it by its announced length.
import math
import struct


def wav(path, rate, frames, data=None, announced=None, bits=16):
    if data is None:
        data = b"".join(struct.pack("<h", int(8000 * math.sin(i / 5))) for i in range(frames))
    size = len(data) if announced is None else announced
    header = b"RIFF" + struct.pack("<I", 36 + size) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate * bits // 8, bits // 8, bits)
    header += b"data" + struct.pack("<I", size)
    with open(path, "wb") as f:
        f.write(header + data)


open("empty.wav", "wb").close()
with open("not_a_sound.wav", "w", encoding="utf-8") as f:
    f.write("Ceci n'est pas un son.\n")
wav("one_sample.wav", 48000, 1)
# The header announces one second; the data stop after 400 samples.
wav("truncated.wav", 48000, 400, announced=96000)
wav("rate_384k.wav", 384000, 200)
