"""Results as a pandas.DataFrame, for the batches that are asked for one."""

from __future__ import annotations

from typing import Any, Callable, List

import numpy

Results = Callable[[List[Any]], Any]


def results_as(as_frame: Any) -> Results:
    """What a batch returns of its results: the list, or with as_frame a DataFrame
    of their as_dict() rows. Checked, pandas too, before any file is measured."""
    if not isinstance(as_frame, (bool, numpy.bool_)):
        raise TypeError(f"as_frame must be True or False, not {as_frame!r}")
    if not as_frame:
        return lambda results: results
    try:
        import pandas  # type: ignore[import]  # (Debian packages no stubs of it)
    except ImportError as missing:
        raise ImportError("as_frame=True needs pandas (Debian: python3-pandas)") from missing
    return lambda results: pandas.DataFrame([result.as_dict() for result in results])
