#include "bench_pictures.h"

#include <map>
#include <memory>
#include <stdexcept>

#include "shapes/fractal_shapes.h"

namespace kep::bench {

const std::vector<PictureSpec>& Pictures() {
  static const std::vector<PictureSpec> pictures = {
      {"snowflake-512", PictureSpec::kSnowflake, 512},
      {"snowflake-2048", PictureSpec::kSnowflake, 2048},
      {"snowflake-4096", PictureSpec::kSnowflake, 4096},
      {"island-512", PictureSpec::kIsland, 512},
      {"island-2048", PictureSpec::kIsland, 2048},
      {"island-4096", PictureSpec::kIsland, 4096},
      {"particles-2048", PictureSpec::kParticles, 2048},
  };
  return pictures;
}

const PictureSpec& PictureNamed(const std::string& name) {
  for (const PictureSpec& picture : Pictures()) {
    if (picture.name == name) return picture;
  }
  throw std::invalid_argument("no picture " + name);
}

const ImageBuffer& PictureImage(const PictureSpec& picture) {
  static std::map<std::string, ImageBuffer> images;
  auto found = images.find(picture.name);
  if (found == images.end()) {
    ImageBuffer image;
    switch (picture.kind) {
      case PictureSpec::kSnowflake:
        image = shapes::KochSnowflake(picture.size);
        break;
      case PictureSpec::kIsland:
        image = shapes::QuadraticKochIsland(picture.size);
        break;
      case PictureSpec::kParticles:
        image = shapes::RandomParticles(picture.size, 300, 2048);
        break;
    }
    found = images.emplace(picture.name, std::move(image)).first;
  }
  return found->second;
}

FractalEngine& PreparedEngine(const PictureSpec& picture) {
  static std::map<std::string, std::unique_ptr<FractalEngine>> engines;
  std::unique_ptr<FractalEngine>& engine = engines[picture.name];
  if (!engine) {
    engine = std::make_unique<FractalEngine>();
    engine->PrepareImage(PictureImage(picture), 255, 0);
    engine->FindBoundingBox();
  }
  return *engine;
}

}  // namespace kep::bench
