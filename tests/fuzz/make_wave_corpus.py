#!/usr/bin/env python3
"""Writes the corpus of malformed and odd wave files that the wave file tests replay.

A name starting with "ok-" must load, "fail-" must not, "any-" may do either; none may crash or
allocate more than the file holds. Run it again after changing the list; the output is checked in.
"""
import os
import struct
import sys

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "wave")


def wave(riff=b"RIFF", wave_id=b"WAVE", fmt=b"fmt ", fmt_size=16, tag=1, channels=1, rate=8000,
         byte_rate=None, align=None, bits=16, data_id=b"data", data_size=None, samples=10,
         riff_size=None):
    width = max(bits // 8, 1)
    payload = b"".join(struct.pack("<h", 1000 * i - 4000)[:width] for i in range(samples)) \
        if width <= 2 else bytes(width * samples)
    data_size = len(payload) if data_size is None else data_size
    byte_rate = (rate * channels * width) & 0xFFFFFFFF if byte_rate is None else byte_rate
    align = (channels * width) & 0xFFFF if align is None else align
    riff_size = 36 + len(payload) if riff_size is None else riff_size
    header = riff + struct.pack("<I", riff_size) + wave_id
    header += fmt + struct.pack("<IHHIIHH", fmt_size, tag, channels, rate, byte_rate, align, bits)
    header += data_id + struct.pack("<I", data_size)
    return header + payload


def main():
    os.makedirs(HERE, exist_ok=True)
    for name in os.listdir(HERE):
        os.remove(os.path.join(HERE, name))
    files = {}
    base = wave()
    for cut in range(0, 44):
        files[f"fail-trunc-{cut:02d}"] = base[:cut]
    files["ok-trunc-45"] = base[:45]
    files["ok-trunc-47"] = base[:47]
    files["ok-base"] = base
    files["ok-wrong-magic"] = wave(riff=b"RIFX", wave_id=b"AVI ", fmt=b"FMT!", data_id=b"junk")
    for size in (0, 14, 18, 40):
        files[f"ok-fmt-size-{size}"] = wave(fmt_size=size)
    real18 = bytearray(wave())
    real18[16:20] = struct.pack("<I", 18)
    real18[36:36] = b"\0\0"
    files["any-fmt-18-real"] = bytes(real18)
    files["ok-channels-0"] = wave(channels=0)
    files["ok-channels-2"] = wave(channels=2)
    files["fail-channels-65535"] = wave(channels=65535)
    files["ok-rate-0"] = wave(rate=0)
    files["fail-bits-0"] = wave(bits=0)
    files["ok-bits-8"] = wave(bits=8)
    files["ok-bits-12"] = wave(bits=12)
    files["fail-bits-24"] = wave(bits=24)
    files["fail-bits-32"] = wave(bits=32)
    files["ok-align-0"] = wave(align=0)
    files["fail-data-0"] = wave(data_size=0)
    files["ok-data-odd"] = wave(data_size=21)
    files["ok-data-ffffffff"] = wave(data_size=0xFFFFFFFF)
    files["ok-data-beyond"] = wave(data_size=1000)
    list_chunk = b"LIST" + struct.pack("<I", 4) + b"abcd"
    files["any-chunk-before-fmt"] = base[:12] + list_chunk + base[12:]
    files["fail-no-samples"] = wave(samples=0, data_size=20)
    files["ok-riff-size-wrong"] = wave(riff_size=0xFFFFFFFF)
    for name, data in files.items():
        with open(os.path.join(HERE, name + ".wav"), "wb") as f:
            f.write(data)
    print(f"{len(files)} files in {HERE}")


if __name__ == "__main__":
    sys.exit(main())
