#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "fractal/fit_log_log.h"

namespace kep::cli {

// --method (index 0 to 10 or name, default 0), --params P1 P2 P3 (default: the
// chosen method's defaults), --fit-range XMIN XMAX (default: every point) and
// --grid-offsets G (box counting over G x G grid positions, default 1), shared by
// every command that measures.
struct MethodOptions {
  std::string method = "0";
  std::vector<std::int32_t> params;
  std::vector<double> fitRange;
  std::int32_t gridOffsets = 1;

  // Valid once the command line has been parsed. Range() throws a usage error
  // when XMIN exceeds XMAX.
  int Index() const;
  std::array<std::int32_t, 3> Params() const;
  FitRange Range() const;
};

void AddMethodOptions(CLI::App& command, MethodOptions& options);

}  // namespace kep::cli
