"""kep.dask.measure_files on a cluster of two worker processes writes the report
that kep-cli batch writes and returns what kep.batch returns."""

import pytest
from distributed import Client, LocalCluster

import kep
import kep.dask
from conftest import BATCH_SETTINGS, assert_batch_results_as, cli_batch


@pytest.fixture(scope="module")
def client():
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        yield client


def test_dask_writes_the_report_of_kep_cli(client, batch_files, tmp_path):
    expected_report, expected_results = cli_batch(batch_files, tmp_path / "cli.txt")
    results = kep.dask.measure_files(batch_files, tmp_path / "dask.txt", client, **BATCH_SETTINGS)
    assert (tmp_path / "dask.txt").read_bytes() == expected_report
    assert_batch_results_as(results, expected_results)
    local = kep.batch(batch_files, tmp_path / "local.txt", **BATCH_SETTINGS)
    assert [r.messages for r in results] == [r.messages for r in local]
    assert len(client.scheduler_info()["workers"]) == 2
