#include "result_values.h"

namespace kep::python {

void AddReasonClass(py::module_& module) {
  py::class_<Reason>(module, "Reason",
                     "Why a result has no dimension: code (such as 'no-particles') and text,\n"
                     "the line kep-cli prints after 'no dimension:'.")
      .def_readonly("code", &Reason::code)
      .def_readonly("text", &Reason::text)
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

}  // namespace kep::python
