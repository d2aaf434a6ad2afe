// Page fetch, change tracking and page allocation for one key.
#include "suite/isam/key_pages.h"

#include <cassert>

#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/write_ahead.h"

PageBuffer* KeyPages::Buffer(Integer pageNo) {
  if (pageNo < 1 || pageNo > Header().allocated) {
    IsamFail(isam_error::RebuildNeeded);
    return nullptr;
  }
  return IsamPagePool().Fetch(&fb_, key_, pageNo);
}

IsamPage* KeyPages::Fetch(Integer pageNo) {
  PageBuffer* b = Buffer(pageNo);
  return b ? &b->page : nullptr;
}

IsamPage* KeyPages::Modify(Integer pageNo) {
  PageBuffer* b = Buffer(pageNo);
  if (!b || !WriteAheadJournalPage(fb_, *b)) return nullptr;
  IsamPagePool().MarkDirty(*b);
  return &b->page;
}

bool KeyPages::ChangeHeader() {
  FileSectionInfo& h = Header();
  if (!WriteAheadJournalHeader(fb_, key_)) return false;
  h.dirty = true;
  h.changedSincePublish = true;
  return true;
}

namespace {
bool ValidLink(Integer link, Integer allocated) { return link != 0 && link >= -1 && link <= allocated; }
}  // namespace

Integer KeyPages::New(IsamPage*& page) {
  FileSectionInfo& h = Header();
  Integer pageNo = 0;
  const bool fromChain = h.freeHead != -1 && WriteAheadMayTakeFromChain(fb_, key_);
  if (fromChain) {
    if (!ValidLink(h.freeHead, h.allocated)) return IsamFail(isam_error::FreeChainDamaged), 0;
    Byte link[4];
    if (!fb_.index.ReadAt(fb_.PageOffset(key_, h.freeHead), link, 4)) return 0;
    const Integer next = GetInt32LE(link);
    if (!ValidLink(next, h.allocated)) return IsamFail(isam_error::FreeChainDamaged), 0;
    if (!WriteAheadJournalHeader(fb_, key_, next)) return 0;
    pageNo = h.freeHead;
    h.freeHead = next;
    --h.freeCount;
  } else {
    if (!WriteAheadJournalHeader(fb_, key_)) return 0;
    pageNo = h.allocated + 1;
    if (fb_.slotsInUse < pageNo) {
      if (!WriteAheadBeforeWrite(fb_) ||
          !fb_.index.WriteZeros(static_cast<Int64>(pageNo) * fb_.slotSize, static_cast<DWORD>(fb_.slotSize)))
        return 0;
      fb_.slotsInUse = pageNo;
    }
    h.allocated = pageNo;
  }
  h.tookFromFreeChain = fromChain;
  h.dirty = true;
  h.changedSincePublish = true;
  PageBuffer* b = IsamPagePool().Take(&fb_, key_, pageNo);
  if (!b) return 0;
  b->page.count = 0;
  b->page.leftChild = 0;
  IsamPagePool().MarkDirty(*b);
  page = &b->page;
  return pageNo;
}

bool KeyPages::Free(Integer pageNo) {
  FileSectionInfo& h = Header();
  assert(pageNo >= 1 && pageNo <= h.allocated);
  if (!WriteAheadJournalHeader(fb_, key_) || !WriteAheadBeforeWrite(fb_)) return false;
  Byte link[4];
  PutInt32LE(link, h.freeHead);
  IsamPagePool().Drop(&fb_, key_, pageNo);
  if (!fb_.index.WriteAt(fb_.PageOffset(key_, pageNo), link, 4)) return false;
  h.freeHead = pageNo;
  ++h.freeCount;
  h.dirty = true;
  h.changedSincePublish = true;
  return true;
}
