#pragma once

#include <cstdint>
#include <vector>

#include <CLI/CLI.hpp>

#include "preprocess/preprocess_sequence.h"

namespace kep::cli {

// --particle 0|255, the grey value of the particles (default 255). Any other
// value is a usage error with the system's own message.
CLI::Option* AddParticleOption(CLI::App& command, std::int32_t& particle);

// The options of the batch pre-processing, with the project form's defaults and
// ranges: --percent (0 to 100), --lower and --higher (0 to 255), --min-particle
// and --min-hole (0 to 1000000). The particle value is set apart, with
// AddParticleOption. Returns the options, so that a command can make them depend
// on another one.
std::vector<CLI::Option*> AddPreprocessOptions(CLI::App& command, PreprocessSettings& settings);

}  // namespace kep::cli
