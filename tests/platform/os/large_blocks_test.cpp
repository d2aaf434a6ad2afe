// Large blocks: every size gives writable memory of its own; blocks of 2 MiB or more start on a
// 2 MiB boundary (the condition for the kernel to back them with huge pages).
#include "platform/os/large_blocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace {

TEST(LargeBlocks, EverySizeIsWritableAndLargeOnesAreHugePageAligned) {
  constexpr std::size_t kHuge = std::size_t(2) << 20;
  const std::size_t sizes[] = {0, 40, kHuge - 1, kHuge, 3 * kHuge + 5};
  for (const std::size_t size : sizes) {
    void* block = AllocateLargeBlock(size);
    ASSERT_NE(block, nullptr) << size;
    std::memset(block, 0x5A, size);
    if (size > 0) {
      EXPECT_EQ(static_cast<unsigned char*>(block)[size - 1], 0x5A) << size;
    }
    if (size >= kHuge) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kHuge, 0u) << size;
    }
    FreeLargeBlock(block);
  }
}

TEST(LargeBlocks, ASizeNearTheAddressLimitIsRefusedRatherThanWrapped) {
  EXPECT_THROW(AllocateLargeBlock(SIZE_MAX), std::bad_alloc);
  EXPECT_THROW(AllocateLargeBlock(SIZE_MAX - 1024), std::bad_alloc);
}

}   // namespace
