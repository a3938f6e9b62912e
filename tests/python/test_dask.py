"""kep.dask.measure_files on a cluster of two worker processes writes the report
that kep-cli batch writes and returns what kep.batch returns, whichever way the
cluster is named, and leaves nothing behind when the cluster fails it."""

import pytest
from distributed import Client, LocalCluster

import kep
import kep.dask
from conftest import BATCH_SETTINGS, assert_batch_results_as, cli_batch, sample


@pytest.fixture(scope="module")
def cluster():
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster:
        yield cluster


def test_dask_writes_the_report_of_kep_cli(cluster, batch_files, tmp_path):
    expected_report, expected_results = cli_batch(batch_files, tmp_path / "cli.txt")
    local = kep.batch(batch_files, tmp_path / "local.txt", **BATCH_SETTINGS)
    calls = []
    with Client(cluster) as client:
        results = kep.dask.measure_files(batch_files, tmp_path / "client.txt", client,
                                         progress=lambda *c: calls.append(c), **BATCH_SETTINGS)
        assert len(client.scheduler_info()["workers"]) == 2
    assert results == local
    assert (tmp_path / "client.txt").read_bytes() == expected_report
    assert_batch_results_as(results, expected_results)
    assert calls == [(done, len(batch_files)) for done in range(1, len(batch_files) + 1)]
    # The cluster object and its scheduler's address do as well as a client.
    for named in (cluster, cluster.scheduler_address):
        assert kep.dask.measure_files(batch_files, tmp_path / "named.txt", named, **BATCH_SETTINGS) == local
        assert (tmp_path / "named.txt").read_bytes() == expected_report


def test_a_run_the_cluster_cancels_names_the_files_not_measured(cluster, tmp_path):
    files = [sample("noisy-blobs-8bit.bmp")] * 40
    with Client(cluster) as client:
        def restart_after_the_first(done, total):
            if done == 1:
                client.restart()

        with pytest.raises(RuntimeError) as failed:
            kep.dask.measure_files(files, tmp_path / "report.txt", client, method="box-counting",
                                   grid_offsets=16, progress=restart_after_the_first)
    message = str(failed.value)
    missing = int(message.split(" of ")[0])
    assert 0 < missing < 40 and message.count(files[0]) == missing
    assert message.startswith(f"{missing} of 40 files not measured, no report written: ")
    assert list(tmp_path.iterdir()) == []
