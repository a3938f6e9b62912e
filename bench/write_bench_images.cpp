// kep-bench-images DIR: writes the pictures that the command-line timings of
// scripts/bench.sh measure: the 4096-pixel Koch snowflake, 64 files of 1024-pixel
// random particles for the batch runs, and 40 files of 2048 pixels for the
// Python module's batches on a Dask cluster.

#include <cstdio>
#include <string>

#include "shapes/fractal_shapes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kep-bench-images DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool written =
      kep::shapes::WriteGreyBmp(kep::shapes::KochSnowflake(4096), dir + "/snowflake-4096.bmp");
  for (std::uint32_t i = 0; i < 64; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/batch-%02u.bmp", i);
    written = written &&
              kep::shapes::WriteGreyBmp(kep::shapes::RandomParticles(1024, 60, 1000 + i), dir + name);
  }
  for (std::uint32_t i = 0; i < 40; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/dask-%02u.bmp", i);
    written = written &&
              kep::shapes::WriteGreyBmp(kep::shapes::RandomParticles(2048, 120, 2000 + i), dir + name);
  }
  if (!written) std::fprintf(stderr, "kep-bench-images: cannot write into %s\n", dir.c_str());
  return written ? 0 : 1;
}
