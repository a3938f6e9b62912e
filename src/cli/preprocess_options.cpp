#include "cli/preprocess_options.h"

#include <string>

namespace kep::cli {

CLI::Option* AddParticleOption(CLI::App& command, std::int32_t& particle) {
  const CLI::Validator zeroOr255(
      [](const std::string& text) {
        return text == "0" || text == "255" ? std::string() : std::string(kBadParticleMessage);
      },
      "0|255");
  return command.add_option("--particle", particle, "Grey value of the particles, 0 or 255")
      ->capture_default_str()
      ->check(zeroOr255);
}

std::vector<CLI::Option*> AddPreprocessOptions(CLI::App& command, PreprocessSettings& settings) {
  return {
      command.add_option("--percent", settings.brightPercent,
                         "Percentage of the brightest pixels that the threshold keeps")
          ->capture_default_str()
          ->check(CLI::Range(0.0, kMaxBrightPercent)),
      command.add_option("--lower", settings.lowerBrightness, "Lowest brightness the threshold keeps")
          ->capture_default_str()
          ->check(CLI::Range(0, kMaxBrightness)),
      command.add_option("--higher", settings.higherBrightness, "Highest brightness the threshold keeps")
          ->capture_default_str()
          ->check(CLI::Range(0, kMaxBrightness)),
      command.add_option("--min-particle", settings.minParticleSize,
                         "Particles of at most this many pixels are removed")
          ->capture_default_str()
          ->check(CLI::Range(0, kMaxRegionSize)),
      command.add_option("--min-hole", settings.minHoleSize, "Holes of at most this many pixels are filled")
          ->capture_default_str()
          ->check(CLI::Range(0, kMaxRegionSize)),
  };
}

}  // namespace kep::cli
