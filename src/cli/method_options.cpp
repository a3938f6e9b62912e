#include "cli/method_options.h"

#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"

namespace kep::cli {

int MethodOptions::Index() const { return *MethodIndexFromName(method); }

std::array<std::int32_t, 3> MethodOptions::Params() const {
  std::array<std::int32_t, 3> values{};
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = params.empty() ? kMethods[Index()].parameters[i].value : params[i];
  }
  return values;
}

// The option's own check sees one number at a time; the order of the two is
// checked here, as a usage error, when the command runs.
FitRange MethodOptions::Range() const {
  if (fitRange.empty()) return {};
  if (!(fitRange[0] <= fitRange[1])) {
    throw CLI::ValidationError("--fit-range", "XMIN must not exceed XMAX");
  }
  return {fitRange[0], fitRange[1]};
}

void AddMethodOptions(CLI::App& command, MethodOptions& options) {
  const CLI::Validator knownMethod(
      [](const std::string& name) {
        return MethodIndexFromName(name) ? std::string()
                                         : "unknown method (see kep-cli methods): " + name;
      },
      "0..10|NAME");
  command.add_option("--method", options.method, "Method index 0 to 10 or name (kep-cli methods)")
      ->capture_default_str()
      ->check(knownMethod);
  command
      .add_option("--params", options.params,
                  "The method's three parameters (default: the method's defaults)")
      ->expected(3);
  command
      .add_option("--fit-range", options.fitRange,
                  "Fit only the points with XMIN <= x <= XMAX (default: every point)")
      ->expected(2)
      ->check(CLI::Number)
      ->type_name("XMIN XMAX");
  command
      .add_option("--grid-offsets", options.gridOffsets,
                  "Box counting: the smallest count over G x G grid positions")
      ->capture_default_str()
      ->check(CLI::Range(1, kMaxGridOffsets));
}

}  // namespace kep::cli
