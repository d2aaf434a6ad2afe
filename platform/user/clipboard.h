// The clipboard, in process: formats by number and by registered name, data as global memory
// handles (or bitmap handles for CF_BITMAP), delayed rendering, and the text conversions.
//
// Text formats convert as on the platform: CF_TEXT and CF_OEMTEXT (code page 874 bytes, zero
// terminated) and CF_UNICODETEXT (UTF-16, zero terminated) are each made from whichever of them was
// set, on first request; the made-up ones are listed by EnumClipboardFormats after the formats set.
// A registered format (RegisterClipboardFormat, numbers from 0xC000 shared with registered
// messages) carries its bytes unchanged.  The clipboard owns what is set on it and frees it when
// emptied.  Calls that need the clipboard open fail with ERROR_CLIPBOARD_NOT_OPEN.  Interface
// thread only.
//
// The display's system clipboard mirrors text (backend.h): CloseClipboard after a change gives the
// text that was set (as UTF-16) to the display; OpenClipboard takes text the display holds when it
// differs from the text last exchanged, replacing the whole clipboard by that CF_UNICODETEXT with
// no owner.  Other formats stay in the process.
#pragma once

#include "platform/user/user_types.h"

inline constexpr UINT CF_TEXT = 1, CF_BITMAP = 2, CF_METAFILEPICT = 3, CF_SYLK = 4, CF_DIF = 5, CF_TIFF = 6,
                      CF_OEMTEXT = 7, CF_DIB = 8, CF_PALETTE = 9, CF_RIFF = 11, CF_WAVE = 12,
                      CF_UNICODETEXT = 13, CF_ENHMETAFILE = 14, CF_HDROP = 15, CF_LOCALE = 16, CF_DIBV5 = 17;

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
HANDLE SetClipboardData(UINT format, HANDLE data);
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
UINT EnumClipboardFormats(UINT format);
int CountClipboardFormats();
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
UINT RegisterClipboardFormatA(const char* name);
int GetClipboardFormatNameA(UINT format, char* buffer, int size);
