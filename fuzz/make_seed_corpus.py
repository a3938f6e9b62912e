#!/usr/bin/env python3
"""Writes the small seed inputs of the fuzz targets into fuzz/corpus/<target>/:
a few valid bitmap and TIFF files (8 and 24 bits, both row orders, both byte
orders, and the compressed, tiled, deep and colour forms that go to libtiff,
written by ImageMagick) and one measurement input per method. The fuzzers grow
their working corpora from these; the seeds themselves are committed.

Usage: python3 fuzz/make_seed_corpus.py
"""

import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'tools'))
from make_samples import bmp_bytes, tiff_bytes  # noqa: E402


def ramp(width, height):
    return [[(17 * x + 53 * y) % 256 for x in range(width)] for y in range(height)]


def top_down(bmp):
    """The same bitmap with a negative height: its rows now read top row first."""
    height = struct.unpack_from('<i', bmp, 22)[0]
    return bmp[:22] + struct.pack('<i', -height) + bmp[26:]


def with_bits_per_sample(tiff, bits):
    """A TIFF file of tiff_bytes with its bits-per-sample value replaced."""
    order = '<' if tiff[:2] == b'II' else '>'
    count = struct.unpack_from(order + 'H', tiff, 8)[0]
    for i in range(count):
        entry = 10 + 12 * i
        if struct.unpack_from(order + 'H', tiff, entry)[0] == 258:
            return tiff[:entry + 8] + struct.pack(order + 'HH', bits, 0) + tiff[entry + 12:]
    return tiff


# ImageMagick's options for the TIFF forms that the built-in reader leaves to libtiff.
LIBTIFF_FORMS = {
    'lzw.tif': ['-compress', 'lzw'],
    'deflate-rgb.tif': ['-type', 'TrueColor', '-compress', 'zip'],
    'packbits.tif': ['-compress', 'rle'],
    'tiled.tif': ['-define', 'tiff:tile-geometry=16x16', '-compress', 'lzw'],
    'planes.tif': ['-type', 'TrueColor', '-interlace', 'plane'],
    'deep16.tif': ['-depth', '16', '-compress', 'zip'],
    'palette.tif': ['-type', 'Palette', '-colors', '16', '-compress', 'lzw'],
    'cmyk.tif': ['-colorspace', 'CMYK'],
    'jpeg.tif': ['-compress', 'jpeg'],
    'float.tif': ['-define', 'quantum:format=floating-point', '-depth', '32', '-compress', 'zip'],
    'bilevel.tif': ['-monochrome', '-compress', 'group4'],
}


def written_by_imagemagick(pixels, options, file_format='tiff'):
    """The picture as a file that ImageMagick writes with the given options,
    without the metadata (dates, software) that would change on every run."""
    height, width = len(pixels), len(pixels[0])
    pgm = b'P5 %d %d 255\n' % (width, height) + bytes(v for row in pixels for v in row)
    command = ['convert', 'pgm:-', '-strip', *options, '-define', 'tiff:exif-properties=false',
               '+set', 'date:create', '+set', 'date:modify', file_format + ':-']
    return subprocess.run(command, input=pgm, stdout=subprocess.PIPE, check=True).stdout


def disc_bits(size, radius):
    """A size x size binary picture of a disc, one bit per pixel, row by row."""
    bits = [(x - size / 2) ** 2 + (y - size / 2) ** 2 <= radius ** 2
            for y in range(size) for x in range(size)]
    return bytes(sum(bits[i + b] << b for b in range(8) if i + b < len(bits))
                 for i in range(0, len(bits), 8))


def measure_input(method, flags, params, size, prep, pixels):
    """The measure fuzzer's layout: method, flags, three parameter bytes (n stands
    for the value n, 1..40), width - 1, height - 1, five pre-processing bytes."""
    return bytes([method, flags] + [p - 1 for p in params] + [size - 1, size - 1] + prep) + pixels


def main():
    corpus = os.path.join(HERE, 'corpus')
    seeds = {
        'load_bmp_fuzzer': {
            'grey-8bit.bmp': bmp_bytes(ramp(5, 3), 8),
            'grey-24bit.bmp': bmp_bytes(ramp(3, 2), 24),
            'top-down-8bit.bmp': top_down(bmp_bytes(ramp(4, 4), 8)),
            # A palette after the longest information header, as tools write it today.
            'palette-124.bmp': written_by_imagemagick(ramp(7, 5), ['-type', 'Palette', '-compress', 'none'], 'bmp'),
        },
        'tiff_reader_fuzzer': {
            'grey-ii.tif': tiff_bytes(ramp(5, 3), '<'),
            'grey-mm.tif': tiff_bytes(ramp(4, 4), '>'),
            'rgb-ii.tif': with_bits_per_sample(tiff_bytes(ramp(6, 2), '<'), 24),
            **{name: written_by_imagemagick(ramp(20, 18), options) for name, options in LIBTIFF_FORMS.items()},
        },
        'measure_fuzzer': {},
    }
    usual_params = [(1, 20, 1), (15, 1, 1), (8, 30, 1), (8, 30, 1), (1, 15, 1), (1, 30, 1),
                    (4, 40, 4), (1, 20, 1), (1, 20, 1), (10, 40, 3), (10, 40, 3)]
    disc = disc_bits(32, 11)
    for method, params in enumerate(usual_params):
        flags = method % 2  # every other one measures a black particle
        pixels = disc if flags == 0 else bytes(~b & 0xFF for b in disc)
        seeds['measure_fuzzer']['method-%02d' % method] = measure_input(
            method, flags, params, 32, [10, 0, 247, 20, 20], pixels)
    grey = bytes(v for row in ramp(24, 24) for v in row)
    seeds['measure_fuzzer']['prep-grey'] = measure_input(
        2, 2 | 4, (4, 12, 2), 24, [10, 0, 247, 2, 2], grey)

    for target, files in seeds.items():
        directory = os.path.join(corpus, target)
        os.makedirs(directory, exist_ok=True)
        for name, content in files.items():
            with open(os.path.join(directory, name), 'wb') as out:
                out.write(content)


if __name__ == '__main__':
    main()
