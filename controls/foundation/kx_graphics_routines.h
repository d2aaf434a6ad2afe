// Small routines of the control library's drawing unit (kxGraphics): rectangles, reading drawing
// objects, font character sets, image-list links, the highlight colours of the hot and pressed
// looks, and bitmap copies.
#pragma once

#include <memory>
#include <string_view>

#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/bitmap.h"
#include "platform/user/user_types.h"

class TChangeLink;
class TComponent;
class TCustomImageList;

// InvalidateRect of the window.
void InvalidateWindowRect(HWND Window, const TRect& R, bool Erase);
// GetObjectA of the font (LOGFONT) and of the bitmap (BITMAP); true on success.
bool ReadLogFont(HFONT Font, LOGFONTA& LogFont);
bool ReadBitmapInfo(HBITMAP Bitmap, BITMAP& Info);

// True for GB2312, Big5 and Arabic fonts whose name does not begin with a one-byte ASCII
// character; DEFAULT_CHARSET stands for the system's character set (the stock system font's on the
// screen).
bool IsEastAsianOrArabicFontName(Byte Charset, std::string_view FontName);

// Left += Sides.Left, Top += Sides.Top, Right -= Sides.Right, Bottom -= Sides.Bottom.
void ShrinkRectBySides(TRect& R, const TRect& Sides);
bool SameRectSize(const TRect& A, const TRect& B);
// Not nil and not empty.
bool IsBitmapAssigned(TBitmap* Bitmap);
// The list exists and 0 <= Index < its count.
bool IsImageIndexValid(TCustomImageList* Images, Integer Index);
// Points Field at NewList (nothing when it is there already): the old list loses Component's free
// notification and the link, the new one gains both; a given link then hears a change.
void ReplaceImageListLink(TCustomImageList* NewList, TCustomImageList*& Field, TChangeLink* Link, TComponent* Component);

// The screen's nearest colours of two mixes of face, highlight and window colours.
TColor GetHotHighlightColor();
TColor GetPressedHighlightColor();

// BitBlt of R's size from Source's point SourcePoint to R.
void BitBltRect(HDC Dest, HDC Source, const TRect& R, DWORD Rop, TPoint SourcePoint);
std::unique_ptr<TBitmap> NewBitmapOfSize(Integer Width, Integer Height, TPixelFormat Format);
// A 32-bit bitmap of R's size, black, then holding R of the context.
std::unique_ptr<TBitmap> CopyDCToBitmap(HDC DC, const TRect& R);
// The whole source stretched onto the whole destination with SRCCOPY.
void StretchCopyBitmap(TBitmap* Dest, TBitmap* Source);
