"""Batch runs spread over a Dask cluster.

Each file is measured by one task on a worker, with the engine that ``kep.batch``
uses; the results come back here in list order and the report is written here,
so it is byte for byte the report ``kep-cli batch`` writes for the same files and
values. The workers need the kep module too.
"""

from __future__ import annotations

import contextlib
from typing import Any, Iterable, Iterator, List, Optional, Union

from distributed import Client, LocalCluster, as_completed

from . import _kep
from ._frames import results_as
from ._keywords import public
from ._types import FitRange, Method, Params, Path, Progress

_DEFAULTS = _kep.preprocess_defaults()

# What measure_files runs on: a client, a cluster object (LocalCluster, a
# dask-jobqueue cluster, ...), a scheduler's address, or None for a LocalCluster
# of this run.
ClusterArgument = Union[None, Client, Any, str]


@public("kep.dask.measure_files")
def measure_files(
    files: Iterable[Path],
    report: Path,
    client: ClusterArgument = None,
    method: Method = 0,
    params: Params = None,
    particle: int = 255,
    fit_range: FitRange = None,
    grid_offsets: int = 1,
    progress: Progress = None,
    as_frame: bool = False,
    *,
    percent: float = _DEFAULTS["percent"],
    lower: int = _DEFAULTS["lower"],
    higher: int = _DEFAULTS["higher"],
    min_particle: int = _DEFAULTS["min_particle"],
    min_hole: int = _DEFAULTS["min_hole"],
) -> Any:
    """Measures the files on a Dask cluster and writes the report, as kep.batch.

    files: the image paths, in report order; report: the report's path.
    client: a distributed.Client, a cluster object (such as a LocalCluster), or
    a scheduler's address such as "tcp://host:8786"; None starts a LocalCluster
    for this run and closes it afterwards.
    The other arguments as for kep.batch; the workers' threads take the place of
    jobs.

    Returns a kep.FileResult per file, in list order (a pandas.DataFrame with
    as_frame=True). Bad arguments raise TypeError or ValueError, and a report
    that cannot be written OSError, before any file is measured. A run that
    does not end (a task cancelled, a worker lost) raises RuntimeError naming the
    files not measured, from the cluster's error, and leaves no file behind.
    """
    values = dict(percent=percent, lower=lower, higher=higher, min_particle=min_particle,
                  min_hole=min_hole)
    settings = _kep.settings(method, params, particle, values, fit_range, grid_offsets)
    if progress is not None and not callable(progress):
        raise TypeError(f"progress must be None or a callable taking (done, total), not {progress!r}")
    returned = results_as(as_frame)
    job = _kep.BatchJob(files, report, settings)
    try:
        with _client_of(client) as running:
            results = _measure(running, job, progress)
        job.record(results)
    finally:
        job.discard()  # removes the temporary report unless record() renamed it
    return returned(results)


@contextlib.contextmanager
def _client_of(cluster: ClusterArgument) -> Iterator[Client]:
    if isinstance(cluster, Client):
        yield cluster
    elif cluster is None:
        with LocalCluster() as local, Client(local) as client:
            yield client
    elif isinstance(cluster, str) or hasattr(cluster, "scheduler_address"):
        with Client(cluster) as client:
            yield client
    else:
        raise TypeError("client must be a distributed.Client, a cluster, a scheduler's address "
                        f"or None, not {cluster!r}")


def _measure(client: Client, job: Any, progress: Progress) -> List[Any]:
    files = job.files
    # pure=False: a file may have changed since a task of an earlier run read it.
    futures = client.map(_measure_file, files, settings=job.settings, pure=False)
    index = {future.key: i for i, future in enumerate(futures)}
    results: List[Optional[Any]] = [None] * len(files)
    try:
        for done, future in enumerate(as_completed(futures), start=1):
            results[index[future.key]] = future.result()
            if progress is not None:
                progress(done, len(files))
    except BaseException as error:
        client.cancel(futures)
        missing = [str(files[i]) for i, result in enumerate(results) if result is None]
        if not isinstance(error, Exception):
            raise  # KeyboardInterrupt, SystemExit
        raise RuntimeError(f"{len(missing)} of {len(files)} files not measured, no report "
                           f"written: {', '.join(missing)}") from error
    return results


def _measure_file(path: str, settings: Any) -> Any:
    # The task: a function of this module, which a worker imports by name (the
    # extension's own functions cannot be pickled).
    return _kep.measure_file(path, settings)
