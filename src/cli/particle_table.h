#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fractal/measure_result.h"

namespace kep::cli {

// The particle table as comma-separated text: a line of the column titles, then
// one line per particle with its cells (see ParticleCells). A table of many
// files has the file's path as given in a first column.
std::string ParticleTableHeader(bool withFile);
std::string ParticleTableRows(const std::vector<ParticleMeasurement>& particles,
                              const std::string* file = nullptr);

// One particle as a JSON object: the table's columns, the reason as
// {"code": ..., "text": ...}, and its points.
nlohmann::ordered_json ParticleJson(const ParticleMeasurement& particle);

}  // namespace kep::cli
