#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/.

The number-text targets get hand-written texts. The other targets read
their bytes through HostileInput (fuzzcheck.h), which takes integers from
the end of the input, one choice byte before each double or int32: a
choice below the size of its table of awkward values picks one of them,
200 is followed by the eight bytes of any double. The seeds below are
states a user reaches, and a few hostile ones.

Run from anywhere: python3 fuzz/seeds.py
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")

SPECIAL_DOUBLES = [
    0.0, -0.0, 1.0, -1.0, 0.5, 100.0, 400.0, 0.01, 1e-3, 999999.0,
    1e300, -1e300, "max", "-max", "min", "-min", 5e-324, -5e-324,
    1e-320, 1e15, 1e16, 1e-15, "inf", "-inf", "nan", "-nan",
]
SPECIAL_INTS = [0, 1, -1, 2, 100, 999999, 1000000,
                2**31 - 1, -2**31, 2**31 - 2, -2**31 + 1]


class Bytes:
    """Builds an input the way HostileInput reads it."""

    def __init__(self):
        self.front = b""
        self.back = []  # in the order they are consumed

    def u8(self, v):
        self.back.append(v & 0xFF)

    def unsigned(self, v, size):
        for i in reversed(range(size)):
            self.back.append((v >> (8 * i)) & 0xFF)

    def double(self, x):
        if x in ("inf", "-inf", "nan", "-nan", "max", "-max", "min", "-min"):
            self.u8(SPECIAL_DOUBLES.index(x))
            return
        for i, s in enumerate(SPECIAL_DOUBLES):
            if isinstance(s, float) and s == x and math.copysign(1, s) == math.copysign(1, x):
                self.u8(i)
                return
        self.u8(200)
        self.unsigned(struct.unpack("<Q", struct.pack("<d", x))[0], 8)

    def int32(self, v):
        if v in SPECIAL_INTS:
            self.u8(SPECIAL_INTS.index(v))
            return
        self.u8(255)
        self.unsigned(v + 2**31, 4)

    def in_range(self, v, lo, hi):
        span = hi - lo
        size = (span.bit_length() + 7) // 8
        self.unsigned(v - lo, size)

    def boolean(self, b):
        self.u8(1 if b else 0)

    def char(self, c):
        self.u8(ord(c) + 128 if isinstance(c, str) else c + 128)

    def uint32(self, v):
        self.unsigned(v, 4)

    def string(self, s):
        self.front += s.replace("\\", "\\\\").encode() + b"\\e"

    def data(self):
        return self.front + bytes(reversed(self.back))


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def number_texts():
    texts = {
        "empty": "", "minus": "-", "overflow": "1e999", "negative-overflow": "-1e999",
        "nan": "nan", "inf": "inf", "zero": "0", "subnormal": "1e-320", "letters": "abc",
        "plain": "12.5", "blanks": "  3.25e2  ", "comma": "1,5", "point-first": ".5",
        "point-last": "5.", "sign-point": "+.e3", "bare-exponent": "1e", "hex": "0x1p3",
        "smallest": "4.94E-324", "largest": "1.7976931348623157e308",
        "just-beyond": "1.7976931348623159e308", "tab": "\t-7E+0002\t",
        "many-digits": "1" * 400 + "e-100", "tiny-many": "0." + "0" * 330 + "1e10",
        "exponent-digits": "1e-00000000000000000000000001", "display": " 4.01E2",
    }
    for name, text in texts.items():
        write("parsenumber", name, text.encode())
        write("tryparsenumber", name, text.encode())


def format_values():
    texts = {
        "three": "3", "quarter": "0.25", "limit": "400", "beyond": "401",
        "rounding-to-limit": "400.00004", "rounding-past-limit": "400.00005",
        "just-below-hundredth": "0.0099", "rounding-to-hundredth": "0.009999995",
        "negative-small": "-0.0012", "negative-limit": "-399.99995", "zero": "0",
        "huge": "1e300", "largest": "1.7976931348623157e308", "inf": "inf", "nan": "nan",
        "subnormal": "5e-324", "ties": "0.00125",
    }
    for name, text in texts.items():
        write("formatnumber", name, text.encode())
    for name, x in {"bits-negative-zero": -0.0, "bits-third": 1 / 3, "bits-max": 1.7976931348623157e308}.items():
        write("formatnumber", name, struct.pack("<d", x))


def round_to_digits():
    for name, (n, x) in {
        "copy-size": (2, 14.99148), "one-digit": (-5, 9.96), "all-digits": (99, 1 / 3),
        "largest": (1, "max"), "nan": (2, "nan"), "subnormal": (17, 5e-324), "inf": (3, "-inf"),
    }.items():
        b = Bytes()
        b.int32(n)
        b.double(x)
        write("roundtodigits", name, b.data())


def nice_range():
    for name, (lo, hi, from_zero) in {
        "unit": (0.0, 1.0, True), "half": (0.5, 1.0, True), "negative": (-0.3, -0.2, True),
        "time-axis": (0.0, 0.01, False), "spectrum-100": (0.0, 100.0, True),
        "empty": (0.0, 0.0, False), "huge": ("-max", "max", True), "nan": ("nan", 1.0, False),
        "narrow": (1e15, 1e15 + 0.25, False), "swapped": (5.0, -5.0, False),
    }.items():
        b = Bytes()
        b.double(lo)
        b.double(hi)
        b.boolean(from_zero)
        write("nicerange", name, b.data())


def value_to_pixel():
    for name, vals in {
        "spectrum": (10, 178, 0.5, 1.0, -0.1, 1.1), "time": (15, 485, 0.005, 0.001, 0.0, 0.011),
        "empty-span": (10, 100, 1.0, 2.0, 3.0, 3.0), "huge": (-2**31, 2**31 - 1, "max", "-max", "-max", "max"),
        "nan": (0, 1000, "nan", 0.0, 0.0, 1.0), "reversed": (500, 20, -3.0, 2.0, 4.0, -4.0),
    }.items():
        b = Bytes()
        b.int32(vals[0])
        b.int32(vals[1])
        for x in vals[2:]:
            b.double(x)
        write("valuetopixel", name, b.data())


def state(name, **over):
    """The start-up state, with some fields changed."""
    st = dict(
        f0=100, full=1.0, mean_pc=0, mean=0.0, preset="S", duty=0.0,
        amp=[0.0] * 13, phase=[0.0] * 13, shown=[False] * 13,
        kind="S", fc=1.0, m=0.705, g0=1.0, bw=1.41,
        origin=True, grid=False, dotted=True, font=8, face="Arial", grad=3,
        mode="P", values=False, factor=1, ideal=False, superpose=True, spin=False, spout=False,
        width=523, periods=1.0, spmax=0.0, reset=True, rescale=True, w=493, h=298, zooms=0,
    )
    st.update(over)
    b = Bytes()
    b.int32(st["f0"])
    b.double(st["full"])
    b.int32(st["mean_pc"])
    b.boolean(False)  # MeanValue given on its own
    b.double(st["mean"])
    b.char(st["preset"])
    b.double(st["duty"])
    for k in range(13):
        b.double(st["amp"][k])
        b.double(st["phase"][k])
        b.boolean(st["shown"][k])
        for _ in range(4):
            b.double(0.0)  # the filter and output columns, recomputed
    b.char(st["kind"])
    b.double(st["fc"])
    b.double(st["m"])
    b.double(st["g0"])
    b.double(st["bw"])
    b.boolean(st["origin"])
    b.boolean(st["grid"])
    b.boolean(st["dotted"])
    b.uint32(0x808080)
    for _ in range(13):
        b.uint32(0x800000)
    b.int32(st["font"])
    b.string(st["face"])
    b.int32(st["grad"])
    for c in (0xFFFF00, 0x808080, 0xFF00FF, 0xFFFF00, 0xFF0000):
        b.uint32(c)
    b.boolean(True)  # black background
    b.int32(567)
    b.int32(416)
    b.char(st["mode"])
    b.boolean(st["values"])
    b.int32(st["factor"])
    b.boolean(st["ideal"])
    b.boolean(st["superpose"])
    b.boolean(st["spin"])
    b.boolean(st["spout"])
    b.boolean(False)  # time axis range mode
    b.in_range(st["width"], -100, 8212)
    for _ in range(6):
        b.double(0.0)  # the time graph's frame, set again below
    b.double(st["periods"])
    b.double(st["spmax"])
    b.boolean(st["reset"])
    b.boolean(st["rescale"])
    b.in_range(st["w"], -200, 1 << 24)
    b.in_range(st["h"], -200, 1 << 24)
    b.in_range(st["zooms"], -40, 40)
    write("stateredraw", name, b.data())


def states():
    square = [0.0] + [round(100 * 2 / math.pi * abs(math.sin(k * math.pi / 2)) / k) for k in range(1, 13)]
    state("start-up")
    state("square-low-pass-resonance", preset="C", duty=0.5, mean_pc=50, mean=0.5, amp=square,
          phase=[0.0] + [math.pi / 2] * 12, kind="B", fc=100.0, m=0.0001, ideal=True, spin=True, spout=True)
    state("band-stop-rms", amp=[0.0, 100.0, 50.0] + [0.0] * 10, shown=[False, True, True] + [False] * 10,
          kind="C", fc=200.0, mode="R", spout=True, values=True, factor=10000, full=2.5, zooms=3)
    state("off-origin-large", full=1e300, mean_pc=100, mean=1e300, amp=[0.0] + [100.0] * 12, origin=False,
          kind="H", fc=0.001, g0=-1e6, spin=True, spout=True, mode="A")
    state("all-nan", full="nan", mean="nan", duty="nan", amp=["nan"] * 13, phase=["nan"] * 13, fc="nan",
          m="nan", g0="nan", periods="nan", spmax="nan", kind="P")
    state("narrow-window", width=0, w=-30, h=-110, f0=999999, periods=9.99, reset=False, rescale=False)
    state("zoomed-far-out", f0=1, periods=9.99, zooms=-40, amp=[0.0, 50.0] + [0.0] * 11)


if __name__ == "__main__":
    number_texts()
    format_values()
    round_to_digits()
    nice_range()
    value_to_pixel()
    states()
