#include "services/stop_request.h"

namespace kep {

namespace {

thread_local const std::atomic<bool>* t_stopFlag = nullptr;

}  // namespace

ScopedStopRequest::ScopedStopRequest(const std::atomic<bool>* flag) : m_previous(t_stopFlag) {
  if (flag != nullptr) t_stopFlag = flag;
}

ScopedStopRequest::~ScopedStopRequest() { t_stopFlag = m_previous; }

void StopPoint() {
  if (t_stopFlag != nullptr && t_stopFlag->load(std::memory_order_relaxed)) {
    throw MeasurementStopped();
  }
}

}  // namespace kep
