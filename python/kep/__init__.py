"""The KEP engine from Python: fractal dimensions of particle outlines.

Images are 2-D numpy arrays of uint8 (or bool, True being 255); ``to_grey``
makes one of any other array by the rules ``load`` applies to a file's samples.
``load`` reads a BMP or TIFF file as the system loads it; ``measure`` runs one
of the eleven methods (``methods``) on an image and ``particles`` measures each
particle on its own; ``prep`` and ``outline`` give the pre-processed image and
the outline image the engine measures; ``batch`` measures many files and
writes the same report as ``kep-cli batch``. ``kep.dask.measure_files`` spreads
such a batch over a Dask cluster.
"""

import importlib
import sys

try:
    import numpy  # noqa: F401  (every image in and out is a numpy array)
except ImportError as missing:
    raise ImportError(f"kep needs numpy, which {sys.executable} does not have: run the python3 "
                      "that make python names (Debian's, /usr/bin/python3)") from missing

from ._batches import batch
from ._images import load, outline, prep, to_grey
from ._kep import FileResult, Measurement, Reason, __version__
from ._measuring import measure, methods, particles

__all__ = ["FileResult", "Measurement", "Reason", "__version__", "batch", "load", "measure",
           "methods", "outline", "particles", "prep", "to_grey"]


def __getattr__(name: str) -> object:
    # kep.dask needs the dask.distributed packages, so it is imported on first use.
    if name == "dask":
        return importlib.import_module(".dask", __name__)
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")
