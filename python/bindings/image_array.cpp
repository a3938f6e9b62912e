#include "image_array.h"

#include <cstring>
#include <memory>
#include <string>

#include "argument_errors.h"
#include "image/image_size_limit.h"

namespace kep::python {

namespace {

std::string SizeText(py::ssize_t width, py::ssize_t height) {
  return "(" + std::to_string(width) + " x " + std::to_string(height) + ")";
}

}  // namespace

py::array ImageShapedArray(py::handle object) {
  if (!py::isinstance<py::array>(object)) {
    RefuseType("image", "a 2-D numpy array", py::type::handle_of(object));
  }
  const py::array array = py::reinterpret_borrow<py::array>(object);
  if (array.ndim() != 2) {
    throw py::value_error("image must be a 2-D array (height, width), not " +
                          std::to_string(array.ndim()) + "-D");
  }
  const py::ssize_t height = array.shape(0);
  const py::ssize_t width = array.shape(1);
  if (width == 0 || height == 0) {
    throw py::value_error("image has no pixels " + SizeText(width, height));
  }
  if (!IsAcceptedImageSize(width, height)) {
    throw py::value_error("image is larger than " + std::to_string(kMaxImageSide) +
                          " pixels on a side " + SizeText(width, height));
  }
  return array;
}

ImageBuffer ImageFromArray(py::handle object) {
  ImageBuffer image;
  CopyArrayInto(object, image);
  return image;
}

void CopyArrayInto(py::handle object, ImageBuffer& image) {
  const py::array array = ImageShapedArray(object);
  const char kind = array.dtype().kind();
  if (!(kind == 'u' || kind == 'b') || array.itemsize() != 1) {
    RefuseType("image's dtype",
               "uint8 or bool (kep.to_grey makes a grey image of other arrays, as load does)",
               array.dtype());
  }
  const bool mask = kind == 'b';
  const auto height = static_cast<std::int32_t>(array.shape(0));
  const auto width = static_cast<std::int32_t>(array.shape(1));
  const py::ssize_t rowStep = array.strides(0);
  const py::ssize_t columnStep = array.strides(1);
  const auto* first = static_cast<const std::uint8_t*>(array.data());

  image.Create(width, height, 0);
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint8_t* row = first + y * rowStep;
    std::uint8_t* target = image.PixelAddress(0, y);
    if (mask) {
      for (std::int32_t x = 0; x < width; ++x) target[x] = row[x * columnStep] ? 255 : 0;
    } else if (columnStep == 1) {
      std::memcpy(target, row, static_cast<std::size_t>(width));
    } else {
      for (std::int32_t x = 0; x < width; ++x) target[x] = row[x * columnStep];
    }
  }
}

py::array ArrayFromImage(ImageBuffer&& image) {
  auto owned = std::make_unique<ImageBuffer>(std::move(image));
  const py::ssize_t height = owned->Height();
  const py::ssize_t width = owned->Width();
  const py::ssize_t stride = owned->Stride();
  std::uint8_t* pixels = owned->Data();
  const py::capsule owner(owned.get(), [](void* p) { delete static_cast<ImageBuffer*>(p); });
  owned.release();
  return py::array(py::dtype::of<std::uint8_t>(), {height, width}, {stride, py::ssize_t{1}}, pixels,
                   owner);
}

}  // namespace kep::python
