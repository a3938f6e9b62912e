#include "image/image_file.h"

#include <gtest/gtest.h>

#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

TEST(ImageFileTest, OnlyTheExactSpellingsAfterTheLastDotPickAReader) {
  EXPECT_EQ(PathExtension("a/b.c/picture.bmp"), "bmp");
  EXPECT_EQ(PathExtension("a/b.c/picture"), "c/picture");
  EXPECT_EQ(PathExtension("picture"), "");
  EXPECT_EQ(PathExtension("picture."), "");
  EXPECT_EQ(FormatForPath("x.BMP"), ImageFileFormat::kBmp);
  EXPECT_EQ(FormatForPath("x.bmp"), ImageFileFormat::kBmp);
  EXPECT_EQ(FormatForPath("x.TIF"), ImageFileFormat::kTiff);
  EXPECT_EQ(FormatForPath("x.tif"), ImageFileFormat::kTiff);
  for (const char* path : {"x.Bmp", "x.tiff", "x.TIFF", "x.png", "x", "x.bmp.gz", "x.bmp "}) {
    EXPECT_EQ(FormatForPath(path), ImageFileFormat::kNone) << path;
  }
}

TEST(ImageFileTest, LoadingReportsTheReaderItsOutcomeAndTheFilesDepth) {
  TempDir dir;
  ImageBuffer image;
  ImageFileDetails details;
  const Bytes tiff = BuildPictureTiff(false, 2, 1, 24, {1, 2, 3, 4, 5, 6});
  EXPECT_EQ(LoadImageFile(dir.Write("p.tif", tiff), image, &details), ImageLoadResult::kLoaded);
  EXPECT_STREQ(FormatName(details.format), "TIFF");
  EXPECT_EQ(details.bitsPerPixel, 24);

  const Bytes bmp = BmpBuilder(1, 1).Palette(GreyPalette()).Rows({9, 0, 0, 0}).Build();
  EXPECT_EQ(LoadImageFile(dir.Write("p.BMP", bmp), image, &details), ImageLoadResult::kLoaded);
  EXPECT_STREQ(FormatName(details.format), "BMP");
  EXPECT_EQ(details.bitsPerPixel, 8);
  EXPECT_EQ(image.GetPixel(0, 0), 9);

  EXPECT_EQ(LoadImageFile(dir.Write("p.tif", bmp), image, &details), ImageLoadResult::kUnreadable);
  EXPECT_EQ(details.refusal, "not a TIFF file");
  EXPECT_EQ(LoadImageFile(dir.Write("p.png", bmp), image), ImageLoadResult::kWrongExtension);
  EXPECT_EQ(LoadImageFile(dir.File("missing.bmp"), image), ImageLoadResult::kUnreadable);
  EXPECT_EQ(image.GetPixel(0, 0), 9);
}

}  // namespace
}  // namespace kep::test
