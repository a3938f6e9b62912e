#pragma once

#include <cstddef>

namespace kep::python {

// Lets glibc keep buffers of up to kHeapBufferBytes in the heap once they are
// freed, as it does by itself unless a malloc setting (such as the
// MALLOC_TRIM_THRESHOLD_ that Dask's nannies give their workers) fixes its
// thresholds: else every large buffer of every file is mapped afresh and its
// pages faulted in and zeroed again, which made a worker measure three times
// slower than kep.batch. Called once per process, by the tasks that measure
// files for a cluster; a process-wide setting of the C library.
void KeepLargeBuffersInHeap();

inline constexpr std::size_t kHeapBufferBytes = std::size_t{64} << 20;

}  // namespace kep::python
