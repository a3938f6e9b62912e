#include "cli/particle_table.h"

#include <charconv>
#include <optional>

#include "cli/result_json.h"

namespace kep::cli {

namespace {

constexpr const char* kColumns =
    "particle,left,top,right,bottom,area,centroid_x,centroid_y,outline_points,dimension,reason,"
    "r_squared,std_error,ci95_low,ci95_high,fit_points";

// The shortest text that reads back as the same double.
std::string Number(double value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string();
}

// A cell as RFC 4180 has it: quoted, quotes doubled, when it holds a comma, a
// quote or a line end.
std::string Cell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

struct Statistics {
  std::optional<double> dimension;
  std::optional<double> rSquared;
  std::optional<double> stdError;
  std::optional<double> ci95Low;
  std::optional<double> ci95High;
  std::optional<std::int32_t> fitPoints;
};

Statistics StatisticsOf(const MeasureResult& result) {
  if (!result.HasDimension()) return {};
  return {result.dimension, result.fit->rSquared, result.fit->stdError,
          result.Ci95Low(), result.Ci95High(),    result.fit->pointCount};
}

template <typename T>
std::string Optional(const std::optional<T>& value) {
  if (!value) return "";
  if constexpr (std::is_floating_point_v<T>) return Number(*value);
  return std::to_string(*value);
}

template <typename T>
nlohmann::ordered_json OptionalJson(const std::optional<T>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

}  // namespace

std::string ParticleTableHeader(bool withFile) {
  return std::string(withFile ? "file," : "") + kColumns + "\n";
}

std::string ParticleTableRows(const std::vector<ParticleMeasurement>& particles,
                              const std::string* file) {
  std::string rows;
  for (const ParticleMeasurement& p : particles) {
    const ParticleRegion& r = p.region;
    const Statistics s = StatisticsOf(p.result);
    const std::string reason =
        p.result.failure ? std::string(FailureCodeName(p.result.failure->code)) : std::string();
    if (file != nullptr) rows += Cell(*file) + ",";
    rows += std::to_string(p.number) + "," + std::to_string(r.left) + "," + std::to_string(r.top) +
            "," + std::to_string(r.right) + "," + std::to_string(r.bottom) + "," +
            std::to_string(r.area) + "," + Number(r.centroidX) + "," + Number(r.centroidY) + "," +
            std::to_string(p.result.outlinePoints) + "," + Optional(s.dimension) + "," + reason +
            "," + Optional(s.rSquared) + "," + Optional(s.stdError) + "," + Optional(s.ci95Low) +
            "," + Optional(s.ci95High) + "," + Optional(s.fitPoints) + "\n";
  }
  return rows;
}

nlohmann::ordered_json ParticleJson(const ParticleMeasurement& p) {
  const ParticleRegion& r = p.region;
  const Statistics s = StatisticsOf(p.result);
  nlohmann::ordered_json json;
  json["particle"] = p.number;
  json["left"] = r.left;
  json["top"] = r.top;
  json["right"] = r.right;
  json["bottom"] = r.bottom;
  json["area"] = r.area;
  json["centroid_x"] = r.centroidX;
  json["centroid_y"] = r.centroidY;
  json["outline_points"] = p.result.outlinePoints;
  json["dimension"] = OptionalJson(s.dimension);
  json["reason"] = ReasonJson(p.result);
  json["r_squared"] = OptionalJson(s.rSquared);
  json["std_error"] = OptionalJson(s.stdError);
  json["ci95_low"] = OptionalJson(s.ci95Low);
  json["ci95_high"] = OptionalJson(s.ci95High);
  json["fit_points"] = OptionalJson(s.fitPoints);
  json["points"] = PointsJson(p.result.points);
  return json;
}

}  // namespace kep::cli
