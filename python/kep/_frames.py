"""Results as a pandas.DataFrame, for the batches that are asked for one."""

from __future__ import annotations

from typing import Any, List

import numpy


def results_or_frame(results: List[Any], as_frame: Any) -> Any:
    """The results, or with as_frame a DataFrame of their as_dict() rows."""
    if not isinstance(as_frame, (bool, numpy.bool_)):
        raise TypeError(f"as_frame must be True or False, not {as_frame!r}")
    if not as_frame:
        return results
    try:
        import pandas
    except ImportError as missing:
        raise ImportError("as_frame=True needs pandas (Debian: python3-pandas)") from missing
    return pandas.DataFrame([result.as_dict() for result in results])
