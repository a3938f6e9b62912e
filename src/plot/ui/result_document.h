#pragma once

#include <cstdint>
#include <optional>

#include <wx/string.h>

#include "image/point_series.h"

namespace kep {

// The 95 % confidence interval of a dimension, and the number of points it was
// fitted through.
struct DimensionInterval {
  double low = 0.0;
  double high = 0.0;
  std::int32_t points = 0;
};

// What the result form shows of its document: the last measurement, and four
// texts for a theoretical dimension and a percentage error.
class ResultDocument {
 public:
  virtual ~ResultDocument() = default;

  // The method index of the last choice, the dimension (-1.0 when there is none)
  // and the points it was fitted from.
  virtual std::int32_t ResultMethod() const = 0;
  virtual double ResultDimension() const = 0;
  virtual const PointSeries& ResultSeries() const = 0;
  // The interval of the dimension; none without a dimension.
  virtual std::optional<DimensionInterval> ResultInterval() const = 0;

  virtual const wxString& ErrorValueText() const = 0;
  virtual const wxString& ErrorLabelText() const = 0;
  virtual const wxString& TheoryValueText() const = 0;
  virtual const wxString& TheoryLabelText() const = 0;
};

}  // namespace kep
