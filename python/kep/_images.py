"""Images: a file as the system loads it, the grey image of any array, and the
images that the batch pre-processing and the engine's outlines make of one."""

from __future__ import annotations

from . import _kep
from ._keywords import public
from ._types import GreyImage, ImageArray, Path, Prep

_DEFAULTS = _kep.preprocess_defaults()


@public("kep.load")
def load(path: Path) -> GreyImage:
    """The grey image of a BMP or TIFF file, as kep-cli loads it: a 2-D uint8 array.

    The extension picks the reader: .bmp or .BMP, .tif or .TIF. Deep TIFF samples
    are stretched onto 0..255 as kep.to_grey stretches an array.

    A file the system cannot open raises the OSError that open() would
    (FileNotFoundError, PermissionError, IsADirectoryError), with errno, filename
    and kep-cli's reason as strerror. A file the readers refuse, by its extension
    or its contents, raises OSError with kep-cli's message, "PATH: reason".
    """
    return _kep.load(path)


@public("kep.to_grey")
def to_grey(array: ImageArray) -> GreyImage:
    """The grey image of a 2-D integer, float or bool array, by the rules kep.load
    applies to a file's samples, so that no array is measured scaled unawares.

    uint8 stays as it is and bool becomes 0 and 255. Every other integer or float
    type is stretched from its smallest to its largest finite value onto 0..255
    and truncated: the smallest becomes 0, the largest 255. NaN and -inf become
    0, +inf 255; an array of one value, or of no finite value, is all 0.

    A 2-D array of another type (complex, object, text, times) raises TypeError;
    an array of another shape ValueError.
    """
    return _kep.to_grey(array)


@public("kep.prep")
def prep(
    image: ImageArray,
    particle: int = 255,
    *,
    percent: float = _DEFAULTS["percent"],
    lower: int = _DEFAULTS["lower"],
    higher: int = _DEFAULTS["higher"],
    min_particle: int = _DEFAULTS["min_particle"],
    min_hole: int = _DEFAULTS["min_hole"],
) -> GreyImage:
    """The image after the batch pre-processing, as kep-cli prep writes it.

    image: a 2-D uint8 or bool array (True is 255), of any strides.
    particle: the particles' grey value, 0 or 255.
    percent: the brightest percentage of the pixels (0 to 100) kept as particles,
    among those from lower to higher (0 to 255); a two-pixel frame of background
    follows; min_particle: particles of fewer pixels are removed; min_hole: holes
    of fewer pixels are filled (0 to 1000000 each).
    """
    values = dict(percent=percent, lower=lower, higher=higher, min_particle=min_particle,
                  min_hole=min_hole)
    return _kep.prep(image, particle, values)


@public("kep.outline")
def outline(image: ImageArray, particle: int = 255, prep: Prep = None) -> GreyImage:
    """The outline image the engine measures, as kep-cli outline writes it: every
    particle replaced by its outline.

    image: a 2-D uint8 or bool array (True is 255), of any strides.
    particle: the particles' grey value, 0 or 255.
    prep: None or False to use the image as given, True for the batch
    pre-processing with its defaults, or a dict of its values (see kep.prep).
    """
    return _kep.outline(image, particle, prep)
