#pragma once

#include "app/table_contents.h"

namespace kep {

class CKEPDoc;

// The names of the interactive document's tables, which their windows are
// found by.
inline constexpr const char* kParticlesTable = "Particles";
inline constexpr const char* kLocalDimensionsTable = "Local Dimensions";

// Every particle of the last calculation's image, measured on its own with the
// same method and values, under the columns of kep-cli particles.
TableContents ParticleTable(const CKEPDoc& document);
// The dimension between each two consecutive points of the fit shown.
TableContents LocalDimensionTable(const CKEPDoc& document);

}  // namespace kep
