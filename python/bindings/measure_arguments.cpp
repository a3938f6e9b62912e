#include "measure_arguments.h"

#include <limits>
#include <sstream>

#include "argument_errors.h"
#include "fractal/method_table.h"
#include "scalar_arguments.h"

namespace kep::python {

namespace {

std::string MethodChoices() {
  std::string text = "an index from 0 to " + std::to_string(kMethodCount - 1) + " or one of";
  for (const MethodInfo& method : kMethods) text += std::string(" ") + method.cliName;
  return text;
}

// One named pre-processing value, checked against its range.
void SetPreprocessValue(PreprocessSettings& settings, const std::string& name, py::handle value) {
  const auto upTo = [&](std::int32_t high) {
    return static_cast<std::int32_t>(IntegerArgument(name, value, 0, high));
  };
  if (name == "percent") {
    settings.brightPercent = NumberArgument(name, value, 0.0, kMaxBrightPercent);
  } else if (name == "lower") {
    settings.lowerBrightness = upTo(kMaxBrightness);
  } else if (name == "higher") {
    settings.higherBrightness = upTo(kMaxBrightness);
  } else if (name == "min_particle") {
    settings.minParticleSize = upTo(kMaxRegionSize);
  } else if (name == "min_hole") {
    settings.minHoleSize = upTo(kMaxRegionSize);
  } else {
    throw py::value_error("unknown pre-processing value " + name + "; the values are " +
                          PreprocessValuesText());
  }
}

}  // namespace

std::string PreprocessValuesText() {
  const PreprocessSettings defaults;
  std::ostringstream text;
  text << "percent (" << defaults.brightPercent << "), lower (" << defaults.lowerBrightness
       << "), higher (" << defaults.higherBrightness << "), min_particle ("
       << defaults.minParticleSize << "), min_hole (" << defaults.minHoleSize << ")";
  return text.str();
}

std::uint32_t MethodArgument(py::handle method) {
  if (py::isinstance<py::str>(method)) {
    if (const std::optional<int> index = MethodIndexFromName(method.cast<std::string>())) {
      return static_cast<std::uint32_t>(*index);
    }
  } else if (const std::optional<std::int64_t> index = IntegerValue(method)) {
    if (*index >= 0 && *index < kMethodCount) return static_cast<std::uint32_t>(*index);
  }
  RefuseArgument("method", MethodChoices(), method);
}

std::array<std::int32_t, 3> ParamsArgument(py::handle params, std::uint32_t method) {
  std::array<std::int32_t, 3> values{};
  if (params.is_none()) return DefaultParameters(method);
  const bool sequence = py::isinstance<py::sequence>(params) && !py::isinstance<py::str>(params) &&
                        !py::isinstance<py::bytes>(params);
  if (!sequence || py::len(params) != values.size()) {
    RefuseArgument("params", "None or a sequence of three integers", params);
  }
  const py::sequence items = py::reinterpret_borrow<py::sequence>(params);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = static_cast<std::int32_t>(IntegerArgument(
        "params[" + std::to_string(i) + "]", items[i], std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
  }
  return values;
}

std::int32_t ParticleArgument(py::handle particle) {
  const std::optional<std::int64_t> value = IntegerValue(particle);
  if (!value || (*value != 0 && *value != 255)) RefuseArgument("particle", "0 or 255", particle);
  return static_cast<std::int32_t>(*value);
}

PreprocessSettings PreprocessArgument(const py::dict& values) {
  PreprocessSettings settings;
  for (const auto& [name, value] : values) {
    if (!py::isinstance<py::str>(name)) {
      RefuseArgument("a pre-processing value's name", "a str", name);
    }
    SetPreprocessValue(settings, name.cast<std::string>(), value);
  }
  return settings;
}

std::optional<PreprocessSettings> OptionalPreprocessArgument(py::handle prep) {
  if (prep.is_none() || prep.is(py::bool_(false))) return std::nullopt;
  if (prep.is(py::bool_(true))) return PreprocessArgument(py::dict());
  if (!py::isinstance<py::dict>(prep)) {
    RefuseArgument("prep", "None, True or a dict of pre-processing values", prep);
  }
  return PreprocessArgument(py::reinterpret_borrow<py::dict>(prep));
}

MeasureSettings BatchSettingsArgument(py::handle method, py::handle params, py::handle particle,
                                      const py::dict& prep) {
  MeasureSettings settings;
  settings.method = MethodArgument(method);
  settings.params = ParamsArgument(params, settings.method);
  settings.particle = ParticleArgument(particle);
  settings.preprocess = PreprocessArgument(prep);
  return settings;
}

}  // namespace kep::python
