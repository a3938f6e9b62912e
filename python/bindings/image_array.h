#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include "image/image_buffer.h"

namespace kep::python {

namespace py = pybind11;

// The pixels of a 2-D numpy.uint8 array of any strides, copied once into an
// image. ValueError for any other object, for an array without pixels and for
// one larger than the image readers accept.
ImageBuffer ImageFromArray(py::handle array);
// The same into an image that may hold memory of its size already.
void CopyArrayInto(py::handle array, ImageBuffer& image);

// A (height, width) uint8 array that takes the image's pixels over without a
// copy; its rows keep the image's padding in their stride.
py::array ArrayFromImage(ImageBuffer&& image);

}  // namespace kep::python
