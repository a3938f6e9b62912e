#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "draw/draw_context.h"
#include "failure/failure.h"
#include "fractal/fit_log_log.h"
#include "fractal/measure_result.h"
#include "image/image_buffer.h"
#include "image/point_series.h"
#include "preprocess/particle_regions.h"

namespace kep {

inline constexpr const char* kLoadImageMessage = "Please Load an Image File!";

// Turns one image into one fractal dimension: copies it, replaces every particle by
// its outline, runs one of the methods of the method table into a point series,
// fits ln y against ln x and converts the slope into the dimension. The prepared
// outline data below is what the methods read; the engine keeps its working images
// and outlines from call to call.
class FractalEngine {
 public:
  // Measures the image with the method of the table at `methodIndex` and the
  // parameters param1 to param3. `animation`, when given, is the window the method
  // draws its steps into.
  MeasureResult ComputeFD(std::uint32_t methodIndex, const ImageBuffer& image,
                          std::uint32_t objectValue, std::uint32_t backgroundValue,
                          DrawContext* animation);
  // The steps of ComputeFD after the preparation: runs the method on the outline
  // image, the outlines and the grey values as they stand (a particle on its own
  // is measured by setting them), and fits its points.
  MeasureResult MeasurePrepared(std::uint32_t methodIndex, DrawContext* animation);
  // Copies the image into sourceImage and outlineImage and replaces every particle
  // of outlineImage by its outline; the outlines and the particles' regions are
  // kept in the order of their first pixels in a row-by-row scan.
  std::optional<Failure> PrepareImage(const ImageBuffer& image, std::uint32_t objectValue,
                                      std::uint32_t backgroundValue);
  // The bounding box of the object pixels of outlineImage; an empty box
  // (right < left, bottom < top) when there are none.
  void FindBoundingBox();

  bool IsObject(std::uint8_t pixel) const {
    return pixel == static_cast<std::uint8_t>(objectValue);
  }
  // The sum of the outlines' point counts.
  std::int64_t OutlinePointCount() const;

  ImageBuffer sourceImage;
  ImageBuffer outlineImage;
  std::uint32_t objectValue = 255;
  std::uint32_t backgroundValue = 0;
  std::vector<PointSeries> outlines;
  // The particle each outline bounds: its pixel count, centroid and bounding box.
  std::vector<ParticleRegion> regions;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t param1 = 0;
  std::int32_t param2 = 0;
  std::int32_t param3 = 0;
  // The x values whose points enter the fit.
  FitRange fitRange;
  // The grid positions per axis over which box counting takes its smallest count.
  std::int32_t gridOffsets = 1;
  // Where the measured image's top-left pixel lies in the picture it was cut from
  // (a particle measured on its own): the particle centres of the
  // cumulative-intersection method are worked out in the picture's coordinates.
  SeriesPoint origin{0, 0};
};

// The most grid positions per axis that box counting takes.
inline constexpr std::int32_t kMaxGridOffsets = 16;

// (x - cx)^2 + (y - cy)^2 <= r^2, computed exactly.
bool IsWithinRadius(std::int32_t x, std::int32_t y, std::int32_t r, std::int32_t cx,
                    std::int32_t cy);
double PointDistance(const SeriesPoint& a, const SeriesPoint& b);

}  // namespace kep
