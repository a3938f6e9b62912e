#include "result_values.h"

#include <algorithm>
#include <cmath>

#include "fractal/method_table.h"

namespace kep::python {

namespace {

py::object Optional(bool present, const py::object& value) {
  return present ? value : py::none();
}

bool SameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool SameFit(const std::optional<LogLogFit>& a, const std::optional<LogLogFit>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return SameNumber(a->slope, b->slope) && SameNumber(a->intercept, b->intercept) &&
         SameNumber(a->rSquared, b->rSquared) && a->pointCount == b->pointCount &&
         SameNumber(a->stdError, b->stdError) && SameNumber(a->halfWidth95, b->halfWidth95);
}

bool SameFailure(const std::optional<Failure>& a, const std::optional<Failure>& b) {
  if (!a || !b) return a.has_value() == b.has_value();
  return a->code == b->code && a->text == b->text && a->message == b->message;
}

bool SamePoints(const PointSeries& a, const PointSeries& b) {
  if (a.Count() != b.Count()) return false;
  for (std::int32_t i = 0; i < a.Count(); ++i) {
    if (!(a[i] == b[i])) return false;
  }
  return true;
}

}  // namespace

void AddReasonClass(py::module_& module) {
  py::class_<Reason>(module, "Reason",
                     "Why a result has no dimension: code (such as 'no-particles') and text,\n"
                     "the line kep-cli prints after 'no dimension:'.")
      .def_readonly("code", &Reason::code, "The reason's code, as kep-cli --json gives it.")
      .def_readonly("text", &Reason::text, "One line that names what went wrong.")
      .def("__eq__",
           [](const Reason& a, const Reason& b) { return a.code == b.code && a.text == b.text; })
      .def("__repr__",
           [](const Reason& r) {
             return "Reason(code=" + py::repr(py::str(r.code)).cast<std::string>() +
                    ", text=" + py::repr(py::str(r.text)).cast<std::string>() + ")";
           })
      .def(py::pickle([](const Reason& r) { return py::make_tuple(r.code, r.text); },
                      [](const py::tuple& state) {
                        if (state.size() != 2)
                          throw py::value_error("not the state of a kep.Reason");
                        return Reason{state[0].cast<std::string>(), state[1].cast<std::string>()};
                      }));
}

py::object ReasonValue(const std::optional<Failure>& failure) {
  if (!failure) return py::none();
  return py::cast(Reason{std::string(FailureCodeName(failure->code)), failure->text});
}

py::array_t<std::int32_t> ArrayFromPoints(const PointSeries& points) {
  py::array_t<std::int32_t> array({static_cast<py::ssize_t>(points.Count()), py::ssize_t{2}});
  auto cells = array.mutable_unchecked<2>();
  for (std::int32_t i = 0; i < points.Count(); ++i) {
    cells(i, 0) = points[i].x;
    cells(i, 1) = points[i].y;
  }
  return array;
}

py::object DimensionValue(const MeasureResult& result) {
  return Optional(result.HasDimension(), py::float_(result.dimension));
}

py::object FitValue(const MeasureResult& result, double LogLogFit::*value) {
  return Optional(result.fit.has_value(), py::float_(result.fit ? (*result.fit).*value : 0.0));
}

py::object FitPointsValue(const MeasureResult& result) {
  return Optional(result.fit.has_value(), py::int_(result.fit ? result.fit->pointCount : 0));
}

py::object Ci95Value(const MeasureResult& result) {
  if (!result.fit) return py::none();
  return py::make_tuple(result.Ci95Low(), result.Ci95High());
}

py::array_t<double> LocalDimensionsArray(const MeasureResult& result) {
  py::array_t<double> array(static_cast<py::ssize_t>(result.localDimensions.size()));
  std::copy(result.localDimensions.begin(), result.localDimensions.end(), array.mutable_data());
  return array;
}

py::str MethodName(const MeasureSettings& settings) {
  return kMethods[settings.method].listText;
}

py::dict ResultDict(const MeasureSettings& settings, const MeasureResult& result) {
  const bool fitted = result.fit.has_value();
  py::dict values;
  values["method"] = settings.method;
  values["method_name"] = MethodName(settings);
  values["params"] = py::make_tuple(settings.params[0], settings.params[1], settings.params[2]);
  values["particle"] = settings.particle;
  values["dimension"] = DimensionValue(result);
  values["reason"] = Optional(result.failure.has_value(),
                              py::str(result.failure ? FailureCodeName(result.failure->code) : ""));
  values["slope"] = FitValue(result, &LogLogFit::slope);
  values["intercept"] = FitValue(result, &LogLogFit::intercept);
  values["r_squared"] = FitValue(result, &LogLogFit::rSquared);
  values["fit_points"] = FitPointsValue(result);
  values["std_error"] = FitValue(result, &LogLogFit::stdError);
  values["ci95_low"] = Optional(fitted, py::float_(fitted ? result.Ci95Low() : 0.0));
  values["ci95_high"] = Optional(fitted, py::float_(fitted ? result.Ci95High() : 0.0));
  values["local_dimensions"] = LocalDimensionsArray(result);
  values["points"] = ArrayFromPoints(result.points);
  values["outline_points"] = result.outlinePoints;
  values["particles"] = result.particles;
  return values;
}

bool SameResult(const MeasureResult& a, const MeasureResult& b) {
  return SamePoints(a.points, b.points) && a.outlinePoints == b.outlinePoints &&
         a.particles == b.particles && SameFit(a.fit, b.fit) &&
         SameNumber(a.dimension, b.dimension) &&
         std::equal(a.localDimensions.begin(), a.localDimensions.end(),
                    b.localDimensions.begin(), b.localDimensions.end(), SameNumber) &&
         SameFailure(a.failure, b.failure);
}

bool SameSettings(const MeasureSettings& a, const MeasureSettings& b) {
  const auto samePreprocess = [](const PreprocessSettings& x, const PreprocessSettings& y) {
    return x.brightPercent == y.brightPercent && x.lowerBrightness == y.lowerBrightness &&
           x.higherBrightness == y.higherBrightness && x.minParticleSize == y.minParticleSize &&
           x.minHoleSize == y.minHoleSize;
  };
  const bool preprocessSame = a.preprocess && b.preprocess
                                  ? samePreprocess(*a.preprocess, *b.preprocess)
                                  : a.preprocess.has_value() == b.preprocess.has_value();
  return a.method == b.method && a.params == b.params && a.particle == b.particle &&
         preprocessSame && a.fitRange.low == b.fitRange.low && a.fitRange.high == b.fitRange.high &&
         a.gridOffsets == b.gridOffsets;
}

}  // namespace kep::python
