#include "cli/method_options.h"

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
  command.add_option("--params", options.params,
                     "The method's three parameters (default: the method's defaults)")
      ->expected(3);
}

}  // namespace kep::cli
