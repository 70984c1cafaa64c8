#!/usr/bin/env python3
"""Writes the fuzzer's seed inputs into fuzz/seeds/.

An input is the bytes of the data files followed by a 10-byte trailer that the target
reads from the end: layout (last byte: 0 the same bytes for both files, 1 split at
seed % (size + 1), 2 no dictionary file, 3 no syndrome file), two fault words, the sex
and the seed for the answers. A zero trailer with layout 1 puts every byte in the
dictionary file. The target also reads the dictionary file's bytes as a case file.
"""
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent
SEEDS = HERE / "seeds"


def write(name, body, layout=0, seed=0):
    SEEDS.mkdir(exist_ok=True)
    (SEEDS / name).write_bytes(body + struct.pack("<I", seed) + bytes(5) + bytes([layout]))


def case_seeds():
    """A small knowledge base followed by a case file about it, split between them."""
    podaci = (b"Gripa\r\n O-O) povi\x9aena temperatura\r\n O-T) ka\x9aalj\r\n"
              b"Torzija testisa\r\n M-T) bolan testis\r\n Z-U) bol\r\n O-T) bol\r\n")
    cases = (b"// Slu\xe8aj\r\nSLUCAJ: Gripa\r\nSPOL: M\r\nDOB: 040\r\nMJESTO: 2\r\n"
             b"DA: povi\x9aena temperatura // x\r\nNE: ka\x9aalj\rDA: bol\n"
             b"SLUCAJ: Torzija testisa\nSPOL: Z\nDA: bolan testis\nNE: ka\xc5\xa1alj\n")
    write("cases-split", podaci + cases, 1, len(podaci))
    write("cases-sample", (HERE.parent / "data" / "slucajevi.cxt").read_bytes()[:2000], 1)


def tool_seeds():
    """An author's UTF-8 file for the conversion, and over-long lines of every kind."""
    utf8 = ("\ufeffŠećerna bolest\r\n O-O) žeđ\n O-T) " + "č" * 130
            + "\r Z-U) bol \u2013 jaka // „navodnici“\nĐuro\n").encode()
    write("utf8-author", utf8)
    # The load stops at the first over-long line, the scan goes on to every other.
    podaci = b"Bol\r\n O-G) kratko\r\n"
    rjecnik = (b"Pojam\r\n " + b"e" * 100 + b"\r\n" + b"T" * 50 + b"\r\n kratko\r\n"
               + b"x" * 501 + b"\r\n\x9a" * 60 + b"\r\n")
    write("long-lines", podaci + b"N" * 256 + b"\r\n O-G) " + b"s" * 256 + b"\r\n", 0)
    write("long-dictionary", podaci + rjecnik, 1, len(podaci))


def syndromes(count, per_syndrome, distinct):
    lines = []
    for i in range(count):
        lines.append(f"S{i:03d}")
        for k in range(per_syndrome):
            lines.append(f" O-G) {(i * per_syndrome + k) % distinct:04d}")
    return ("\r\n".join(lines) + "\r\n").encode()


def main():
    data = HERE.parent / "data"
    podaci = (data / "podaci.cxt").read_bytes()
    rjecnik = (data / "rjecnik.cxt").read_bytes()
    write("sample-syndromes", podaci)
    write("sample-dictionary", rjecnik)
    write("sample-both-split", podaci + rjecnik, 1)
    write("comments-and-slashes",
          b"// naslov\r\nA/b\r\n O-G) x/y//z\r\n\r\n M-T) mmol/L\rZ\n z-u) \x8a\x81\x00nul\r\n")
    # The capacities, each one line past the limit.
    write("full-syndromes", syndromes(501, 1, 2000))
    write("full-links", syndromes(500, 6, 2000) + b" O-G) 0000\r\n")
    write("full-symptoms", syndromes(400, 5, 2000) + b" O-G) 9999\r\n")
    words = "".join(f"T{i:04d}\r\n objasnjenje {i}\r\n" for i in range(1001))
    write("full-words", words.encode(), 1)
    case_seeds()
    tool_seeds()


if __name__ == "__main__":
    main()
