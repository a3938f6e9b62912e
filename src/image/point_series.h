#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kep {

struct SeriesPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const SeriesPoint&, const SeriesPoint&) = default;
};

// A growable array of integer points: a method's raw measurements, one particle
// outline, or a corner list. Capacity grows by a fixed rule (see SetSize) so that
// the number of reallocations is predictable.
class PointSeries {
 public:
  PointSeries() = default;
  PointSeries(const PointSeries& other);
  PointSeries& operator=(const PointSeries& other);
  PointSeries(PointSeries&&) noexcept = default;
  PointSeries& operator=(PointSeries&&) noexcept = default;

  // A growStep other than -1 replaces the stored growth step first.
  void SetSize(std::int32_t newCount, std::int32_t growStep = -1);
  void Append(SeriesPoint point);
  void Append(std::int32_t x, std::int32_t y) { Append(SeriesPoint{x, y}); }

  std::int32_t Count() const { return m_count; }
  std::int32_t Capacity() const { return static_cast<std::int32_t>(m_points.size()); }
  std::int32_t GrowStep() const { return m_growStep; }
  const SeriesPoint& operator[](std::int32_t i) const { return m_points[static_cast<std::size_t>(i)]; }
  SeriesPoint& operator[](std::int32_t i) { return m_points[static_cast<std::size_t>(i)]; }
  const SeriesPoint* Data() const { return m_points.data(); }
  SeriesPoint* Data() { return m_points.data(); }
  const SeriesPoint* begin() const { return m_points.data(); }
  const SeriesPoint* end() const { return m_points.data() + m_count; }

  // The archive form: the count (16 bits, or 0xFFFF and 32 bits), then x and y of
  // each point as little-endian 32-bit integers.
  std::vector<std::uint8_t> Serialize() const;
  // Reads the archive form; false (series unchanged) when the bytes are too few.
  bool Deserialize(const std::uint8_t* data, std::size_t size);

 private:
  // Storage holds exactly the capacity; only the first m_count points are in use.
  std::vector<SeriesPoint> m_points;
  std::int32_t m_count = 0;
  std::int32_t m_growStep = 0;
};

}  // namespace kep
