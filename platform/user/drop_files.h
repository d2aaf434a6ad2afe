// Files dropped on the program's windows from other programs: DragAcceptFiles, WM_DROPFILES and
// the HDROP it carries (DragQueryFileA / W, DragQueryPoint, DragFinish).
//
// An HDROP is a global memory block (global_memory.h) holding a DROPFILES header followed, at
// pFiles, by the paths as NUL-terminated UTF-16 strings and one more NUL (fWide is TRUE).  pt is
// the drop point in the target's client coordinates, or in screen coordinates when fNC says the
// point lies outside the client area.  The receiver of WM_DROPFILES frees the block with
// DragFinish.
//
// `user::DropFiles` is where a display (or a test) hands over a drop: the window under the point
// that has WS_EX_ACCEPTFILES, or the nearest parent that has it, gets WM_DROPFILES posted.  Text
// dropped by other programs reaches windows only through a registered drop target, which this
// layer does not have yet: `user::DropText` refuses it.
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

// Files dropped at a screen point; false when no window there accepts files.
bool DropFiles(TPoint screen, const std::vector<std::u16string>& paths);
bool DropText(TPoint screen, std::u16string_view text);

}  // namespace user
