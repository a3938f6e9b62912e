#include "result_state.h"

#include <pybind11/stl.h>

#include <cstring>
#include <string>
#include <vector>

#include "measure_arguments.h"

namespace kep::python {

namespace {

[[noreturn]] void RefuseState() { throw py::value_error("not the state of a kep result"); }

py::tuple Items(py::handle state, std::size_t count) {
  if (!py::isinstance<py::tuple>(state) || py::len(state) != count) RefuseState();
  return py::reinterpret_borrow<py::tuple>(state);
}

py::bytes Bytes(const void* data, std::size_t size) {
  return py::bytes(static_cast<const char*>(data), size);
}

py::object FitState(const std::optional<LogLogFit>& fit) {
  if (!fit) return py::none();
  return py::make_tuple(fit->slope, fit->intercept, fit->rSquared, fit->pointCount, fit->stdError,
                        fit->halfWidth95);
}

std::optional<LogLogFit> FitFromState(py::handle state) {
  if (state.is_none()) return std::nullopt;
  const py::tuple v = Items(state, 6);
  return LogLogFit{v[0].cast<double>(),       v[1].cast<double>(), v[2].cast<double>(),
                   v[3].cast<std::int32_t>(), v[4].cast<double>(), v[5].cast<double>()};
}

py::object FailureState(const std::optional<Failure>& failure) {
  if (!failure) return py::none();
  return py::make_tuple(static_cast<int>(failure->code), py::bytes(failure->text),
                        py::bytes(failure->message));
}

std::optional<Failure> FailureFromState(py::handle state) {
  if (state.is_none()) return std::nullopt;
  const py::tuple v = Items(state, 3);
  const int code = v[0].cast<int>();
  if (code < 0 || code > static_cast<int>(FailureCode::kOutOfMemory)) RefuseState();
  return Failure{static_cast<FailureCode>(code), v[1].cast<std::string>(),
                 v[2].cast<std::string>()};
}

}  // namespace

py::tuple SettingsState(const MeasureSettings& settings) {
  const py::object prep =
      settings.preprocess ? py::object(PreprocessValues(*settings.preprocess)) : py::none();
  return py::make_tuple(settings.method, settings.params, settings.particle, prep,
                        py::make_tuple(settings.fitRange.low, settings.fitRange.high),
                        settings.gridOffsets);
}

MeasureSettings SettingsFromState(py::handle state) {
  const py::tuple v = Items(state, 6);
  return SettingsArgument(v[0], v[1], v[2], v[3], v[4], v[5]);
}

py::tuple ResultState(const MeasureResult& result) {
  const std::vector<std::uint8_t> points = result.points.Serialize();
  const std::vector<double>& local = result.localDimensions;
  return py::make_tuple(Bytes(points.data(), points.size()), result.outlinePoints,
                        result.particles, FitState(result.fit), result.dimension,
                        Bytes(local.data(), local.size() * sizeof(double)),
                        FailureState(result.failure));
}

MeasureResult ResultFromState(py::handle state) {
  const py::tuple v = Items(state, 7);
  MeasureResult result;
  const std::string points = v[0].cast<std::string>();
  if (!result.points.Deserialize(reinterpret_cast<const std::uint8_t*>(points.data()),
                                 points.size())) {
    RefuseState();
  }
  result.outlinePoints = v[1].cast<std::int64_t>();
  result.particles = v[2].cast<std::size_t>();
  result.fit = FitFromState(v[3]);
  result.dimension = v[4].cast<double>();
  const std::string local = v[5].cast<std::string>();
  if (local.size() % sizeof(double) != 0) RefuseState();
  result.localDimensions.resize(local.size() / sizeof(double));
  std::memcpy(result.localDimensions.data(), local.data(), local.size());
  result.failure = FailureFromState(v[6]);
  // A dimension and a fit come together, or a failure alone.
  if (result.fit.has_value() == result.failure.has_value()) RefuseState();
  return result;
}

}  // namespace kep::python
