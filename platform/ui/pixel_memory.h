#pragma once
// The memory behind pictures' pixels. A large picture is written whole as soon as it is made
// (zeroed, then decoded or copied into), so its fresh pages can be brought in by one call
// beforehand rather than by a page fault each; where a fault is dear (a virtual machine) that
// halves the cost of a background picture. How to bring them in is the backend's to say; by
// default nothing is done and the pages fault in as they are written.
#include <cstddef>
#include <memory>

namespace ui {

using BringInPages = void (*)(void* memory, size_t bytes);
void SetBringInPages(BringInPages bringIn);

// Below this a picture is a few pages, and one call would save nothing.
inline constexpr size_t kBringInAtLeast = 64 * 1024;
// Calls the installed function when `bytes` reaches kBringInAtLeast.
void BringInLargeBlock(void* memory, size_t bytes);

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) {}
  T* allocate(size_t count) {
    T* memory = std::allocator<T>().allocate(count);
    BringInLargeBlock(memory, count * sizeof(T));
    return memory;
  }
  void deallocate(T* memory, size_t count) { std::allocator<T>().deallocate(memory, count); }
  friend bool operator==(const PixelAllocator&, const PixelAllocator&) { return true; }
};

}  // namespace ui
