#pragma once

#include <atomic>

namespace kep {

// Thrown at a stop point when the work of this thread has been asked to stop;
// the measuring pipeline catches it and answers with a cancelled result.
struct MeasurementStopped {};

// Installs, while it lives, the flag that the stop points of this thread read:
// another thread, or a signal handler, sets it to ask the work to stop. Without
// a flag the one installed before stays in force.
class ScopedStopRequest {
 public:
  explicit ScopedStopRequest(const std::atomic<bool>* flag);
  ~ScopedStopRequest();
  ScopedStopRequest(const ScopedStopRequest&) = delete;
  ScopedStopRequest& operator=(const ScopedStopRequest&) = delete;

 private:
  const std::atomic<bool>* m_previous;
};

// A point where long work may stop: throws MeasurementStopped when the flag
// installed on this thread is set. Cheap enough for every row of an image.
void StopPoint();

}  // namespace kep
