#include "result_classes.h"

#include <pybind11/numpy.h>

#include "project/batch_run.h"
#include "result_state.h"
#include "result_values.h"
#include "scalar_arguments.h"

namespace kep::python {

namespace {

// The attributes that both kinds of result have.
template <typename Result>
void AddResultProperties(py::class_<Result>& cls) {
  using R = const Result&;
  cls.def_property_readonly(
         "method", [](R r) { return r.settings.method; }, "The method's index, 0 to 10.")
      .def_property_readonly(
          "method_name", [](R r) { return MethodName(r.settings); },
          "The method's name, as kep-cli measure --json and kep.methods()' label give it.")
      .def_property_readonly(
          "params", [](R r) { return py::make_tuple(r.settings.params[0], r.settings.params[1],
                                                    r.settings.params[2]); },
          "The method's three parameters.")
      .def_property_readonly(
          "particle", [](R r) { return r.settings.particle; },
          "The particles' grey value, 0 or 255.")
      .def_property_readonly(
          "dimension", [](R r) { return DimensionValue(r.result); },
          "The fractal dimension; None when there is none, and reason says why.")
      .def_property_readonly(
          "reason", [](R r) { return ReasonValue(r.result.failure); },
          "Why there is no dimension, a kep.Reason; None with a dimension.")
      .def_property_readonly(
          "slope", [](R r) { return FitValue(r.result, &LogLogFit::slope); },
          "The slope of the line ln y = slope * ln x + intercept fitted through the\n"
          "points; None without a dimension.")
      .def_property_readonly(
          "intercept", [](R r) { return FitValue(r.result, &LogLogFit::intercept); },
          "The fitted line's intercept; None without a dimension.")
      .def_property_readonly(
          "r_squared", [](R r) { return FitValue(r.result, &LogLogFit::rSquared); },
          "1 - residual / total sum of squares of ln y; None without a dimension.")
      .def_property_readonly(
          "fit_points", [](R r) { return FitPointsValue(r.result); },
          "The number of points the line was fitted through (n); None without a\n"
          "dimension.")
      .def_property_readonly(
          "std_error", [](R r) { return FitValue(r.result, &LogLogFit::stdError); },
          "The standard error of the slope; None without a dimension.")
      .def_property_readonly(
          "ci95", [](R r) { return Ci95Value(r.result); },
          "The dimension's 95 % confidence interval (low, high), from Student's t\n"
          "with n - 2 degrees of freedom; None without a dimension.")
      .def_property_readonly(
          "local_dimensions", [](R r) { return LocalDimensionsArray(r.result); },
          "The dimension that the slope between each two consecutive fitted points\n"
          "gives, a float64 array (NaN where the two share their x); empty when\n"
          "fewer than two points were fitted.")
      .def_property_readonly(
          "points", [](R r) { return ArrayFromPoints(r.result.points); },
          "The method's points (x, y), an (n, 2) int32 array: all of them, also\n"
          "those outside fit_range.")
      .def_property_readonly(
          "outline_points", [](R r) { return r.result.outlinePoints; },
          "The number of points of the particles' outlines.")
      .def_property_readonly(
          "particles", [](R r) { return r.result.particles; }, "The number of particles.");
}

std::string Repr(py::handle value) { return py::repr(value).cast<std::string>(); }

// "method_name='Dilation', dimension=1.5085..., ci95=(...), fit_points=19" or
// "..., reason='no-particles'".
std::string ResultText(const MeasureSettings& settings, const MeasureResult& result) {
  std::string text = "method_name=" + Repr(MethodName(settings)) +
                     ", dimension=" + Repr(DimensionValue(result));
  if (result.failure) return text + ", reason=" + Repr(py::str(FailureCodeName(result.failure->code)));
  return text + ", ci95=" + Repr(Ci95Value(result)) + ", fit_points=" +
         Repr(FitPointsValue(result));
}

py::object Skipped(const FileResult& file) {
  if (!SkipsReport(file.result)) return py::none();
  return py::str(file.result.failure->text);
}

py::list Messages(const FileResult& file) {
  py::list messages;
  if (file.result.failure && !file.result.failure->message.empty()) {
    messages.append(py::str(file.result.failure->message));
  }
  return messages;
}

bool SameOutline(const py::object& a, const py::object& b) {
  if (a.is_none() || b.is_none()) return a.is_none() && b.is_none();
  return py::module_::import("numpy").attr("array_equal")(a, b).cast<bool>();
}

void AddMeasurementClass(py::module_& module) {
  py::class_<Measurement> cls(module, "Measurement",
                              "One measurement of an image, as kep.measure returns it: the method\n"
                              "and values it was made with, the dimension with the fit it came\n"
                              "from (or the reason there is none), the points and the picture\n"
                              "the method measured.");
  cls.def("__eq__", [](const Measurement& a, const Measurement& b) {
    return SameSettings(a.settings, b.settings) && SameResult(a.result, b.result) &&
           SameOutline(a.outline, b.outline);
  }, py::is_operator());
  AddResultProperties(cls);
  cls.def_readonly("outline", &Measurement::outline,
                   "The picture the method measured, a uint8 array: the outline image (the\n"
                   "distance map for edm); None when measured with keep_outline=False.")
      .def(
          "as_dict",
          [](const Measurement& m) {
            py::dict values = ResultDict(m.settings, m.result);
            values["outline"] = m.outline;
            return values;
          },
          "The attributes as one flat dict: reason as its code, ci95 as ci95_low and\n"
          "ci95_high, the names of kep-cli particles' columns.")
      .def("__repr__",
           [](const Measurement& m) {
             return "Measurement(" + ResultText(m.settings, m.result) + ")";
           })
      .def(py::pickle(
          [](const Measurement& m) {
            return py::make_tuple(SettingsState(m.settings), ResultState(m.result), m.outline);
          },
          [](const py::tuple& state) {
            const bool outline = state.size() == 3 && (state[2].is_none() ||
                                                        py::isinstance<py::array>(state[2]));
            if (!outline) throw py::value_error("not the state of a kep.Measurement");
            return Measurement{SettingsFromState(state[0]), ResultFromState(state[1]), state[2]};
          }));
}

void AddFileResultClass(py::module_& module) {
  py::class_<FileResult> cls(module, "FileResult",
                             "One file of a batch: the file, and all that a kep.Measurement says\n"
                             "but the picture, with skipped and messages.");
  cls.def("__eq__", [](const FileResult& a, const FileResult& b) {
    return a.path == b.path && SameSettings(a.settings, b.settings) &&
           SameResult(a.result, b.result);
  }, py::is_operator());
  cls.def_property_readonly(
      "file", [](const FileResult& r) { return PathText(r.path); }, "The file's path, as given.");
  AddResultProperties(cls);
  cls.def_property_readonly("skipped", &Skipped,
                            "Why the file got no line in the report (it could not be read,\n"
                            "or did not fit in memory); None for a file that got one.")
      .def_property_readonly("messages", &Messages,
                             "The system's messages for the file, as kep-cli batch prints them.")
      .def(
          "as_dict",
          [](const FileResult& r) {
            py::dict values;
            values["file"] = PathText(r.path);
            for (const auto& [name, value] : ResultDict(r.settings, r.result)) values[name] = value;
            values["skipped"] = Skipped(r);
            values["messages"] = Messages(r);
            return values;
          },
          "The attributes as one flat dict, as Measurement.as_dict: one row of\n"
          "kep.batch(..., as_frame=True).")
      .def("__repr__",
           [](const FileResult& r) {
             return "FileResult(file=" + Repr(PathText(r.path)) + ", " +
                    ResultText(r.settings, r.result) + ")";
           })
      .def(py::pickle(
          [](const FileResult& r) {
            return py::make_tuple(py::bytes(r.path), SettingsState(r.settings),
                                  ResultState(r.result));
          },
          [](const py::tuple& state) {
            if (state.size() != 3) throw py::value_error("not the state of a kep.FileResult");
            return FileResult{state[0].cast<std::string>(), SettingsFromState(state[1]),
                              ResultFromState(state[2])};
          }));
}

}  // namespace

void AddResultClasses(py::module_& module) {
  AddReasonClass(module);
  AddMeasurementClass(module);
  AddFileResultClass(module);
  py::class_<MeasureSettings>(module, "MeasureSettings",
                              "The method and values of a measurement, checked, as kep.dask\n"
                              "hands them to the workers.")
      .def(py::pickle(&SettingsState,
                      [](const py::tuple& state) { return SettingsFromState(state); }));
  // The classes belong to the package that shows them.
  for (const char* name : {"Reason", "Measurement", "FileResult"}) {
    module.attr(name).attr("__module__") = "kep";
  }
}

}  // namespace kep::python
