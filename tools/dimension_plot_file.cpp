// Writes the project's plot of fractal dimension against image number to a PNG or
// SVG file, from pairs given on the command line, so that the plot can be looked
// at without a desktop:
//
//   kep-dimension-plot OUT.png 1 1.234 2 -1 3 1.302
//
// A dimension of -1 marks an image whose measurement failed.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "draw/cairo_file_canvas.h"
#include "plot/dimension_plot.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: kep-dimension-plot OUT.png|OUT.svg [NUMBER DIMENSION]...\n");
    return 2;
  }
  std::vector<double> imageNumbers;
  std::vector<double> dimensions;
  for (int i = 2; i + 1 < argc; i += 2) {
    char* end = nullptr;
    imageNumbers.push_back(std::strtod(argv[i], &end));
    const bool numberRead = *end == '\0';
    dimensions.push_back(std::strtod(argv[i + 1], &end));
    if (!numberRead || *end != '\0') {
      std::fprintf(stderr, "kep-dimension-plot: not a number pair: %s %s\n", argv[i], argv[i + 1]);
      return 2;
    }
  }
  kep::CairoFileCanvas canvas(640, 480);
  kep::DrawDimensionPlot(canvas, imageNumbers, dimensions);
  std::string error;
  if (!canvas.Save(argv[1], &error)) {
    std::fprintf(stderr, "kep-dimension-plot: %s: %s\n", argv[1], error.c_str());
    return 1;
  }
  return 0;
}
