#include "shapes/fractal_shapes.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <vector>

namespace kep::shapes {

namespace {

struct Vertex {
  double x;
  double y;
};
using Polygon = std::vector<Vertex>;

// Pixels whose centres lie inside the polygon (even-odd rule) become 255.
ImageBuffer FillPolygon(std::int32_t size, const Polygon& polygon) {
  ImageBuffer image;
  image.Create(size, size, 1);
  std::vector<std::vector<double>> crossings(static_cast<std::size_t>(size));
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vertex a = polygon[i];
    const Vertex b = polygon[(i + 1) % polygon.size()];
    const double low = std::min(a.y, b.y);
    const double high = std::max(a.y, b.y);
    const auto first = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::ceil(low - 0.5)));
    const auto last =
        std::min<std::int64_t>(size - 1, static_cast<std::int64_t>(std::ceil(high - 0.5)) - 1);
    for (std::int64_t y = first; y <= last; ++y) {
      const double cy = static_cast<double>(y) + 0.5;
      if ((a.y <= cy) == (b.y <= cy)) continue;
      crossings[static_cast<std::size_t>(y)].push_back(a.x +
                                                       (cy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
  }
  for (std::int32_t y = 0; y < size; ++y) {
    std::vector<double>& row = crossings[static_cast<std::size_t>(y)];
    std::sort(row.begin(), row.end());
    for (std::size_t i = 0; i + 1 < row.size(); i += 2) {
      const auto from =
          std::max<std::int64_t>(0, static_cast<std::int64_t>(std::ceil(row[i] - 0.5)));
      const auto to =
          std::min<std::int64_t>(size - 1, static_cast<std::int64_t>(std::floor(row[i + 1] - 0.5)));
      for (std::int64_t x = from; x <= to; ++x) {
        image.SetPixel(static_cast<std::int32_t>(x), y, 255);
      }
    }
  }
  return image;
}

// Replaces every side p -> q of the closed polygon by the generator's points
// p + a (q - p) + b n, n being the side turned a quarter turn; the generator's
// last point (q) is left to the next side.
Polygon Refine(const Polygon& polygon, const std::vector<Vertex>& generator) {
  Polygon refined;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vertex p = polygon[i];
    const Vertex q = polygon[(i + 1) % polygon.size()];
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    for (const Vertex g : generator) {
      refined.push_back({p.x + g.x * dx - g.y * dy, p.y + g.x * dy + g.y * dx});
    }
  }
  return refined;
}

double SideLength(const Polygon& polygon) {
  return std::hypot(polygon[1].x - polygon[0].x, polygon[1].y - polygon[0].y);
}

// Refines until one more step would make the sides shorter than two pixels.
Polygon RefineToPixels(Polygon polygon, const std::vector<Vertex>& generator, double shrink) {
  while (SideLength(polygon) / shrink >= 2.0) polygon = Refine(polygon, generator);
  return polygon;
}

// A uniform number in [low, high) from the generator's raw bits, the same on every
// standard library.
double Uniform(std::mt19937& random, double low, double high) {
  return low + (high - low) * (static_cast<double>(random()) / 4294967296.0);
}

}  // namespace

ImageBuffer KochSnowflake(std::int32_t size) {
  // The snowflake is 2/sqrt(3) times as high as its triangle's side; it fills 80%.
  const double side = 0.8 * size * std::numbers::sqrt3 / 2.0;
  const double c = size / 2.0;
  const double h = side * std::numbers::sqrt3 / 2.0;
  // Clockwise on the screen (y down), so that the bumps point outward.
  const Polygon triangle = {
      {c - side / 2, c + h / 3}, {c, c - 2 * h / 3}, {c + side / 2, c + h / 3}};
  const double bump = std::numbers::sqrt3 / 6.0;
  return FillPolygon(
      size, RefineToPixels(triangle, {{0, 0}, {1.0 / 3, 0}, {0.5, -bump}, {2.0 / 3, 0}}, 3.0));
}

ImageBuffer QuadraticKochIsland(std::int32_t size) {
  // The island reaches a third of its square's side beyond each side; it fills 90%.
  const double side = 0.9 * size / (5.0 / 3.0);
  const double low = (size - side) / 2.0;
  const double high = low + side;
  const Polygon square = {{low, low}, {high, low}, {high, high}, {low, high}};
  const std::vector<Vertex> generator = {{0, 0},   {0.25, 0},    {0.25, 0.25},  {0.5, 0.25},
                                         {0.5, 0}, {0.5, -0.25}, {0.75, -0.25}, {0.75, 0}};
  return FillPolygon(size, RefineToPixels(square, generator, 4.0));
}

ImageBuffer RandomParticles(std::int32_t size, std::int32_t count, std::uint32_t seed) {
  ImageBuffer image;
  image.Create(size, size, 1);
  std::mt19937 random(seed);
  const double largest = size / 50.0;
  for (std::int32_t i = 0; i < count; ++i) {
    const double cx = Uniform(random, largest * 1.5, size - largest * 1.5);
    const double cy = Uniform(random, largest * 1.5, size - largest * 1.5);
    const double radius = Uniform(random, largest * 0.15, largest);
    // The radius wobbles with the angle: four harmonics of random strength and phase.
    double amplitude[4];
    double phase[4];
    for (int k = 0; k < 4; ++k) {
      amplitude[k] = Uniform(random, 0.0, 0.12);
      phase[k] = Uniform(random, 0.0, 2.0 * std::numbers::pi);
    }
    const auto reach = static_cast<std::int32_t>(radius * 1.5) + 1;
    for (std::int32_t dy = -reach; dy <= reach; ++dy) {
      for (std::int32_t dx = -reach; dx <= reach; ++dx) {
        const double angle = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
        double edge = 1.0;
        for (int k = 0; k < 4; ++k) edge += amplitude[k] * std::cos((k + 2) * angle + phase[k]);
        if (std::hypot(dx, dy) <= radius * edge) {
          image.SetPixel(static_cast<std::int32_t>(cx) + dx, static_cast<std::int32_t>(cy) + dy,
                         255);
        }
      }
    }
  }
  return image;
}

bool WriteGreyBmp(const ImageBuffer& image, const std::string& path) {
  const std::uint32_t width = static_cast<std::uint32_t>(image.Width());
  const std::uint32_t height = static_cast<std::uint32_t>(image.Height());
  const std::uint32_t stride = (width + 3) / 4 * 4;
  const std::uint32_t offset = 14 + 40 + 256 * 4;
  std::vector<std::uint8_t> bytes;
  const auto put = [&bytes](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  bytes.push_back('B');
  bytes.push_back('M');
  put(offset + stride * height, 4);
  put(0, 4);
  put(offset, 4);
  put(40, 4);
  put(width, 4);
  put(height, 4);
  put(1, 2);
  put(8, 2);
  put(0, 4);
  put(stride * height, 4);
  put(2835, 4);
  put(2835, 4);
  put(256, 4);
  put(0, 4);
  for (std::uint32_t grey = 0; grey < 256; ++grey) put(grey * 0x010101u, 4);
  // Bottom row first.
  for (std::int32_t y = image.Height() - 1; y >= 0; --y) {
    const std::uint8_t* row = image.PixelAddress(0, y);
    bytes.insert(bytes.end(), row, row + width);
    bytes.insert(bytes.end(), stride - width, 0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace kep::shapes
