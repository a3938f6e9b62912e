#include "draw/cairo_file_canvas.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace kep {
namespace {

namespace fs = std::filesystem;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A picture read back from a PNG file.
class PngPicture {
 public:
  explicit PngPicture(const fs::path& path)
      : m_surface(cairo_image_surface_create_from_png(path.c_str())) {}
  ~PngPicture() { cairo_surface_destroy(m_surface); }
  PngPicture(const PngPicture&) = delete;
  PngPicture& operator=(const PngPicture&) = delete;

  bool Loaded() const { return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS; }
  int Width() const { return cairo_image_surface_get_width(m_surface); }
  int Height() const { return cairo_image_surface_get_height(m_surface); }
  Rgb At(int x, int y) const {
    const unsigned char* row =
        cairo_image_surface_get_data(m_surface) + y * cairo_image_surface_get_stride(m_surface);
    const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
  }

 private:
  cairo_surface_t* m_surface;
};

class CairoFileCanvasTest : public testing::Test {
 protected:
  void SetUp() override {
    m_dir =
        fs::temp_directory_path() /
        ("kep_cairo_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // A red plot marker at (20, 20), a blue frame, a green block, a caption and a
  // 2 x 2 grey image stretched to 8 x 8 at (40, 4).
  static void DrawFigure(DrawContext& dc) {
    dc.SelectPen(kRed);
    dc.MoveTo(18, 20);
    dc.LineTo(23, 20);
    dc.MoveTo(20, 18);
    dc.LineTo(20, 23);
    dc.SelectPen(kBlue);
    dc.MoveTo(2, 30);
    dc.LineTo(57, 30);
    dc.LineTo(57, 2);
    dc.FillRect({4, 4, 10, 8}, kGreen);
    dc.DrawText(4, 33, "FD 1.234");
    const std::uint8_t image[] = {0, 255, 0, 0, 128, 64, 0, 0};
    dc.StretchGrey({40, 4, 48, 12}, image, 2, 2, 4, {0, 0, 2, 2});
  }

  fs::path m_dir;
};

TEST_F(CairoFileCanvasTest, PngShowsTheFigureOnTheExactPixels) {
  CairoFileCanvas canvas(60, 50);
  EXPECT_EQ(canvas.ClientRect(), (Rect{0, 0, 60, 50}));
  DrawFigure(canvas);
  const fs::path path = m_dir / "figure.PNG";
  std::string error;
  ASSERT_TRUE(canvas.Save(path.string(), &error)) << error;
  EXPECT_EQ(ReadFile(path).substr(0, 8), "\x89PNG\r\n\x1a\n");

  const PngPicture picture(path);
  ASSERT_TRUE(picture.Loaded());
  EXPECT_EQ(picture.Width(), 60);
  EXPECT_EQ(picture.Height(), 50);
  for (int i = 18; i < 23; ++i) {
    EXPECT_EQ(picture.At(i, 20), kRed) << i;
    EXPECT_EQ(picture.At(20, i), kRed) << i;
  }
  EXPECT_EQ(picture.At(23, 20), kWhite);  // end points not painted
  EXPECT_EQ(picture.At(20, 23), kWhite);
  EXPECT_EQ(picture.At(17, 20), kWhite);
  EXPECT_EQ(picture.At(2, 30), kBlue);
  EXPECT_EQ(picture.At(56, 30), kBlue);
  EXPECT_EQ(picture.At(57, 30), kBlue);  // start of the second line
  EXPECT_EQ(picture.At(57, 3), kBlue);
  EXPECT_EQ(picture.At(57, 2), kWhite);
  EXPECT_EQ(picture.At(4, 4), kGreen);
  EXPECT_EQ(picture.At(9, 7), kGreen);
  EXPECT_EQ(picture.At(10, 7), kWhite);
  EXPECT_EQ(picture.At(43, 7), (Rgb{0, 0, 0}));
  EXPECT_EQ(picture.At(44, 4), (Rgb{255, 255, 255}));
  EXPECT_EQ(picture.At(40, 8), (Rgb{128, 128, 128}));
  EXPECT_EQ(picture.At(47, 11), (Rgb{64, 64, 64}));
  EXPECT_EQ(picture.At(48, 11), kWhite);

  // The caption's ink lies below and right of its corner.
  int ink = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 60; ++x) {
      const Rgb pixel = picture.At(x, y);
      if (pixel.red < 100 && pixel.red == pixel.green && pixel.green == pixel.blue && y > 31) {
        ++ink;
        EXPECT_GE(x, 4);
        EXPECT_GE(y, 33);
        EXPECT_LT(y, 33 + 14);
      }
    }
  }
  EXPECT_GT(ink, 20);
}

TEST_F(CairoFileCanvasTest, SvgHoldsTheFigureAsVectors) {
  CairoFileCanvas canvas(60, 50);
  DrawFigure(canvas);
  const fs::path path = m_dir / "figure.svg";
  ASSERT_TRUE(canvas.Save(path.string()));
  const std::string svg = ReadFile(path);
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  const std::size_t root = svg.find("<svg");
  ASSERT_NE(root, std::string::npos);
  EXPECT_NE(svg.find("width=\"60px\"", root), std::string::npos);
  EXPECT_NE(svg.find("<path", root), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST_F(CairoFileCanvasTest, FailuresAreReportedAndLeaveNoFile) {
  CairoFileCanvas canvas(10, 10);
  std::string error;
  EXPECT_FALSE(canvas.Save((m_dir / "missing" / "plot.png").string(), &error));
  EXPECT_EQ(error, "No such file or directory");
  EXPECT_FALSE(canvas.Save((m_dir / "plot.bmp").string(), &error));
  EXPECT_EQ(error, "unknown picture type: use .png or .svg");
  EXPECT_FALSE(canvas.Save((m_dir / "plot").string()));
  EXPECT_TRUE(fs::is_empty(m_dir));
}

TEST_F(CairoFileCanvasTest, ExtremeCoordinatesAndMalformedTextDrawSafely) {
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
  const fs::path path = m_dir / "far.png";
  std::string error;
  ASSERT_TRUE(canvas.Save(path.string(), &error)) << error;
  const PngPicture picture(path);
  ASSERT_TRUE(picture.Loaded());
  EXPECT_EQ(picture.At(19, 19), kBlue);
  EXPECT_EQ(picture.At(10, 3), (Rgb{7, 7, 7}));
}

}  // namespace
}  // namespace kep
