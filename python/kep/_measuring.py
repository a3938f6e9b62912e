"""Measurements of image arrays: the eleven methods, one measurement of a whole
image, and every particle of an image measured on its own."""

from __future__ import annotations

from typing import Any, Dict, List

from . import _kep
from ._keywords import public
from ._types import FitRange, ImageArray, Method, Params, Prep


@public("kep.methods")
def methods() -> List[Dict[str, Any]]:
    """The eleven methods, in index order: each a dict of index, name (kep-cli's
    name, which every function takes as well as the index), label, param_labels
    and defaults (the three parameters' labels and default values)."""
    return _kep.methods()


@public("kep.measure")
def measure(
    image: ImageArray,
    method: Method = 0,
    params: Params = None,
    particle: int = 255,
    prep: Prep = None,
    fit_range: FitRange = None,
    grid_offsets: int = 1,
    keep_outline: bool = True,
) -> _kep.Measurement:
    """One measurement of the image with the engine, as kep-cli measure makes it.

    image: a 2-D uint8 or bool array (True is 255), of any strides; kep.to_grey
    makes one of any other array.
    method: an index from 0 to 10 or kep-cli's name of the method (kep.methods()).
    params: the method's three parameters; None for its defaults.
    particle: the particles' grey value, 0 or 255.
    prep: None or False to measure the image as given, True for the batch
    pre-processing with its defaults, or a dict of its values (see kep.prep).
    fit_range: None to fit the line through every point, or (xmin, xmax): only
    the points with xmin <= x <= xmax enter the fit; the others stay in points.
    grid_offsets: for box counting, the smallest count over G x G positions of
    the grid (1 to 16).
    keep_outline: False leaves the outline image out of the result.

    Returns a kep.Measurement. Ctrl-C stops the measurement at once and raises
    KeyboardInterrupt.
    """
    settings = _kep.settings(method, params, particle, prep, fit_range, grid_offsets)
    return _kep.measure(image, settings, keep_outline)


@public("kep.particles")
def particles(
    image: ImageArray,
    method: Method = 0,
    params: Params = None,
    particle: int = 255,
    prep: Prep = None,
    fit_range: FitRange = None,
    grid_offsets: int = 1,
) -> Dict[str, Any]:
    """Every particle of the image measured on its own, as kep-cli particles
    lists them; the arguments as for kep.measure.

    Returns a dict of equal-length numpy arrays, one per column of kep-cli
    particles (particle, left, top, right, bottom, area, centroid_x, centroid_y,
    outline_points, dimension, reason, r_squared, std_error, ci95_low, ci95_high,
    fit_points), ready for pandas.DataFrame, and points: the list of each
    particle's (n, 2) array of the method's points. A particle without a dimension has NaN in the
    float columns and its reason's code in reason (None for the others).
    """
    settings = _kep.settings(method, params, particle, prep, fit_range, grid_offsets)
    return _kep.particles(image, settings)
