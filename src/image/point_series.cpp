#include "image/point_series.h"

#include <algorithm>
#include <utility>

#include "image/byte_order.h"

namespace kep {

PointSeries::PointSeries(const PointSeries& other) : m_growStep(other.m_growStep) {
  SetSize(other.m_count);
  std::copy(other.begin(), other.end(), m_points.begin());
}

PointSeries& PointSeries::operator=(const PointSeries& other) {
  if (this != &other) {
    PointSeries copy(other);
    *this = std::move(copy);
  }
  return *this;
}

void PointSeries::SetSize(std::int32_t newCount, std::int32_t growStep) {
  if (growStep != -1) m_growStep = growStep;
  newCount = std::max(newCount, 0);
  if (newCount == 0) {
    std::vector<SeriesPoint>().swap(m_points);
    m_count = 0;
    return;
  }
  const std::int32_t capacity = Capacity();
  if (capacity == 0) {
    m_points.assign(static_cast<std::size_t>(newCount), SeriesPoint{});
  } else if (newCount <= capacity) {
    std::fill(m_points.begin() + std::min(m_count, newCount), m_points.begin() + newCount,
              SeriesPoint{});
  } else {
    std::int32_t step = m_growStep;
    if (step == 0) step = std::clamp(m_count / 8, 4, 1024);
    const std::int64_t grown = static_cast<std::int64_t>(capacity) + step;
    const std::size_t newCapacity =
        static_cast<std::size_t>(std::max<std::int64_t>(newCount, grown));
    // Built aside first: if memory runs out the series keeps its storage and count.
    std::vector<SeriesPoint> larger(newCapacity, SeriesPoint{});
    std::copy(m_points.begin(), m_points.begin() + m_count, larger.begin());
    m_points.swap(larger);
  }
  m_count = newCount;
}

void PointSeries::Append(SeriesPoint point) {
  SetSize(m_count + 1, -1);
  m_points[static_cast<std::size_t>(m_count - 1)] = point;
}

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> PointSeries::Serialize() const {
  std::vector<std::uint8_t> out;
  const auto count = static_cast<std::uint32_t>(m_count);
  if (count < 0xFFFF) {
    PutLittleEndian(out, count, 2);
  } else {
    PutLittleEndian(out, 0xFFFF, 2);
    PutLittleEndian(out, count, 4);
  }
  for (const SeriesPoint& p : *this) {
    PutLittleEndian(out, static_cast<std::uint32_t>(p.x), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(p.y), 4);
  }
  return out;
}

bool PointSeries::Deserialize(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return false;
  std::size_t pos = 2;
  std::uint32_t count = LittleEndianValue(data, 2);
  if (count == 0xFFFF) {
    if (size < 6) return false;
    count = LittleEndianValue(data + 2, 4);
    pos = 6;
  }
  if (count > 0x7FFFFFFFu || (size - pos) / 8 < count) return false;
  if (count == 0) {
    SetSize(0, -1);
    return true;
  }
  SetSize(static_cast<std::int32_t>(count), -1);
  for (std::uint32_t i = 0; i < count; ++i, pos += 8) {
    m_points[i] = SeriesPoint{static_cast<std::int32_t>(LittleEndianValue(data + pos, 4)),
                              static_cast<std::int32_t>(LittleEndianValue(data + pos + 4, 4))};
  }
  return true;
}

}  // namespace kep
