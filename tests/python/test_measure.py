"""kep.load, kep.measure, kep.prep and kep.outline give what kep-cli gives, for any
layout of the array and on several threads at once, and refuse bad arguments; the
module's version is kep-cli's."""

import pathlib
import pickle
import re
from concurrent.futures import ThreadPoolExecutor

import numpy as np
import pytest

import kep
from conftest import PICTURES, cli_json, read_pgm, run_cli, sample


def assert_measured_as(result, expected):
    """A kep.Measurement against the object of kep-cli measure --json."""
    assert result.dimension == (None if expected["fd"] == -1 else expected["fd"])
    assert result.points.dtype == np.int32
    assert result.points.tolist() == expected["points"]
    assert [result.slope, result.intercept, result.r_squared] == [
        expected["slope"], expected["intercept"], expected["r_squared"]]
    assert [result.particles, result.outline_points] == [expected["particles"], expected["outline_points"]]


def as_tuple(result):
    return (result.dimension, result.slope, result.points.tolist(), result.outline.tolist(), result.particles)


@pytest.mark.parametrize("picture", PICTURES)
def test_measures_as_kep_cli(picture):
    path = sample(f"{picture}-8bit.bmp")
    image = kep.load(path)
    for method in kep.methods():
        # Methods named by index and by name, alternately.
        chosen = method["name"] if method["index"] % 2 else method["index"]
        assert_measured_as(kep.measure(image, chosen), cli_json("measure", path, "--method", method["name"]))

    assert_measured_as(
        kep.measure(image, "box-counting", params=(4, 40, 2), prep={"percent": 20, "min_particle": 50}),
        cli_json("measure", path, "--method", "2", "--params", 4, 40, 2, "--prep", "--percent", 20,
                 "--min-particle", 50))
    assert_measured_as(kep.measure(image, particle=0, prep=True),
                       cli_json("measure", path, "--particle", 0, "--prep"))
    # Parameters outside 1 to 10000 give no dimension, as in kep-cli.
    no_dimension = kep.measure(image, params=[0, 20, 1])
    assert_measured_as(no_dimension, cli_json("measure", path, "--params", 0, 20, 1))
    assert no_dimension.dimension is None and no_dimension.slope is None


@pytest.mark.parametrize("picture", PICTURES)
def test_load_gives_the_image_kep_cli_converts(picture, tmp_path):
    converted = tmp_path / "converted.pgm"
    for variant in ["8bit.bmp", "24bit.bmp", "ii.tif", "mm.tif"]:
        path = pathlib.Path(sample(f"{picture}-{variant}"))
        assert run_cli("convert", path, converted)[0] == 0
        image = kep.load(path)
        assert image.dtype == np.uint8
        np.testing.assert_array_equal(image, read_pgm(converted))


def test_load_refuses_a_file_with_kep_clis_message(awkward_files, tmp_path):
    for path in awkward_files[1:] + [str(tmp_path)]:
        with pytest.raises(OSError) as refused:
            kep.load(path)
        assert str(refused.value) + "\n" == run_cli("info", path)[2]


def test_prep_and_outline_give_the_images_kep_cli_writes(tmp_path):
    path = sample("noisy-blobs-8bit.bmp")
    image = kep.load(path)
    written = tmp_path / "written.pgm"
    cases = [
        (kep.prep(image, percent=20, lower=40, min_hole=10),
         ["prep", path, written, "--percent", 20, "--lower", 40, "--min-hole", 10]),
        (kep.prep(image, particle=0), ["prep", path, written, "--particle", 0]),
        (kep.outline(image, particle=0), ["outline", path, written, "--particle", 0]),
        (kep.outline(image, prep={"min_particle": 100}),
         ["outline", path, written, "--prep", "--min-particle", 100]),
    ]
    for array, command in cases:
        assert run_cli(*command)[0] == 0
        np.testing.assert_array_equal(array, read_pgm(written))


def test_the_layout_of_the_array_does_not_change_the_result():
    image = kep.load(sample("koch-island-8bit.bmp"))
    wide = np.zeros((image.shape[0] * 2, image.shape[1] * 3), np.uint8)
    wide[::2, ::3] = image
    layouts = [
        np.asfortranarray(image),
        wide[::2, ::3],  # every third byte of every second row
        image[::-1].copy()[::-1],  # rows in reverse memory order
    ]
    expected = as_tuple(kep.measure(image, prep=True))
    for layout in layouts:
        assert not layout.flags["C_CONTIGUOUS"]
        assert as_tuple(kep.measure(layout, prep=True)) == expected
    assert as_tuple(pickle.loads(pickle.dumps(kep.measure(image, prep=True)))) == expected


def test_four_threads_measure_what_one_measures():
    images = [kep.load(sample(f"{picture}-8bit.bmp")) for picture in PICTURES]
    tasks = [(image, method) for image in images for method in range(11)]

    def measure(task):
        result = kep.measure(task[0], task[1])
        return result.dimension, result.points.tolist()

    one_by_one = [measure(task) for task in tasks]
    with ThreadPoolExecutor(max_workers=4) as pool:
        assert list(pool.map(measure, tasks)) == one_by_one


IMAGE = np.full((40, 30), 255, np.uint8)


@pytest.mark.parametrize("call, message", [
    (lambda: kep.measure(np.zeros((4, 4, 3), np.uint8)), "2-D array (height, width), not 3-D"),
    (lambda: kep.measure(np.zeros((4, 4))), "image's dtype must be uint8, not dtype('float64')"),
    (lambda: kep.measure(np.zeros((4, 4), np.int16)), "not dtype('int16')"),
    (lambda: kep.measure(np.zeros((4, 4), bool)), "not dtype('bool')"),
    (lambda: kep.measure(np.zeros((0, 0), np.uint8)), "image has no pixels (0 x 0)"),
    (lambda: kep.measure(np.zeros((0, 5), np.uint8)), "image has no pixels (5 x 0)"),
    (lambda: kep.prep(np.zeros((3, 0), np.uint8)), "image has no pixels (0 x 3)"),
    (lambda: kep.outline(np.zeros((1, 16385), np.uint8)), "larger than 16384 pixels on a side"),
    (lambda: kep.measure([[0, 255]]), "image must be a 2-D numpy.uint8 array, not <class 'list'>"),
    (lambda: kep.measure(IMAGE, 11), "method must be an index from 0 to 10 or one of dilation edm"),
    (lambda: kep.measure(IMAGE, -1), "not -1"),
    (lambda: kep.measure(IMAGE, "Dilation"), "not 'Dilation'"),
    (lambda: kep.measure(IMAGE, True), "not True"),
    (lambda: kep.measure(IMAGE, 1.0), "not 1.0"),
    (lambda: kep.measure(IMAGE, params=(1, 2)), "params must be None or a sequence of three integers"),
    (lambda: kep.measure(IMAGE, params="123"), "not '123'"),
    (lambda: kep.measure(IMAGE, params=(1, 2, 2**31)), "params[2] must be an integer from -2147483648"),
    (lambda: kep.measure(IMAGE, params=(1, 2.5, 3)), "params[1] must be an integer"),
    (lambda: kep.measure(IMAGE, particle=128), "particle must be 0 or 255, not 128"),
    (lambda: kep.measure(IMAGE, prep="yes"), "prep must be None, True or a dict"),
    (lambda: kep.measure(IMAGE, prep={"percent": 100.5}), "percent must be a number from 0.0 to 100.0"),
    (lambda: kep.measure(IMAGE, prep={"percent": float("nan")}), "not nan"),
    (lambda: kep.prep(IMAGE, lower=-1), "lower must be an integer from 0 to 255, not -1"),
    (lambda: kep.prep(IMAGE, higher=256), "higher must be an integer from 0 to 255"),
    (lambda: kep.outline(IMAGE, prep={"min_particle": 1000001}), "min_particle must be an integer from 0 to 1000000"),
    (lambda: kep.prep(IMAGE, min_hole="300"), "min_hole must be an integer"),
    (lambda: kep.prep(IMAGE, threshold=3), "unknown pre-processing value threshold"),
    (lambda: kep.load(42), "path must be a path (str, bytes or os.PathLike), not 42"),
    (lambda: kep.load("a\0.bmp"), "without a NUL"),
])
def test_bad_arguments_raise_value_error(call, message):
    with pytest.raises(ValueError) as refused:
        call()
    assert message in str(refused.value)


def test_the_version_is_kep_clis():
    assert re.fullmatch(r"\d+(\.\d+)+", kep.__version__)
    assert run_cli("--version") == (0, f"kep-cli {kep.__version__}\n", "")
