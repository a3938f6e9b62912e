#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kep {

// Why a step of the measuring pipeline gave no result. Every front end turns a
// failure into its own idiom in one place: an exit status and a line on standard
// error, a Python value, a status-bar text or a message box.
enum class FailureCode {
  kUnreadable,           // the file could not be read (the reader's reason)
  kNoImage,              // an image without pixels
  kBadSettings,          // a pre-processing value or the particle value outside its range
  kNoParticles,          // no pixel of the particle value
  kTooFewOutlinePoints,  // fewer outline points in all than a method needs
  kParameterOutOfRange,  // a method parameter outside its range
  kTooFewPoints,         // fewer points with x and y above 0 than a fit needs
  kDegenerateFit,        // every point of the fit has the same x
  kNoScaling,            // every point of the fit has the same y
  kCancelled,            // the work was asked to stop
  kOutOfMemory,          // the image or a working copy did not fit in memory
};

// The code as the command line, JSON and Python write it: "no-particles".
std::string_view FailureCodeName(FailureCode code);

struct Failure {
  Failure(FailureCode failureCode, std::string failureText, std::string systemMessage = {})
      : code(failureCode), text(std::move(failureText)), message(std::move(systemMessage)) {}

  FailureCode code;
  // One line that names what went wrong, with the value or file concerned.
  std::string text;
  // The system's own fixed message for this failure where the windows and the
  // batch show one ("Please Load an Image File!"); empty where they show none.
  std::string message;
};

// Whether the work was stopped on request rather than failing.
inline bool Cancelled(const Failure& failure) { return failure.code == FailureCode::kCancelled; }
inline bool Cancelled(const std::optional<Failure>& failure) {
  return failure.has_value() && Cancelled(*failure);
}

}  // namespace kep
