// A minimal source of the shell's small and large icons, as SHGetFileInfoA gives them with
// SHGFI_SYSICONINDEX: the handle of the system image list of that size and the icon index of a
// named object.  The markup renderer's "SSYS:" and "LSYS:" pictures draw through it.
//
// The system image lists hold two icons of our own, 16 x 16 (small) and 32 x 32 (large), 32-bit
// with alpha: a folder (index 0) and a file (index 1).  A path that names an existing folder gets
// the folder icon; anything else, existing or not, gets the file icon.  The lists live for the
// whole program (made on first use) and must not be destroyed by callers.  Every other flag of
// SHGetFileInfoA answers 0 here: the shell controls bring the rest.
#pragma once

#include "platform/gdi/gdi_types.h"
#include "platform/user/user_types.h"

inline constexpr UINT SHGFI_LARGEICON = 0x0000, SHGFI_SMALLICON = 0x0001, SHGFI_SYSICONINDEX = 0x4000;

inline constexpr int kShellFolderIconIndex = 0;
inline constexpr int kShellFileIconIndex = 1;

struct SHFILEINFOA {
  HICON hIcon;
  int iIcon;
  DWORD dwAttributes;
  char szDisplayName[260];
  char szTypeName[80];
};

// With SHGFI_SYSICONINDEX (and SHGFI_SMALLICON for the small list): `info->iIcon` becomes the icon
// index of `path` (code page 874, native or Windows form) and the result is the list's handle as a
// number.  0 without that flag, without `info` or with a size smaller than SHFILEINFOA.
DWORD_PTR SHGetFileInfoA(const char* path, DWORD fileAttributes, SHFILEINFOA* info, UINT size, UINT flags);
