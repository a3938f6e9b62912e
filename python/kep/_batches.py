"""Batches of files measured in this process: kep.batch, as kep-cli batch."""

from __future__ import annotations

from typing import Any, Iterable, Optional

from . import _kep
from ._frames import results_as
from ._keywords import public
from ._types import FitRange, Method, Params, Path, Progress

_DEFAULTS = _kep.preprocess_defaults()


@public("kep.batch")
def batch(
    files: Iterable[Path],
    report: Path,
    method: Method = 0,
    params: Params = None,
    particle: int = 255,
    fit_range: FitRange = None,
    grid_offsets: int = 1,
    jobs: Optional[int] = None,
    progress: Progress = None,
    as_frame: bool = False,
    *,
    percent: float = _DEFAULTS["percent"],
    lower: int = _DEFAULTS["lower"],
    higher: int = _DEFAULTS["higher"],
    min_particle: int = _DEFAULTS["min_particle"],
    min_hole: int = _DEFAULTS["min_hole"],
) -> Any:
    """Measures the files and writes the report that kep-cli batch writes, byte
    for byte: every file read, pre-processed and measured.

    files: the image paths, in report order; report: the report's path, written
    only when every file has been measured.
    method, params, particle, fit_range, grid_offsets: as for kep.measure.
    jobs: the number of threads (1 to 256); None for one per processor.
    progress: None, or called with (done, total) as files finish.
    as_frame: True returns a pandas.DataFrame with a row per file (as_dict()).
    percent, lower, higher, min_particle, min_hole: the pre-processing values
    (see kep.prep).

    Returns a list of kep.FileResult, in file order. Bad arguments raise
    TypeError or ValueError, and a report that cannot be written OSError, before
    any file is measured; Ctrl-C stops the run, writes no report and raises
    KeyboardInterrupt.
    """
    values = dict(percent=percent, lower=lower, higher=higher, min_particle=min_particle,
                  min_hole=min_hole)
    settings = _kep.settings(method, params, particle, values, fit_range, grid_offsets)
    returned = results_as(as_frame)
    return returned(_kep.batch(files, report, settings, jobs, progress))
