#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>

namespace kep {

struct FreeDeleter {
  void operator()(void* block) const { std::free(block); }
};

// An array from malloc or calloc (or PixelAllocator, which uses them).
template <typename T>
using MallocArray = std::unique_ptr<T[], FreeDeleter>;

// An array of zeros for decoders to write into. A large one comes from the
// system as fresh zero pages, so that the parts a decoder never writes (a damaged
// file's missing data) cost no memory, yet read as 0 rather than as whatever the
// memory held. Throws std::bad_alloc when there is no memory for it.
template <typename T>
MallocArray<T> MakeZeroedArray(std::size_t count) {
  void* block = std::calloc(count == 0 ? 1 : count, sizeof(T));
  if (block == nullptr) throw std::bad_alloc();
  return MallocArray<T>(static_cast<T*>(block));
}

}  // namespace kep
