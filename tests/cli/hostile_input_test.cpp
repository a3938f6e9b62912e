// Damaged, hostile and absurd input given to the real kep-cli: every case gets its
// answer or a one-line message with the documented exit status, never a crash or a
// hang. Each run is guarded by a generous time limit that only a hang can reach.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <climits>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fractal/method_table.h"
#include "fractal/parameter_range.h"
#include "kep_cli.h"
#include "support/image_file_bytes.h"
#include "support/libtiff_writer.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

constexpr const char* kHangLimitSeconds = "120";
constexpr int kTimedOut = 124;  // the status `timeout` gives a program it had to stop
constexpr const char* kNoDimensionLine = "Sorry! I can't Calculate Fractal Dimension!\n";

ProgramResult RunGuarded(const std::vector<std::string>& args) {
  std::vector<std::string> guarded = {"--kill-after=10", kHangLimitSeconds, KEP_CLI_PATH};
  guarded.insert(guarded.end(), args.begin(), args.end());
  return RunProgram("/usr/bin/timeout", guarded);
}

// A file the command must refuse: status 2, nothing on standard output, and one
// line "PATH: reason" on standard error.
void ExpectRefused(const ProgramResult& result, const std::string& path) {
  EXPECT_EQ(result.exitStatus, 2) << path << "\n" << result.err;
  EXPECT_EQ(result.out, "") << path;
  const std::vector<std::string> lines = Lines(result.err);
  ASSERT_EQ(lines.size(), 1u) << path << "\n" << result.err;
  EXPECT_EQ(lines[0].rfind(path + ": ", 0), 0u) << lines[0];
}

void ExpectInfoAndMeasureRefuse(const std::string& path) {
  ExpectRefused(RunGuarded({"info", path}), path);
  ExpectRefused(RunGuarded({"measure", path}), path);
}

// A 4 x 4 picture of grey level 200 in an 8-bit bitmap.
Bytes Grey200Bitmap() {
  return BmpBuilder(4, 4).Palette(GreyPalette()).Rows(Bytes(16, 200)).Build();
}

Bytes Grey200Tiff(bool littleEndian) {
  return BuildPictureTiff(littleEndian, 4, 4, 8, Bytes(16, 200));
}

Bytes WithU32(Bytes bytes, std::size_t offset, std::uint32_t value, bool littleEndian = true) {
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t shift = 8 * (littleEndian ? i : 3 - i);
    bytes[offset + i] = static_cast<std::uint8_t>(value >> shift);
  }
  return bytes;
}

Bytes Prefix(const Bytes& bytes, std::size_t count) {
  return Bytes(bytes.begin(), bytes.begin() + count);
}

TEST(HostileInputTest, DamagedBitmapsAndTiffsAreRefusedWithOneLine) {
  TempDir dir;
  const Bytes good = Grey200Bitmap();
  const Bytes tiff = Grey200Tiff(true);
  const std::vector<std::pair<std::string, Bytes>> files = {
      {"empty.bmp", {}},
      {"cut-in-header.bmp", Prefix(good, 30)},
      {"wrong-magic.bmp",
       [&] {
         Bytes b = good;
         b[1] = 'N';
         return b;
       }()},
      {"negative-width.bmp", WithU32(good, 18, static_cast<std::uint32_t>(-4))},
      {"zero-width.bmp", WithU32(good, 18, 0)},
      {"zero-height.bmp", WithU32(good, 22, 0)},
      {"too-wide.bmp", WithU32(good, 18, 16385)},
      {"widest-int.bmp", WithU32(good, 18, INT_MAX)},
      {"lowest-height.bmp", WithU32(good, 22, static_cast<std::uint32_t>(INT_MIN))},
      {"compressed.bmp", WithU32(good, 30, 1)},
      // Entry i of the TIFF directory at offset 8 starts at 10 + 12 i; its value at + 8.
      {"header-only.tif", Prefix(tiff, 8)},
      {"directory-outside.tif", WithU32(tiff, 4, 0xFFFFFFF0u)},
      {"directory-beyond-sign.tif", WithU32(Grey200Tiff(false), 4, 0x80000008u, false)},
      {"zero-width.tif", WithU32(tiff, 10 + 8, 0)},
      {"negative-width.tif", WithU32(tiff, 10 + 8, 0xFFFFFFFFu)},
      {"too-high.tif", WithU32(tiff, 22 + 8, 16385)},
      {"bits-list-outside.tif", WithU32(WithU32(tiff, 34 + 4, 3), 34 + 8, 0x7FFFFFF0u)},
      {"empty.tif", {}},
      {"bitmap.tif", Grey200Bitmap()},
  };
  for (const auto& [name, bytes] : files) ExpectInfoAndMeasureRefuse(dir.Write(name, bytes));
}

// The readers' own tests show that pixels missing from a short or damaged file
// are 0; here a directory claims 65535 entries: the real ones come first, the
// rest lie over the pixels and beyond the end of the file, which still loads.
TEST(HostileInputTest, ADirectoryClaimingEntriesBeyondTheFileStillLoads) {
  TempDir dir;
  Bytes manyEntries = Grey200Tiff(true);
  manyEntries[8] = manyEntries[9] = 0xFF;
  const ProgramResult result = RunGuarded({"info", "--json", dir.Write("many.tif", manyEntries)});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(nlohmann::json::parse(result.out)["histogram"][200], 16);
}

// A 16-bit LZW picture as libtiff writes it: compressed strips first, the
// directory at the end.
Bytes LzwTiff(const TempDir& dir) {
  LibtiffPage page;
  page.width = page.height = 16;
  page.bitsPerSample = 16;
  page.compression = COMPRESSION_LZW;
  std::vector<std::uint16_t> samples(16 * 16);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::uint16_t>(997 * i);
  page.rows = NativeSamples(samples);
  const std::string path = dir.File("lzw.tif");
  EXPECT_TRUE(WriteWithLibtiff(path, {page}));
  return ReadFileBytes(path);
}

TEST(HostileInputTest, BitFlippedFilesLoadOrAreRefusedWithOneLine) {
  TempDir dir;
  Bytes rgb;
  for (int i = 0; i < 16; ++i) rgb.insert(rgb.end(), {10, 200, 90});
  const std::vector<std::pair<std::string, Bytes>> originals = {
      {"flip.bmp", Grey200Bitmap()},
      {"flip24.bmp", BmpBuilder(4, -4).Bits(24).Rows(rgb).Build()},
      {"flip-ii.tif", Grey200Tiff(true)},
      {"flip-mm.tif", BuildPictureTiff(false, 4, 4, 24, rgb)},
      {"flip-lzw.tif", LzwTiff(dir)},
  };
  std::mt19937 random(20261206);
  for (const auto& [name, original] : originals) {
    for (int variant = 0; variant < 15; ++variant) {
      Bytes bytes = original;
      // The headers and directories are where a flipped bit changes the most.
      const std::size_t span = std::min<std::size_t>(bytes.size(), 140);
      for (int flips = 1 + variant % 4; flips > 0; --flips) {
        bytes[random() % span] ^= static_cast<std::uint8_t>(1u << (random() % 8));
      }
      const std::string path = dir.Write(name, bytes);
      const ProgramResult result = RunGuarded({"info", path});
      SCOPED_TRACE(::testing::Message() << "variant " << variant);
      if (result.exitStatus == 0) {
        EXPECT_EQ(result.err, "") << path;
      } else {
        ExpectRefused(result, path);
      }
    }
  }
}

TEST(HostileInputTest, ADirectoryAPipeOrAMissingFileIsNotAnImage) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder.bmp"));
  std::filesystem::create_directory(dir.File("folder.tif"));
  ASSERT_EQ(::mkfifo(dir.File("pipe.bmp").c_str(), 0600), 0);
  for (const char* name : {"folder.bmp", "folder.tif", "pipe.bmp", "missing.tif"}) {
    ExpectInfoAndMeasureRefuse(dir.File(name));
  }
  const ProgramResult result = RunGuarded({"info", dir.File("folder.bmp")});
  EXPECT_EQ(result.err, dir.File("folder.bmp") + ": Is a directory\n");
}

// A 256 x 256 bitmap of a bright disc, large enough for every method.
std::string MeasuredPicture(const TempDir& dir) {
  return dir.Write("disc.bmp", ShapeBitmap(256, 256, Disc(128, 128, 90)));
}

std::vector<std::string> MeasureArgs(const std::string& image, int method,
                                     const std::array<std::string, 3>& params) {
  return {"measure",  image,     "--method", std::to_string(method),
          "--params", params[0], params[1],  params[2]};
}

TEST(HostileInputTest, EveryMethodRefusesParametersOutsideOneToTenThousand) {
  TempDir dir;
  const std::string image = MeasuredPicture(dir);
  for (int method = 0; method < kMethodCount; ++method) {
    for (std::size_t position = 0; position < 3; ++position) {
      for (const char* value : {"0", "10001", "2147483647"}) {
        std::array<std::string, 3> params;
        for (std::size_t i = 0; i < 3; ++i) {
          params[i] =
              std::to_string(kMethods[static_cast<std::size_t>(method)].parameters[i].value);
        }
        params[position] = value;
        const ProgramResult result = RunGuarded(MeasureArgs(image, method, params));
        const std::string what = "method " + std::to_string(method) + ", parameter " +
                                 std::to_string(position + 1) + " = " + value;
        if (method == kDistanceMapIndex && position == 2) {
          // The distance map does not use its third parameter.
          EXPECT_EQ(result.exitStatus, 0) << what;
          continue;
        }
        EXPECT_EQ(result.exitStatus, 1) << what;
        EXPECT_EQ(result.out, kNoDimensionLine) << what;
        const std::string name =
            ParameterName(kMethods[static_cast<std::size_t>(method)].parameters[position].label);
        EXPECT_EQ(result.err, "kep-cli: " + image + ": no dimension: " + name + " is " + value +
                                  ", outside 1 to 10000\n")
            << what;
      }
    }
  }
}

TEST(HostileInputTest, EveryMethodFinishesWithParametersOfTenThousand) {
  TempDir dir;
  const std::string image = MeasuredPicture(dir);
  for (int method = 0; method < kMethodCount; ++method) {
    const ProgramResult result =
        RunGuarded(MeasureArgs(image, method, {"10000", "10000", "10000"}));
    ASSERT_NE(result.exitStatus, kTimedOut) << "method " << method << " did not finish";
    // One scale gives at most one point per scale-dependent quantity, too few to fit.
    EXPECT_EQ(result.exitStatus, 1) << "method " << method << "\n" << result.err;
    EXPECT_NE(result.err.find("no dimension: the method gave"), std::string::npos) << result.err;
    EXPECT_EQ(Lines(result.out).front() + "\n", kNoDimensionLine) << "method " << method;
    EXPECT_LE(Lines(result.out).size(), 4u) << "method " << method;
  }
}

}  // namespace
}  // namespace kep::test
