"""Shared pieces of the Python module's tests: the samples, kep-cli to compare
with, and small files that the system cannot measure."""

import json
import os
import pathlib
import subprocess

import numpy as np
import pytest

SAMPLES = pathlib.Path(__file__).resolve().parents[2] / "samples"
PICTURES = ["koch-island", "disc", "noisy-blobs"]


def sample(name):
    return str(SAMPLES / name)


def run_cli(*args):
    """kep-cli's exit status, standard output and standard error."""
    done = subprocess.run([os.environ["KEP_CLI"], *map(str, args)], capture_output=True, text=True)
    return done.returncode, done.stdout, done.stderr


def cli_json(*args):
    return json.loads(run_cli(*args, "--json")[1])


def read_pgm(path):
    """The pixels of a binary PGM file that kep-cli wrote."""
    data = pathlib.Path(path).read_bytes()
    magic, width, height, maxval, pixels = data.split(maxsplit=4)
    assert (magic, maxval) == (b"P5", b"255")
    return np.frombuffer(pixels, np.uint8).reshape(int(height), int(width))


@pytest.fixture
def awkward_files(tmp_path):
    """Files a batch measures, fails on or skips, with kep-cli's reasons: a bitmap
    whose pixels are all black (measured, no dimension), a truncated bitmap, a
    missing file, a file whose extension the system refuses, and a file with no
    extension in a directory named like a TIFF file."""
    disc = pathlib.Path(sample("disc-8bit.bmp")).read_bytes()
    pixels_start = int.from_bytes(disc[10:14], "little")
    black = tmp_path / "black.bmp"
    black.write_bytes(disc[:pixels_start] + bytes(len(disc) - pixels_start))
    truncated = tmp_path / "truncated.bmp"
    truncated.write_bytes(b"BM\0")
    wrong_extension = tmp_path / "disc.Bmp"
    wrong_extension.write_bytes(disc)
    (tmp_path / "x.tif").mkdir()
    no_extension = tmp_path / "x.tif" / "img"
    no_extension.write_bytes(disc)
    return [str(f) for f in (black, truncated, tmp_path / "missing.bmp", wrong_extension, no_extension)]


# One set of batch values in both spellings: kep.batch's keywords and kep-cli's options.
BATCH_SETTINGS = dict(method="box-counting", params=(4, 40, 2), percent=20, min_particle=50)
BATCH_OPTIONS = ["--method", "box-counting", "--params", 4, 40, 2, "--percent", 20, "--min-particle", 50]


@pytest.fixture
def batch_files(awkward_files):
    """Samples around the awkward files, so that lines follow skipped files."""
    return [sample("koch-island-8bit.bmp"), *awkward_files, sample("noisy-blobs-mm.tif"),
            sample("disc-ii.tif")]


def cli_batch(files, report):
    """The report kep-cli batch writes with BATCH_OPTIONS, and its --json results."""
    status, out, _ = run_cli("batch", "--report", report, *BATCH_OPTIONS, "--json", *files)
    assert status == 3  # files were skipped
    return pathlib.Path(report).read_bytes(), json.loads(out)


def assert_batch_results_as(results, expected):
    """kep.FileResult objects against kep-cli batch --json."""
    assert [r.file for r in results] == [e["file"] for e in expected]
    for result, entry in zip(results, expected):
        assert result.skipped == entry.get("skipped")
        assert result.dimension == (None if entry.get("fd", -1) == -1 else entry["fd"])
        assert result.points.tolist() == entry.get("points", [])
