#!/usr/bin/env python3
"""Measures tones recorded from a sound server's monitor: raw signed 16-bit
mono samples. Standard library only.

  tone_analysis.py tone FILE RATE HZ SECONDS
      a tone of HZ lasting SECONDS (within 10 %) is in FILE
  tone_analysis.py weaker INPUT OUTPUT RATE HZ GAIN
      OUTPUT holds the tone of INPUT at least 10 dB weaker, within 2 dB of
      the filter gain GAIN
  tone_analysis.py shorter FILE RATE SECONDS
      whatever sound FILE holds lasts less than SECONDS

Prints its measures; exits with 1 and a reason when a check fails.
"""
import array
import math
import sys

WINDOW_S = 0.01


def load(path):
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    if sys.byteorder != "little":
        samples.byteswap()
    return [s / 32768.0 for s in samples]


def measure(path, rate, hz=None):
    """Duration, frequency, amplitude, level and purity of the loud part."""
    x = load(path)
    w = max(1, int(rate * WINDOW_S))
    env = []
    for i in range(0, len(x) - w + 1, w):
        seg = x[i : i + w]
        m = sum(seg) / w
        env.append(math.sqrt(sum((v - m) ** 2 for v in seg) / w))
    result = {"recorded_s": len(x) / rate, "duration_s": 0.0, "rms_dbfs": -math.inf}
    top = max(env, default=0.0)
    if top < 1e-3:
        return result
    loud = [i for i, e in enumerate(env) if e > 0.3 * top]
    seg = x[loud[0] * w : (loud[-1] + 1) * w]
    n = len(seg)
    mean = sum(seg) / n
    seg = [v - mean for v in seg]
    rms = math.sqrt(sum(v * v for v in seg) / n)
    rising = [i for i in range(1, n) if seg[i - 1] < 0.0 <= seg[i]]
    freq = (len(rising) - 1) * rate / (rising[-1] - rising[0]) if len(rising) > 2 else 0.0
    result.update(duration_s=n / rate, frequency_hz=freq, rms_dbfs=20 * math.log10(rms), peak=max(map(abs, seg)))
    if hz:
        # Goertzel at hz: the tone's own amplitude and its share of the power.
        k = 2 * math.cos(2 * math.pi * hz / rate)
        s1 = s2 = 0.0
        for v in seg:
            s1, s2 = v + k * s1 - s2, s1
        power = s1 * s1 + s2 * s2 - k * s1 * s2
        amplitude = 2 * math.sqrt(max(power, 0.0)) / n
        result.update(amplitude=amplitude, purity=(amplitude * amplitude / 2) / (rms * rms))
    return result


def show(name, m):
    print(name + ": " + ", ".join("%s=%.4g" % kv for kv in m.items()))


def fail(reason):
    print("FAIL: " + reason)
    sys.exit(1)


def check_tone(m, hz, seconds):
    if m["duration_s"] == 0.0:
        fail("no sound was recorded")
    if abs(m["frequency_hz"] - hz) > 0.01 * hz:
        fail("the tone is at %.1f Hz, not %g Hz" % (m["frequency_hz"], hz))
    if m["purity"] < 0.9:
        fail("the sound is not a pure tone of %g Hz (%.0f %% of its power)" % (hz, 100 * m["purity"]))
    if seconds and abs(m["duration_s"] - seconds) > 0.1 * seconds:
        fail("the tone lasts %.3f s, not %g s" % (m["duration_s"], seconds))


def main(argv):
    what = argv[1]
    if what == "tone":
        path, rate, hz, seconds = argv[2], int(argv[3]), float(argv[4]), float(argv[5])
        m = measure(path, rate, hz)
        show(path, m)
        check_tone(m, hz, seconds)
    elif what == "weaker":
        inp, out, rate, hz, gain = argv[2], argv[3], int(argv[4]), float(argv[5]), float(argv[6])
        mi, mo = measure(inp, rate, hz), measure(out, rate, hz)
        show(out, mo)
        check_tone(mo, hz, None)
        drop = 20 * math.log10(mo["amplitude"] / mi["amplitude"])
        want = 20 * math.log10(gain)
        print("output / input at %g Hz: %.2f dB (filter gain %.2f dB)" % (hz, drop, want))
        if drop > -10:
            fail("the output is only %.1f dB below the input" % -drop)
        if abs(drop - want) > 2:
            fail("the output is %.1f dB from the input, the filter gives %.1f dB" % (drop, want))
    elif what == "shorter":
        path, rate, seconds = argv[2], int(argv[3]), float(argv[4])
        m = measure(path, rate)
        show(path, m)
        if m["duration_s"] >= seconds:
            fail("the sound went on for %.2f s" % m["duration_s"])
    else:
        fail("unknown check " + what)


if __name__ == "__main__":
    main(sys.argv)
