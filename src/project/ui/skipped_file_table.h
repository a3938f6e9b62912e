#pragma once

#include "app/table_contents.h"

namespace kep {

class CKepProjectDoc;

// The files the last run skipped, each with its path and the reason.
TableContents SkippedFileTable(const CKepProjectDoc& document);

}  // namespace kep
