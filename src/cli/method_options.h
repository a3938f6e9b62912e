#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace kep::cli {

// --method (index 0 to 10 or name, default 0) and --params P1 P2 P3 (default: the
// chosen method's defaults), shared by every command that measures.
struct MethodOptions {
  std::string method = "0";
  std::vector<std::int32_t> params;

  // Valid once the command line has been parsed.
  int Index() const;
  std::array<std::int32_t, 3> Params() const;
};

void AddMethodOptions(CLI::App& command, MethodOptions& options);

}  // namespace kep::cli
