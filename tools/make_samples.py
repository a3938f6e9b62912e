#!/usr/bin/env python3
"""Makes the sample pictures in samples/: a quadratic Koch island, a disc and a
grey field of noisy blobs, 256 x 256 each, every one written as an 8-bit and a
24-bit BMP file and as an 8-bit TIFF file in each byte order. All four files of
a picture load as the same grey image.

Usage: python3 tools/make_samples.py [OUTPUT_DIR]   (default: samples/)
"""

import math
import os
import random
import struct
import sys

SIZE = 256


def koch_island_outline():
    """The corners of a quadratic Koch island: a 128-pixel square whose sides are
    replaced three times by the eight-segment generator (dimension 1.5)."""
    generator = [(0, 0), (1, 0), (1, 1), (2, 1), (2, 0), (2, -1), (3, -1), (3, 0)]
    corners = [(64, 64), (192, 64), (192, 192), (64, 192)]
    for _ in range(3):
        refined = []
        for i, (px, py) in enumerate(corners):
            qx, qy = corners[(i + 1) % len(corners)]
            dx, dy = (qx - px) / 4, (qy - py) / 4
            nx, ny = -dy, dx  # the side's normal, a quarter of its length
            refined += [(px + a * dx + b * nx, py + a * dy + b * ny) for a, b in generator]
        corners = refined
    return corners


def fill_polygon(corners, inside, outside):
    """Pixels whose centres lie inside the polygon (even-odd rule) get `inside`."""
    pixels = [[outside] * SIZE for _ in range(SIZE)]
    edges = list(zip(corners, corners[1:] + corners[:1]))
    for y in range(SIZE):
        cy = y + 0.5
        crossings = sorted(
            x0 + (cy - y0) * (x1 - x0) / (y1 - y0)
            for (x0, y0), (x1, y1) in edges
            if (y0 <= cy) != (y1 <= cy))
        for left, right in zip(crossings[::2], crossings[1::2]):
            for x in range(max(0, math.ceil(left - 0.5)), min(SIZE, math.floor(right - 0.5) + 1)):
                pixels[y][x] = inside
    return pixels


def disc():
    centre, radius = SIZE / 2, 80
    return [[255 if (x + 0.5 - centre) ** 2 + (y + 0.5 - centre) ** 2 <= radius ** 2 else 0
             for x in range(SIZE)] for y in range(SIZE)]


def noisy_blobs():
    rng = random.Random(1997)
    blobs = [(rng.uniform(20, SIZE - 20), rng.uniform(20, SIZE - 20), rng.uniform(8, 30),
              rng.uniform(120, 220)) for _ in range(14)]
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            level = 30.0
            for bx, by, radius, brightness in blobs:
                d2 = ((x - bx) ** 2 + (y - by) ** 2) / radius ** 2
                if d2 < 1:
                    level = max(level, 30 + brightness * (1 - d2 * d2))
            level += rng.uniform(-15, 15)
            row.append(max(0, min(255, int(level))))
        pixels.append(row)
    return pixels


def bmp_bytes(pixels, bits_per_pixel):
    """A bottom-up bitmap; 8-bit files get a grey palette, 24-bit files equal
    blue, green and red, so that both load as the same grey levels."""
    height, width = len(pixels), len(pixels[0])
    bytes_per_pixel = bits_per_pixel // 8
    row_size = (bytes_per_pixel * width + 3) // 4 * 4
    palette = b''.join(bytes((i, i, i, 0)) for i in range(256)) if bits_per_pixel == 8 else b''
    rows = b''.join(
        b''.join(bytes((v,)) * bytes_per_pixel for v in row).ljust(row_size, b'\0')
        for row in reversed(pixels))
    offset = 14 + 40 + len(palette)
    header = b'BM' + struct.pack('<IHHI', offset + len(rows), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits_per_pixel, 0, len(rows),
                       2835, 2835, 256 if bits_per_pixel == 8 else 0, 0)
    return header + info + palette + rows


def tiff_bytes(pixels, order):
    """An uncompressed 8-bit grey TIFF file, one strip, in byte order '<' or '>'."""
    height, width = len(pixels), len(pixels[0])
    data = bytes(v for row in pixels for v in row)
    short, long_ = 3, 4
    tags = [(256, long_, width), (257, long_, height), (258, short, 8), (259, short, 1),
            (262, short, 1), (273, long_, None), (277, short, 1), (278, long_, height),
            (279, long_, len(data)), (284, short, 1)]
    directory_size = 2 + 12 * len(tags) + 4
    data_offset = 8 + directory_size
    out = (b'II' if order == '<' else b'MM') + struct.pack(order + 'HI', 42, 8)
    out += struct.pack(order + 'H', len(tags))
    for tag, kind, value in tags:
        value = data_offset if value is None else value
        field = struct.pack(order + 'HH', value, 0) if kind == short else struct.pack(order + 'I', value)
        out += struct.pack(order + 'HHI', tag, kind, 1) + field
    return out + struct.pack(order + 'I', 0) + data


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'samples')
    os.makedirs(directory, exist_ok=True)
    pictures = {
        'koch-island': fill_polygon(koch_island_outline(), 255, 0),
        'disc': disc(),
        'noisy-blobs': noisy_blobs(),
    }
    for name, pixels in pictures.items():
        files = {
            name + '-8bit.bmp': bmp_bytes(pixels, 8),
            name + '-24bit.bmp': bmp_bytes(pixels, 24),
            name + '-ii.tif': tiff_bytes(pixels, '<'),
            name + '-mm.tif': tiff_bytes(pixels, '>'),
        }
        for file_name, content in files.items():
            with open(os.path.join(directory, file_name), 'wb') as out:
                out.write(content)


if __name__ == '__main__':
    main()
