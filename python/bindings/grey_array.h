#pragma once

#include <pybind11/pybind11.h>

#include "image/image_buffer.h"

namespace kep::python {

namespace py = pybind11;

// The grey image of any 2-D integer, float or bool array, by the rules the image
// readers apply to samples: uint8 as it is, bool as 0 and 255, every other integer
// and float type stretched from its smallest to its largest finite value onto
// 0..255. TypeError for other dtypes (complex, object, text, times).
ImageBuffer GreyFromArray(py::handle array);

}  // namespace kep::python
