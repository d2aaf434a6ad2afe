// The COM stream over a global memory block; see global_stream.h.
#include "platform/shims/global_stream.h"

#include <algorithm>
#include <cstring>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "platform/shims/ole_interfaces.h"
#include "platform/user/global_memory.h"

namespace {

class TGlobalStream final : public TOleInterfacedObject<IStream> {
 public:
  TGlobalStream(HGLOBAL block, bool deleteOnRelease)
      : block_(block), bytes_(static_cast<Byte*>(GlobalLock(block))), size_(GlobalSize(block)),
        deleteOnRelease_(deleteOnRelease) {}
  ~TGlobalStream() override {
    GlobalUnlock(block_);
    if (deleteOnRelease_) GlobalFree(block_);
  }

  HRESULT Read(void* buffer, ULONG count, ULONG* read) override {
    if (!buffer && count > 0) return STG_E_INVALIDPOINTER;
    const std::size_t n = std::min<std::uint64_t>(count, Left());
    if (n > 0) std::memcpy(buffer, bytes_ + position_, n);
    position_ += n;
    if (read) *read = ULONG(n);
    return S_OK;
  }

  HRESULT Write(const void* buffer, ULONG count, ULONG* written) override {
    if (!buffer && count > 0) return STG_E_INVALIDPOINTER;
    const std::size_t n = std::min<std::uint64_t>(count, Left());
    if (n > 0) std::memcpy(bytes_ + position_, buffer, n);
    position_ += n;
    if (written) *written = ULONG(n);
    return n == count ? S_OK : STG_E_MEDIUMFULL;
  }

  HRESULT Seek(std::int64_t move, DWORD origin, std::uint64_t* newPosition) override {
    std::int64_t from = 0;
    if (origin == STREAM_SEEK_CUR) from = std::int64_t(position_);
    else if (origin == STREAM_SEEK_END) from = std::int64_t(size_);
    else if (origin != STREAM_SEEK_SET) return STG_E_INVALIDFUNCTION;
    if (move < -from) return STG_E_INVALIDFUNCTION;
    position_ = std::uint64_t(from + move);
    if (newPosition) *newPosition = position_;
    return S_OK;
  }

  HRESULT Size(std::uint64_t* size) override {
    if (!size) return STG_E_INVALIDPOINTER;
    *size = size_;
    return S_OK;
  }

 private:
  std::uint64_t Left() const { return position_ < size_ ? size_ - position_ : 0; }

  HGLOBAL block_;
  Byte* bytes_;
  std::uint64_t size_;
  std::uint64_t position_ = 0;
  bool deleteOnRelease_;
};

// A block of size 0 locks as a null address, so only the error tells a foreign handle apart.
bool LiveBlock(HGLOBAL block) {
  SetLastError(ERROR_SUCCESS);
  const bool live = GlobalLock(block) != nullptr || GetLastError() != ERROR_INVALID_HANDLE;
  if (live) GlobalUnlock(block);
  return live;
}

}  // namespace

HRESULT CreateStreamOnHGlobal(HGLOBAL block, BOOL deleteOnRelease, TInterfacePtr<IStream>& stream) {
  stream = nullptr;
  if (!block) {
    block = GlobalAlloc(GMEM_MOVEABLE, 0);
    if (!block) return E_OUTOFMEMORY;
  } else if (!LiveBlock(block)) {
    return E_INVALIDARG;
  }
  stream = new TGlobalStream(block, deleteOnRelease != 0);
  return S_OK;
}
