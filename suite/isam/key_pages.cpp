// Page fetch, change tracking and page allocation for one key.
#include "suite/isam/key_pages.h"

#include <cassert>
#include <limits>

#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/write_ahead.h"

PageRef KeyPages::Fetch(Integer pageNo) {
  if (pageNo < 1 || pageNo > Header().allocated) {
    IsamFail(isam_error::RebuildNeeded);
    return PageRef();
  }
  return IsamPagePool().Fetch(&fb_, key_, pageNo);
}

bool KeyPages::Modify(PageRef& page) {
  page->ClearTails();   // the before-image and the page written back carry zeros there
  if (!WriteAheadJournalPage(fb_, page.Buffer())) return false;
  IsamPagePool().MarkDirty(page.Buffer());
  return true;
}

PageRef KeyPages::Modify(Integer pageNo) {
  PageRef page = Fetch(pageNo);
  if (page && !Modify(page)) return PageRef();
  return page;
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

bool KeyPages::MayTakeFromChain(Integer pageNo) {
  // A page of the tree on the free-page chain (the root, or any page held in a buffer: a free page
  // never is) would be handed out twice.
  const FileSectionInfo& h = Header();
  return ValidLink(pageNo, h.allocated) && pageNo != h.root && h.freeCount > 0 &&
         !IsamPagePool().Holds(&fb_, key_, pageNo);
}

PageRef KeyPages::New() {
  FileSectionInfo& h = Header();
  Integer pageNo = 0;
  const bool fromChain = h.freeHead != -1 && WriteAheadMayTakeFromChain(fb_, key_);
  if (fromChain) {
    if (!MayTakeFromChain(h.freeHead)) return IsamFail(isam_error::FreeChainDamaged), PageRef();
    Byte link[4];
    if (!fb_.index.ReadAt(fb_.PageOffset(key_, h.freeHead), link, 4)) return PageRef();
    const Integer next = GetInt32LE(link);
    if (!ValidLink(next, h.allocated) || next == h.freeHead) return IsamFail(isam_error::FreeChainDamaged), PageRef();
    if (!WriteAheadJournalHeader(fb_, key_, next)) return PageRef();
    pageNo = h.freeHead;
    h.freeHead = next;
    --h.freeCount;
  } else {
    if (h.allocated == std::numeric_limits<Integer>::max()) return IsamFail(isam_error::ShortWrite), PageRef();
    if (!WriteAheadJournalHeader(fb_, key_)) return PageRef();
    pageNo = h.allocated + 1;
    if (fb_.slotsInUse < pageNo) {
      if (!WriteAheadBeforeWrite(fb_) ||
          !fb_.index.WriteZeros(static_cast<Int64>(pageNo) * fb_.slotSize, static_cast<DWORD>(fb_.slotSize)))
        return PageRef();
      fb_.slotsInUse = pageNo;
    }
    h.allocated = pageNo;
  }
  h.tookFromFreeChain = fromChain;
  h.dirty = true;
  h.changedSincePublish = true;
  PageRef page = IsamPagePool().Take(&fb_, key_, pageNo);
  if (!page) return page;
  page->Reset(Header().maxKeyLength);
  IsamPagePool().MarkDirty(page.Buffer());
  return page;
}

bool KeyPages::Free(PageRef page) {
  FileSectionInfo& h = Header();
  const Integer pageNo = page.Number();
  assert(pageNo >= 1 && pageNo <= h.allocated);
  page.Release();
  // A page of the tree while the count says every page is free: the count is damaged.
  if (h.freeCount >= h.allocated) return IsamFail(isam_error::FreeChainDamaged);
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
