#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include "image/image_buffer.h"

namespace kep::python {

namespace py = pybind11;

// `object` as a 2-D numpy array of at least one pixel and at most the size the
// image readers accept: TypeError for anything but an array, ValueError for
// another number of dimensions and for a size out of range.
py::array ImageShapedArray(py::handle object);

// The pixels of a 2-D numpy.uint8 array of any strides, copied once into an
// image; a bool array gives 255 for True and 0 for False. Any other dtype is a
// TypeError that points to kep.to_grey.
ImageBuffer ImageFromArray(py::handle array);
// The same into an image that may hold memory of its size already.
void CopyArrayInto(py::handle array, ImageBuffer& image);

// A (height, width) uint8 array that takes the image's pixels over without a
// copy; its rows keep the image's padding in their stride.
py::array ArrayFromImage(ImageBuffer&& image);

}  // namespace kep::python
