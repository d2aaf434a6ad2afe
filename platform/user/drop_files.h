// Files dropped on the program's windows from other programs: DragAcceptFiles, WM_DROPFILES and
// the HDROP it carries (DragQueryFileA / W, DragQueryPoint, DragFinish).
//
// An HDROP is a global memory block (global_memory.h) holding a DROPFILES header followed, at
// pFiles, by the paths as NUL-terminated UTF-16 strings and one more NUL (fWide is TRUE).  pt is
// the drop point in the target's client coordinates, or in screen coordinates when fNC says the
// point lies outside the client area.  The receiver of WM_DROPFILES frees the block with
// DragFinish.
//
// `user::DropFiles` and `user::DropText` are where a display (or a test) hands over what another
// program dropped.  The drop goes to the window under the point, or its nearest parent, that has
// a registered drop target or (files only) WS_EX_ACCEPTFILES; a drop target wins over accepting
// files on the same window.  Files for a window that only accepts files arrive as a posted
// WM_DROPFILES.
//
// Drop targets belong to the OLE drag-and-drop library (platform/shims), not to this layer: that
// library installs a `DropTargetHost`, which this layer asks whether a window has a target, hands
// drops for such windows, and tells of every window freed.  Without a host no window has a target.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user/user_types.h"

using HDROP = HANDLE;

struct DROPFILES {
  DWORD pFiles;   // offset of the first path from the start of the block
  TPoint pt;
  BOOL fNC;
  BOOL fWide;
};

void DragAcceptFiles(HWND hwnd, BOOL accept);
// index 0xFFFFFFFF: the number of paths.  Otherwise the length of path `index` in characters
// without its NUL (0 for a bad index); with a buffer, as much of it as fits with a NUL
// (code page 874 for the A form), answering the characters copied.
UINT DragQueryFileA(HDROP drop, UINT index, char* buffer, UINT size);
UINT DragQueryFileW(HDROP drop, UINT index, char16_t* buffer, UINT size);
// TRUE when the drop happened in the client area.
BOOL DragQueryPoint(HDROP drop, TPoint* point);
void DragFinish(HDROP drop);

namespace user {

// Files dropped at a screen point; false when no window there takes them.
bool DropFiles(TPoint screen, const std::vector<std::u16string>& paths);
// Text dropped at a screen point; false when no drop target there takes it.
bool DropText(TPoint screen, std::u16string_view text);

// A drop-files block (fWide TRUE) with the paths and the point; nullptr when no memory is had.
HDROP MakeDropFiles(const std::vector<std::u16string>& paths, TPoint pt, bool nonClient);
// The window under the screen point for which `wanted` is true, or its nearest parent for which
// it is (a top-level window ends the search); nullptr when there is none.
HWND NearestWindowAt(TPoint screen, bool (*wanted)(HWND));

class DropTargetHost {
 public:
  virtual bool HasTarget(HWND hwnd) = 0;
  // Hands a drop at a screen point to the target of `hwnd`; true when the target took it.
  virtual bool DropText(HWND hwnd, TPoint screen, std::u16string_view text) = 0;
  virtual bool DropFiles(HWND hwnd, TPoint screen, const std::vector<std::u16string>& paths) = 0;
  // `hwnd` is being freed: its target, if any, goes.
  virtual void WindowFreed(HWND hwnd) = 0;

 protected:
  ~DropTargetHost() = default;
};

// Installs the host (nullptr: none); it must outlive its installation.
void SetDropTargetHost(DropTargetHost* host);
// Called by the window tree for every window it frees.
void DropTargetWindowFreed(HWND hwnd);

}  // namespace user
