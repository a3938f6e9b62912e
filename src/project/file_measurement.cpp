#include "project/file_measurement.h"

#include "draw/message_sink.h"
#include "image/image_file.h"

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

BatchWorker::BatchWorker(const BatchSettings& settings) : m_settings(settings) {
  m_engine.param1 = settings.params[0];
  m_engine.param2 = settings.params[1];
  m_engine.param3 = settings.params[2];
}

FileMeasurement BatchWorker::Measure(const std::string& path) {
  FileMeasurement measurement;
  CollectingSink sink(measurement.messages);

  switch (LoadImageFile(path, m_imageA)) {
    case ImageLoadResult::kWrongExtension:
      measurement.outcome = FileOutcome::kWrongExtension;
      sink.ShowMessage(kSelectBitmapOrTiffMessage);
      return measurement;
    case ImageLoadResult::kUnreadable:
      measurement.outcome = FileOutcome::kUnreadable;
      return measurement;
    case ImageLoadResult::kLoaded:
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
      return measurement;
    case PreprocessOutcome::kDone:
      break;
  }

  const auto particle = static_cast<std::uint32_t>(m_settings.preprocess.particleBrightness);
  const std::uint32_t background = particle == 0 ? 255 : 0;
  measurement.series.SetSize(0, -1);
  measurement.dimension = m_engine.ComputeFD(m_settings.method, &m_imageB, particle, background,
                                             &measurement.series, nullptr);
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
      return "cannot read the file as an image";
    case FileOutcome::kBrightnessOutOfRange:
      return "brightness outside 0 to 255";
    case FileOutcome::kBadParticleValue:
      return kBadParticleMessage;
  }
  return "";
}

}  // namespace kep
