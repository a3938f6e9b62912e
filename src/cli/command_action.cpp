#include "cli/command_action.h"

#include <cstdio>

namespace kep::cli {

void SetCommandAction(CLI::App& command, std::function<int()> action) {
  // A non-zero status travels to main as the argument library's "runtime error",
  // which carries an exit status and prints nothing itself.
  command.callback([action = std::move(action)] {
    const int status = action();
    if (status != kExitSuccess) throw CLI::RuntimeError(status);
  });
}

void PrintFileError(const std::string& path, const std::string& reason) {
  std::fprintf(stderr, "%s: %s\n", path.c_str(), reason.c_str());
}

void PrintNoDimension(const std::string& path, const Failure& failure) {
  std::fprintf(stderr, "kep-cli: %s: no dimension: %s\n", path.c_str(), failure.text.c_str());
}

}  // namespace kep::cli
