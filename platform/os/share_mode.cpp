// Share-mode marks; see share_mode.h.
#include "platform/os/share_mode.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "platform/os/os_error.h"

namespace {

enum Mark : Int64 { kGate = 0, kHasRead, kHasWrite, kRefusesRead, kRefusesWrite, kRefusesDelete, kMarkCount };

struct flock MarkLock(short type, Mark mark) {
  struct flock fl {};
  fl.l_type = type;
  fl.l_whence = SEEK_SET;
  fl.l_start = kShareMarksBase + mark;
  fl.l_len = 1;
  return fl;
}

int SetLock(int fd, int cmd, short type, Mark mark) {
  struct flock fl = MarkLock(type, mark);
  int rc;
  do rc = fcntl(fd, cmd, &fl);
  while (rc != 0 && errno == EINTR);
  return rc == 0 ? 0 : errno;
}

// True when an open file description other than fd's holds `mark`.
bool HeldElsewhere(int fd, Mark mark) {
  struct flock fl = MarkLock(F_WRLCK, mark);
  return fcntl(fd, F_OFD_GETLK, &fl) == 0 && fl.l_type != F_UNLCK;
}

struct MarkPlan {
  Mark take[kMarkCount];
  int takeCount = 0;
  Mark refuse[kMarkCount];
  int refuseCount = 0;
  void Add(Mark own, Mark contradicting) {
    take[takeCount++] = own;
    refuse[refuseCount++] = contradicting;
  }
};

MarkPlan PlanFor(DWORD access, DWORD share) {
  MarkPlan plan;
  if (access & GENERIC_READ) plan.Add(kHasRead, kRefusesRead);
  if (access & GENERIC_WRITE) plan.Add(kHasWrite, kRefusesWrite);
  if (!(share & FILE_SHARE_READ)) plan.Add(kRefusesRead, kHasRead);
  if (!(share & FILE_SHARE_WRITE)) plan.Add(kRefusesWrite, kHasWrite);
  if (!(share & FILE_SHARE_DELETE)) plan.take[plan.takeCount++] = kRefusesDelete;
  return plan;
}

DWORD TakeAndTest(int fd, const MarkPlan& plan) {
  for (int i = 0; i < plan.takeCount; ++i) {
    if (const int err = SetLock(fd, F_OFD_SETLK, F_RDLCK, plan.take[i])) {
      for (int k = 0; k < i; ++k) SetLock(fd, F_OFD_SETLK, F_UNLCK, plan.take[k]);
      return WinErrorFromErrno(err);
    }
  }
  for (int i = 0; i < plan.refuseCount; ++i) {
    if (HeldElsewhere(fd, plan.refuse[i])) {
      for (int k = 0; k < plan.takeCount; ++k) SetLock(fd, F_OFD_SETLK, F_UNLCK, plan.take[k]);
      return ERROR_SHARING_VIOLATION;
    }
  }
  return ERROR_SUCCESS;
}

}  // namespace

DWORD AcquireShareMarks(int fd, bool writableFd, DWORD access, DWORD share) {
  const MarkPlan plan = PlanFor(access, share);
  const bool gated = writableFd && SetLock(fd, F_OFD_SETLKW, F_WRLCK, kGate) == 0;
  const DWORD result = TakeAndTest(fd, plan);
  if (gated) SetLock(fd, F_OFD_SETLK, F_UNLCK, kGate);
  return result;
}

bool DeletionRefused(int fd) { return HeldElsewhere(fd, kRefusesDelete); }
