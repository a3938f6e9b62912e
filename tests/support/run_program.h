#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace kep::test {

struct ProgramResult {
  int exitStatus = -1;  // 128 + the signal number when the program was killed
  std::string out;
  std::string err;
  // From the interrupt (SIGINT) to the program's end, when it was interrupted.
  double secondsAfterInterrupt = -1.0;
};

// Runs a program with the arguments in this process's environment, and captures
// what it writes and its exit status; sends it SIGINT after `interruptAfter` when
// that is given.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::optional<std::chrono::milliseconds> interruptAfter = std::nullopt);

}  // namespace kep::test
