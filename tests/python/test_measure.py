"""kep.load, kep.measure, kep.prep and kep.outline give what kep-cli gives, for any
layout of the array and on several threads at once, and refuse bad arguments; the
module's version is kep-cli's."""

import json
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
    assert [result.slope, result.intercept, result.r_squared, result.fit_points, result.std_error] == [
        expected[key] for key in ("slope", "intercept", "r_squared", "fit_points", "std_error")]
    assert result.ci95 == (None if expected["ci95"] is None else tuple(expected["ci95"]))
    assert result.local_dimensions.tolist() == expected["local_dimensions"]
    assert (result.reason and {"code": result.reason.code, "text": result.reason.text}) == expected["reason"]
    assert [result.method, result.method_name, list(result.params), result.particle] == [
        expected[key] for key in ("method", "method_name", "params", "particle")]
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
    assert_measured_as(kep.measure(image, "box-counting", fit_range=(2, 30.5), grid_offsets=4),
                       cli_json("measure", path, "--method", 2, "--fit-range", 2, 30.5, "--grid-offsets", 4))


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
    # Files the readers refuse: OSError with kep-cli's reason after the path.
    for path in awkward_files[1:2] + awkward_files[3:]:
        with pytest.raises(OSError) as refused:
            kep.load(path)
        assert type(refused.value) is OSError
        reason = str(refused.value).removeprefix(f"{path}: ")
        assert run_cli("info", path)[2] in (f"{path}: {reason}\n", f"{reason}\n")
    # Files the system refuses: the OSError subclass of errno, with kep-cli's reason.
    for path, error in [(awkward_files[2], FileNotFoundError), (tmp_path / "x.tif", IsADirectoryError)]:
        with pytest.raises(error) as refused:
            kep.load(path)
        assert refused.value.filename == str(path)
        assert run_cli("info", path)[2] == f"{path}: {refused.value.strerror}\n"


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


@pytest.mark.parametrize("error, call, message", [
    (ValueError, lambda: kep.measure(np.zeros((4, 4, 3), np.uint8)), "2-D array (height, width), not 3-D"),
    (TypeError, lambda: kep.measure(np.zeros((4, 4))), "kep.to_grey makes a grey image of other arrays"),
    (TypeError, lambda: kep.measure(np.zeros((4, 4), np.int16)), "not dtype('int16')"),
    (TypeError, lambda: kep.to_grey(np.zeros((4, 4), complex)), "an integer, float or bool type"),
    (ValueError, lambda: kep.measure(np.zeros((0, 5), np.uint8)), "image has no pixels (5 x 0)"),
    (ValueError, lambda: kep.prep(np.zeros((3, 0), np.uint8)), "image has no pixels (0 x 3)"),
    (ValueError, lambda: kep.outline(np.zeros((1, 16385), np.uint8)), "larger than 16384 pixels on a side"),
    (TypeError, lambda: kep.particles([[0, 255]]), "image must be a 2-D numpy array, not <class 'list'>"),
    (ValueError, lambda: kep.measure(IMAGE, 11), "method must be an index from 0 to 10 or one of dilation edm"),
    (ValueError, lambda: kep.measure(IMAGE, "Dilation"), "not 'Dilation'"),
    (TypeError, lambda: kep.measure(IMAGE, True), "not True"),
    (TypeError, lambda: kep.measure(IMAGE, 1.0), "not 1.0"),
    (ValueError, lambda: kep.measure(IMAGE, params=(1, 2)), "params must be None or a sequence of three integers"),
    (TypeError, lambda: kep.measure(IMAGE, params="123"), "not '123'"),
    (ValueError, lambda: kep.measure(IMAGE, params=(1, 2, 2**31)), "params[2] must be an integer from -2147483648"),
    (TypeError, lambda: kep.measure(IMAGE, params=(1, 2.5, 3)), "params[1] must be an integer"),
    (ValueError, lambda: kep.measure(IMAGE, particle=128), "particle must be 0 or 255, not 128"),
    (TypeError, lambda: kep.measure(IMAGE, prep="yes"), "prep must be None, True, False or a dict"),
    (ValueError, lambda: kep.measure(IMAGE, prep={"percent": float("nan")}), "percent must be a number from 0.0 to 100.0, not nan"),
    (ValueError, lambda: kep.prep(IMAGE, higher=256), "higher must be an integer from 0 to 255"),
    (TypeError, lambda: kep.prep(IMAGE, min_hole="300"), "min_hole must be an integer"),
    (ValueError, lambda: kep.outline(IMAGE, prep={"threshold": 3}), "unknown pre-processing value threshold"),
    (TypeError, lambda: kep.measure(IMAGE, percent=3), "pre-processing values go into prep, as prep={'percent': ...}"),
    (TypeError, lambda: kep.measure(IMAGE, jobs=2), "'jobs': it is a keyword of kep.batch"),
    (ValueError, lambda: kep.particles(IMAGE, fit_range=(3, 2)), "fit_range must be None or (xmin, xmax) with xmin <= xmax"),
    (ValueError, lambda: kep.measure(IMAGE, grid_offsets=17), "grid_offsets must be an integer from 1 to 16"),
    (TypeError, lambda: kep.measure(IMAGE, keep_outline=1), "keep_outline must be True or False, not 1"),
    (TypeError, lambda: kep.load(42), "path must be a path (str, bytes or os.PathLike), not 42"),
    (ValueError, lambda: kep.load("a\0.bmp"), "without a NUL"),
])
def test_bad_arguments_raise_type_or_value_error(error, call, message):
    with pytest.raises(error) as refused:
        call()
    assert type(refused.value) is error
    assert message in str(refused.value)


def test_the_version_is_kep_clis():
    assert re.fullmatch(r"\d+(\.\d+)+", kep.__version__)
    assert run_cli("--version") == (0, f"kep-cli {kep.__version__}\n", "")


def test_a_result_compares_prints_and_flattens_its_values():
    image = kep.load(sample("koch-island-8bit.bmp"))
    result = kep.measure(image, "box-counting", fit_range=(2, 30))
    assert result == kep.measure(image, 2, fit_range=[2.0, 30.0])
    assert result != kep.measure(image, 2) and result == pickle.loads(pickle.dumps(result))
    assert repr(result) == (f"Measurement(method_name='Box-Counting', dimension={result.dimension!r}, "
                            f"ci95={result.ci95!r}, fit_points={result.fit_points!r})")
    values = result.as_dict()
    assert list(values) == [
        "method", "method_name", "params", "particle", "dimension", "reason", "slope", "intercept",
        "r_squared", "fit_points", "std_error", "ci95_low", "ci95_high", "local_dimensions", "points",
        "outline_points", "particles", "outline"]
    assert (values["ci95_low"], values["ci95_high"]) == result.ci95 and values["reason"] is None
    np.testing.assert_array_equal(values["outline"], result.outline)

    bare = kep.measure(image, params=(0, 20, 1), keep_outline=np.bool_(False))
    assert bare.outline is None and bare.as_dict()["outline"] is None
    assert bare.as_dict()["reason"] == "parameter-out-of-range" and bare.as_dict()["ci95_low"] is None
    assert repr(bare) == "Measurement(method_name='Dilation', dimension=None, reason='parameter-out-of-range')"


def test_bool_masks_and_deep_arrays_are_measured_as_their_grey_images():
    image = kep.load(sample("noisy-blobs-8bit.bmp"))
    mask = image > 128
    grey = np.where(mask, 255, 0).astype(np.uint8)
    assert kep.measure(mask, prep=None) == kep.measure(grey, prep=None)
    np.testing.assert_array_equal(kep.outline(mask), kep.outline(grey))
    np.testing.assert_array_equal(kep.prep(mask, percent=30), kep.prep(grey, percent=30))
    assert kep.particles(mask)["area"].tolist() == kep.particles(grey)["area"].tolist()

    # The stretch of deep samples: 16 bits of 0..65535 are the 8-bit image again,
    # in any byte order, and the same in float32 and int64.
    deep = image.astype(np.uint16) * 257
    if image.min() == 0 and image.max() == 255:
        for array in (deep, deep.astype(">u2"), deep.astype(np.float32), deep.astype(np.int64) - 9):
            np.testing.assert_array_equal(kep.to_grey(array), image)
    assert kep.to_grey(np.array([[-1.0, np.nan, 0.0], [np.inf, -np.inf, 1.0]])).tolist() == [
        [0, 0, 127], [255, 0, 255]]
    assert kep.to_grey(np.full((2, 2), 7, np.int32)).tolist() == [[0, 0], [0, 0]]
    assert kep.to_grey(mask).tolist() == grey.tolist()


def test_particles_are_those_of_kep_cli():
    path = sample("noisy-blobs-8bit.bmp")
    image = kep.load(path)
    for arguments, options in [
        (dict(prep=True), ["--prep"]),
        (dict(method="box-counting", prep={"percent": 20}, fit_range=(2, 40), grid_offsets=2),
         ["--method", 2, "--prep", "--percent", 20, "--fit-range", 2, 40, "--grid-offsets", 2]),
        (dict(params=(0, 20, 1), prep=True), ["--params", 0, 20, 1, "--prep"]),
    ]:
        table = kep.particles(image, **arguments)
        expected = json.loads(run_cli("particles", path, *options, "--json")[1])
        assert len(expected) > 3 and {len(column) for column in table.values()} == {len(expected)}
        for i, row in enumerate(expected):
            reason = row.pop("reason")
            assert table["reason"][i] == (reason and reason["code"])
            assert table["points"][i].tolist() == row.pop("points")
            # NaN where kep-cli has null, exactly its value elsewhere.
            got = {name: table[name][i].item() for name in row}
            assert {name: None if value != value else value for name, value in got.items()} == row
