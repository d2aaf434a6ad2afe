#include "platform/user/caret.h"

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/handle_table.h"
#include "platform/os/clock.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

struct Caret {
  HWND owner = nullptr;
  TRect rect;              // client coordinates
  int hideCount = 1;       // a new caret starts hidden
  bool drawn = false;
  UInt64 nextBlink = 0;
  bool pausedForPaint = false;
};

Caret& State() {
  thread_local Caret caret;
  return caret;
}

UINT& BlinkTime() {
  static UINT blink = 530;
  return blink;
}

void Invert(const Caret& c) {
  if (W(c.owner) == nullptr) return;
  HDC dc = MakeWindowDC(c.owner, false, false, false, std::nullopt);
  InvertRect(dc, &c.rect);
  EndWindowDC(dc);
}

void SetDrawn(Caret& c, bool drawn) {
  if (c.drawn == drawn) return;
  Invert(c);
  c.drawn = drawn;
}

bool Visible(const Caret& c) { return c.owner != nullptr && c.hideCount == 0 && !c.pausedForPaint; }

void Restart(Caret& c) {
  c.nextBlink = GetTickCount64() + BlinkTime();
  SetDrawn(c, Visible(c));
}

}  // namespace

void CaretTick() {
  Caret& c = State();
  if (!Visible(c) || GetTickCount64() < c.nextBlink) return;
  SetDrawn(c, !c.drawn);
  c.nextBlink = GetTickCount64() + BlinkTime();
}

std::optional<UInt64> MillisecondsToCaretBlink() {
  const Caret& c = State();
  if (!Visible(c)) return std::nullopt;
  const UInt64 now = GetTickCount64();
  return c.nextBlink > now ? c.nextBlink - now : 0;
}

bool CaretDrawn() { return State().drawn; }

void HideCaretForPaint(HWND hwnd) {
  Caret& c = State();
  if (c.owner != hwnd) return;
  SetDrawn(c, false);
  c.pausedForPaint = true;
}

void ShowCaretAfterPaint(HWND hwnd) {
  Caret& c = State();
  if (c.owner != hwnd || !c.pausedForPaint) return;
  c.pausedForPaint = false;
  Restart(c);
}

void DestroyCaretOf(HWND hwnd) {
  if (State().owner == hwnd) State() = Caret{};
}

}  // namespace user

using namespace user;

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height) {
  if (W(hwnd) == nullptr) return FALSE;
  DestroyCaret();
  Caret& c = State();
  c.owner = hwnd;
  // 0 and 1 ask for a solid or grey block of the given size; a width or height of 0 means the
  // system border width.
  if (auto* b = reinterpret_cast<std::uintptr_t>(bitmap) > 1 ? gdi::FindObject<gdi::BitmapObject>(bitmap) : nullptr)
    width = b->Width(), height = b->Height();
  c.rect = Rect(0, 0, width > 0 ? width : 1, height > 0 ? height : 1);
  c.hideCount = 1;
  return TRUE;
}

BOOL DestroyCaret() {
  Caret& c = State();
  if (c.owner == nullptr) return FALSE;
  SetDrawn(c, false);
  c = Caret{};
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  Caret& c = State();
  if (c.owner == nullptr) return FALSE;
  const bool wasDrawn = c.drawn;
  SetDrawn(c, false);
  OffsetRect(&c.rect, x - c.rect.Left, y - c.rect.Top);
  if (wasDrawn || Visible(c)) Restart(c);
  return TRUE;
}

BOOL GetCaretPos(TPoint* point) {
  if (point == nullptr) return FALSE;
  *point = {State().rect.Left, State().rect.Top};
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  Caret& c = State();
  if (c.owner == nullptr || (hwnd != nullptr && hwnd != c.owner) || c.hideCount == 0) return FALSE;
  if (--c.hideCount == 0) Restart(c);
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  Caret& c = State();
  if (c.owner == nullptr || (hwnd != nullptr && hwnd != c.owner)) return FALSE;
  ++c.hideCount;
  SetDrawn(c, false);
  return TRUE;
}

UINT GetCaretBlinkTime() { return BlinkTime(); }

BOOL SetCaretBlinkTime(UINT milliseconds) {
  BlinkTime() = milliseconds == 0 ? 530 : milliseconds;
  return TRUE;
}
