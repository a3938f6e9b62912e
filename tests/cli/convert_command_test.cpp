#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

Bytes PgmFile(const std::string& header, const Bytes& pixels) {
  Bytes bytes(header.begin(), header.end());
  bytes.insert(bytes.end(), pixels.begin(), pixels.end());
  return bytes;
}

// The same 3 x 2 picture, 10 20 30 over 40 50 60, in a grey bitmap and in a
// colour TIFF file (red green blue over white black (10, 20, 30)): the pixels are
// written as the reader loads them.
const Bytes kGreyBitmap =
    BmpBuilder(3, 2).Palette(GreyPalette()).Rows({40, 50, 60, 0, 10, 20, 30, 0}).Build();

TEST(ConvertCommandTest, WritesThePixelsAsLoadedAsPgmOrPng) {
  TempDir dir;
  const std::string out = dir.File("out.pgm");
  const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 10, 20, 30};
  for (const auto& [name, file, pixels] :
       {std::tuple{"grey.BMP", kGreyBitmap, Bytes{10, 20, 30, 40, 50, 60}},
        {"colour.TIF", BuildPictureTiff(false, 3, 2, 24, rgb), Bytes{45, 206, 2, 255, 0, 18}}}) {
    const ProgramResult result = RunKepCli({"convert", dir.Write(name, file), out});
    EXPECT_EQ(result.exitStatus, 0) << name << ": " << result.err;
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(ReadFileBytes(out), PgmFile("P5\n3 2\n255\n", pixels)) << name;
  }

  // Or a grey PNG file when asked for.
  ASSERT_EQ(RunKepCli({"convert", dir.File("grey.BMP"), dir.File("out.PNG")}).exitStatus, 0);
  const Bytes png = ReadFileBytes(dir.File("out.PNG"));
  // Signature, then the header chunk: width 3, height 2, 8 bits, grey.
  const Bytes start = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I',
                       'H',  'D', 'R', 0,   0,    0,    3,    0,    0, 0, 2, 8,  0};
  ASSERT_GE(png.size(), start.size());
  EXPECT_EQ(Bytes(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(start.size())), start);
}

TEST(ConvertCommandTest, ProblemsAreReportedOnOneLineWithTheirExitStatus) {
  TempDir dir;
  const std::string bmp = dir.Write("in.bmp", kGreyBitmap);
  const std::string out = dir.File("out.pgm");
  const std::string missing = dir.File("missing.bmp");

  ProgramResult result = RunKepCli({"convert", missing, out});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, missing + ": No such file or directory\n");

  result = RunKepCli({"convert", dir.Write("in.Bmp", kGreyBitmap), out});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, "Please Select Bitmap or TIFF\n");

  const std::string notTiff = dir.Write("in.tif", kGreyBitmap);
  result = RunKepCli({"convert", notTiff, out});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, notTiff + ": not a TIFF file\n");

  result = RunKepCli({"convert", dir.Write("empty.bmp", BmpBuilder(0, 4).Bits(24).Build()), out});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.err, dir.File("empty.bmp") + ": the image has no pixels (0 x 4)\n");

  result = RunKepCli({"convert", bmp, dir.File("out.jpg")});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.jpg")));

  result = RunKepCli({"convert", bmp, dir.File("no/such/dir/out.pgm")});
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, dir.File("no/such/dir/out.pgm") + ": No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace kep::test
