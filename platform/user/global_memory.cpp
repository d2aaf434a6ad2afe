#include "platform/user/global_memory.h"

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"

namespace {

struct Block {
  std::vector<std::byte> bytes;
  int locks = 0;
};

struct Blocks {
  std::mutex mutex;
  std::unordered_map<std::uintptr_t, std::unique_ptr<Block>> blocks;
  std::uintptr_t nextSerial = 0;
};

Blocks& Table() {
  static Blocks table;
  return table;
}

Block* Find(HGLOBAL memory) {
  auto it = Table().blocks.find(reinterpret_cast<std::uintptr_t>(memory));
  return it == Table().blocks.end() ? nullptr : it->second.get();
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, std::size_t bytes) {
  Blocks& t = Table();
  std::lock_guard lock(t.mutex);
  auto block = std::make_unique<Block>();
  block->bytes.assign(bytes, std::byte{0});   // zeroed whatever GMEM_ZEROINIT says
  const std::uintptr_t handle = 0x300000 + 4 * t.nextSerial++;
  t.blocks.emplace(handle, std::move(block));
  return reinterpret_cast<HGLOBAL>(handle);
}

void* GlobalLock(HGLOBAL memory) {
  std::lock_guard lock(Table().mutex);
  Block* b = Find(memory);
  if (b == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  ++b->locks;
  return b->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  std::lock_guard lock(Table().mutex);
  Block* b = Find(memory);
  if (b == nullptr || b->locks == 0) return FALSE;
  return --b->locks > 0;
}

std::size_t GlobalSize(HGLOBAL memory) {
  std::lock_guard lock(Table().mutex);
  Block* b = Find(memory);
  return b == nullptr ? 0 : b->bytes.size();
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  std::lock_guard lock(Table().mutex);
  return Table().blocks.erase(reinterpret_cast<std::uintptr_t>(memory)) ? nullptr : memory;
}
