#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes packaging/windows/matrix-cipher.ico from the icon's source, packaging/icons/matrix-cipher.svg.

The .ico carries each size twice: with 256 colours (8 bits a pixel, a palette and a transparency
mask), which is what a 256-colour desktop shows, and in true colour with an alpha channel, which
is what current Windows picks; the 256-pixel size is stored as PNG, as Windows expects.
rsvg-convert (Debian's librsvg2-bin) draws the sizes; the rest uses Python's standard library
only, so the file can be made again on any Debian machine:

    python3 packaging/windows/make-icon.py
"""
import pathlib
import struct
import subprocess
import tempfile
import zlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCE = ROOT / "packaging" / "icons" / "matrix-cipher.svg"
TARGET = ROOT / "packaging" / "windows" / "matrix-cipher.ico"

PALETTE_SIZES = (16, 32, 48)
TRUE_COLOUR_SIZES = (16, 32, 48)
PNG_SIZE = 256
PALETTE_COLOURS = 256
OPAQUE_FROM_ALPHA = 128  # the 256-colour image has no alpha: each pixel is shown or not


def render(size, folder):
    """The icon drawn at size x size pixels, as the bytes of an RGBA PNG file."""
    out = pathlib.Path(folder) / f"icon-{size}.png"
    subprocess.run(
        ["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(out), str(SOURCE)],
        check=True,
    )
    return out.read_bytes()


def decode_rgba_png(data):
    """The rows of an 8-bit, non-interlaced RGBA PNG, each a list of (r, g, b, a)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos : pos + 8])
        body = data[pos + 8 : pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert (depth, colour_type, interlace) == (8, 6, 0), "expected 8-bit RGBA"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride, previous, rows = width * 4, bytearray(width * 4), []
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1 : start + 1 + stride])
        for x in range(stride):
            left = line[x - 4] if x >= 4 else 0
            up = previous[x]
            up_left = previous[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + left) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + up) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                estimate = left + up - up_left
                pa, pb, pc = abs(estimate - left), abs(estimate - up), abs(estimate - up_left)
                nearest = left if pa <= pb and pa <= pc else up if pb <= pc else up_left
                line[x] = (line[x] + nearest) & 0xFF
        rows.append([tuple(line[i : i + 4]) for i in range(0, stride, 4)])
        previous = line
    return rows


def median_cut(colours, count):
    """At most `count` colours that stand for the given ones: the boxes of a median cut."""
    boxes = [sorted(set(colours))]
    while len(boxes) < count:
        widest = max(boxes, key=lambda box: max(spread(box)) if len(box) > 1 else -1)
        if len(widest) < 2:
            break
        channel = spread(widest).index(max(spread(widest)))
        widest.sort(key=lambda colour: colour[channel])
        half = len(widest) // 2
        boxes.remove(widest)
        boxes += [widest[:half], widest[half:]]
    return [tuple(sum(c[i] for c in box) // len(box) for i in range(3)) for box in boxes]


def spread(box):
    return [max(c[i] for c in box) - min(c[i] for c in box) for i in range(3)]


def nearest_index(palette, colour):
    return min(
        range(len(palette)),
        key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)),
    )


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def and_mask(rows):
    """The 1-bit mask of an icon image: set where the pixel is transparent, bottom row first."""
    mask = b""
    for row in reversed(rows):
        bits = bytearray((len(row) + 7) // 8)
        for x, (_, _, _, alpha) in enumerate(row):
            if alpha < OPAQUE_FROM_ALPHA:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += padded(bytes(bits))
    return mask


def bitmap_header(size, bits):
    # An icon image's height counts the colour image and the mask together.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)


def palette_image(rows):
    size = len(rows)
    opaque = [p[:3] for row in rows for p in row if p[3] >= OPAQUE_FROM_ALPHA]
    palette = median_cut(opaque, PALETTE_COLOURS)
    lookup = {colour: nearest_index(palette, colour) for colour in set(opaque)}
    pixels = b""
    for row in reversed(rows):
        pixels += padded(bytes(lookup[p[:3]] if p[3] >= OPAQUE_FROM_ALPHA else 0 for p in row))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    table += b"\0" * 4 * (PALETTE_COLOURS - len(palette))
    return bitmap_header(size, 8) + table + pixels + and_mask(rows), 8


def true_colour_image(rows):
    size = len(rows)
    pixels = b"".join(bytes(v for r, g, b, a in row for v in (b, g, r, a)) for row in reversed(rows))
    return bitmap_header(size, 32) + pixels + and_mask(rows), 32


def icon_file(images):
    """An .ico file of (size, bits a pixel, image bytes) entries."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory, bodies = b"", b""
    for size, bits, body in images:
        side = 0 if size >= 256 else size  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, bits, len(body), offset)
        offset += len(body)
        bodies += body
    return header + directory + bodies


def main():
    images = []
    with tempfile.TemporaryDirectory() as folder:
        for size in PALETTE_SIZES:
            body, bits = palette_image(decode_rgba_png(render(size, folder)))
            images.append((size, bits, body))
        for size in TRUE_COLOUR_SIZES:
            body, bits = true_colour_image(decode_rgba_png(render(size, folder)))
            images.append((size, bits, body))
        images.append((PNG_SIZE, 32, render(PNG_SIZE, folder)))
    TARGET.write_bytes(icon_file(images))
    print(f"wrote {TARGET.relative_to(ROOT)}: {len(images)} images")


if __name__ == "__main__":
    main()
