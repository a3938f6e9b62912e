#include "interactive/result_text.h"

#include "app/form_layout.h"
#include "fractal/method_table.h"
#include "fractal/three_decimal.h"
#include "interactive/kep_doc.h"
#include "plot/ui/column_headings.h"

namespace kep {

wxString ResultClipboardText(const ResultSource& source, double dimension,
                             const PointSeries& points) {
  const MethodInfo& method = kMethods[static_cast<std::size_t>(source.method)];
  wxString text = "File\t" + source.file + "\nMethod\t" + method.listText + "\n";
  for (std::size_t i = 0; i < source.params.size(); ++i) {
    text += wxString::Format("%s\t%d\n", LabelName(method.parameters[i].label), source.params[i]);
  }
  text += wxString::Format("Particle Brightness\t%d\n", source.particleBrightness);
  text += "Fractal Dimension\t" + ThreeDecimal(dimension) + "\n\n";
  const AxisHeadings headings = HeadingsOf(source.method);
  text += wxString(headings.x) + "\t" + headings.y + "\n";
  for (const SeriesPoint& point : points) text += wxString::Format("%d\t%d\n", point.x, point.y);
  return text;
}

std::string PointsCsv(std::int32_t method, const PointSeries& points) {
  const AxisHeadings headings = HeadingsOf(method);
  std::string csv = std::string(headings.x) + "," + headings.y + "\n";
  for (const SeriesPoint& point : points) {
    csv += std::to_string(point.x) + "," + std::to_string(point.y) + "\n";
  }
  return csv;
}

}  // namespace kep
