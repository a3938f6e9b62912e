#include "preprocess/disc_centre_distance.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <vector>

#include "preprocess/disc_table.h"
#include "preprocess/pixel_scan.h"

namespace kep {

namespace {

constexpr std::int64_t kNone = std::numeric_limits<std::int64_t>::max() / 4;

// The disc centres, row by row: those of row y are columns[rowStart[y]] ..
// columns[rowStart[y + 1] - 1], rising. nextRow[i] is the row of the next centre
// below centre i in its column, firstRow[x] the row of the first centre of the
// column x; kNone where there is none.
struct CentreRows {
  std::vector<std::int32_t> columns;
  std::vector<std::size_t> rowStart;
  std::vector<std::int64_t> nextRow;
  std::vector<std::int64_t> firstRow;
};

CentreRows FindCentres(const ImageBuffer& image, std::uint8_t value) {
  const std::int32_t width = image.Width();
  const std::int32_t height = image.Height();
  CentreRows centres;
  centres.rowStart.resize(static_cast<std::size_t>(height) + 1);
  for (std::int32_t y = 0; y < height; ++y) {
    centres.rowStart[static_cast<std::size_t>(y)] = centres.columns.size();
    // The outermost rows and columns hold no centre.
    if (y == 0 || y == height - 1) continue;
    const std::uint8_t* above = image.PixelAddress(0, y - 1);
    const std::uint8_t* row = image.PixelAddress(0, y);
    const std::uint8_t* below = image.PixelAddress(0, y + 1);
    ForEachPixelOfValue(image, value, 1, y, width - 2, y, [&](std::int32_t x, std::int32_t) {
      if (IsDiscCentre(above, row, below, x, value)) centres.columns.push_back(x);
    });
  }
  centres.rowStart[static_cast<std::size_t>(height)] = centres.columns.size();
  centres.nextRow.resize(centres.columns.size());
  centres.firstRow.assign(static_cast<std::size_t>(width), kNone);
  for (std::int32_t y = height - 1; y >= 0; --y) {
    const auto row = static_cast<std::size_t>(y);
    for (std::size_t i = centres.rowStart[row]; i < centres.rowStart[row + 1]; ++i) {
      const auto x = static_cast<std::size_t>(centres.columns[i]);
      centres.nextRow[i] = centres.firstRow[x];
      centres.firstRow[x] = y;
    }
  }
  return centres;
}

// A column's nearest centre within reach of the current row: its vertical distance.
struct Site {
  std::int32_t x;
  std::int32_t rise;
};

// Follows the rows from the top, keeping for every column the nearest centre on
// or above the row, the nearest on or below it, and how many lie within reach;
// the columns with one within reach are the row's sites.
class ColumnSites {
 public:
  ColumnSites(const CentreRows& centres, std::int32_t width, std::int32_t height,
              std::int64_t reach)
      : m_centres(centres),
        m_height(height),
        m_reach(reach),
        m_above(static_cast<std::size_t>(width), -kNone),
        m_below(centres.firstRow),
        m_within(static_cast<std::size_t>(width), 0),
        m_active((static_cast<std::size_t>(width) + 63) / 64, 0) {}

  // Calls visit(site) for the sites of row y, columns rising. The rows must be
  // asked for in order, from row 0.
  template <typename Visit>
  void Gather(std::int32_t y, Visit visit) {
    for (; m_entered < std::min<std::int64_t>(y + m_reach, m_height - 1); ++m_entered) {
      ForEachCentre(m_entered + 1, [this](std::size_t, std::size_t x) {
        if (m_within[x]++ == 0) m_active[x / 64] |= std::uint64_t{1} << (x % 64);
      });
    }
    ForEachCentre(y - m_reach - 1, [this](std::size_t, std::size_t x) {
      if (--m_within[x] == 0) m_active[x / 64] &= ~(std::uint64_t{1} << (x % 64));
    });
    ForEachCentre(y - 1,
                  [this](std::size_t i, std::size_t x) { m_below[x] = m_centres.nextRow[i]; });
    ForEachCentre(y, [this, y](std::size_t, std::size_t x) { m_above[x] = y; });
    for (std::size_t word = 0; word < m_active.size(); ++word) {
      for (std::uint64_t bits = m_active[word]; bits != 0; bits &= bits - 1) {
        const std::size_t x = word * 64 + static_cast<std::size_t>(std::countr_zero(bits));
        visit(Site{static_cast<std::int32_t>(x),
                   static_cast<std::int32_t>(std::min(y - m_above[x], m_below[x] - y))});
      }
    }
  }

 private:
  // Calls visit(index, column) for every centre of row r (none outside the image).
  template <typename Visit>
  void ForEachCentre(std::int64_t r, Visit visit) const {
    if (r < 0 || r >= m_height) return;
    const auto row = static_cast<std::size_t>(r);
    for (std::size_t i = m_centres.rowStart[row]; i < m_centres.rowStart[row + 1]; ++i) {
      visit(i, static_cast<std::size_t>(m_centres.columns[i]));
    }
  }

  const CentreRows& m_centres;
  std::int32_t m_height;
  std::int64_t m_reach;
  std::int64_t m_entered = -1;          // the last row whose centres are counted in m_within
  std::vector<std::int64_t> m_above;    // row of the nearest centre on or above, -kNone for none
  std::vector<std::int64_t> m_below;    // row of the nearest centre on or below, kNone for none
  std::vector<std::int32_t> m_within;   // centres within reach of the row
  std::vector<std::uint64_t> m_active;  // a bit per column with m_within above 0
};

// The lower envelope of the parabolas (x - site.x)^2 + site.rise^2 over the
// sites of one row, as runs of the pixels within reach.
class RowEnvelope {
 public:
  RowEnvelope(std::int32_t width, std::int32_t height, std::int32_t reach)
      : m_width(width), m_halfWidths(DiscHalfWidths(reach, height - 1)) {}

  void Clear() {
    m_parabolas.clear();
    m_starts.clear();
  }

  // Sites must come with columns rising.
  void Add(const Site& u) {
    while (!m_parabolas.empty() &&
           At(m_starts.back(), m_parabolas.back()) > At(m_starts.back(), u)) {
      m_parabolas.pop_back();
      m_starts.pop_back();
    }
    if (m_parabolas.empty()) {
      m_parabolas.push_back(u);
      m_starts.push_back(0);
      return;
    }
    // The first x at which u lies strictly below the envelope's last parabola;
    // it lies right of that parabola's start, so the quotient is not negative.
    const Site& i = m_parabolas.back();
    const std::int64_t start = 1 + (std::int64_t{u.x} * u.x - std::int64_t{i.x} * i.x +
                                    std::int64_t{u.rise} * u.rise - std::int64_t{i.rise} * i.rise) /
                                       (2 * (std::int64_t{u.x} - i.x));
    if (start < m_width) {
      m_parabolas.push_back(u);
      m_starts.push_back(start);
    }
  }

  const std::vector<NearestCentreRun>& Runs() {
    m_runs.clear();
    for (std::size_t k = 0; k < m_parabolas.size(); ++k) {
      const Site& site = m_parabolas[k];
      const std::int64_t end = k + 1 < m_parabolas.size() ? m_starts[k + 1] : m_width;
      // The pixels of the parabola's stretch that lie within reach.
      const std::int64_t w = m_halfWidths[static_cast<std::size_t>(site.rise)];
      const std::int64_t from = std::max(m_starts[k], site.x - w);
      const std::int64_t to = std::min(end - 1, site.x + w);
      if (from <= to) {
        m_runs.push_back(
            {static_cast<std::int32_t>(from), static_cast<std::int32_t>(to), site.x, site.rise});
      }
    }
    return m_runs;
  }

 private:
  static std::uint64_t At(std::int64_t x, const Site& site) {
    return NearestCentreRun{0, 0, site.x, site.rise}.SquaredDistance(static_cast<std::int32_t>(x));
  }

  std::int32_t m_width;
  std::vector<std::int32_t> m_halfWidths;  // of the disc of the reach, by rise
  std::vector<Site> m_parabolas;
  std::vector<std::int64_t> m_starts;
  std::vector<NearestCentreRun> m_runs;
};

}  // namespace

void ForEachDiscCentreDistanceRow(const ImageBuffer& image, std::uint8_t value, std::int32_t reach,
                                  const DistanceRowVisitor& visit) {
  if (image.Width() < 1 || image.Height() < 1) return;
  reach = std::max(reach, 0);
  const CentreRows centres = FindCentres(image, value);
  ColumnSites columns(centres, image.Width(), image.Height(), reach);
  RowEnvelope envelope(image.Width(), image.Height(), reach);
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    envelope.Clear();
    columns.Gather(y, [&envelope](const Site& site) { envelope.Add(site); });
    visit(y, envelope.Runs());
  }
}

}  // namespace kep
