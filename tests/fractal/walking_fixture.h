#pragma once

// An engine holding outlines directly, as the preparation would leave them, and a
// canvas that keeps a picture at every flush, for the walking methods' tests.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "draw/raster_canvas.h"
#include "fractal/fractal_engine.h"
#include "picture_engine.h"
#include "services/clock.h"
#include "support/fake_services.h"

namespace kep::test {

inline PointSeries Outline(std::initializer_list<SeriesPoint> points) {
  PointSeries outline;
  for (const SeriesPoint& point : points) outline.Append(point);
  return outline;
}

// A horizontal run of n pixels from (x0, y).
inline PointSeries PixelRow(std::int32_t x0, std::int32_t y, std::int32_t n) {
  PointSeries outline;
  for (std::int32_t i = 0; i < n; ++i) outline.Append(x0 + i, y);
  return outline;
}

// The 12 boundary pixels of a 4 x 4 square whose top-left pixel is (x0, y0),
// counter-clockwise on the screen from the top-left pixel: along the top row, down
// the right column, back along the bottom row and up the left column.
inline PointSeries SquareRing(std::int32_t x0, std::int32_t y0) {
  PointSeries ring;
  const SeriesPoint corners[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2},
                                 {3, 3}, {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}};
  for (const SeriesPoint& p : corners) ring.Append(x0 + p.x, y0 + p.y);
  return ring;
}

// The pixels within `radius` of the centre, the centre itself left out, row by row.
inline std::vector<SeriesPoint> DiscAround(SeriesPoint centre, std::int32_t radius) {
  std::vector<SeriesPoint> disc;
  for (std::int32_t dy = -radius; dy <= radius; ++dy) {
    for (std::int32_t dx = -radius; dx <= radius; ++dx) {
      if ((dx != 0 || dy != 0) && dx * dx + dy * dy <= radius * radius)
        disc.push_back({centre.x + dx, centre.y + dy});
    }
  }
  return disc;
}

inline std::vector<SeriesPoint> PointsOf(const PointSeries& series) {
  return std::vector<SeriesPoint>(series.begin(), series.end());
}

inline std::vector<std::int32_t> XValues(const PointSeries& series) {
  std::vector<std::int32_t> xs;
  for (const SeriesPoint& p : series) xs.push_back(p.x);
  return xs;
}

// The engine after a preparation that found these outlines: the outline image
// (width x height, object value 255) holds their pixels.
struct PreparedEngine : EngineRun {
  explicit PreparedEngine(std::vector<PointSeries> found, std::int32_t width = 32,
                          std::int32_t height = 32) {
    engine.outlines = std::move(found);
    engine.objectValue = 255;
    engine.backgroundValue = 0;
    engine.outlineImage.Create(width, height, 1);
    for (const PointSeries& outline : engine.outlines) {
      for (const SeriesPoint& p : outline) engine.outlineImage.SetPixel(p.x, p.y, 255);
    }
  }
};

// A window of the outline image's size (so image and window pixels coincide)
// that keeps a copy of its picture at every flush.
class FlushRecordingWindow final : public DrawContext {
 public:
  using Picture = std::vector<std::uint8_t>;

  FlushRecordingWindow(std::int32_t width, std::int32_t height, Rgb background)
      : m_canvas(width, height, background), m_blank(Snapshot()) {}

  Rect ClientRect() const override { return m_canvas.ClientRect(); }
  Rgb SelectPen(Rgb colour) override { return m_canvas.SelectPen(colour); }
  DrawMode SetDrawMode(DrawMode mode) override { return m_canvas.SetDrawMode(mode); }
  void MoveTo(std::int32_t x, std::int32_t y) override { m_canvas.MoveTo(x, y); }
  void LineTo(std::int32_t x, std::int32_t y) override { m_canvas.LineTo(x, y); }
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override {
    m_canvas.SetPixel(x, y, colour);
  }
  void FillRect(const Rect& rect, Rgb colour) override { m_canvas.FillRect(rect, colour); }
  void DrawText(std::int32_t x, std::int32_t y, const std::string& text) override {
    m_canvas.DrawText(x, y, text);
  }
  void StretchGrey(const Rect& dest, const std::uint8_t* pixels, std::int32_t width,
                   std::int32_t height, std::int32_t stride, const Rect& source) override {
    m_canvas.StretchGrey(dest, pixels, width, height, stride, source);
  }
  void Flush() override { flushes.push_back(Snapshot()); }

  bool IsBlank() const { return Snapshot() == m_blank; }
  // The pixels of a kept picture that have the colour.
  std::vector<SeriesPoint> PixelsOf(const Picture& picture, Rgb colour) const {
    std::vector<SeriesPoint> found;
    for (std::int32_t y = 0; y < m_canvas.Height(); ++y) {
      for (std::int32_t x = 0; x < m_canvas.Width(); ++x) {
        const std::size_t at = static_cast<std::size_t>(y) * m_canvas.Stride() + 3 * x;
        if (Rgb{picture[at], picture[at + 1], picture[at + 2]} == colour) found.push_back({x, y});
      }
    }
    return found;
  }

  std::vector<Picture> flushes;

 private:
  Picture Snapshot() const {
    return Picture(m_canvas.Data(), m_canvas.Data() + m_canvas.Stride() * m_canvas.Height());
  }

  RasterCanvas m_canvas;
  Picture m_blank;
};

// A clock that moves on at every reading, installed while the test runs, so that
// no pause waits.
struct FastClock {
  SteppingClock clock;
  ScopedClock installed{clock};
};

}  // namespace kep::test
