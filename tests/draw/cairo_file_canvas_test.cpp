#include "draw/cairo_file_canvas.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kep {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The pixels of a PNG file row by row; none when it cannot be read.
struct PngPixels {
  int width = 0;
  std::vector<Rgb> pixels;
  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

PngPixels ReadPng(const std::string& path) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  PngPixels png;
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    png.width = cairo_image_surface_get_width(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < cairo_image_surface_get_height(surface); ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = 0; x < png.width; ++x) {
        const auto channel = [&](int shift) { return static_cast<std::uint8_t>(row[x] >> shift); };
        png.pixels.push_back({channel(16), channel(8), channel(0)});
      }
    }
  }
  cairo_surface_destroy(surface);
  return png;
}

// A red plot marker at (20, 20), a blue two-line path, a green block, a caption
// and a 2 x 2 grey image stretched to 8 x 8 at (40, 4), saved in both formats.
TEST(CairoFileCanvasTest, OneFigureSavedAsPngOnTheExactPixelsAndAsSvgVectors) {
  CairoFileCanvas canvas(60, 50);
  EXPECT_EQ(canvas.ClientRect(), (Rect{0, 0, 60, 50}));
  canvas.SelectPen(kRed);
  canvas.MoveTo(18, 20);
  canvas.LineTo(23, 20);
  canvas.MoveTo(20, 18);
  canvas.LineTo(20, 23);
  canvas.SelectPen(kBlue);
  canvas.MoveTo(2, 30);
  canvas.LineTo(57, 30);
  canvas.LineTo(57, 2);
  canvas.FillRect({4, 4, 10, 8}, kGreen);
  canvas.DrawText(4, 33, "FD 1.234");
  const std::uint8_t image[] = {0, 255, 0, 0, 128, 64, 0, 0};
  canvas.StretchGrey({40, 4, 48, 12}, image, 2, 2, 4, {0, 0, 2, 2});

  test::TempDir dir;
  std::string error;
  ASSERT_TRUE(canvas.Save(dir.File("figure.PNG"), &error)) << error;
  const PngPixels png = ReadPng(dir.File("figure.PNG"));
  ASSERT_EQ(png.width, 60);
  ASSERT_EQ(png.pixels.size(), 60u * 50u);
  const struct {
    int x, y;
    Rgb colour;
  } expected[] = {
      {18, 20, kRed},   {22, 20, kRed},    {20, 18, kRed},   {20, 22, kRed},  {17, 20, kWhite},
      {23, 20, kWhite}, {20, 23, kWhite},  {2, 30, kBlue},   {56, 30, kBlue}, {57, 30, kBlue},
      {57, 3, kBlue},   {57, 2, kWhite},   {4, 4, kGreen},   {9, 7, kGreen},  {10, 7, kWhite},
      {43, 7, kBlack},  {44, 4, kWhite},   {40, 8, {128, 128, 128}},  {47, 11, {64, 64, 64}},
      {48, 11, kWhite},
  };
  for (const auto& [x, y, colour] : expected) EXPECT_EQ(png.At(x, y), colour) << x << "," << y;
  // The caption's ink lies below and right of its corner.
  int ink = 0;
  for (int y = 32; y < 50; ++y) {
    for (int x = 0; x < 60; ++x) {
      const Rgb p = png.At(x, y);
      if (p.red >= 100 || p.red != p.green || p.green != p.blue) continue;
      ++ink;
      EXPECT_TRUE(x >= 4 && y >= 33 && y < 33 + 14) << x << "," << y;
    }
  }
  EXPECT_GT(ink, 20);

  ASSERT_TRUE(canvas.Save(dir.File("figure.svg")));
  const test::Bytes svg = test::ReadFileBytes(dir.File("figure.svg"));
  const std::string text(svg.begin(), svg.end());
  EXPECT_EQ(text.rfind("<?xml", 0), 0u);
  EXPECT_NE(text.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
  EXPECT_NE(text.find("width=\"60px\""), std::string::npos);
  EXPECT_NE(text.find("<path"), std::string::npos);
}

TEST(CairoFileCanvasTest, FailuresAreReportedAndLeaveNoFile) {
  test::TempDir dir;
  CairoFileCanvas canvas(10, 10);
  std::string error;
  EXPECT_FALSE(canvas.Save(dir.File("missing/plot.png"), &error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(canvas.Save(dir.File("plot.bmp"), &error));
  EXPECT_EQ(error, "unknown picture type: use .png or .svg");
  EXPECT_FALSE(canvas.Save(dir.File("plot")));
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(CairoFileCanvasTest, ExtremeCoordinatesAndMalformedTextDrawSafely) {
  CairoFileCanvas canvas(20, 20);
  canvas.MoveTo(kMin, kMin);
  canvas.LineTo(kMax, kMax);
  canvas.LineTo(kMax, kMax);
  canvas.FillRect({kMin, 15, kMax, kMax}, kBlue);
  canvas.SetPixel(kMax, kMin, kRed);
  canvas.DrawText(kMin, kMax, "far");
  canvas.DrawText(0, 0, "caf\xe9 \xff");
  const std::uint8_t image[] = {7};
  canvas.StretchGrey({kMin, kMin, kMax, 5}, image, 1, 1, 1, {0, 0, 1, 1});
  test::TempDir dir;
  std::string error;
  ASSERT_TRUE(canvas.Save(dir.File("far.png"), &error)) << error;
  const PngPixels png = ReadPng(dir.File("far.png"));
  ASSERT_EQ(png.pixels.size(), 400u);
  EXPECT_EQ(png.At(19, 19), kBlue);
  EXPECT_EQ(png.At(10, 3), (Rgb{7, 7, 7}));
}

}  // namespace
}  // namespace kep
