#!/usr/bin/env python3
"""Writes the journal fixtures of the core tests from literal bytes.

Run once from this folder; the files are committed. gzip output is made with mtime 0 so
running it again gives the same bytes.
"""
import gzip
import struct

MAGIC = bytes.fromhex("00000014") + "OVELACYCLE".encode("utf-16-be")
FORMAT = bytes([0x64])

# 2000-01-01: doctor only, temperature code 5, cervical fluid 2, note "ok".
ENTRY_2000_01_01 = bytes.fromhex(
    "00256859" "010000000000" "00000005" "00000002" "00000004006f006b")
START_1999_12_27 = bytes.fromhex("00256854")


def count(n):
    return struct.pack(">i", n)


def entry(julian, flags=b"\0" * 6, temperature=0, fluid=0, note=b"\0\0\0\0"):
    return struct.pack(">I", julian) + flags + struct.pack(">ii", temperature, fluid) + note


def write(name, data, compress=True):
    with open(name, "wb") as f:
        f.write(gzip.compress(data, mtime=0) if compress else data)


EMPTY = MAGIC + FORMAT + count(0) + bytes(4)
ONE = MAGIC + FORMAT + count(1) + ENTRY_2000_01_01 + START_1999_12_27
assert len(EMPTY) == 33 and len(ENTRY_2000_01_01) == 26

# Good journals.
write("empty.ovd", EMPTY)
write("one-entry.ovd", ONE)
write("one-entry-plain.ovd", ONE, compress=False)

# Odd but valid journals.
write("null-note.ovd", MAGIC + FORMAT + count(1)
      + entry(2451545, flags=b"\0\0\0\x01\0\0", note=b"\xff\xff\xff\xff") + START_1999_12_27)
write("format-byte.ovd", MAGIC + b"\x07" + count(1) + ENTRY_2000_01_01 + START_1999_12_27)
write("duplicate-date.ovd", MAGIC + FORMAT + count(2) + ENTRY_2000_01_01
      + entry(2451545, flags=b"\0\x01\0\0\0\0", temperature=41, fluid=6, note=bytes.fromhex("00000002004e"))
      + START_1999_12_27)
# The start date follows the count directly.
write("negative-count.ovd", MAGIC + FORMAT + count(-3) + START_1999_12_27)
# Records after the start date: the count lost bits, and the journal is damaged.
write("count-too-low.ovd", MAGIC + FORMAT + count(-3) + START_1999_12_27 + ENTRY_2000_01_01)

# Damaged journals.
write("empty-file.ovd", b"", compress=False)
write("wrong-magic.ovd", bytes.fromhex("00000014") + "OVELACYCLX".encode("utf-16-be")
      + FORMAT + count(0) + bytes(4))
# A count of two thousand million in a 40-byte file.
huge_count = MAGIC + FORMAT + count(2000000000) + ENTRY_2000_01_01[:11]
assert len(huge_count) == 40
write("huge-count.ovd", huge_count, compress=False)
# A note claiming almost 2 GiB in a short file.
write("huge-note.ovd", MAGIC + FORMAT + count(1)
      + entry(2451545, note=bytes.fromhex("7ffffffe") + "ok".encode("utf-16-be")),
      compress=False)
write("odd-note-length.ovd", MAGIC + FORMAT + count(1)
      + entry(2451545, note=bytes.fromhex("00000003006f00")) + START_1999_12_27)
packed = gzip.compress(ONE, mtime=0)
# Cut inside the compressed data.
write("truncated-gzip.ovd", packed[:len(packed) // 2], compress=False)
# Whole body, trailer (CRC and length) missing.
write("no-trailer.ovd", packed[:-8], compress=False)
# Checksum flipped.
write("bad-crc.ovd", packed[:-8] + bytes(b ^ 0xFF for b in packed[-8:-4]) + packed[-4:],
      compress=False)
# A valid gzip header followed by a deflate block of the reserved type 3.
write("corrupt-body.ovd", packed[:10] + b"\xff" * 24 + packed[-8:], compress=False)
