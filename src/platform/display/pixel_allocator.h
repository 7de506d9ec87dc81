#pragma once
// Surface memory in huge pages where the system offers them: a 1024 x 768 surface is 768 small
// pages, each a page fault on first touch, and the program makes a dozen surfaces at start-up.
#include <cstddef>
#include <cstdint>

namespace platform {

void* allocate_pixels(std::size_t bytes);
void release_pixels(void* pixels) noexcept;

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(allocate_pixels(n * sizeof(T))); }
  void deallocate(T* p, std::size_t) noexcept { release_pixels(p); }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const noexcept { return true; }
};

}  // namespace platform
