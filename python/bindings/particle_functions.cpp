// kep.particles: every particle of an image measured on its own, as the columns
// of kep-cli particles.

#include <pybind11/numpy.h>

#include <limits>
#include <optional>
#include <vector>

#include "argument_errors.h"
#include "bindings.h"
#include "image_array.h"
#include "interruptible_work.h"
#include "project/particle_measurement.h"
#include "result_values.h"
#include "workspace_pool.h"

namespace kep::python {

namespace {

using Particles = std::vector<ParticleMeasurement>;

// One column: `value` of every particle, as a numpy array of T.
template <typename T, typename Value>
py::array_t<T> Column(const Particles& particles, Value value) {
  py::array_t<T> column(static_cast<py::ssize_t>(particles.size()));
  T* cells = column.mutable_data();
  for (std::size_t i = 0; i < particles.size(); ++i) cells[i] = value(particles[i]);
  return column;
}

// A column of Python objects (not one array of their contents).
template <typename Value>
py::array ObjectColumn(const Particles& particles, Value value) {
  py::array column = py::module_::import("numpy").attr("empty")(particles.size(), "object");
  for (std::size_t i = 0; i < particles.size(); ++i) column[py::int_(i)] = value(particles[i]);
  return column;
}

// A float column of a fit's statistic: NaN for a particle without a dimension.
template <typename Value>
py::array_t<double> StatisticColumn(const Particles& particles, Value value) {
  return Column<double>(particles, [&](const ParticleMeasurement& p) {
    return p.result.fit ? value(p.result) : std::numeric_limits<double>::quiet_NaN();
  });
}

py::dict Table(const Particles& particles) {
  using P = const ParticleMeasurement&;
  using R = const MeasureResult&;
  py::dict table;
  table["particle"] = Column<std::int32_t>(particles, [](P p) { return p.number; });
  table["left"] = Column<std::int32_t>(particles, [](P p) { return p.region.left; });
  table["top"] = Column<std::int32_t>(particles, [](P p) { return p.region.top; });
  table["right"] = Column<std::int32_t>(particles, [](P p) { return p.region.right; });
  table["bottom"] = Column<std::int32_t>(particles, [](P p) { return p.region.bottom; });
  table["area"] = Column<std::int64_t>(particles, [](P p) { return p.region.area; });
  table["centroid_x"] = Column<double>(particles, [](P p) { return p.region.centroidX; });
  table["centroid_y"] = Column<double>(particles, [](P p) { return p.region.centroidY; });
  table["outline_points"] =
      Column<std::int64_t>(particles, [](P p) { return p.result.outlinePoints; });
  table["dimension"] = StatisticColumn(particles, [](R r) { return r.dimension; });
  table["reason"] = ObjectColumn(particles, [](P p) -> py::object {
    if (!p.result.failure) return py::none();
    return py::str(FailureCodeName(p.result.failure->code));
  });
  table["r_squared"] = StatisticColumn(particles, [](R r) { return r.fit->rSquared; });
  table["std_error"] = StatisticColumn(particles, [](R r) { return r.fit->stdError; });
  table["ci95_low"] = StatisticColumn(particles, [](R r) { return r.Ci95Low(); });
  table["ci95_high"] = StatisticColumn(particles, [](R r) { return r.Ci95High(); });
  // As pandas reads kep-cli's table: a count with gaps is a float column.
  table["fit_points"] = StatisticColumn(
      particles, [](R r) { return static_cast<double>(r.fit->pointCount); });
  py::list points;
  for (const ParticleMeasurement& p : particles) points.append(ArrayFromPoints(p.result.points));
  table["points"] = points;
  return table;
}

py::dict MeasureEveryParticle(py::handle array, const MeasureSettings& settings) {
  const WorkspaceLease workspace;
  CopyArrayInto(array, workspace->input);
  std::optional<Outcome<Particles>> measured;
  RunInterruptibly([&](const std::atomic<bool>* stop) {
    measured.emplace(MeasureParticles(workspace->measure, workspace->input, settings, stop));
  });
  if (!measured->Ok()) RaiseFailure(measured->Error());
  return Table(measured->Value());
}

}  // namespace

void AddParticleFunctions(py::module_& module) {
  module.def("particles", &MeasureEveryParticle, py::arg("image"), py::arg("settings"),
             "Every particle of an image array measured on its own (see kep.particles).");
}

}  // namespace kep::python
