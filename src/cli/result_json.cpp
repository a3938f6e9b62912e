#include "cli/result_json.h"

#include <iostream>

namespace kep::cli {

nlohmann::ordered_json PointsJson(const PointSeries& points) {
  nlohmann::ordered_json json = nlohmann::ordered_json::array();
  for (const SeriesPoint& point : points) json.push_back({point.x, point.y});
  return json;
}

nlohmann::ordered_json ReasonJson(const MeasureResult& result) {
  if (!result.failure) return nullptr;
  nlohmann::ordered_json reason;
  reason["code"] = std::string(FailureCodeName(result.failure->code));
  reason["text"] = result.failure->text;
  return reason;
}

void PrintJson(const nlohmann::ordered_json& json) {
  std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace kep::cli
