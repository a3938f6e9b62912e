#pragma once

#include <pybind11/pybind11.h>

#include <atomic>
#include <functional>

namespace kep::python {

namespace py = pybind11;

// Runs long work with the interpreter lock released, in a way that Ctrl-C
// reaches the caller at once: the work runs on a thread of its own while the
// calling thread checks for signals (PyErr_CheckSignals, which runs Python's
// handlers on the main thread) and calls `poll` every kPollMilliseconds, holding
// the lock for both. A KeyboardInterrupt, or any other exception of a signal
// handler or of `poll`, sets the stop flag that the work was given, waits for the
// work to end (its loops have stop points) and is raised. `poll` is called once
// more after the work has ended. Call with the lock held; `work` must not touch
// Python objects.
void RunInterruptibly(const std::function<void(const std::atomic<bool>* stop)>& work,
                      const std::function<void()>& poll = {});

inline constexpr int kPollMilliseconds = 20;

}  // namespace kep::python
