// Open modes to access and share flags; see file_mode.h.
#include "platform/os/file_mode.h"

#include "platform/os/file.h"

DWORD FileModeAccess(Word mode) {
  switch (mode & 3) {
    case fmOpenRead: return GENERIC_READ;
    case fmOpenWrite: return GENERIC_WRITE;
    case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return 0;
  }
}

DWORD FileModeShare(Word mode, DWORD compatShare) {
  switch (mode & 0xF0) {
    case fmShareCompat: return compatShare;
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;   // fmShareExclusive and undefined values
  }
}
