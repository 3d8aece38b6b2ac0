#!/usr/bin/env python3
"""Writes the seed corpora (corpus/<target>/) and the reproducers of past
findings (reproducers/<target>/) of the fuzz targets. The files are small on
purpose: the fuzzer grows its own inputs from them.

    make-seeds.py [FOLDER]   # into FOLDER instead of beside this script

The committed files are what this script writes: the test fuzz-seeds-current
writes them into a scratch folder and compares."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = sys.argv[1] if len(sys.argv) > 1 else HERE


def put(kind, target, name, data):
    folder = os.path.join(OUT, kind, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data.encode() if isinstance(data, str) else data)


# ---- maps ----
def tm2(width, height, cells, header=None, word3=0, word4=0):
    if header is None:
        header = b"VRELSTM2" + struct.pack("<I", 1)
    header = header.ljust(48, b"\0")
    body = struct.pack("<iiii", width, height, word3, word4)
    for cell in cells:
        body += struct.pack("<HHH", *cell)
    return header + body


small = tm2(4, 2, [(0, 0, 0), (224, 288, 0), (0, 0, 0), (320, 0, 208),
                   (32, 0, 0), (32, 0, 0), (32, 0, 0), (32, 0, 0)])
for target in ("map_reader", "map_dump"):
    put("corpus", target, "small.tm2", small)
    put("corpus", target, "foreign_header.tm2", tm2(2, 1, [(64, 352, 0), (0, 0, 1010)],
                                                    header=bytes(range(1, 49)), word3=7))
    put("corpus", target, "wide.tm2", tm2(25, 1, [(32 * (i % 5), 320, 0) for i in range(25)]))
# The compiler wrote version 2 headers its own dump refused; the dump refused
# 56-63 byte maps that the game loads.
put("reproducers", "map_dump", "header_version_2.tm2",
    tm2(2, 1, [(32, 0, 0), (0, 0, 0)], header=b"VRELSTM2" + struct.pack("<I", 2)))
put("reproducers", "map_dump", "56_bytes.tm2", tm2(4, 2, [])[:56])
put("reproducers", "map_dump", "53_bytes.tm2", tm2(4, 2, [])[:53])
# The empty file: the dump copied its header from no bytes at all.
put("reproducers", "map_dump", "empty.tm2", b"")

put("corpus", "map_source", "small.map",
    'vrels-map 1\n"." = empty\n"#" = 100\n"S" = 709\n"o" = 1010 + 208\nchips:\n|.S.o|\n|####|\n')
put("corpus", "map_source", "header.map",
    'vrels-map 1\nheader = ' + ("5652454c53544d3202000000" + "0" * 72) +
    '\nwords = 3 -4\nstart = optional\n"." = empty\n"x" = 1010\nchips:\n|.x|\n')
with open(os.path.join(HERE, "..", "..", "content", "maps", "test.map")) as f:
    put("corpus", "map_source", "test.map", f.read())


# ---- effects ----
def wav(channels, rate, bits, samples, riff_size=None):
    align = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * align, align, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(samples)) + samples
    if len(samples) % 2:
        body += b"\0"
    return b"RIFF" + struct.pack("<I", riff_size or len(body)) + body


put("corpus", "wav", "stereo16.wav", wav(2, 44100, 16, struct.pack("<8h", 0, 0, 1000, -1000,
                                                                     32767, -32768, 5, 6)))
put("corpus", "wav", "mono8_22050.wav", wav(1, 22050, 8, bytes([128, 200, 50, 128, 129])))
put("corpus", "wav", "quad16.wav", wav(4, 48000, 16, bytes(range(32))))
# 31 s at 100 Hz: once resampled to the device rate it would have been
# refused only past 256 MB; 150 KB of it took 230 MB.
put("reproducers", "wav", "100hz_31s.wav", wav(1, 100, 8, bytes([128]) * 3100))
put("reproducers", "wav", "cut_in_data.wav", wav(2, 44100, 16, bytes(64))[:60])

# ---- settings ----
put("corpus", "ini", "vrels.ini",
    "[General]\nGameLevel=1\nRest=3\n\n[Graphics]\nEffect=1\nFullScreen=0\nColorBit=32\n"
    "TripleBuffering=1\nVsync=1\n\n[Sound]\nSE=1\nBGM=1\n\n[Save]\nLastStage=13\n\n"
    "[Control]\nKeyShot=44\nKeySub=45\nJoyShot=1\nJoySub=2\n")
put("corpus", "ini", "crlf.ini", "[save]\r\n laststage = \"21\" \r\n; note\r\n[Sound]\r\nBGM=2\r\n")
put("corpus", "ini", "odd.ini", "LastStage=9\n[Save\n[ Save ]\n=5\nLastStage\n[Sound]BGM=1\n")

# ---- ranking ----
put("corpus", "ranking", "score.ini", "".join(
    "%d,%s,%d\n" % (10000 - 1000 * i, name, d) for i, (name, d) in enumerate(
        zip(["MRY", "SKV", "VRL", "LUN", "ASH", "IVY", "ROS", "OWL", "KIT", "NEL"],
            [2, 2, 2, 1, 1, 1, 0, 0, 0, 0]))))
put("corpus", "ranking", "odd.ini", "5\n,,,\n-7,A B,300\r\n99999999999,X,1,extra\n\n")

# ---- replays ----
put("corpus", "replay", "11.rec", bytes([0, 0, 8, 8, 0x18, 0x28, 0x38, 4, 0]))
put("corpus", "replay", "empty.rec", b"")
# Bits 6 and 7 are never part of a button byte.
put("corpus", "replay", "high_bits.rec", bytes([0x40, 0x80, 0xFF, 0x3F, 0xC8]))


# ---- pictures ----
def tga(kind, width, height, depth, pixels, descriptor=0, cmap=None, ident=b""):
    if cmap:
        entry_bits, entries = cmap
        head = struct.pack("<BBBHHB", len(ident), 1, kind, 0, len(entries) // (entry_bits // 8),
                           entry_bits)
    else:
        entries = b""
        head = struct.pack("<BBBHHB", len(ident), 0, kind, 0, 0, 0)
    head += struct.pack("<HHHHBB", 0, 0, width, height, depth, descriptor)
    return head + ident + entries + pixels


put("corpus", "tga", "rgba_2x2.tga", tga(2, 2, 2, 32, bytes(range(16)), descriptor=8))
put("corpus", "tga", "rgb_3x1.tga", tga(2, 3, 1, 24, bytes(range(9)), ident=b"id"))
put("corpus", "tga", "grey_rle_4x4.tga", tga(11, 4, 4, 8, bytes([0x87, 200, 0x07]) + bytes(8)))
put("corpus", "tga", "rgb_rle_4x2.tga", tga(10, 4, 2, 24, bytes([0x83, 1, 2, 3, 0x83, 4, 5, 6])))
put("corpus", "tga", "mapped_2x2.tga", tga(1, 2, 2, 8, bytes([0, 1, 1, 0]),
                                           cmap=(24, bytes([255, 0, 0, 0, 0, 255]))))
# 65535 x 65535 claimed by a 61 KB file drove the decoder past 5 GB.
put("reproducers", "tga", "65535x65535.tga", tga(2, 65535, 65535, 32, bytes(1024), descriptor=8))
# A picture cut right after its header loaded with every pixel zero.
put("reproducers", "tga", "cut_after_header.tga", tga(2, 16, 16, 32, b"", descriptor=8))
put("reproducers", "tga", "rle_cut.tga", tga(10, 16, 16, 24, bytes([0x8f, 1, 2, 3])))


# ---- music ----
# Byte 0 picks the piece (1: intro then loop file, 2: one file looping, 0: one
# file once), bytes 1-2 the first file's length, then both files.
def audio(name):
    with open(os.path.join(HERE, "..", "data", "audio", name), "rb") as f:
        return f.read()


def piece(mode, first, second=b""):
    return bytes([mode]) + struct.pack("<H", len(first)) + first + second


put("corpus", "ogg", "intro_loop.bin", piece(1, audio("short.ogg"), audio("mono.ogg")))
put("corpus", "ogg", "looping.bin", piece(2, audio("mono.ogg")))
put("corpus", "ogg", "once.bin", piece(0, audio("mono.ogg")))
put("corpus", "ogg", "intro_cut_loop.bin", piece(1, audio("mono.ogg")[:3000], audio("mono.ogg")))
put("corpus", "ogg", "missing_loop.bin", piece(1, audio("mono.ogg")))
