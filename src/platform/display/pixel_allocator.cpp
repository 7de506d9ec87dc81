#include "platform/display/pixel_allocator.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace platform {

namespace {
constexpr std::size_t huge_page = std::size_t{2} << 20;
}  // namespace

void* allocate_pixels(std::size_t bytes) {
#ifdef __EMSCRIPTEN__
  constexpr bool huge_pages = false;  // a page's memory has no pages to fault
#else
  constexpr bool huge_pages = true;
#endif
  if (!huge_pages || bytes < huge_page) {  // the ordinary heap is as good
    if (void* p = std::malloc(bytes == 0 ? 1 : bytes)) return p;
    throw std::bad_alloc();
  }
  const std::size_t rounded = (bytes + huge_page - 1) / huge_page * huge_page;
  void* p = std::aligned_alloc(huge_page, rounded);
  if (!p) throw std::bad_alloc();
  madvise(p, rounded, MADV_HUGEPAGE);  // a hint: without huge pages the memory works the same
  return p;
}

void release_pixels(void* pixels) noexcept { std::free(pixels); }

}  // namespace platform
