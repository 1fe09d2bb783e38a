#!/usr/bin/env python3
"""Writes the seed corpus of the WAV fuzz target: small RIFF/WAVE files as
editors write them (LIST, fact and JUNK chunks around "fmt " and "data",
odd-sized chunks with their pad byte, the extensible format) and a few that
the source must refuse or cut short.

    tools/make_wave_corpus.py OUTPUT_DIR
"""
import os
import struct
import sys

PCM_GUID = bytes.fromhex("0100000000001000800000aa00389b71")
FLOAT_GUID = bytes.fromhex("0300000000001000800000aa00389b71")


def chunk(tag, body, claimed=None):
    size = len(body) if claimed is None else claimed
    return tag + struct.pack("<I", size) + body + (b"\0" if len(body) % 2 else b"")


def fmt(channels, rate, bits, tag=1, guid=None):
    align = channels * bits // 8
    body = struct.pack("<HHIIHH", 0xFFFE if guid else tag, channels, rate, rate * align, align, bits)
    if guid:
        body += struct.pack("<HHI", 22, bits, 3 if channels == 2 else 4) + guid
    return chunk(b"fmt ", body)


def riff(*chunks, form=b"WAVE"):
    body = form + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def ramp(n):
    return bytes((i * 7 + i // 251) & 0xFF for i in range(n))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    info = chunk(b"LIST", b"INFOINAM" + struct.pack("<I", 5) + b"Bell\0")
    junk = chunk(b"JUNK", bytes(28))
    fact = chunk(b"fact", struct.pack("<I", 1000))
    files = {
        "canonical.wav": riff(fmt(2, 44100, 16), chunk(b"data", ramp(400))),
        "chunked.wav": riff(info, junk, fmt(2, 44100, 16), fact, chunk(b"data", ramp(400)), info),
        "extensible.wav": riff(fmt(2, 48000, 16, guid=PCM_GUID), fact, chunk(b"data", ramp(256))),
        "mono8-odd.wav": riff(junk, fmt(1, 8000, 8), chunk(b"data", ramp(201)), info),
        "data-first.wav": riff(chunk(b"data", ramp(64)), fmt(1, 22050, 16)),
        "claims-more.wav": riff(fmt(1, 22050, 16), chunk(b"data", ramp(100), claimed=0xFFFFFFF0)),
        "float.wav": riff(fmt(2, 44100, 32, guid=FLOAT_GUID), chunk(b"data", ramp(256))),
        "pcm24.wav": riff(fmt(2, 48000, 24), chunk(b"data", ramp(301))),
        "pcm32.wav": riff(fmt(1, 44100, 32), chunk(b"data", ramp(256))),
        "float-plain.wav": riff(fmt(2, 44100, 32, tag=3), chunk(b"data", ramp(256))),
        "surround.wav": riff(fmt(6, 48000, 16), chunk(b"data", ramp(360))),
        "adpcm.wav": riff(fmt(1, 22050, 4, tag=2), chunk(b"data", ramp(64))),
        "avi.riff": riff(fmt(2, 44100, 16), chunk(b"data", ramp(64)), form=b"AVI "),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
