#pragma once

#include <string>

namespace kep {

// The report's text with "\n" line ends; a ReportFile stores each as CR LF.
// Two empty lines, then the column titles.
std::string ReportHeader();
// "%s\t%2.5f\n" of the path exactly as given and the dimension, whatever the
// user's locale.
std::string ReportLine(const std::string& path, double dimension);

}  // namespace kep
