#include "platform/user/layered_window.h"

#include "platform/gdi/blt.h"
#include "platform/gdi/raster_ops.h"
#include "platform/user/backend.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_table.h"

namespace {

user::Window* Layered(HWND hwnd) {
  user::Window* w = user::W(hwnd);
  return w != nullptr && (w->exStyle & WS_EX_LAYERED) ? w : nullptr;
}

BYTE Mix(BYTE src, BYTE dst, BYTE alpha) { return BYTE((src * alpha + dst * (255 - alpha) + 127) / 255); }

}  // namespace

BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags) {
  user::Window* w = Layered(hwnd);
  if (w == nullptr) return FALSE;
  w->layeredKey = key;
  w->layeredAlpha = alpha;
  w->layeredFlags = flags & (LWA_COLORKEY | LWA_ALPHA);
  if (w->IsTopLevel()) user::CurrentBackend().WindowChanged(hwnd);
  return TRUE;
}

BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags) {
  const user::Window* w = Layered(hwnd);
  if (w == nullptr) return FALSE;
  if (key != nullptr) *key = w->layeredKey;
  if (alpha != nullptr) *alpha = w->layeredAlpha;
  if (flags != nullptr) *flags = w->layeredFlags;
  return TRUE;
}

BOOL UpdateLayeredWindow(HWND hwnd, HDC, const TPoint* position, const TSize* size, HDC source,
                         const TPoint* sourcePoint, COLORREF key, const BLENDFUNCTION* blend, DWORD flags) {
  user::Window* w = Layered(hwnd);
  if (w == nullptr) return FALSE;
  if (position != nullptr || size != nullptr) {
    const TPoint at = position ? *position : TPoint{w->rect.Left, w->rect.Top};
    const TSize extent = size ? *size : TSize{w->rect.Width(), w->rect.Height()};
    SetWindowPos(hwnd, nullptr, at.X, at.Y, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    if ((w = Layered(hwnd)) == nullptr) return FALSE;
  }
  if (source != nullptr) {
    const TPoint from = sourcePoint ? *sourcePoint : TPoint{0, 0};
    HDC dc = user::MakeWindowDC(hwnd, true, false, false, std::nullopt);
    BitBlt(dc, 0, 0, w->rect.Width(), w->rect.Height(), source, from.X, from.Y, SRCCOPY);
    user::EndWindowDC(dc);
  }
  w->layeredKey = key;
  w->layeredAlpha = blend && (flags & ULW_ALPHA) ? blend->SourceConstantAlpha : 255;
  w->layeredFlags = ((flags & ULW_COLORKEY) ? LWA_COLORKEY : 0) | ((flags & ULW_ALPHA) ? LWA_ALPHA : 0);
  return TRUE;
}

namespace user {

COLORREF ComposePixel(HWND hwnd, COLORREF pixel, COLORREF behind) {
  const Window* w = Layered(hwnd);
  if (w == nullptr) return pixel;
  if ((w->layeredFlags & LWA_COLORKEY) && (pixel & 0xFFFFFF) == (w->layeredKey & 0xFFFFFF)) return behind;
  if (!(w->layeredFlags & LWA_ALPHA)) return pixel;
  const BYTE a = w->layeredAlpha;
  return RGB(Mix(GetRValue(pixel), GetRValue(behind), a), Mix(GetGValue(pixel), GetGValue(behind), a),
             Mix(GetBValue(pixel), GetBValue(behind), a));
}

}  // namespace user
