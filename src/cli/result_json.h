#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "fractal/measure_result.h"
#include "image/point_series.h"

namespace kep::cli {

// The points as [[x, y], ...].
nlohmann::ordered_json PointsJson(const PointSeries& points);

// {"code": ..., "text": ...} of a result without a dimension; null with one.
nlohmann::ordered_json ReasonJson(const MeasureResult& result);

// The JSON text on standard output; a path that is not valid UTF-8 is written
// with replacement characters.
void PrintJson(const nlohmann::ordered_json& json);

}  // namespace kep::cli
