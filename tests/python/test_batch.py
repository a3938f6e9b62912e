"""kep.batch writes the report that kep-cli batch writes and returns each file's
result; arguments and reports are checked before any file is measured."""

import errno

import pandas
import pytest

import kep
import kep.dask
from conftest import BATCH_SETTINGS, assert_batch_results_as, cli_batch, run_cli


def test_batch_writes_the_report_of_kep_cli(batch_files, tmp_path):
    expected_report, expected_results = cli_batch(batch_files, tmp_path / "cli.txt")
    calls = []
    results = kep.batch(batch_files, tmp_path / "kep.txt", jobs=2, progress=lambda *c: calls.append(c),
                        **BATCH_SETTINGS)
    assert (tmp_path / "kep.txt").read_bytes() == expected_report
    assert_batch_results_as(results, expected_results)
    assert results[1].messages == [] and results[1].skipped is None  # black: measured, no dimension
    assert results[1].reason.code == "no-particles"
    assert results[4].messages == ["Please Select Bitmap or TIFF"]
    # Progress in order, as files finish, ending with every file.
    assert calls == sorted(set(calls)) and calls[-1] == (len(batch_files), len(batch_files))
    assert [r.method_name for r in results] == ["Box-Counting"] * len(batch_files)

    frame = kep.batch(batch_files, tmp_path / "frame.txt", as_frame=True, **BATCH_SETTINGS)
    assert isinstance(frame, pandas.DataFrame)
    assert list(frame.columns) == list(results[0].as_dict())
    assert frame["file"].tolist() == [r.file for r in results]
    assert frame["dimension"].tolist()[0] == results[0].dimension and frame["reason"][1] == "no-particles"


@pytest.mark.parametrize("run", [kep.batch, kep.dask.measure_files])
def test_a_report_that_cannot_be_written_is_refused_before_any_work(run, batch_files, tmp_path):
    # No cluster is started for them.
    with pytest.raises(IsADirectoryError) as refused:
        run(batch_files, tmp_path)
    assert (refused.value.errno, refused.value.filename) == (errno.EISDIR, str(tmp_path))
    message = run_cli("batch", "--report", tmp_path, *batch_files)[2].splitlines()[0]
    assert message == f"{tmp_path}: {refused.value.strerror}"
    with pytest.raises(FileNotFoundError) as refused:
        run(batch_files, "")
    assert refused.value.strerror == "no file name given"
    with pytest.raises(FileNotFoundError):
        run(batch_files, tmp_path / "missing" / "report.txt")
    assert sorted(p.name for p in tmp_path.iterdir()) == ["black.bmp", "disc.Bmp", "truncated.bmp", "x.tif"]


@pytest.mark.parametrize("run", [kep.batch, kep.dask.measure_files])
@pytest.mark.parametrize("error, arguments, message", [
    (TypeError, dict(files="one.bmp"), "files must be an iterable of paths, not 'one.bmp'"),
    (TypeError, dict(files=[3]), "files[0] must be a path"),
    (ValueError, dict(method="nope"), "method must be an index from 0 to 10"),
    (ValueError, dict(particle=1), "particle must be 0 or 255"),
    (ValueError, dict(lower=300), "lower must be an integer from 0 to 255"),
    (TypeError, dict(prep=True), "got an unexpected keyword argument 'prep': a batch always pre-processes"),
    (TypeError, dict(progress=3), "progress must be None or a callable"),
    (TypeError, dict(as_frame="yes"), "as_frame must be True or False"),
])
def test_bad_arguments_are_refused_before_any_work(run, error, arguments, message, tmp_path):
    arguments = {"files": ["a.bmp"], "report": tmp_path / "report.txt", **arguments}
    with pytest.raises(error) as refused:
        run(**arguments)
    assert message in str(refused.value)
    assert list(tmp_path.iterdir()) == []


def test_jobs_belong_to_kep_batch(tmp_path):
    for jobs in [0, 257]:
        with pytest.raises(ValueError, match="jobs must be an integer from 1 to 256"):
            kep.batch([], tmp_path / "report.txt", jobs=jobs)
    with pytest.raises(TypeError, match="jobs must be an integer"):
        kep.batch([], tmp_path / "report.txt", jobs=1.5)
    with pytest.raises(TypeError, match=r"it is a keyword of kep.batch \(on a Dask cluster, the workers' threads"):
        kep.dask.measure_files([], tmp_path / "report.txt", jobs=2)
