// kep-cli info IMAGE [--json]: what the system reads from an image file.

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/image_input.h"

namespace kep::cli {
namespace {

struct InfoOptions {
  std::string image;
  bool json = false;
};

struct GreyStatistics {
  int min = 0;
  int max = 0;
  double mean = 0.0;
};

GreyStatistics Statistics(const ImageBuffer::Histogram& histogram) {
  GreyStatistics stats;
  std::uint64_t count = 0;
  std::uint64_t sum = 0;
  bool first = true;
  for (int level = 0; level < 256; ++level) {
    if (histogram[level] == 0) continue;
    if (first) stats.min = level;
    first = false;
    stats.max = level;
    count += histogram[level];
    sum += std::uint64_t{histogram[level]} * static_cast<std::uint64_t>(level);
  }
  if (count > 0) stats.mean = static_cast<double>(sum) / static_cast<double>(count);
  return stats;
}

void PrintJson(const InfoOptions& options, const ImageFileDetails& details, const ImageBuffer& image,
               const ImageBuffer::Histogram& histogram, const GreyStatistics& stats) {
  nlohmann::ordered_json json;
  json["file"] = options.image;
  json["format"] = FormatName(details.format);
  json["width"] = image.Width();
  json["height"] = image.Height();
  json["bits_per_pixel"] = details.bitsPerPixel;
  json["reader"] = DecoderName(details.decoder);
  json["compression"] = details.compression;
  json["compression_name"] = CompressionName(details.format, details.compression);
  json["samples_per_pixel"] = details.samplesPerPixel;
  json["bits_per_sample"] = details.bitsPerSample;
  json["min"] = stats.min;
  json["max"] = stats.max;
  json["mean"] = stats.mean;
  json["histogram"] = histogram;
  // A path that is not valid UTF-8 is written with replacement characters.
  std::cout << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void PrintText(const InfoOptions& options, const ImageFileDetails& details, const ImageBuffer& image,
               const ImageBuffer::Histogram& histogram, const GreyStatistics& stats) {
  std::printf("file: %s\nformat: %s\nwidth: %d\nheight: %d\nbits per pixel: %d\n",
              options.image.c_str(), FormatName(details.format), image.Width(), image.Height(),
              details.bitsPerPixel);
  const std::string name = CompressionName(details.format, details.compression);
  const std::string named = name.empty() ? "" : " (" + name + ")";
  std::printf("reader: %s\ncompression: %u%s\nsamples per pixel: %u\nbits per sample:",
              DecoderName(details.decoder), details.compression, named.c_str(),
              details.samplesPerPixel);
  for (std::uint32_t bits : details.bitsPerSample) std::printf(" %u", bits);
  std::printf("\n");
  std::printf("min: %d\nmax: %d\nmean: %.3f\nhistogram:", stats.min, stats.max, stats.mean);
  for (std::uint32_t count : histogram) std::printf(" %u", count);
  std::printf("\n");
}

int RunInfo(const InfoOptions& options) {
  ImageBuffer image;
  ImageFileDetails details;
  if (!LoadImageForCommand(options.image, image, &details)) return kExitUsage;
  ImageBuffer::Histogram histogram;
  image.ComputeHistogram(histogram);
  const GreyStatistics stats = Statistics(histogram);
  if (options.json) {
    PrintJson(options, details, image, histogram, stats);
  } else {
    PrintText(options, details, image, histogram, stats);
  }
  return kExitSuccess;
}

}  // namespace

void AddInfoCommand(CLI::App& app) {
  auto options = std::make_shared<InfoOptions>();
  CLI::App* command = app.add_subcommand(
      "info", "Show how an image file is stored and read, and the grey statistics of the image");
  command->add_option("IMAGE", options->image, "Image file (.bmp, .BMP, .tif or .TIF)")->required();
  command->add_flag("--json", options->json, "Write the result as JSON");
  SetCommandAction(*command, [options] { return RunInfo(*options); });
}

}  // namespace kep::cli
