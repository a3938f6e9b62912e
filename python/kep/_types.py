"""The types of the package's arguments and results, for annotations."""

from __future__ import annotations

import os
from typing import Any, Callable, Mapping, Optional, Sequence, Tuple, Union

import numpy
import numpy.typing

# A file's path: str, bytes or os.PathLike, as open() takes it.
Path = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]
# An image to measure: a 2-D uint8 or bool array.
ImageArray = numpy.typing.NDArray[Any]
# An image the module makes: a 2-D uint8 array.
GreyImage = numpy.typing.NDArray[numpy.uint8]
# A method by index (0 to 10) or by kep-cli's name.
Method = Union[int, str]
Params = Optional[Sequence[int]]
# None, a bool, or a dict of pre-processing values.
Prep = Union[None, bool, numpy.bool_, Mapping[str, float]]
FitRange = Optional[Tuple[float, float]]
# Called with (done, total) as files finish.
Progress = Optional[Callable[[int, int], object]]
