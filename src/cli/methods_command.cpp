// kep-cli methods: the eleven methods with their index, name, list text and the
// labels and defaults of their three parameters, one method a line, tab-separated.

#include <cstdio>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "fractal/method_table.h"

namespace kep::cli {
namespace {

int RunMethods() {
  for (int i = 0; i < kMethodCount; ++i) {
    const MethodInfo& method = kMethods[i];
    std::printf("%d\t%s\t%s", i, method.cliName, method.listText);
    for (const ParameterInfo& parameter : method.parameters) {
      std::printf("\t%s %d", parameter.label, parameter.value);
    }
    std::printf("\n");
  }
  return kExitSuccess;
}

}  // namespace

void AddMethodsCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "methods", "List the methods: index, name, list text, parameter labels and defaults");
  SetCommandAction(*command, [] { return RunMethods(); });
}

}  // namespace kep::cli
