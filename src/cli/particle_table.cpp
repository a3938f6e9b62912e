#include "cli/particle_table.h"

#include <optional>

#include "cli/result_json.h"
#include "project/particle_columns.h"

namespace kep::cli {

namespace {

// A cell as RFC 4180 has it: quoted, quotes doubled, when it holds a comma, a
// quote or a line end.
std::string Cell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

template <typename T>
nlohmann::ordered_json OptionalJson(const std::optional<T>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

}  // namespace

std::string ParticleTableHeader(bool withFile) {
  std::string header = withFile ? "file" : "";
  for (const char* column : kParticleColumns) {
    if (!header.empty()) header += ",";
    header += column;
  }
  return header + "\n";
}

std::string ParticleTableRows(const std::vector<ParticleMeasurement>& particles,
                              const std::string* file) {
  std::string rows;
  for (const ParticleMeasurement& particle : particles) {
    std::string row = file != nullptr ? Cell(*file) + "," : std::string();
    for (const std::string& cell : ParticleCells(particle)) row += cell + ",";
    row.back() = '\n';
    rows += row;
  }
  return rows;
}

nlohmann::ordered_json ParticleJson(const ParticleMeasurement& p) {
  const ParticleRegion& r = p.region;
  const ParticleStatistics s = StatisticsOf(p.result);
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
