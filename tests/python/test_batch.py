"""kep.batch writes the report that kep-cli batch writes and returns each file's
result; arguments and reports are checked before any file is measured."""

import pytest

import kep
import kep.dask
from conftest import BATCH_SETTINGS, assert_batch_results_as, cli_batch, run_cli


def test_batch_writes_the_report_of_kep_cli(batch_files, tmp_path):
    expected_report, expected_results = cli_batch(batch_files, tmp_path / "cli.txt")
    results = kep.batch(batch_files, tmp_path / "kep.txt", jobs=2, **BATCH_SETTINGS)
    assert (tmp_path / "kep.txt").read_bytes() == expected_report
    assert_batch_results_as(results, expected_results)
    assert results[1].messages == [] and results[1].skipped is None  # black: measured, no dimension
    assert results[4].messages == ["Please Select Bitmap or TIFF"]


@pytest.mark.parametrize("run", [kep.batch, kep.dask.measure_files])
def test_a_report_that_cannot_be_written_raises_kep_clis_message(run, batch_files, tmp_path):
    with pytest.raises(OSError) as refused:
        run(batch_files, tmp_path)  # a directory; no cluster is started for it
    message = run_cli("batch", "--report", tmp_path, *batch_files)[2].splitlines()[0]
    assert str(refused.value) == message == f"{tmp_path}: not a regular file"


@pytest.mark.parametrize("run", [kep.batch, kep.dask.measure_files])
@pytest.mark.parametrize("arguments, message", [
    (dict(files="one.bmp"), "files must be an iterable of paths, not 'one.bmp'"),
    (dict(files=[3]), "files[0] must be a path"),
    (dict(method="nope"), "method must be an index from 0 to 10"),
    (dict(particle=1), "particle must be 0 or 255"),
    (dict(lower=300), "lower must be an integer from 0 to 255"),
])
def test_bad_arguments_raise_value_error_before_any_work(run, arguments, message, tmp_path):
    arguments = {"files": ["a.bmp"], "report": tmp_path / "report.txt", **arguments}
    with pytest.raises(ValueError) as refused:
        run(**arguments)
    assert message in str(refused.value)
    assert not (tmp_path / "report.txt").exists()


@pytest.mark.parametrize("jobs", [0, 257, 1.5])
def test_jobs_must_be_from_1_to_256(jobs, tmp_path):
    with pytest.raises(ValueError, match="jobs must be an integer from 1 to 256"):
        kep.batch([], tmp_path / "report.txt", jobs=jobs)
