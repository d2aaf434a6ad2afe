#include "controls/foundation/kx_scroll_bar.h"

#include <algorithm>
#include <cstdint>

#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "controls/foundation/kx_timer.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_publishing.h"
#include "platform/user/cursor.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/message_ids.h"
#include "platform/user/system_metrics.h"

PR_PUBLISH(TkxScrollBar) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishConstraints(p);
  PublishCtl3D(p);
  PublishDragging(p);
  PublishEnabled(p);
  p.Property("Kind", &TkxScrollBar::Kind, &TkxScrollBar::SetKind).Default(sbHorizontal);
  p.Property("LargeChange", &TkxScrollBar::LargeChange, &TkxScrollBar::SetLargeChange).Default(1);
  p.Property("LookAndFeel", &TkxScrollBar::LookAndFeel, &TkxScrollBar::SetLookAndFeel);
  p.Property("Max", &TkxScrollBar::Max, &TkxScrollBar::SetMax).Default(100);
  p.Property("Min", &TkxScrollBar::Min, &TkxScrollBar::SetMin).Default(0);
  p.Property("PageSize", &TkxScrollBar::PageSize, &TkxScrollBar::SetPageSize).Default(0);
  PublishParentCtl3D(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("Position", &TkxScrollBar::Position, &TkxScrollBar::SetPosition).Default(0);
  PublishShowHint(p);
  p.Property("SmallChange", &TkxScrollBar::SmallChange, &TkxScrollBar::SetSmallChange).Default(1);
  p.Property("UnlimitedTracking", &TkxScrollBar::UnlimitedTracking, &TkxScrollBar::SetUnlimitedTracking)
      .Default(false);
  PublishVisible(p);
  p.Property("OnContextPopup", &TControl::OnContextPopup);
  p.Property("OnChange", &TkxScrollBar::OnChange);
  PublishDragEvents(p);
  PublishFocusEvents(p);
  PublishKeyEvents(p);
  p.Property("OnScroll", &TkxScrollBar::OnScroll);
}

namespace {

using Int64 = std::int64_t;

// Number * Numerator / Denominator rounded half away from zero, all in 64 bits; 0 for a
// denominator of 0 or less (a thumb that fills its track has no room to move).
Int64 ScaleBy(Int64 Number, Int64 Numerator, Int64 Denominator) {
  if (Denominator <= 0) return 0;
  const Int64 product = Number * Numerator;
  const Int64 magnitude = ((product < 0 ? -product : product) + Denominator / 2) / Denominator;
  return product < 0 ? -magnitude : magnitude;
}

Integer ClampInto(Int64 Value, Integer AMin, Integer AMax) {
  return Integer(std::clamp<Int64>(Value, AMin, AMax));
}

// Mouse moves this far outside the bar still drag the thumb: along the bar and across it.
constexpr Integer kTrackZoneAlong = 34;
constexpr Integer kTrackZoneAcross = 136;
// Auto-repeat: the first repeat after the first interval, then one every repeat interval.
constexpr Cardinal kFirstRepeatDelay = 400;
constexpr Cardinal kRepeatInterval = 60;
// The "ScrollBar" themed object type.
constexpr ThemedObjectType kScrollBarThemeType = 12;

}  // namespace

PR_IMPLEMENT_CLASS(TkxScrollBarViewInfo)

TSize GetSystemScrollBarSize() { return {GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)}; }

// --- TkxScrollBarViewInfo ---

bool TkxScrollBarViewInfo::HasThumb() const { return !IsRectEmpty(&thumb_); }

void TkxScrollBarViewInfo::CalcLayout() {
  const TRect client{0, 0, scrollBar_->Width(), scrollBar_->Height()};
  if (scrollBar_->Kind() == sbHorizontal) {
    const Integer w = std::min<Integer>(GetSystemScrollBarSize().cy, client.Right / 2);
    startArrow_ = {0, 0, w, client.Bottom};
    endArrow_ = {client.Right - w, 0, client.Right, client.Bottom};
  } else {
    const Integer h = std::min<Integer>(GetSystemScrollBarSize().cx, client.Bottom / 2);
    startArrow_ = {0, 0, client.Right, h};
    endArrow_ = {0, client.Bottom - h, client.Right, client.Bottom};
  }
  CalcThumb();
}

// Worked along the bar's axis: the track runs from the start arrow's end to the end arrow's start.
void TkxScrollBarViewInfo::CalcThumb() {
  thumb_ = {};
  CalcPageRects();
  if (!scrollBar_->Enabled()) return;
  const bool horizontal = scrollBar_->Kind() == sbHorizontal;
  const Integer trackStart = horizontal ? startArrow_.Right : startArrow_.Bottom;
  const Int64 track = Int64(horizontal ? endArrow_.Left : endArrow_.Top) - trackStart;
  const Int64 aMin = scrollBar_->Min(), aMax = scrollBar_->Max(), page = scrollBar_->PageSize();
  const Int64 offsetFromMin = Int64(scrollBar_->Position()) - aMin;
  Int64 length = 0, offset = 0;
  if (page != 0) {
    length = std::min(track, ScaleBy(page, track, aMax - aMin + 1));
    if (track < minThumbLength_ || aMax == aMin) return;
    length = std::max<Int64>(length, minThumbLength_);
    const Int64 span = aMax - aMin - page + 1;
    offset = ScaleBy(track - length, std::min(offsetFromMin, span), span);
  } else {
    length = GetSystemMetrics(horizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
    if (track < length) return;
    if (track - length > 0 && aMax != aMin) offset = ScaleBy(track - length, offsetFromMin, aMax - aMin);
  }
  const Integer start = trackStart + Integer(offset);
  thumb_ = horizontal ? TRect{start, 0, start + Integer(length), scrollBar_->Height()}
                      : TRect{0, start, scrollBar_->Width(), start + Integer(length)};
  CalcPageRects();
}

void TkxScrollBarViewInfo::CalcPageRects() {
  if (!HasThumb()) {
    pageBefore_ = pageAfter_ = {};
  } else if (scrollBar_->Kind() == sbHorizontal) {
    pageBefore_ = {startArrow_.Right, 0, thumb_.Left, scrollBar_->Height()};
    pageAfter_ = {thumb_.Right, 0, endArrow_.Left, scrollBar_->Height()};
  } else {
    pageBefore_ = {0, startArrow_.Bottom, scrollBar_->Width(), thumb_.Top};
    pageAfter_ = {0, thumb_.Bottom, scrollBar_->Width(), endArrow_.Top};
  }
}

void TkxScrollBarViewInfo::MoveThumbTo(TPoint P) { OffsetRect(&thumb_, P.X - thumb_.Left, P.Y - thumb_.Top); }

void TkxScrollBarViewInfo::UpdateMinThumbLength() {
  minThumbLength_ = scrollBar_->GetPainter()->GetMinThumbLength(scrollBar_->Kind() == sbVertical);
}

// --- TkxScrollBar ---

TkxScrollBar::TkxScrollBar(TComponent* AOwner)
    : TCustomControl(AOwner),
      bitmap_(std::make_unique<TBitmap>()),
      lookAndFeel_(std::make_unique<TkxLookAndFeel>(this)),
      themeNotificator_(std::make_unique<TkdThemeChangedNotificator>()),
      timer_(std::make_unique<TkxTimer>(nullptr)),
      viewInfo_(std::make_unique<TkxScrollBarViewInfo>(this)) {
  bitmap_->SetPixelFormat(pfDevice);
  bitmapCanvas_ = std::make_unique<TkxCanvas>(bitmap_->Canvas());
  lookAndFeel_->OnChanged = [this](TkxLookAndFeel*, TkxLookAndFeelValues) { HandleLookAndFeelChange(); };
  SetControlStyle({csCaptureMouse, csFramed, csOpaque});
  SetBounds(Left(), Top(), 121, GetSystemScrollBarSize().cy);
  themeNotificator_->OnThemeChanged = [this] { HandleThemeChange(); };
  timer_->SetEnabled(false);
  timer_->SetInterval(kFirstRepeatDelay);
  TNotifyEvent tick;
  tick = [this](TObject* Sender) { AutoRepeatTick(Sender); };
  timer_->SetOnTimer(tick);
  viewInfo_->UpdateMinThumbLength();
  viewInfo_->Recalculate();
}

TkxScrollBar::~TkxScrollBar() {
  timer_.reset();
  themeNotificator_.reset();
  viewInfo_.reset();
  lookAndFeel_.reset();
  bitmapCanvas_.reset();
  bitmap_.reset();
}

void TkxScrollBar::SetKind(TScrollBarKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  if (ComponentState().Contains(csLoading)) {
    viewInfo_->Recalculate();
  } else {
    SetBounds(Left(), Top(), Height(), Width());
  }
  Invalidate();
}

void TkxScrollBar::SetLookAndFeel(TkxLookAndFeel* Value) { lookAndFeel_->Assign(Value); }

void TkxScrollBar::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  const TRect before = BoundsRect();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  const TRect after = BoundsRect();
  const bool changed = before.Left != after.Left || before.Top != after.Top || before.Right != after.Right ||
                       before.Bottom != after.Bottom;
  if (!changed || Width() <= 0 || Height() <= 0 || viewInfo_ == nullptr) return;
  bitmap_->SetSize(Width(), Height());
  viewInfo_->Recalculate();
}

void TkxScrollBar::SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw) {
  if (AMax < AMin || AMax < APageSize) throw EInvalidOperation("Scrollbar property out of range");
  const bool redraw = ARedraw && HandleAllocated();
  const Integer position = std::clamp(APosition, AMin, AMax);
  if (AMin == min_ && AMax == max_ && APageSize == pageSize_ && position == position_) return;
  min_ = AMin;
  max_ = AMax;
  pageSize_ = APageSize;
  if (position == position_) {
    viewInfo_->CalcThumb();
    if (redraw) Repaint();
    return;
  }
  SetEnabled(true);
  position_ = position;
  viewInfo_->CalcThumb();
  if (redraw) Repaint();
  DoChange();
}

void TkxScrollBar::DoChange() {
  Perform(CM_CHANGED, 0, LPARAM(this));
  if (OnChange) OnChange(this);
}

void TkxScrollBar::DoScroll(TScrollCode Code, Integer& ScrollPos) {
  if (OnScroll) OnScroll(this, Code, ScrollPos);
}

TkxLookAndFeelPainterClass TkxScrollBar::GetPainter() const {
  return lookAndFeel_->SelectPainterClassForType(kScrollBarThemeType);
}

void TkxScrollBar::PaintBarPart(TkxCanvas& ACanvas, const TRect& R, TkxScrollBarElement Part, TkxButtonState State) {
  GetPainter()->PaintScrollBarElement(ACanvas, Horizontal(), R, Part, State);
}

TkxScrollBarElement TkxScrollBar::HitTestPart(TPoint P) {
  const TRect client = ClientRect();
  if (!PtInRect(&client, P)) return sbeNone;
  if (PtInRect(&viewInfo_->StartArrowRect(), P)) return sbeStartArrow;
  if (PtInRect(&viewInfo_->EndArrowRect(), P)) return sbeEndArrow;
  if (!viewInfo_->HasThumb()) return sbeNone;
  if (PtInRect(&viewInfo_->ThumbRect(), P)) return sbeThumb;
  if (PtInRect(&viewInfo_->PageBeforeRect(), P)) return sbePageBefore;
  if (PtInRect(&viewInfo_->PageAfterRect(), P)) return sbePageAfter;
  return sbeNone;
}

TkxButtonState TkxScrollBar::GetPartState(TkxScrollBarElement Part) const {
  if (!Enabled()) return kxbsDisabled;
  if (Part == sbeThumb && !GetPainter()->HotTracksButtons()) return kxbsNormal;
  if (pressedPart_ != sbeNone) return Part == pressedPart_ && Part == hotPart_ ? kxbsPressed : kxbsNormal;
  if (Part == hotPart_ && !ComponentState().Contains(csDesigning)) return kxbsHot;
  return kxbsNormal;
}

Integer TkxScrollBar::CalcPositionFromThumb() const {
  const TRect& thumb = viewInfo_->ThumbRect();
  const TRect& start = viewInfo_->StartArrowRect();
  const TRect& end = viewInfo_->EndArrowRect();
  const Int64 thumbStart = Horizontal() ? thumb.Left : thumb.Top;
  const Int64 thumbLength = Horizontal() ? thumb.Width() : thumb.Height();
  const Int64 trackStart = Horizontal() ? start.Right : start.Bottom;
  const Int64 trackEnd = Horizontal() ? end.Left : end.Top;
  const Int64 room = trackEnd - trackStart - thumbLength;
  if (room <= 0) return downPosition_;
  const Int64 range = pageSize_ > 0 ? Int64(max_) - min_ + 1 - pageSize_ : Int64(max_) - min_;
  return ClampInto(min_ + ScaleBy(range, thumbStart - trackStart, room), min_, max_);
}

void TkxScrollBar::ApplyScrollCode(TScrollCode Code) {
  Int64 next = position_;
  switch (Code) {
    case scLineUp: next -= smallChange_; break;
    case scLineDown: next += smallChange_; break;
    case scPageUp: next -= largeChange_; break;
    case scPageDown: next += largeChange_; break;
    case scTop: next = min_; break;
    case scBottom: next = max_; break;
    default: break;
  }
  Integer position = ClampInto(next, min_, max_);
  DoScroll(Code, position);
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  if (Code == scTrack) {
    position_ = position;
    viewInfo_->CalcThumb();
    Repaint();
  } else {
    SetPosition(position);
  }
}

void TkxScrollBar::ScrollForPart(TkxScrollBarElement Part) {
  switch (Part) {
    case sbeStartArrow: return ApplyScrollCode(scLineUp);
    case sbeEndArrow: return ApplyScrollCode(scLineDown);
    case sbeThumb: return ApplyScrollCode(scTrack);
    case sbePageBefore: return ApplyScrollCode(scPageUp);
    case sbePageAfter: return ApplyScrollCode(scPageDown);
    default: return;
  }
}

void TkxScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TkxScrollBarElement part = HitTestPart({X, Y});
  if (part == sbeNone) return;
  if (part == sbeThumb) {
    downMousePos_ = {X, Y};
    downPosition_ = position_;
    downThumbPos_ = {viewInfo_->ThumbRect().Left, viewInfo_->ThumbRect().Top};
    ApplyScrollCode(scTrack);
  }
  pressedPart_ = hotPart_ = part;
  if (IsArrowOrPage(part)) {
    ScrollForPart(part);
    timer_->SetInterval(kFirstRepeatDelay);
    timer_->SetEnabled(true);
  }
  Repaint();
}

void TkxScrollBar::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseMove(Shift, X, Y);
  if (pressedPart_ == sbeThumb) return DragThumb({X, Y});
  const TkxScrollBarElement part = HitTestPart({X, Y});
  if (pressedPart_ != sbeNone) timer_->SetEnabled(part == pressedPart_);
  if (part != hotPart_ && GetPainter()->HotTracksButtons()) {
    hotPart_ = part;
    Repaint();
  } else {
    hotPart_ = part;
  }
}

void TkxScrollBar::DragThumb(TPoint P) {
  TRect zone = ClientRect();
  if (Horizontal()) {
    InflateRect(&zone, kTrackZoneAlong, kTrackZoneAcross);
  } else {
    InflateRect(&zone, kTrackZoneAcross, kTrackZoneAlong);
  }
  if (unlimitedTracking_ || PtInRect(&zone, P)) {
    const Integer delta = Horizontal() ? P.X - downMousePos_.X : P.Y - downMousePos_.Y;
    if (delta != 0) DragThumbBy(delta);
    const Integer position = CalcPositionFromThumb();
    if (position != position_) {
      position_ = position;
      ApplyScrollCode(scTrack);
    }
  } else if (position_ != downPosition_) {
    SetPosition(downPosition_);
    ApplyScrollCode(scTrack);
  }
}

// The thumb at its mouse-down place plus Delta, kept between the arrows.
void TkxScrollBar::DragThumbBy(Integer Delta) {
  const TRect& thumb = viewInfo_->ThumbRect();
  const Integer length = Horizontal() ? thumb.Width() : thumb.Height();
  const Integer first = Horizontal() ? viewInfo_->StartArrowRect().Right : viewInfo_->StartArrowRect().Bottom;
  const Integer last = (Horizontal() ? viewInfo_->EndArrowRect().Left : viewInfo_->EndArrowRect().Top) - length;
  const Integer down = Horizontal() ? downThumbPos_.X : downThumbPos_.Y;
  const Integer start = std::max(first, std::min(last, down + Delta));
  viewInfo_->MoveThumbTo(Horizontal() ? TPoint{start, thumb.Top} : TPoint{thumb.Left, start});
  viewInfo_->CalcPageRects();
  Repaint();
}

void TkxScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  EndScrolling();
  hotPart_ = HitTestPart({X, Y});
}

void TkxScrollBar::EndScrolling() {
  if (pressedPart_ == sbeNone) return;
  if (pressedPart_ == sbeThumb) {
    position_ = CalcPositionFromThumb();
    ApplyScrollCode(scPosition);
  }
  timer_->SetEnabled(false);
  pressedPart_ = hotPart_ = sbeNone;
  ApplyScrollCode(scEndScroll);
  viewInfo_->CalcThumb();
  Invalidate();
}

void TkxScrollBar::HandleMouseEnter(TControl*) {
  if (GetPainter()->HotTracksButtons() || IsArrowOrPage(pressedPart_)) Repaint();
}

void TkxScrollBar::HandleMouseLeave(TControl*) {
  const bool show = GetPainter()->HotTracksButtons() || IsArrowOrPage(pressedPart_);
  if (pressedPart_ != sbeThumb) hotPart_ = sbeNone;
  if (show) Invalidate();
}

void TkxScrollBar::AutoRepeatTick(TObject*) {
  if (GetCaptureControl() != this || !IsArrowOrPage(pressedPart_)) return EndScrolling();
  if (timer_->Interval() == kFirstRepeatDelay) timer_->SetInterval(kRepeatInterval);
  ScrollForPart(pressedPart_);
  timer_->SetEnabled(IsPressedPartUnderCursor());
}

bool TkxScrollBar::IsPressedPartUnderCursor() {
  TPoint cursor{};
  GetCursorPos(&cursor);
  return HitTestPart(ScreenToClient(cursor)) == pressedPart_;
}

void TkxScrollBar::HandleLookAndFeelChange() {
  viewInfo_->UpdateMinThumbLength();
  viewInfo_->Recalculate();
  Invalidate();
}

void TkxScrollBar::HandleThemeChange() {
  viewInfo_->UpdateMinThumbLength();
  viewInfo_->Recalculate();
  RefreshScrollBarPatterns();
  Invalidate();
  if (Parent() != nullptr) Parent()->Realign();
}

void TkxScrollBar::Paint() {
  PaintBar(*bitmapCanvas_);
  BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), bitmap_->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TkxScrollBar::PaintBar(TkxCanvas& ACanvas) {
  const TkxScrollBarViewInfo& info = *viewInfo_;
  if (!info.HasThumb()) {
    PaintBarPart(ACanvas, ClientRect(), sbePageBefore, kxbsNormal);
  } else {
    PaintBarPart(ACanvas, info.ThumbRect(), sbeThumb, GetPartState(sbeThumb));
  }
  PaintBarPart(ACanvas, info.StartArrowRect(), sbeStartArrow, GetPartState(sbeStartArrow));
  PaintBarPart(ACanvas, info.EndArrowRect(), sbeEndArrow, GetPartState(sbeEndArrow));
  if (!IsRectEmpty(&info.PageBeforeRect())) {
    PaintBarPart(ACanvas, info.PageBeforeRect(), sbePageBefore, GetPartState(sbePageBefore));
  }
  if (!IsRectEmpty(&info.PageAfterRect())) {
    PaintBarPart(ACanvas, info.PageAfterRect(), sbePageAfter, GetPartState(sbePageAfter));
  }
}

void TkxScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
      inherited::Dispatch(Message);
      viewInfo_->Recalculate();
      if (!Enabled()) EndScrolling();
      return Invalidate();
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      inherited::Dispatch(Message);
      TControl* control = Message.LParam != 0 ? reinterpret_cast<TControl*>(Message.LParam) : this;
      return Message.Msg == CM_MOUSEENTER ? HandleMouseEnter(control) : HandleMouseLeave(control);
    }
    case CM_SYSCOLORCHANGE:
      RefreshScrollBarPatterns();
      return inherited::Dispatch(Message);
    case CM_VISIBLECHANGED:
      if (Message.WParam == 0) EndScrolling();
      return inherited::Dispatch(Message);
    case CN_HSCROLL:
    case CN_VSCROLL:
      return ApplyScrollCode(TScrollCode(LOWORD(Message.WParam)));
    case CN_CTLCOLORSCROLLBAR:
      RefreshScrollBarPatterns();
      Message.Result = DefWindowProcA(Handle(), Message.Msg, Message.WParam, Message.LParam);
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_CANCELMODE:
      EndScrolling();
      return inherited::Dispatch(Message);
    default:
      return inherited::Dispatch(Message);
  }
}
