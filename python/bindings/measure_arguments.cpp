#include "measure_arguments.h"

#include <limits>

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

// The pre-processing values by name, each with its field of the settings.
struct PreprocessValue {
  const char* name;
  double PreprocessSettings::*number;
  std::int32_t PreprocessSettings::*integer;
  std::int32_t high;
};

constexpr PreprocessValue kPreprocessValues[] = {
    {"percent", &PreprocessSettings::brightPercent, nullptr, 0},
    {"lower", nullptr, &PreprocessSettings::lowerBrightness, kMaxBrightness},
    {"higher", nullptr, &PreprocessSettings::higherBrightness, kMaxBrightness},
    {"min_particle", nullptr, &PreprocessSettings::minParticleSize, kMaxRegionSize},
    {"min_hole", nullptr, &PreprocessSettings::minHoleSize, kMaxRegionSize},
};

std::string PreprocessNames() {
  std::string names;
  for (const PreprocessValue& value : kPreprocessValues) {
    names += (names.empty() ? "" : ", ") + std::string(value.name);
  }
  return names;
}

void SetPreprocessValue(PreprocessSettings& settings, const std::string& name, py::handle value) {
  for (const PreprocessValue& known : kPreprocessValues) {
    if (name != known.name) continue;
    if (known.number) {
      settings.*known.number = NumberArgument(name, value, 0.0, kMaxBrightPercent);
    } else {
      settings.*known.integer =
          static_cast<std::int32_t>(IntegerArgument(name, value, 0, known.high));
    }
    return;
  }
  throw py::value_error("unknown pre-processing value " + name + "; the values are " +
                        PreprocessNames());
}

}  // namespace

std::uint32_t MethodArgument(py::handle method) {
  if (py::isinstance<py::str>(method)) {
    if (const std::optional<int> index = MethodIndexFromName(method.cast<std::string>())) {
      return static_cast<std::uint32_t>(*index);
    }
    RefuseValue("method", MethodChoices(), method);
  }
  if (!IsInteger(method)) RefuseType("method", MethodChoices(), method);
  const std::optional<std::int64_t> index = IntegerValue(method);
  if (!index || *index < 0 || *index >= kMethodCount) RefuseValue("method", MethodChoices(), method);
  return static_cast<std::uint32_t>(*index);
}

std::array<std::int32_t, 3> ParamsArgument(py::handle params, std::uint32_t method) {
  std::array<std::int32_t, 3> values{};
  if (params.is_none()) return DefaultParameters(method);
  const std::string what = "None or a sequence of three integers";
  const bool sequence = py::isinstance<py::sequence>(params) && !py::isinstance<py::str>(params) &&
                        !py::isinstance<py::bytes>(params);
  if (!sequence) RefuseType("params", what, params);
  if (py::len(params) != values.size()) RefuseValue("params", what, params);
  const py::sequence items = py::reinterpret_borrow<py::sequence>(params);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = static_cast<std::int32_t>(IntegerArgument(
        "params[" + std::to_string(i) + "]", items[i], std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
  }
  return values;
}

std::int32_t ParticleArgument(py::handle particle) {
  if (!IsInteger(particle)) RefuseType("particle", "0 or 255", particle);
  const std::optional<std::int64_t> value = IntegerValue(particle);
  if (value != 0 && value != 255) RefuseValue("particle", "0 or 255", particle);
  return static_cast<std::int32_t>(*value);
}

PreprocessSettings PreprocessArgument(const py::dict& values) {
  PreprocessSettings settings;
  for (const auto& [name, value] : values) {
    if (!py::isinstance<py::str>(name)) {
      RefuseType("a pre-processing value's name", "a str", name);
    }
    SetPreprocessValue(settings, name.cast<std::string>(), value);
  }
  return settings;
}

std::optional<PreprocessSettings> OptionalPreprocessArgument(py::handle prep) {
  if (prep.is_none()) return std::nullopt;
  if (const std::optional<bool> flag = BoolValue(prep)) {
    return *flag ? std::optional(PreprocessSettings{}) : std::nullopt;
  }
  if (!py::isinstance<py::dict>(prep)) {
    RefuseType("prep", "None, True, False or a dict of pre-processing values", prep);
  }
  return PreprocessArgument(py::reinterpret_borrow<py::dict>(prep));
}

py::dict PreprocessValues(const PreprocessSettings& settings) {
  py::dict values;
  for (const PreprocessValue& value : kPreprocessValues) {
    values[value.name] = value.number ? py::object(py::float_(settings.*value.number))
                                      : py::object(py::int_(settings.*value.integer));
  }
  return values;
}

FitRange FitRangeArgument(py::handle range) {
  if (range.is_none()) return {};
  const std::string what = "None or (xmin, xmax) with xmin <= xmax";
  const bool sequence = py::isinstance<py::sequence>(range) && !py::isinstance<py::str>(range) &&
                        !py::isinstance<py::bytes>(range);
  if (!sequence) RefuseType("fit_range", what, range);
  if (py::len(range) != 2) RefuseValue("fit_range", what, range);
  const py::sequence bounds = py::reinterpret_borrow<py::sequence>(range);
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const FitRange fitRange{NumberArgument("fit_range[0]", bounds[0], -kInfinity, kInfinity),
                          NumberArgument("fit_range[1]", bounds[1], -kInfinity, kInfinity)};
  if (fitRange.low > fitRange.high) RefuseValue("fit_range", what, range);
  return fitRange;
}

MeasureSettings SettingsArgument(py::handle method, py::handle params, py::handle particle,
                                 py::handle prep, py::handle fitRange, py::handle gridOffsets) {
  MeasureSettings settings;
  settings.method = MethodArgument(method);
  settings.params = ParamsArgument(params, settings.method);
  settings.particle = ParticleArgument(particle);
  settings.preprocess = OptionalPreprocessArgument(prep);
  settings.fitRange = FitRangeArgument(fitRange);
  settings.gridOffsets =
      static_cast<std::int32_t>(IntegerArgument("grid_offsets", gridOffsets, 1, kMaxGridOffsets));
  return settings;
}

}  // namespace kep::python
