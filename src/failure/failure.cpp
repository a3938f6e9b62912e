#include "failure/failure.h"

namespace kep {

std::string_view FailureCodeName(FailureCode code) {
  switch (code) {
    case FailureCode::kUnreadable:
      return "unreadable";
    case FailureCode::kNoImage:
      return "no-image";
    case FailureCode::kBadSettings:
      return "bad-settings";
    case FailureCode::kNoParticles:
      return "no-particles";
    case FailureCode::kTooFewOutlinePoints:
      return "too-few-outline-points";
    case FailureCode::kParameterOutOfRange:
      return "parameter-out-of-range";
    case FailureCode::kTooFewPoints:
      return "too-few-points";
    case FailureCode::kDegenerateFit:
      return "degenerate-fit";
    case FailureCode::kNoScaling:
      return "no-scaling";
    case FailureCode::kCancelled:
      return "cancelled";
    case FailureCode::kOutOfMemory:
      return "out-of-memory";
  }
  return "unknown";
}

}  // namespace kep
