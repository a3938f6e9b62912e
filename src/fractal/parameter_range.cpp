#include "fractal/parameter_range.h"

#include "fractal/method_table.h"

namespace kep {

std::string ParameterName(const char* label) {
  std::string name(label);
  while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
  return name;
}

std::optional<Failure> CheckMethodParameters(std::uint32_t methodIndex,
                                             const std::array<std::int32_t, 3>& params) {
  const MethodInfo& method = kMethods[methodIndex];
  for (std::size_t i = 0; i < params.size(); ++i) {
    const ParameterInfo& parameter = method.parameters[i];
    if (!parameter.used || (params[i] >= kMinParameter && params[i] <= kMaxParameter)) continue;
    return Failure{FailureCode::kParameterOutOfRange, ParameterName(parameter.label) + " is " +
                                                          std::to_string(params[i]) + ", outside " +
                                                          std::to_string(kMinParameter) + " to " +
                                                          std::to_string(kMaxParameter)};
  }
  return std::nullopt;
}

}  // namespace kep
