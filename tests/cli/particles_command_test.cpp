#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "kep_cli.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

bool Disc12(int x, int y) { return (x - 20) * (x - 20) + (y - 24) * (y - 24) <= 144; }
bool Dot(int x, int y) { return x >= 45 && x <= 46 && y >= 5 && y <= 6; }
// A bar along the bottom edge of the image.
bool Bar(int x, int y) { return x >= 36 && x <= 60 && y >= 58; }

TEST(ParticlesCommandTest, ListsEveryParticleMeasuredAsAloneInTheImage) {
  TempDir dir;
  const std::string all = dir.Write("all.bmp", ShapeBitmap(64, 64, [](int x, int y) {
                                      return Disc12(x, y) || Dot(x, y) || Bar(x, y);
                                    }));
  const std::string discOnly = dir.Write("disc.bmp", ShapeBitmap(64, 64, Disc12));
  const std::vector<std::string> method = {"--method", "dilation", "--params", "1", "8", "1"};

  std::vector<std::string> args = {"particles", all};
  args.insert(args.end(), method.begin(), method.end());
  const ProgramResult table = RunKepCli(args);
  ASSERT_EQ(table.exitStatus, 0) << table.err;
  const std::vector<std::string> rows = Lines(table.out);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0],
            "particle,left,top,right,bottom,area,centroid_x,centroid_y,outline_points,dimension,"
            "reason,r_squared,std_error,ci95_low,ci95_high,fit_points");
  // The dot comes first in the scan; with 4 outline points it gets no dimension.
  EXPECT_EQ(rows[1], "1,45,5,46,6,4,45.5,5.5,4,,too-few-outline-points,,,,,");
  EXPECT_TRUE(rows[2].starts_with("2,8,12,32,36,")) << rows[2];
  EXPECT_TRUE(rows[3].starts_with("3,36,58,60,63,150,48,60.5,")) << rows[3];

  // The disc measured alone gives the same dimension, to the last digit.
  std::vector<std::string> alone = {"measure", discOnly, "--json"};
  alone.insert(alone.end(), method.begin(), method.end());
  const nlohmann::json measured = nlohmann::json::parse(RunKepCli(alone).out);
  args.push_back("--json");
  const nlohmann::json particles = nlohmann::json::parse(RunKepCli(args).out);
  ASSERT_EQ(particles.size(), 3u);
  EXPECT_EQ(particles[1]["dimension"], measured["fd"]);
  EXPECT_EQ(particles[1]["ci95_low"], measured["ci95"][0]);
  EXPECT_EQ(particles[1]["points"], measured["points"]);
  EXPECT_EQ(particles[0]["reason"]["code"], "too-few-outline-points");
  EXPECT_TRUE(particles[0]["dimension"].is_null());

  // The same table in a file, and for every file of a batch with its path first.
  args.back() = "--csv";
  args.push_back(dir.File("table.csv"));
  ASSERT_EQ(RunKepCli(args).exitStatus, 0);
  EXPECT_EQ(ReadText(dir.File("table.csv")), table.out);
  const std::string report = dir.File("report.txt");
  const std::string csv = dir.File("batch.csv");
  std::vector<std::string> batchArgs = {
      "batch", all,       discOnly, "--report",       report, "--particles", csv, "--percent",
      "100",   "--lower", "128",    "--min-particle", "0",    "--min-hole",  "0"};
  batchArgs.insert(batchArgs.end(), method.begin(), method.end());
  const ProgramResult batch = RunKepCli(batchArgs);
  ASSERT_EQ(batch.exitStatus, 0) << batch.err;
  const std::vector<std::string> batchRows = Lines(ReadText(csv));
  ASSERT_EQ(batchRows.size(), 5u);
  EXPECT_EQ(batchRows[0], "file," + rows[0]);
  EXPECT_TRUE(batchRows[4].starts_with(discOnly + ",1,")) << batchRows[4];
}

}  // namespace
}  // namespace kep::test
