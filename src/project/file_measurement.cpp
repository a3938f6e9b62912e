#include "project/file_measurement.h"

#include <new>
#include <utility>

#include "draw/message_sink.h"
#include "project/image_reading.h"
#include "project/measurement.h"

namespace kep {

namespace {

// Collects the messages the core raises on this thread while it is installed.
class CollectingSink : public MessageSink {
 public:
  explicit CollectingSink(std::vector<std::string>& messages)
      : m_messages(messages), m_previous(SetMessageSink(this)) {}
  ~CollectingSink() override { SetMessageSink(m_previous); }
  CollectingSink(const CollectingSink&) = delete;
  CollectingSink& operator=(const CollectingSink&) = delete;
  void ShowMessage(const std::string& text) override { m_messages.push_back(text); }

 private:
  std::vector<std::string>& m_messages;
  MessageSink* m_previous;
};

}  // namespace

BatchWorker::BatchWorker(const BatchSettings& settings) : m_settings(settings) {}

FileMeasurement BatchWorker::Measure(const std::string& path) {
  try {
    return MeasureUnguarded(path);
  } catch (const std::bad_alloc&) {
    FileMeasurement measurement;
    measurement.outcome = FileOutcome::kUnreadable;
    measurement.failure = kNotEnoughMemory;
    return measurement;
  }
}

FileMeasurement BatchWorker::MeasureUnguarded(const std::string& path) {
  FileMeasurement measurement;
  CollectingSink sink(measurement.messages);

  // An image without pixels is measured like any other: the engine answers it
  // with its own message and -1.0.
  const ImageRead read = ReadImage(path, m_imageA);
  switch (read.status) {
    case ImageReadStatus::kWrongExtension:
      measurement.outcome = FileOutcome::kWrongExtension;
      sink.ShowMessage(kSelectBitmapOrTiffMessage);
      return measurement;
    case ImageReadStatus::kUnreadable:
      measurement.outcome = FileOutcome::kUnreadable;
      measurement.failure = read.reason;
      return measurement;
    case ImageReadStatus::kNoPixels:
    case ImageReadStatus::kLoaded:
      break;
  }

  switch (RunPreprocessSequence(m_imageA, m_imageB, m_settings.preprocess)) {
    case PreprocessOutcome::kBrightnessOutOfRange:
      measurement.outcome = FileOutcome::kBrightnessOutOfRange;
      return measurement;
    case PreprocessOutcome::kBadParticleValue:
      measurement.outcome = FileOutcome::kBadParticleValue;
      sink.ShowMessage(kBadParticleMessage);
      return measurement;
    case PreprocessOutcome::kOutOfMemory:
      measurement.outcome = FileOutcome::kUnreadable;
      measurement.failure = kNotEnoughMemory;
      return measurement;
    case PreprocessOutcome::kDone:
      break;
  }

  const auto particle = static_cast<std::uint32_t>(m_settings.preprocess.particleBrightness);
  Measurement measured = MeasureImage(
      m_engine, m_imageB, {m_settings.method, m_settings.params, particle, particle == 0 ? 255u : 0u});
  measurement.dimension = measured.fd;
  measurement.series = std::move(measured.points);
  measurement.outcome = FileOutcome::kMeasured;
  return measurement;
}

std::string SkipReason(const FileMeasurement& measurement) {
  switch (measurement.outcome) {
    case FileOutcome::kMeasured:
      return "";
    case FileOutcome::kWrongExtension:
      return kSelectBitmapOrTiffMessage;
    case FileOutcome::kUnreadable:
      return measurement.failure;
    case FileOutcome::kBrightnessOutOfRange:
      return "brightness outside 0 to 255";
    case FileOutcome::kBadParticleValue:
      return kBadParticleMessage;
  }
  return "";
}

}  // namespace kep
