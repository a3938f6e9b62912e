#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image/pixel_allocator.h"

namespace kep {

class DrawContext;
struct ImageFileDetails;
struct Rect;

// An 8-bit grey image, one byte per pixel, row 0 at the top, each row padded to a
// multiple of 4 bytes. Copies are always explicit (CopyFrom, CopyPixelsFrom).
class ImageBuffer {
 public:
  using Histogram = std::array<std::uint32_t, 256>;

  ImageBuffer() = default;
  ImageBuffer(const ImageBuffer&) = delete;
  ImageBuffer& operator=(const ImageBuffer&) = delete;
  ImageBuffer(ImageBuffer&&) noexcept = default;
  ImageBuffer& operator=(ImageBuffer&&) noexcept = default;
  ~ImageBuffer() = default;

  void Clear();
  // Sizes the image to width x |height|; keeps the old bytes as far as they reach
  // and zeroes new ones, or zeroes everything when clear is non-zero. A negative
  // width is taken as 0. Throws std::bad_alloc when memory runs out.
  int Create(std::int32_t width, std::int32_t height, int clear);
  int CopyFrom(const ImageBuffer& src);
  // Copies the pixel bytes of an image of the same size, without resizing.
  void CopyPixelsFrom(const ImageBuffer& src);

  std::uint8_t* PixelAddress(std::int32_t x, std::int32_t y) {
    return m_pixels.data() + static_cast<std::ptrdiff_t>(y) * m_stride + x;
  }
  const std::uint8_t* PixelAddress(std::int32_t x, std::int32_t y) const {
    return m_pixels.data() + static_cast<std::ptrdiff_t>(y) * m_stride + x;
  }
  std::uint8_t GetPixel(std::int32_t x, std::int32_t y) const {
    return Contains(x, y) ? *PixelAddress(x, y) : 0;
  }
  void SetPixel(std::int32_t x, std::int32_t y, std::uint8_t value) {
    if (Contains(x, y)) *PixelAddress(x, y) = value;
  }
  bool Contains(std::int32_t x, std::int32_t y) const {
    return x >= 0 && x < m_width && y >= 0 && y < m_height;
  }

  // Bit d is set when the neighbour in direction d equals the centre pixel.
  // Reads the neighbours unchecked: the pixel must not lie on the outer frame.
  std::uint8_t NeighbourMask(std::int32_t x, std::int32_t y) const;
  std::uint8_t NeighbourMask(const std::uint8_t* pixel) const;
  // Paints a frame k pixels wide; k <= 0 paints nothing.
  void FillBorder(std::int32_t k, std::uint8_t value);

  // The number of pixels of each grey level.
  void ComputeHistogram(Histogram& counts) const;

  // Reads a Windows bitmap file; 1 on success, 0 on failure. The second form also
  // says what the file holds and, on failure, why it was refused.
  int LoadBmp(const std::string& path);
  int LoadBmp(const std::string& path, ImageFileDetails& details);

  // Stretches the source rectangle of the image over the destination rectangle.
  void Draw(DrawContext& dc, const Rect& dest, const Rect& source) const;

  std::int32_t Width() const { return m_width; }
  std::int32_t Height() const { return m_height; }
  std::int32_t Stride() const { return m_stride; }
  bool IsLoaded() const { return m_width >= 1 && m_height >= 1; }
  std::uint8_t* Data() { return m_pixels.data(); }
  const std::uint8_t* Data() const { return m_pixels.data(); }
  std::size_t ByteCount() const { return m_pixels.size(); }
  // Byte offsets to the 8 neighbours, for directions 0..7 and again for 8..15.
  const std::array<std::int32_t, 16>& NeighbourOffsets() const { return m_neighbourOffset; }

 private:
  void SetGeometry(std::int32_t width, std::int32_t height, std::int32_t stride);

  std::array<std::int32_t, 16> m_neighbourOffset{};
  std::vector<std::uint8_t, PixelAllocator<std::uint8_t>> m_pixels;
  std::int32_t m_width = 0;
  std::int32_t m_height = 0;
  std::int32_t m_stride = 0;
};

}  // namespace kep
