#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kep {

// Allocates the pixel storage of images. A large block is aligned to and marked
// for transparent huge pages where the system offers them: touching a fresh
// image then costs one page fault per 2 MiB instead of one per 4 KiB, which
// makes up much of the time of copying or clearing a large image for the first time.
template <typename T>
struct PixelAllocator {
  using value_type = T;

  static constexpr std::size_t kHugePage = std::size_t{2} << 20;

  PixelAllocator() = default;
  template <typename U>
  explicit PixelAllocator(const PixelAllocator<U>&) {}

  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T) - kHugePage) throw std::bad_alloc();
    const std::size_t bytes = n * sizeof(T);
    void* p = nullptr;
    if (bytes >= 2 * kHugePage) {
      p = std::aligned_alloc(kHugePage, (bytes + kHugePage - 1) / kHugePage * kHugePage);
#if defined(MADV_HUGEPAGE)
      if (p != nullptr) madvise(p, bytes, MADV_HUGEPAGE);
#endif
    } else {
      p = std::malloc(bytes == 0 ? 1 : bytes);
    }
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<T*>(p);
  }

  void deallocate(T* p, std::size_t) noexcept { std::free(p); }

  template <typename U>
  bool operator==(const PixelAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace kep
