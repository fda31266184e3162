#include "platform/ui/pixel_memory.h"

#include <atomic>

namespace ui {
namespace {
std::atomic<BringInPages> g_bringIn{nullptr};
}  // namespace

void SetBringInPages(BringInPages bringIn) { g_bringIn.store(bringIn, std::memory_order_release); }

void BringInLargeBlock(void* memory, size_t bytes) {
  if (bytes < kBringInAtLeast) return;
  const BringInPages bringIn = g_bringIn.load(std::memory_order_acquire);
  if (bringIn) bringIn(memory, bytes);
}

}  // namespace ui
