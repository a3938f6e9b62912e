#pragma once

#include <array>
#include <cstdint>

#include "fractal/method_table.h"
#include "preprocess/preprocess_sequence.h"

namespace kep {

// Everything a batch run measures with: one method, its three parameters and the
// pre-processing values, the same for every file.
struct BatchSettings {
  std::uint32_t method = 0;
  std::array<std::int32_t, 3> params = {kMethods[0].parameters[0].value,
                                        kMethods[0].parameters[1].value,
                                        kMethods[0].parameters[2].value};
  PreprocessSettings preprocess;
};

}  // namespace kep
