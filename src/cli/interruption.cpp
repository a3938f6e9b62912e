#include "cli/interruption.h"

#include <csignal>

namespace kep::cli {

namespace {

// Lock-free, so that the signal handler may set it.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) { g_interrupted.store(true, std::memory_order_relaxed); }

}  // namespace

void StopOnInterrupt() {
  std::signal(SIGINT, OnInterrupt);
  std::signal(SIGTERM, OnInterrupt);
}

const std::atomic<bool>& InterruptRequested() { return g_interrupted; }

}  // namespace kep::cli
