#include "grey_array.h"

#include <pybind11/numpy.h>

#include <cstdint>
#include <cstring>

#include "argument_errors.h"
#include "image/sample_stretch.h"
#include "image_array.h"

namespace kep::python {

namespace {

// Calls `use` with every sample of the 2-D array, row by row, and the sample's
// place in the image.
template <typename T, typename Use>
void ForEachSample(const py::array& array, Use use) {
  const auto* first = static_cast<const char*>(array.data());
  for (py::ssize_t y = 0; y < array.shape(0); ++y) {
    const char* row = first + y * array.strides(0);
    for (py::ssize_t x = 0; x < array.shape(1); ++x) {
      T value;
      std::memcpy(&value, row + x * array.strides(1), sizeof value);
      use(value, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
    }
  }
}

template <typename T>
ImageBuffer StretchedImage(const py::array& array) {
  ImageBuffer image;
  image.Create(static_cast<std::int32_t>(array.shape(1)), static_cast<std::int32_t>(array.shape(0)),
               0);
  py::gil_scoped_release release;
  SampleRange<T> range;
  ForEachSample<T>(array, [&](T value, std::int32_t, std::int32_t) { range.Take(value); });
  const Stretch stretch = Stretch::Over(range);
  ForEachSample<T>(array, [&](T value, std::int32_t x, std::int32_t y) {
    *image.PixelAddress(x, y) = stretch(value);
  });
  return image;
}

ImageBuffer StretchedByType(const py::array& array) {
  const char kind = array.dtype().kind();
  const py::ssize_t size = array.itemsize();
  if (kind == 'i') {
    if (size == 1) return StretchedImage<std::int8_t>(array);
    if (size == 2) return StretchedImage<std::int16_t>(array);
    if (size == 4) return StretchedImage<std::int32_t>(array);
    if (size == 8) return StretchedImage<std::int64_t>(array);
  } else if (kind == 'u') {
    if (size == 2) return StretchedImage<std::uint16_t>(array);
    if (size == 4) return StretchedImage<std::uint32_t>(array);
    if (size == 8) return StretchedImage<std::uint64_t>(array);
  } else if (kind == 'f') {
    if (size == 4) return StretchedImage<float>(array);
    if (size == 8) return StretchedImage<double>(array);
    // Half and extended precision: as doubles, which hold every value of the first
    // and the picture's range of the second.
    return StretchedImage<double>(array.attr("astype")("float64").cast<py::array>());
  }
  RefuseType("image's dtype", "an integer, float or bool type", array.dtype());
}

}  // namespace

ImageBuffer GreyFromArray(py::handle object) {
  py::array array = ImageShapedArray(object);
  const char kind = array.dtype().kind();
  if (kind == 'b' || (kind == 'u' && array.itemsize() == 1)) return ImageFromArray(array);
  if (!array.dtype().attr("isnative").cast<bool>()) {
    array = array.attr("astype")(array.dtype().attr("newbyteorder")("="));
  }
  return StretchedByType(array);
}

}  // namespace kep::python
