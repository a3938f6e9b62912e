#include "draw/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "draw/bitmap_font.h"
#include "draw/bresenham_line.h"

namespace kep {

namespace {

// The part [begin, end) of the range [low, high) that lies inside [0, limit).
struct Span {
  std::int64_t begin;
  std::int64_t end;
};

Span ClipSpan(std::int64_t low, std::int64_t high, std::int64_t limit) {
  return {std::max<std::int64_t>(low, 0), std::min(high, limit)};
}

// The source index shown by destination offset `offset` when sourceLength pixels
// are stretched over destLength: the source pixel under the destination pixel's
// centre. Exact while the lengths' product stays below 2^53.
std::int64_t NearestSource(std::int64_t offset, std::int64_t sourceLength,
                           std::int64_t destLength) {
  const double position = (static_cast<double>(offset) + 0.5) * static_cast<double>(sourceLength) /
                          static_cast<double>(destLength);
  return static_cast<std::int64_t>(std::floor(position));
}

}  // namespace

RasterCanvas::RasterCanvas(std::int32_t width, std::int32_t height, Rgb background)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_rgb(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 3) {
  Clear(background);
}

Rect RasterCanvas::ClientRect() const { return {0, 0, m_width, m_height}; }

Rgb RasterCanvas::SelectPen(Rgb colour) { return std::exchange(m_pen, colour); }

DrawMode RasterCanvas::SetDrawMode(DrawMode mode) { return std::exchange(m_mode, mode); }

void RasterCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  m_x = x;
  m_y = y;
}

void RasterCanvas::LineTo(std::int32_t x, std::int32_t y) {
  const BresenhamLine line(m_x, m_y, x, y);
  const BresenhamLine::StepRange visible = line.VisibleSteps(m_width, m_height);
  for (std::int64_t step = visible.begin; step < visible.end; ++step) {
    const BresenhamLine::Pixel pixel = line.At(step);
    Paint(pixel.x, pixel.y, m_pen);
  }
  MoveTo(x, y);
}

void RasterCanvas::SetPixel(std::int32_t x, std::int32_t y, Rgb colour) {
  if (Contains(x, y)) Paint(x, y, colour);
}

void RasterCanvas::FillRect(const Rect& rect, Rgb colour) {
  const Span columns = ClipSpan(rect.left, rect.right, m_width);
  const Span rows = ClipSpan(rect.top, rect.bottom, m_height);
  for (std::int64_t y = rows.begin; y < rows.end; ++y) {
    for (std::int64_t x = columns.begin; x < columns.end; ++x) Copy(x, y, colour);
  }
}

void RasterCanvas::DrawText(std::int32_t x, std::int32_t y, const std::string& text) {
  std::int64_t cellLeft = x;
  for (const char character : text) {
    const GlyphColumns& glyph = GlyphOf(character);
    for (std::int32_t column = 0; column < kGlyphWidth; ++column) {
      for (std::int32_t row = 0; row < kGlyphHeight; ++row) {
        const std::int64_t px = cellLeft + column;
        const std::int64_t py = static_cast<std::int64_t>(y) + row;
        if (((glyph[column] >> row) & 1) != 0 && Contains(px, py)) Copy(px, py, kBlack);
      }
    }
    cellLeft += kGlyphAdvance;
  }
}

void RasterCanvas::StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                               std::int32_t height, std::int32_t stride, const Rect& source) {
  const std::int64_t destWidth = static_cast<std::int64_t>(dest.right) - dest.left;
  const std::int64_t destHeight = static_cast<std::int64_t>(dest.bottom) - dest.top;
  const std::int64_t sourceWidth = static_cast<std::int64_t>(source.right) - source.left;
  const std::int64_t sourceHeight = static_cast<std::int64_t>(source.bottom) - source.top;
  if (pixels == nullptr || width <= 0 || height <= 0 || stride < width || destWidth <= 0 ||
      destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) {
    return;
  }
  const Span columns = ClipSpan(dest.left, dest.right, m_width);
  const Span rows = ClipSpan(dest.top, dest.bottom, m_height);
  if (columns.begin >= columns.end) return;

  // Destination pixels whose source pixel lies outside the image stay as they are.
  std::vector<std::int64_t> sourceColumn(static_cast<std::size_t>(columns.end - columns.begin));
  for (std::int64_t x = columns.begin; x < columns.end; ++x) {
    sourceColumn[static_cast<std::size_t>(x - columns.begin)] =
        source.left + NearestSource(x - dest.left, sourceWidth, destWidth);
  }
  for (std::int64_t y = rows.begin; y < rows.end; ++y) {
    const std::int64_t sy = source.top + NearestSource(y - dest.top, sourceHeight, destHeight);
    if (sy < 0 || sy >= height) continue;
    const std::uint8_t* sourceRow = pixels + sy * stride;
    for (std::int64_t x = columns.begin; x < columns.end; ++x) {
      const std::int64_t sx = sourceColumn[static_cast<std::size_t>(x - columns.begin)];
      if (sx < 0 || sx >= width) continue;
      const std::uint8_t grey = sourceRow[sx];
      Copy(x, y, Rgb{grey, grey, grey});
    }
  }
}

Rgb RasterCanvas::PixelAt(std::int32_t x, std::int32_t y) const {
  if (!Contains(x, y)) return kBlack;
  const std::uint8_t* pixel = m_rgb.data() + (static_cast<std::size_t>(y) * m_width + x) * 3;
  return {pixel[0], pixel[1], pixel[2]};
}

void RasterCanvas::Clear(Rgb colour) {
  for (std::size_t i = 0; i < m_rgb.size(); i += 3) {
    m_rgb[i] = colour.red;
    m_rgb[i + 1] = colour.green;
    m_rgb[i + 2] = colour.blue;
  }
}

std::uint8_t* RasterCanvas::Address(std::int64_t x, std::int64_t y) {
  return m_rgb.data() + (static_cast<std::size_t>(y) * m_width + static_cast<std::size_t>(x)) * 3;
}

void RasterCanvas::Paint(std::int64_t x, std::int64_t y, Rgb colour) {
  if (m_mode == DrawMode::kCopy) {
    Copy(x, y, colour);
    return;
  }
  std::uint8_t* pixel = Address(x, y);
  pixel[0] ^= colour.red;
  pixel[1] ^= colour.green;
  pixel[2] ^= colour.blue;
}

void RasterCanvas::Copy(std::int64_t x, std::int64_t y, Rgb colour) {
  std::uint8_t* pixel = Address(x, y);
  pixel[0] = colour.red;
  pixel[1] = colour.green;
  pixel[2] = colour.blue;
}

}  // namespace kep
