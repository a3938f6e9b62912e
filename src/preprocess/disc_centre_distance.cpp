#include "preprocess/disc_centre_distance.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <vector>

#include "preprocess/disc_table.h"
#include "services/stop_request.h"

namespace kep {

namespace {

constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max() / 4;

// A column's nearest centre within reach of the current row: its vertical
// distance, and that squared.
struct Site {
  std::int32_t x;
  std::int32_t rise;
  std::int64_t riseSquared;
};

// Follows the rows from the top. A row is searched for disc centres when it comes
// within reach of the current row; for every column it keeps the nearest centre
// on or above the current row, the nearest on or below it, and how many lie
// within reach. The columns with one within reach are the row's sites.
class ColumnSites {
 public:
  ColumnSites(const ImageBuffer& image, std::uint8_t value, std::int64_t reach)
      : m_image(image),
        m_value(value),
        m_reach(reach),
        m_rowStart(static_cast<std::size_t>(image.Height()) + 1, 0),
        m_lastInColumn(static_cast<std::size_t>(image.Width()), kNoCentre),
        m_above(static_cast<std::size_t>(image.Width()), -kNone),
        m_below(static_cast<std::size_t>(image.Width()), kNone),
        m_within(static_cast<std::size_t>(image.Width()), 0),
        m_active((static_cast<std::size_t>(image.Width()) + 63) / 64, 0) {}

  // Calls visit(site) for the sites of row y, columns rising. The rows must be
  // asked for in order, from row 0.
  template <typename Visit>
  void Gather(std::int32_t y, Visit visit) {
    while (m_entered < std::min<std::int64_t>(y + m_reach, m_image.Height() - 1)) {
      Enter(++m_entered);
    }
    ForEachCentre(y - m_reach - 1, [this](std::size_t, std::size_t x) {
      if (--m_within[x] == 0) m_active[x / 64] &= ~(std::uint64_t{1} << (x % 64));
    });
    ForEachCentre(y - 1, [this](std::size_t i, std::size_t x) { m_below[x] = m_nextRow[i]; });
    ForEachCentre(y, [this, y](std::size_t, std::size_t x) { m_above[x] = y; });
    for (std::size_t word = 0; word < m_active.size(); ++word) {
      for (std::uint64_t bits = m_active[word]; bits != 0; bits &= bits - 1) {
        const std::size_t x = word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
        const std::int64_t rise = std::min(y - m_above[x], m_below[x] - y);
        visit(Site{static_cast<std::int32_t>(x), static_cast<std::int32_t>(rise), rise * rise});
      }
    }
  }

 private:
  static constexpr std::size_t kNoCentre = static_cast<std::size_t>(-1);

  // Finds the centres of row r (none on the outermost rows and columns), links the
  // centre above each in its column to it and counts it as within reach.
  void Enter(std::int64_t r) {
    ForEachDiscCentreOfRow(m_image, m_value, static_cast<std::int32_t>(r),
                           [&](std::int32_t column) {
                             const auto x = static_cast<std::size_t>(column);
                             if (m_lastInColumn[x] != kNoCentre) m_nextRow[m_lastInColumn[x]] = r;
                             m_lastInColumn[x] = m_columns.size();
                             m_columns.push_back(column);
                             m_nextRow.push_back(kNone);
                             m_below[x] = std::min(m_below[x], r);
                             if (m_within[x]++ == 0) {
                               m_active[x / 64] |= std::uint64_t{1} << (x % 64);
                             }
                           });
    m_rowStart[static_cast<std::size_t>(r) + 1] = m_columns.size();
  }

  // Calls visit(index, column) for every centre of row r, a row already entered
  // (none outside the image).
  template <typename Visit>
  void ForEachCentre(std::int64_t r, Visit visit) const {
    if (r < 0) return;
    const auto row = static_cast<std::size_t>(r);
    for (std::size_t i = m_rowStart[row]; i < m_rowStart[row + 1]; ++i) {
      visit(i, static_cast<std::size_t>(m_columns[i]));
    }
  }

  const ImageBuffer& m_image;
  std::uint8_t m_value;
  std::int64_t m_reach;
  std::int64_t m_entered = -1;  // the last row searched for centres
  // The centres found so far, row by row: those of row r are m_columns[m_rowStart[r]]
  // .. m_columns[m_rowStart[r + 1] - 1], columns rising; m_nextRow holds the row of
  // the next centre below each in its column, kNone while none is known.
  std::vector<std::int32_t> m_columns;
  std::vector<std::int64_t> m_nextRow;
  std::vector<std::size_t> m_rowStart;
  std::vector<std::size_t> m_lastInColumn;  // the lowest centre of each column so far
  std::vector<std::int64_t> m_above;    // row of the nearest centre on or above, -kNone for none
  std::vector<std::int64_t> m_below;    // row of the nearest centre on or below, kNone for none
  std::vector<std::int32_t> m_within;   // centres within reach of the row
  std::vector<std::uint64_t> m_active;  // a bit per column with m_within above 0
};

// The lower envelope of the parabolas (x - site.x)^2 + site.rise^2 over the
// sites of one row, as runs of the pixels within reach.
class RowEnvelope {
 public:
  // A row holds at most one site per column.
  RowEnvelope(std::int32_t width, std::int32_t height, std::int32_t reach)
      : m_width(width),
        m_halfWidths(DiscHalfWidths(reach, height - 1)),
        m_parabolas(static_cast<std::size_t>(width)),
        m_runs(static_cast<std::size_t>(width)) {}

  void Clear() { m_count = 0; }

  // Sites must come with columns rising.
  void Add(const Site& u) {
    while (m_count > 0 &&
           m_parabolas[m_count - 1].atStart > At(m_parabolas[m_count - 1].start, u)) {
      --m_count;
    }
    if (m_count == 0) {
      Push(u, 0);
      return;
    }
    // The first x at which u lies strictly below the envelope's last parabola;
    // it lies right of that parabola's start, so the quotient is not negative.
    // Neighbouring columns (the common case along an outline) need no division.
    const Site& i = m_parabolas[m_count - 1].site;
    const std::int64_t gap = std::int64_t{u.x} - i.x;
    const std::int64_t difference = gap * (std::int64_t{u.x} + i.x) + u.riseSquared - i.riseSquared;
    const std::int64_t start = 1 + (gap == 1 ? difference >> 1 : difference / (2 * gap));
    if (start < m_width) Push(u, start);
  }

  std::span<const NearestCentreRun> Runs() {
    std::size_t runs = 0;
    for (std::size_t k = 0; k < m_count; ++k) {
      const Site& site = m_parabolas[k].site;
      const std::int64_t end = k + 1 < m_count ? m_parabolas[k + 1].start : m_width;
      // The pixels of the parabola's stretch that lie within reach.
      const std::int64_t w = m_halfWidths[static_cast<std::size_t>(site.rise)];
      const std::int64_t from = std::max(m_parabolas[k].start, site.x - w);
      const std::int64_t to = std::min(end - 1, site.x + w);
      if (from <= to) {
        m_runs[runs++] = {static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), site.x,
                          site.rise};
      }
    }
    return {m_runs.data(), runs};
  }

 private:
  struct Parabola {
    Site site;
    std::int64_t start;     // where it begins to be the lowest
    std::uint64_t atStart;  // its value there
  };

  void Push(const Site& u, std::int64_t start) {
    m_parabolas[m_count++] = {u, start, At(start, u)};
  }

  // The parabola of the site at x, in 64-bit unsigned arithmetic, where a negative
  // offset squares to the same as its magnitude.
  static std::uint64_t At(std::int64_t x, const Site& site) {
    const auto dx = static_cast<std::uint64_t>(x - site.x);
    return dx * dx + static_cast<std::uint64_t>(site.riseSquared);
  }

  std::int32_t m_width;
  std::vector<std::int32_t> m_halfWidths;  // of the disc of the reach, by rise
  std::vector<Parabola> m_parabolas;       // the envelope so far: the first m_count
  std::size_t m_count = 0;
  std::vector<NearestCentreRun> m_runs;
};

}  // namespace

void ForEachDiscCentreDistanceRow(const ImageBuffer& image, std::uint8_t value, std::int32_t reach,
                                  const DistanceRowVisitor& visit) {
  if (image.Width() < 1 || image.Height() < 1) return;
  reach = std::max(reach, 0);
  ColumnSites columns(image, value, reach);
  RowEnvelope envelope(image.Width(), image.Height(), reach);
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    StopPoint();
    envelope.Clear();
    columns.Gather(y, [&envelope](const Site& site) { envelope.Add(site); });
    visit(y, envelope.Runs());
  }
}

}  // namespace kep
