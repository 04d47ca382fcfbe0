#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""Writes the program's icon files from the pixel map in icon.txt.

voice-types.ico: one 32 x 32 image, 256-colour palette, 1-bit transparency mask.
icons/N.png:     the same picture at N x N (32, 48, 64, 128, 192, 512), scaled without
                 smoothing.
icons/touch-180.png, icons/maskable-512.png: the picture whole pixels large on the map's
                 backdrop, with the margin a phone's home screen crops: an iPad's fills
                 what is transparent with black, and Android cuts a maskable icon to any
                 shape inside the circle of 40 % of its size around its centre.

With --check it writes nothing and fails if a committed file shows anything other than what
the map gives: a PNG's header and pixels are compared, not how zlib compressed them.
"""
import functools
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
SIZE = 32
PNG_SIZES = (32, 48, 64, 128, 192, 512)
# Each on a backdrop: its size and the picture's, which fits inside the safe circle.
BACKDROP_SIZES = {"touch-180": (180, 160), "maskable-512": (512, 288)}


def read_map(path):
    """The palette, the picture's rows, and the backdrop's colour."""
    palette, rows, in_picture = {}, [], False
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("#") or not line.strip():
            continue
        if line == "---":
            in_picture = True
        elif in_picture:
            rows.append(line)
        else:
            letter, colour = line.split()
            palette[letter] = bytes.fromhex(colour)
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        raise SystemExit(f"{path}: the picture must be {SIZE} x {SIZE}")
    unknown = {c for row in rows for c in row} - set(palette) - {"."}
    if unknown:
        raise SystemExit(f"{path}: letters without a colour: {''.join(sorted(unknown))}")
    if "backdrop" not in palette:
        raise SystemExit(f"{path}: no backdrop colour")
    return palette, rows, palette.pop("backdrop")


def ico(palette, rows):
    letters = sorted(palette)
    index = {letter: i + 1 for i, letter in enumerate(letters)}
    index["."] = 0
    colours = [b"\0\0\0"] + [palette[letter] for letter in letters]
    colours += [b"\0\0\0"] * (256 - len(colours))
    quads = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
    pixels = b"".join(bytes(index[c] for c in row) for row in reversed(rows))
    mask = b""
    for row in reversed(rows):
        bits = int("".join("1" if c == "." else "0" for c in row), 2)
        mask += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(pixels) + len(mask), 0, 0, 256, 0)
    image = header + quads + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def png(palette, rows, size, backdrop=None, picture=None):
    picture = picture or size
    scale, margin = picture / SIZE, (size - picture) // 2
    clear = b"\0\0\0\0" if backdrop is None else backdrop + b"\xff"
    colour = {letter: rgb + b"\xff" for letter, rgb in palette.items()} | {".": clear}
    inside = range(margin, margin + picture)

    @functools.cache  # a scanline per row of the map: scaled up, rows repeat
    def line(row):  # filter byte first; None is the margin above or below the picture
        if row is None:
            return b"\0" + clear * size
        return b"\0" + b"".join(colour[row[int((x - margin) / scale)]] if x in inside else clear
                                for x in range(size))

    # Joined once: grown pixel by pixel, an immutable bytes took time quadratic in the size.
    raw = b"".join(line(rows[int((y - margin) / scale)] if y in inside else None)
                   for y in range(size))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def shown(data):
    """A file as a viewer sees it: a PNG's signature, header and scanlines; other files whole."""
    if not data.startswith(b"\x89PNG"):
        return data
    chunks, at = {}, 8
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunks[kind] = chunks.get(kind, b"") + data[at + 8:at + 8 + length]
        at += 12 + length
    try:
        return data[:8], chunks.get(b"IHDR"), zlib.decompress(chunks.get(b"IDAT", b""))
    except zlib.error:
        return data


def main():
    check = "--check" in sys.argv[1:]
    palette, rows, backdrop = read_map(HERE / "icon.txt")
    outputs = {HERE / "voice-types.ico": ico(palette, rows)}
    for size in PNG_SIZES:
        outputs[HERE / "icons" / f"{size}.png"] = png(palette, rows, size)
    for name, (size, picture) in BACKDROP_SIZES.items():
        outputs[HERE / "icons" / f"{name}.png"] = png(palette, rows, size, backdrop, picture)
    stale = []
    for path, data in outputs.items():
        if check:
            if not path.exists() or shown(path.read_bytes()) != shown(data):
                stale.append(path.name)
        else:
            path.parent.mkdir(exist_ok=True)
            path.write_bytes(data)
    if stale:
        raise SystemExit("out of date, run assets/make_icon.py: " + ", ".join(stale))


if __name__ == "__main__":
    main()
