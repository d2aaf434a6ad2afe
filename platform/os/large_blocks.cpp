#include "platform/os/large_blocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

}   // namespace

void* AllocateLargeBlock(std::size_t Bytes) {
  void* block = nullptr;
  if (Bytes > SIZE_MAX - kHugePage) throw std::bad_alloc();   // rounding up would wrap to a small block
  if (Bytes >= kHugePage) {
    const std::size_t rounded = (Bytes + kHugePage - 1) / kHugePage * kHugePage;
    block = std::aligned_alloc(kHugePage, rounded);
    if (block != nullptr) madvise(block, rounded, MADV_HUGEPAGE);   // advice only: failure is harmless
  } else {
    block = std::malloc(Bytes == 0 ? 1 : Bytes);
  }
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeLargeBlock(void* Block) noexcept { std::free(Block); }
