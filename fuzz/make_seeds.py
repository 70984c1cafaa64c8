#!/usr/bin/env python3
"""Writes the fuzzer's seed inputs into fuzz/seeds/.

An input is the bytes of the data files followed by a 10-byte trailer that the target
reads from the end: layout (last byte: 0 the same bytes for both files, 1 split at
seed % (size + 1), 2 no dictionary file, 3 no syndrome file), two fault words, the sex
and the seed for the answers. A zero trailer with layout 1 puts every byte in the
dictionary file.
"""
from pathlib import Path

HERE = Path(__file__).resolve().parent
SEEDS = HERE / "seeds"


def write(name, body, layout=0):
    SEEDS.mkdir(exist_ok=True)
    (SEEDS / name).write_bytes(body + bytes(9) + bytes([layout]))


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


if __name__ == "__main__":
    main()
