#include "controls/foundation/kx_graphics_routines.h"

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kx_screen_canvas.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/custom_image_list.h"
#include "platform/user/char_next.h"
#include "platform/user/painting.h"

namespace {

// The character set the screen's stock system font reports; DEFAULT_CHARSET when it cannot tell.
Byte SystemCharset() {
  const HDC dc = GetSharedScreenCanvas()->GetHandle();
  const HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics{};
  const bool known = GetTextMetricsA(dc, &metrics) != 0;
  SelectObject(dc, old);
  return known ? metrics.tmCharSet : DEFAULT_CHARSET;
}

bool StartsWithSingleByteAscii(std::string_view Text) {
  if (Text.empty()) return false;
  const std::string first(Text.substr(0, 1));
  return CharNextA(first.c_str()) - first.c_str() == 1 && Byte(Text[0]) < 0x80;
}

}  // namespace

void InvalidateWindowRect(HWND Window, const TRect& R, bool Erase) { InvalidateRect(Window, &R, Erase); }

bool ReadLogFont(HFONT Font, LOGFONTA& LogFont) {
  return GetObjectA(Font, sizeof LogFont, &LogFont) == int(sizeof LogFont);
}

bool ReadBitmapInfo(HBITMAP Bitmap, BITMAP& Info) { return GetObjectA(Bitmap, sizeof Info, &Info) == int(sizeof Info); }

bool IsEastAsianOrArabicFontName(Byte Charset, std::string_view FontName) {
  if (Charset == DEFAULT_CHARSET) Charset = SystemCharset();
  if (StartsWithSingleByteAscii(FontName)) return false;
  return Charset == GB2312_CHARSET || Charset == CHINESEBIG5_CHARSET || Charset == ARABIC_CHARSET;
}

void ShrinkRectBySides(TRect& R, const TRect& Sides) {
  R = {R.Left + Sides.Left, R.Top + Sides.Top, R.Right - Sides.Right, R.Bottom - Sides.Bottom};
}

bool SameRectSize(const TRect& A, const TRect& B) { return A.Width() == B.Width() && A.Height() == B.Height(); }

bool IsBitmapAssigned(TBitmap* Bitmap) { return Bitmap != nullptr && !Bitmap->Empty(); }

bool IsImageIndexValid(TCustomImageList* Images, Integer Index) {
  return Images != nullptr && Index >= 0 && Index < Images->Count();
}

void ReplaceImageListLink(TCustomImageList* NewList, TCustomImageList*& Field, TChangeLink* Link,
                          TComponent* Component) {
  if (Field == NewList) return;
  if (Link != nullptr) {
    SetLinkedImageList(*Component, *Link, Field, NewList);
    Link->OnChange(NewList);
    return;
  }
  if (Field != nullptr) Field->RemoveFreeNotification(Component);
  Field = NewList;
  if (NewList != nullptr) NewList->FreeNotification(Component);
}

TColor GetHotHighlightColor() { return GetNearestScreenColor(MixSystemColors(-2, 30, 72)); }

TColor GetPressedHighlightColor() { return GetNearestScreenColor(MixSystemColors(14, 44, 40)); }

void BitBltRect(HDC Dest, HDC Source, const TRect& R, DWORD Rop, TPoint SourcePoint) {
  BitBlt(Dest, R.Left, R.Top, R.Width(), R.Height(), Source, SourcePoint.X, SourcePoint.Y, Rop);
}

std::unique_ptr<TBitmap> NewBitmapOfSize(Integer Width, Integer Height, TPixelFormat Format) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(Format);
  bitmap->SetSize(Width, Height);
  return bitmap;
}

std::unique_ptr<TBitmap> CopyDCToBitmap(HDC DC, const TRect& R) {
  std::unique_ptr<TBitmap> bitmap = NewBitmapOfSize(R.Width(), R.Height(), pf32bit);
  const HDC target = bitmap->Canvas()->Handle();
  PatBlt(target, 0, 0, R.Width(), R.Height(), BLACKNESS);
  BitBlt(target, 0, 0, R.Width(), R.Height(), DC, R.Left, R.Top, SRCCOPY);
  return bitmap;
}

void StretchCopyBitmap(TBitmap* Dest, TBitmap* Source) {
  StretchBlt(Dest->Canvas()->Handle(), 0, 0, Dest->Width(), Dest->Height(), Source->Canvas()->Handle(), 0, 0,
             Source->Width(), Source->Height(), SRCCOPY);
}
