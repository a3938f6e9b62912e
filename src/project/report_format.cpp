#include "project/report_format.h"

#include <charconv>

namespace kep {

std::string ReportHeader() {
  return "\n\nImage File Name            \t Fractal Dimension (-1 means the image is useless)\n";
}

std::string ReportLine(const std::string& path, double dimension) {
  // to_chars writes as printf does in the C locale, so no locale can turn the
  // decimal point into a comma. The field width of 2 never pads: the shortest
  // text has seven characters.
  char number[400];
  const auto [end, error] =
      std::to_chars(number, number + sizeof number, dimension, std::chars_format::fixed, 5);
  std::string text = path;
  text += '\t';
  text.append(number, error == std::errc{} ? end : number);
  text += '\n';
  return text;
}

}  // namespace kep
