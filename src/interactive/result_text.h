#pragma once

#include <string>

#include <wx/string.h>

#include "image/point_series.h"

namespace kep {

struct ResultSource;

// The result as Edit > Copy puts it on the clipboard, tab-separated for a
// spreadsheet: the file, the method, each parameter, the particle brightness
// and the dimension (as the result form shows it), one to a line with its name;
// an empty line; then the points under the method's column headings.
wxString ResultClipboardText(const ResultSource& source, double dimension,
                             const PointSeries& points);

// The points as comma-separated values under the method's column headings.
std::string PointsCsv(std::int32_t method, const PointSeries& points);

}  // namespace kep
