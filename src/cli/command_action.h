#pragma once

#include <functional>
#include <string>

#include <CLI/CLI.hpp>

#include "failure/failure.h"

namespace kep::cli {

// Exit statuses of kep-cli.
inline constexpr int kExitSuccess = 0;
// The work could not be done (an output file could not be written).
inline constexpr int kExitFailure = 1;
// A usage error, or an input file that cannot be read.
inline constexpr int kExitUsage = 2;

// Makes the action the work of a subcommand: it runs once the whole command line
// has been parsed, and what it returns becomes the program's exit status.
void SetCommandAction(CLI::App& command, std::function<int()> action);

// Writes the one-line "PATH: reason" message on standard error.
void PrintFileError(const std::string& path, const std::string& reason);

// Writes "kep-cli: PATH: no dimension: TEXT" on standard error: why a measured
// image gave no dimension.
void PrintNoDimension(const std::string& path, const Failure& failure);

}  // namespace kep::cli
