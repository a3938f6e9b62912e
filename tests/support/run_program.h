#pragma once

#include <string>
#include <vector>

namespace kep::test {

struct ProgramResult {
  int exitStatus = -1;  // 128 + the signal number when the program was killed
  std::string out;
  std::string err;
};

// Runs a program with the arguments, extra environment entries ("NAME=value")
// added to this process's own, and captures what it writes and its exit status.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& extraEnvironment = {});

}  // namespace kep::test
