"""The KEP engine from Python: fractal dimensions of particle outlines.

Images are 2-D numpy.uint8 arrays. ``load`` reads a BMP or TIFF file as the
system loads it; ``measure`` runs one of the eleven methods (``methods``) on an
image; ``prep`` and ``outline`` give the pre-processed image and the outline
image the engine measures; ``batch`` measures many files and writes the same
report as ``kep-cli batch``. ``kep.dask.measure_files`` spreads such a batch over
a Dask cluster.
"""

import importlib

import numpy  # noqa: F401  (the module's arrays are numpy arrays)

from ._kep import (FileResult, Measurement, Reason, __version__, batch, load, measure, methods,
                   outline, prep)

__all__ = ["FileResult", "Measurement", "Reason", "batch", "load", "measure", "methods", "outline", "prep"]


def __getattr__(name):
    # kep.dask needs the dask.distributed packages, so it is imported on first use.
    if name == "dask":
        return importlib.import_module(".dask", __name__)
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")
