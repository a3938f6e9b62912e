#include "worker_memory.h"

#include <malloc.h>

#include <mutex>

namespace kep::python {

void KeepLargeBuffersInHeap() {
  static std::once_flag once;
  std::call_once(once, [] { mallopt(M_MMAP_THRESHOLD, static_cast<int>(kHeapBufferBytes)); });
}

}  // namespace kep::python
