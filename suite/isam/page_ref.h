// A page buffer of the pool, and the pinned reference through which the engine reads and changes
// the page it holds.
//
// Invariants: while a PageRef to a buffer lives, its pin count is above 0 and the pool neither
// reuses the buffer for another page nor forgets it, so the reference stays valid across any
// number of fetches; the pin is released when the reference ends (or on Release).  A PageRef is
// not copyable; moving it moves the pin.  The B-tree pins at most three pages at once (a parent
// and two children), far below the pool's minimum of eight buffers.
#pragma once

#include <cassert>
#include <utility>

#include "suite/isam/isam_page.h"

struct IsamFileBlock;

struct PageBuffer {
  IsamFileBlock* owner = nullptr;
  Integer key = 0;
  Integer pageNo = 0;
  bool dirty = false;
  bool listed = false;   // on the pool's dirty list
  Word pins = 0;         // live PageRefs to this buffer
  IsamPage page;
};

class PageRef {
 public:
  PageRef() = default;
  explicit PageRef(PageBuffer* buffer) : buffer_(buffer) {
    if (buffer_) ++buffer_->pins;
  }
  PageRef(PageRef&& other) noexcept : buffer_(std::exchange(other.buffer_, nullptr)) {}
  PageRef& operator=(PageRef&& other) noexcept {
    if (this != &other) {
      Release();
      buffer_ = std::exchange(other.buffer_, nullptr);
    }
    return *this;
  }
  PageRef(const PageRef&) = delete;
  PageRef& operator=(const PageRef&) = delete;
  ~PageRef() { Release(); }

  // False for an empty reference (a failed fetch: the status says why).
  explicit operator bool() const { return buffer_ != nullptr; }
  IsamPage& operator*() const { return buffer_->page; }
  IsamPage* operator->() const { return &buffer_->page; }
  PageBuffer& Buffer() const { return *buffer_; }
  Integer Number() const { return buffer_->pageNo; }

  // Unpins the buffer before the reference ends (the pool may reuse it from then on).
  void Release() {
    if (!buffer_) return;
    assert(buffer_->pins > 0);
    --buffer_->pins;
    buffer_ = nullptr;
  }

 private:
  PageBuffer* buffer_ = nullptr;
};
