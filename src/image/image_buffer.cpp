#include "image/image_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

namespace kep {

void ImageBuffer::Clear() {
  m_width = 0;
  m_height = 0;
  m_stride = 0;
  m_pixels.clear();
}

int ImageBuffer::Create(std::int32_t width, std::int32_t height, int clear) {
  // Computed in 64 bits so that no claimed size can wrap; a size whose rows cannot
  // be addressed with 32-bit offsets is an allocation failure like any other.
  const std::int64_t w = std::max<std::int64_t>(width, 0);
  const std::int64_t h = std::llabs(static_cast<std::int64_t>(height));
  const std::int64_t stride = (w + 3) / 4 * 4;
  if (stride > std::numeric_limits<std::int32_t>::max() ||
      h > std::numeric_limits<std::int32_t>::max()) {
    throw std::bad_alloc();
  }
  const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(h);
  // One pass over the bytes either way: a resize zeroes only the new ones.
  if (clear) {
    m_pixels.assign(bytes, std::uint8_t{0});
  } else {
    m_pixels.resize(bytes);
  }
  SetGeometry(static_cast<std::int32_t>(w), static_cast<std::int32_t>(h),
              static_cast<std::int32_t>(stride));
  return 1;
}

void ImageBuffer::SetGeometry(std::int32_t width, std::int32_t height, std::int32_t stride) {
  m_stride = stride;
  const std::int32_t s = m_stride;
  const std::array<std::int32_t, 8> offsets = {1, 1 - s, -s, -s - 1, -1, s - 1, s, s + 1};
  for (int i = 0; i < 16; ++i) m_neighbourOffset[i] = offsets[i % 8];
  m_width = width;
  m_height = height;
}

int ImageBuffer::CopyFrom(const ImageBuffer& src) {
  if (&src == this) return 1;
  // Copied in one pass: new storage is not zeroed first.
  try {
    m_pixels = src.m_pixels;
  } catch (const std::bad_alloc&) {
    return 0;
  }
  SetGeometry(src.m_width, src.m_height, src.m_stride);
  return 1;
}

void ImageBuffer::CopyPixelsFrom(const ImageBuffer& src) {
  const std::size_t n = std::min(m_pixels.size(), src.m_pixels.size());
  if (n > 0 && &src != this) std::memcpy(m_pixels.data(), src.m_pixels.data(), n);
}

std::uint8_t ImageBuffer::NeighbourMask(std::int32_t x, std::int32_t y) const {
  return NeighbourMask(PixelAddress(x, y));
}

std::uint8_t ImageBuffer::NeighbourMask(const std::uint8_t* pixel) const {
  const std::uint8_t centre = *pixel;
  std::uint8_t mask = 0;
  for (int d = 0; d < 8; ++d) {
    if (pixel[m_neighbourOffset[d]] == centre) mask |= static_cast<std::uint8_t>(1u << d);
  }
  return mask;
}

void ImageBuffer::FillBorder(std::int32_t k, std::uint8_t value) {
  if (k <= 0 || m_width <= 0 || m_height <= 0) return;
  // A frame wider than the image covers the whole image.
  const std::int32_t rows = std::min(k, m_height);
  const std::int32_t cols = std::min(k, m_width);
  for (std::int32_t i = 0; i < rows; ++i) {
    std::memset(PixelAddress(0, i), value, static_cast<std::size_t>(m_width));
    std::memset(PixelAddress(0, m_height - 1 - i), value, static_cast<std::size_t>(m_width));
  }
  for (std::int32_t y = rows; y < m_height - rows; ++y) {
    std::memset(PixelAddress(0, y), value, static_cast<std::size_t>(cols));
    std::memset(PixelAddress(m_width - cols, y), value, static_cast<std::size_t>(cols));
  }
}

void ImageBuffer::ComputeHistogram(Histogram& counts) const {
  // Four partial counts, so that a run of equal pixels does not make each
  // increment wait for the one before.
  std::array<Histogram, 4> partial{};
  for (std::int32_t y = 0; y < m_height; ++y) {
    const std::uint8_t* row = PixelAddress(0, y);
    std::int32_t x = 0;
    for (; x + 4 <= m_width; x += 4) {
      ++partial[0][row[x]];
      ++partial[1][row[x + 1]];
      ++partial[2][row[x + 2]];
      ++partial[3][row[x + 3]];
    }
    for (; x < m_width; ++x) ++partial[0][row[x]];
  }
  for (std::size_t level = 0; level < counts.size(); ++level) {
    counts[level] = partial[0][level] + partial[1][level] + partial[2][level] + partial[3][level];
  }
}

}  // namespace kep
