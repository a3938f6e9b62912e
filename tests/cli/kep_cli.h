#pragma once

#include <string>
#include <vector>

#include "support/run_program.h"

namespace kep::test {

// Runs the kep-cli program that this build made.
inline ProgramResult RunKepCli(const std::vector<std::string>& args,
                               const std::vector<std::string>& extraEnvironment = {}) {
  return RunProgram(KEP_CLI_PATH, args, extraEnvironment);
}

}  // namespace kep::test
