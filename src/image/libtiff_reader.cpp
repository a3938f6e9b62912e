#include "image/libtiff_reader.h"

#include <algorithm>

#include "image/grey.h"
#include "image/image_size_limit.h"
#include "image/libtiff_file.h"
#include "image/libtiff_rgba.h"
#include "image/tiff_sample_grey.h"

namespace kep {
namespace {

SampleLayout LayoutOf(TIFF* tiff) {
  SampleLayout layout;
  std::uint16_t planar = PLANARCONFIG_CONTIG;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &layout.width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &layout.height);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &layout.bitsPerSample);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &layout.samplesPerPixel);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &layout.sampleFormat);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_PLANARCONFIG, &planar);
  layout.separatePlanes = planar == PLANARCONFIG_SEPARATE;
  return layout;
}

std::uint16_t CompressionOf(TIFF* tiff) {
  std::uint16_t compression = COMPRESSION_NONE;
  TIFFGetFieldDefaulted(tiff, TIFFTAG_COMPRESSION, &compression);
  return compression;
}

void Describe(TIFF* tiff, const SampleLayout& layout, ImageFileDetails& details) {
  details.compression = CompressionOf(tiff);
  details.samplesPerPixel = layout.samplesPerPixel;
  details.bitsPerSample.assign(std::min<std::size_t>(layout.samplesPerPixel, kMaxListedSamples),
                               layout.bitsPerSample);
  details.bitsPerPixel = layout.bitsPerSample * layout.samplesPerPixel;
}

std::string CompressionRefusal(std::uint16_t compression) {
  if (TIFFIsCODECConfigured(compression)) return "";
  const TIFFCodec* codec = TIFFFindCODEC(compression);
  const std::string name = codec != nullptr ? std::string(" (") + codec->name + ")" : "";
  return "compression " + std::to_string(compression) + name + " is not supported by this build";
}

// The grey level of every index, from the high bytes of the colour map's red,
// green and blue entries; indices of one byte or less share a 256-entry table.
std::string ReadPalette(TIFF* tiff, SampleLayout& layout) {
  const unsigned bits = layout.bitsPerSample;
  if (layout.sampleFormat != SAMPLEFORMAT_UINT || (bits > 8 && bits != 16)) {
    return "a palette of " + std::to_string(bits) + "-bit samples is not read";
  }
  std::uint16_t* red = nullptr;
  std::uint16_t* green = nullptr;
  std::uint16_t* blue = nullptr;
  if (!TIFFGetField(tiff, TIFFTAG_COLORMAP, &red, &green, &blue))
    return "a palette without a colour map";
  layout.paletteGrey.assign(bits <= 8 ? 256 : 65536, 0);
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    layout.paletteGrey[i] = GreyFromRgb(static_cast<std::uint8_t>(red[i] >> 8),
                                        static_cast<std::uint8_t>(green[i] >> 8),
                                        static_cast<std::uint8_t>(blue[i] >> 8));
  }
  return "";
}

std::string ReadPicture(const LibtiffFile& file, SampleLayout& layout, ImageBuffer& image) {
  TIFF* tiff = file.Handle();
  std::uint16_t photometric = PHOTOMETRIC_MINISBLACK;
  TIFFGetField(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
  switch (photometric) {
    case PHOTOMETRIC_MINISWHITE:
    case PHOTOMETRIC_MINISBLACK:
      layout.used = {0};
      break;
    case PHOTOMETRIC_RGB:
      if (layout.samplesPerPixel < 3) return "red, green and blue in fewer than 3 samples";
      layout.used = {0, 1, 2};
      break;
    case PHOTOMETRIC_PALETTE: {
      layout.used = {0};
      const std::string refusal = ReadPalette(tiff, layout);
      if (!refusal.empty()) return refusal;
      break;
    }
    default:
      return ReadThroughRgb(file, image);
  }
  return ReadSamplesAsGrey(file, layout, image);
}

}  // namespace

int LoadWithLibtiff(const std::string& path, ImageBuffer& image, ImageFileDetails& details) {
  details = ImageFileDetails{};
  details.format = ImageFileFormat::kTiff;
  details.decoder = ImageDecoder::kLibtiff;
  const LibtiffFile file(path);
  TIFF* tiff = file.Handle();
  if (tiff == nullptr) {
    details.refusal = file.DamageReason();
    return 0;
  }
  SampleLayout layout = LayoutOf(tiff);
  Describe(tiff, layout, details);
  if (!IsAcceptedImageSize(layout.width, layout.height)) {
    details.refusal = SizeRefusal(layout.width, layout.height);
  } else {
    details.refusal = CompressionRefusal(CompressionOf(tiff));
  }
  if (details.refusal.empty()) details.refusal = ReadPicture(file, layout, image);
  return details.refusal.empty() ? 1 : 0;
}

}  // namespace kep
