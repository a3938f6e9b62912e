"""Batch runs spread over a Dask cluster.

Each file is measured by one task on a worker, with the engine that ``kep.batch``
uses; the results come back here in list order and the report is written here,
so it is byte for byte the report ``kep-cli batch`` writes for the same files and
values. The workers need the kep module too.
"""

from distributed import Client, LocalCluster

from . import _kep


def measure_files(files, report, client=None, **settings):
    """Measures the files on a Dask cluster and writes the report.

    files: the image paths, in report order; report: the report's path.
    client: a ``distributed.Client`` of the cluster to use; None starts a
    ``LocalCluster`` for this run and closes it afterwards.
    settings: ``method``, ``params``, ``particle`` and the pre-processing values,
    as for ``kep.batch``.

    Returns a ``kep.FileResult`` per file, in list order. Bad arguments raise
    ValueError and a report that cannot be written raises OSError, both before any
    file is measured.
    """
    job = _kep.BatchJob(files, report, _kep.batch_settings(**settings))
    if client is None:
        with LocalCluster() as cluster, Client(cluster) as local_client:
            results = _measure(local_client, job)
    else:
        results = _measure(client, job)
    job.record(results)
    return results


def _measure(client, job):
    # pure=False: a file may have changed since a task of an earlier run read it.
    futures = client.map(_measure_file, job.files, settings=job.settings, pure=False)
    return client.gather(futures)


def _measure_file(path, settings):
    # The task: a function of this module, which a worker imports by name (the
    # extension's own functions cannot be pickled).
    return _kep.measure_file(path, settings)
