#include "controls/foundation/kx_panning.h"

#include <cstdlib>

#include "controls/foundation/kx_controls_unit.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/raster_ops.h"
#include "platform/gdi/region.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/module_instance.h"
#include "platform/user/window_class.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_region.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/static_window.h"

TkxPanningMove CalculatePanningMove(TPoint A, TPoint P, Integer W, TkxPanningBars Bars, TSize ScreenSize) {
  TRect zone{A.X - W / 2, A.Y - W / 2, A.X - W / 2 + W, A.Y - W / 2 + W};
  if (!Bars.Horizontal) {
    zone.Left = 0;
    zone.Right = ScreenSize.cx;
  }
  if (!Bars.Vertical) {
    zone.Top = 0;
    zone.Bottom = ScreenSize.cy;
  }
  if (P.X >= zone.Left && P.X < zone.Right && P.Y >= zone.Top && P.Y < zone.Bottom) return {};
  const Integer dx = P.X - A.X, dy = P.Y - A.Y;
  const bool vertical = !Bars.Horizontal || (Bars.Vertical && std::abs(dx) <= std::abs(dy));
  TkxPanningMove move;
  move.MovedOut = true;
  move.Direction = vertical ? (dy < 0 ? dirUp : dirDown) : (dx < 0 ? dirLeft : dirRight);
  const Integer distance = vertical ? std::abs(dy) : std::abs(dx);
  move.Speed = (distance - W / 2) / 5 + 1;
  if (move.Speed > kxPanningMaxSpeed) move.Speed = kxPanningMaxSpeed;
  return move;
}

TCursor GetPanningCursor(TkxDirection Direction, TkxPanningBars Bars) {
  switch (Direction) {
    case dirLeft: return crKxLeftScroll;
    case dirRight: return crKxRightScroll;
    case dirUp: return crKxUpScroll;
    case dirDown: return crKxDownScroll;
    case dirNone: break;
  }
  if (Bars.Horizontal && Bars.Vertical) return crKxFullScroll;
  return Bars.Horizontal ? crKxHorScroll : crKxVerScroll;
}

namespace {

constexpr Integer kSize = kxPanningAnchorSize;

// An arrow of the picture: a triangle pointing away from the centre, its tip 3 pixels inside the
// edge of the disc.
void DrawArrow(HDC dc, TkxDirection direction) {
  constexpr Integer c = kSize / 2, tip = 3, base = 8, half = 4;
  TPoint points[3];
  switch (direction) {
    case dirUp: points[0] = {c, tip}, points[1] = {c - half, base}, points[2] = {c + half, base}; break;
    case dirDown:
      points[0] = {c, kSize - 1 - tip}, points[1] = {c - half, kSize - 1 - base},
      points[2] = {c + half, kSize - 1 - base};
      break;
    case dirLeft: points[0] = {tip, c}, points[1] = {base, c - half}, points[2] = {base, c + half}; break;
    case dirRight:
      points[0] = {kSize - 1 - tip, c}, points[1] = {kSize - 1 - base, c - half},
      points[2] = {kSize - 1 - base, c + half};
      break;
    case dirNone: return;
  }
  Polygon(dc, points, 3);
}

void DrawPicture(HDC dc, TkxPanningBars bars) {
  const TRect all{0, 0, kSize, kSize};
  FillRect(dc, &all, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  constexpr Integer c = kSize / 2;
  Ellipse(dc, c - 2, c - 2, c + 3, c + 3);
  if (bars.Vertical) {
    DrawArrow(dc, dirUp);
    DrawArrow(dc, dirDown);
  }
  if (bars.Horizontal) {
    DrawArrow(dc, dirLeft);
    DrawArrow(dc, dirRight);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

}  // namespace

TkxPanningAnchor::TkxPanningAnchor(HWND Owner, TPoint A, TkxPanningBars Bars) : bars_(Bars) {
  RegisterStaticClass();
  window_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP, A.X - kSize / 2, A.Y - kSize / 2, kSize, kSize,
                            Owner, nullptr, HInstance, nullptr);
  SetWindowRgn(window_, CreateEllipticRgn(0, 0, kSize + 1, kSize + 1), TRUE);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Paint();
}

TkxPanningAnchor::~TkxPanningAnchor() {
  // The owner's destruction may have taken the window with it.
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

void TkxPanningAnchor::Paint() {
  const HDC dc = GetWindowDC(window_);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, kSize, kSize);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  DrawPicture(memory, bars_);
  BitBlt(dc, 0, 0, kSize, kSize, memory, 0, 0, SRCCOPY);
  const HRGN frame = CreateEllipticRgn(0, 0, kSize + 1, kSize + 1);
  FrameRgn(dc, frame, GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
  DeleteObject(frame);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window_, dc);
}
