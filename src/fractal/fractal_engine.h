#pragma once

#include <cstdint>
#include <vector>

#include "draw/draw_context.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep {

inline constexpr double kNoDimension = -1.0;
inline constexpr const char* kLoadImageMessage = "Please Load an Image File!";

// Turns one image into one fractal dimension: copies it, replaces every particle by
// its outline, runs one of eleven measuring methods into a point series, fits
// ln y against ln x and converts the slope into the dimension.
class FractalEngine {
 public:
  // Returns the dimension or kNoDimension. `animation`, when given, is the window
  // the method draws its progress into.
  double ComputeFD(std::uint32_t methodIndex, const ImageBuffer* image, std::uint32_t objectValue,
                   std::uint32_t backgroundValue, PointSeries* resultSeries,
                   DrawContext* animation);
  bool PrepareImage(const ImageBuffer* image, std::uint32_t objectValue,
                    std::uint32_t backgroundValue);
  void FindBoundingBox();

  // The methods; each appends its points to `result`.
  void DilationMethod(DrawContext* window);
  void DistanceMapMethod(DrawContext* window);
  void BoxCounting(DrawContext* window);
  void FastMethod(DrawContext* window);
  void FastHybridMethod(DrawContext* window);
  void ParallelLinesMethod(DrawContext* window);
  void CumulativeIntersectionMethod(DrawContext* window);
  void MassRadiusLong(DrawContext* window);
  void MassRadiusShort(DrawContext* window);
  void CornerMethod(DrawContext* window, int countFlag);

  // Box counting's helpers: the object pixels of outlineImage in x0..x1, y0..y1
  // (ends included, clipped at the right and bottom edges), and one occupied box
  // filled in red on the window.
  std::int32_t CountObjectPixels(std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                 std::int32_t y1) const;
  void HighlightBox(DrawContext* window, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                    std::int32_t y1);

  // Helpers shared by the methods. An animating method calls BeginAnimation first
  // and EndAnimation when it is done (also on its early ways out).
  void BeginAnimation(DrawContext* window);
  void EndAnimation();
  void PauseSeconds(std::int64_t seconds);
  void RedrawOutlineImage();
  bool IsObject(std::uint8_t pixel) const { return pixel == static_cast<std::uint8_t>(objectValue); }
  std::int32_t ToWindowX(std::int32_t x) const;
  std::int32_t ToWindowY(std::int32_t y) const;

  PointSeries* result = nullptr;
  ImageBuffer sourceImage;
  ImageBuffer outlineImage;
  std::uint32_t objectValue = 255;
  std::uint32_t backgroundValue = 0;
  std::vector<PointSeries> outlines;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t param1 = 0;
  std::int32_t param2 = 0;
  std::int32_t param3 = 0;
  double scaleX = 1.0;
  double scaleY = 1.0;
  DrawContext* drawContext = nullptr;
};

// (x - cx)^2 + (y - cy)^2 <= r^2, computed exactly.
bool IsWithinRadius(std::int32_t x, std::int32_t y, std::int32_t r, std::int32_t cx, std::int32_t cy);
double PointDistance(const SeriesPoint& a, const SeriesPoint& b);

}  // namespace kep
