#pragma once

#include <string>
#include <vector>

#include "fractal/fractal_engine.h"
#include "image/image_buffer.h"
#include "image/point_series.h"
#include "project/batch_settings.h"

namespace kep {

// Why a file whose image or working copies did not fit in memory was skipped.
inline constexpr const char* kNotEnoughMemory = "not enough memory to measure the image";

enum class FileOutcome {
  kMeasured,              // a dimension, or -1.0 when the engine failed
  kWrongExtension,        // "Please Select Bitmap or TIFF"
  kUnreadable,            // the file could not be read, or not held in memory
  kBrightnessOutOfRange,  // skipped without a message
  kBadParticleValue,      // "Please input 0 or 255 for particle brightness!"
};

struct FileMeasurement {
  FileOutcome outcome = FileOutcome::kUnreadable;
  double dimension = kNoDimension;
  PointSeries series;
  // The system's messages raised while this file was handled, in order; the front
  // end shows them (the command line as "PATH: message").
  std::vector<std::string> messages;
  // Why a file was not measured, where the system has no message of its own:
  // the reader's reason, or a lack of memory.
  std::string failure;
};

// The working objects of one thread of a batch run, reused from file to file.
class BatchWorker {
 public:
  explicit BatchWorker(const BatchSettings& settings);
  // Reads, pre-processes and measures one file. Never throws: a file whose image
  // or working copies do not fit in memory is skipped with kNotEnoughMemory.
  FileMeasurement Measure(const std::string& path);

 private:
  FileMeasurement MeasureUnguarded(const std::string& path);

  BatchSettings m_settings;
  FractalEngine m_engine;
  ImageBuffer m_imageA;
  ImageBuffer m_imageB;
};

// A one-line reason for a file that was not measured, for front ends that report
// skipped files: the system's message where there is one.
std::string SkipReason(const FileMeasurement& measurement);

}  // namespace kep
