#pragma once

#include <atomic>
#include <new>
#include <type_traits>

#include "failure/failure.h"
#include "fractal/measure_result.h"
#include "services/stop_request.h"

namespace kep {

// Runs a step of the measuring pipeline with the stop flag installed on this
// thread; a lack of memory and a request to stop become its failure, so that
// nothing but a result ever leaves the pipeline.
template <typename Result, typename Work>
Result Guarded(const std::atomic<bool>* stop, Work work) {
  const auto failed = [](Failure failure) {
    if constexpr (std::is_same_v<Result, MeasureResult>) {
      return MeasureResult::Failed(std::move(failure));
    } else {
      return Result(std::move(failure));
    }
  };
  const ScopedStopRequest installed(stop);
  try {
    return work();
  } catch (const std::bad_alloc&) {
    return failed({FailureCode::kOutOfMemory, "not enough memory to measure the image"});
  } catch (const MeasurementStopped&) {
    return failed({FailureCode::kCancelled, "the measurement was stopped"});
  }
}

}  // namespace kep
