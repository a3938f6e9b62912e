#pragma once

#include <atomic>

namespace kep::cli {

// The exit status of a run stopped by Ctrl-C (SIGINT) or SIGTERM: 128 + SIGINT.
inline constexpr int kExitInterrupted = 130;

// Makes SIGINT and SIGTERM ask the running measurement to stop instead of ending
// the program on the spot, so that it can leave no half-written file behind.
void StopOnInterrupt();

// Set once SIGINT or SIGTERM has arrived; the measurements read it.
const std::atomic<bool>& InterruptRequested();

}  // namespace kep::cli
