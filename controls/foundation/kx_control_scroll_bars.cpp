// TkxControl's own scroll bars: their presence, the parameter calculation and the recalculation
// that shows, hides and places them, the wheel, and scrolling by direction.
//
// Recalculation is bounded: a parameter calculation stops after kMaxCalculationPasses passes
// (one that has not settled by then is cycling; an honest one settles within three) and keeps the
// last pass's records, and nested recalculations (showing or hiding a bar changes the client
// size, which recalculates again) go at most kMaxRecalcDepth deep; a deeper call places the bars
// as they stand.
#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_control_scroll_bar.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_object_link.h"
#include "controls/foundation/kx_scoped_value.h"
#include "controls/foundation/kx_settings_controller.h"
#include "controls/foundation/kx_size_grip.h"

#include <cstdint>
#include <utility>
#include "platform/ui/mouse.h"
#include "platform/user/system_metrics.h"

namespace {

constexpr int kMaxCalculationPasses = 4;
constexpr Integer kMaxRecalcDepth = 4;

}  // namespace

// --- Presence ---

void TkxControl::CreateScrollBars() {
  if (!NeedsScrollBars() || sizeGrip_ != nullptr) return;
  hScrollBar_ = new TkxControlScrollBar(nullptr);
  vScrollBar_ = new TkxControlScrollBar(nullptr);
  vScrollBar_->SetKind(sbVertical);
  hScrollBar_->SetHeight(GetSystemMetrics(SM_CYHSCROLL));
  vScrollBar_->SetWidth(GetSystemMetrics(SM_CXVSCROLL));
  sizeGrip_ = new TkxSizeGrip(nullptr);
  for (TkxControlScrollBar* bar : {hScrollBar_, vScrollBar_}) {
    bar->OnScroll = [this](TObject* Sender, TScrollCode Code, Integer& Position) {
      ScrollBarScrolled(Sender, Code, Position);
    };
    bar->LookAndFeel()->SetMaster(lookAndFeel_.get());
  }
  sizeGrip_->LookAndFeel()->SetMaster(lookAndFeel_.get());
  sizeGrip_->SetVisible(false);
  for (TControl* control :
       {static_cast<TControl*>(hScrollBar_), static_cast<TControl*>(vScrollBar_), static_cast<TControl*>(sizeGrip_)}) {
    TControlStyle style = control->ControlStyle();
    style.Include(csReplicatable);
    control->SetControlStyle(style);
  }
  if (TkxSettingsController* relay = GetSettingsController()) relay->AddControl(this);
}

void TkxControl::DestroyScrollBars() {
  if (sizeGrip_ == nullptr) return;
  if (TkxSettingsController* relay = GetSettingsController()) relay->RemoveControl(this);
  delete std::exchange(sizeGrip_, nullptr);
  delete std::exchange(vScrollBar_, nullptr);
  delete std::exchange(hScrollBar_, nullptr);
}

void TkxControl::UpdateScrollBarsPresence() {
  if (!NeedsScrollBars()) return DestroyScrollBars();
  CreateScrollBars();
  if (HandleAllocated()) UpdateOwnScrollBarsParent();
}

void TkxControl::UpdateOwnScrollBarsParent() {
  if (!NeedsScrollBars() || sizeGrip_ == nullptr) return;
  hScrollBar_->SetParent(this);
  vScrollBar_->SetParent(this);
  sizeGrip_->SetParent(this);
}

void TkxControl::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBarsPresence();
  AttachScrollBars();
}

void TkxControl::ScrollBarScrolled(TObject* Sender, TScrollCode Code, Integer& Position) {
  ScrollContent(static_cast<TkxControlScrollBar*>(Sender)->Kind(), Code, Position);
}

bool TkxControl::IsOwnScrollControl(TControl* AControl) {
  return AControl != nullptr && (AControl == hScrollBar_ || AControl == vScrollBar_ || AControl == sizeGrip_);
}

// --- Visibility and bounds ---

TkxControlScrollBar* TkxControl::BarOf(TScrollBarKind Kind) const {
  return Kind == sbHorizontal ? hScrollBar_ : vScrollBar_;
}

bool TkxControl::IsBarVisible(TkxControlScrollBar* Bar) {
  if (!NeedsScrollBars() || Bar == nullptr) return false;
  return calculatingParams_ ? Bar->Data.Visible : Bar->Visible();
}

bool TkxControl::IsHScrollBarVisible() { return IsBarVisible(hScrollBar_); }

bool TkxControl::IsVScrollBarVisible() { return IsBarVisible(vScrollBar_); }

TRect TkxControl::GetContentBounds() {
  TRect r = GetControlBounds();
  const Integer border = GetBorderWidth();
  r = TRect{r.Left + border, r.Top + border, r.Right - border, r.Bottom - border};
  if (hScrollBar_ != nullptr && hScrollBar_->Visible()) r.Bottom -= hScrollBar_->Height();
  if (vScrollBar_ != nullptr && vScrollBar_->Visible()) r.Right -= vScrollBar_->Width();
  return r;
}

TRect TkxControl::GetHScrollBarBounds() {
  TRect r = GetContentBounds();
  r.Top = r.Bottom;
  r.Bottom = r.Top + hScrollBar_->Height();
  return r;
}

TRect TkxControl::GetVScrollBarBounds() {
  TRect r = GetContentBounds();
  r.Left = r.Right;
  r.Right = r.Left + vScrollBar_->Width();
  return r;
}

TRect TkxControl::GetSizeGripBounds() {
  return TRect{vScrollBar_->Left(), hScrollBar_->Top(), vScrollBar_->Left() + vScrollBar_->Width(),
               hScrollBar_->Top() + hScrollBar_->Height()};
}

void TkxControl::PlaceScrollBars() {
  if (hScrollBar_->Visible()) hScrollBar_->SetBoundsRect(GetHScrollBarBounds());
  if (vScrollBar_->Visible()) vScrollBar_->SetBoundsRect(GetVScrollBarBounds());
  if (sizeGrip_->Visible()) sizeGrip_->SetBoundsRect(GetSizeGripBounds());
}

void TkxControl::BringScrollBarsToFront() {
  hScrollBar_->BringToFront();
  vScrollBar_->BringToFront();
  sizeGrip_->BringToFront();
}

void TkxControl::UpdateScrollBarControlStates() {
  if (!NeedsScrollBars() || sizeGrip_ == nullptr) return;
  for (TWinControl* control : {static_cast<TWinControl*>(hScrollBar_), static_cast<TWinControl*>(vScrollBar_),
                               static_cast<TWinControl*>(sizeGrip_)})
    if (control->Visible()) control->UpdateControlState();
}

void TkxControl::Resize() {
  TCustomControl::Resize();
  BoundsChanged();
}

void TkxControl::Paint() {
  TCustomControl::Paint();
  UpdateScrollBarControlStates();
}

void TkxControl::ScrollBarMetricsChanged() {
  if (!NeedsScrollBars() || sizeGrip_ == nullptr) return;
  const Integer height = GetSystemMetrics(SM_CYHSCROLL), width = GetSystemMetrics(SM_CXVSCROLL);
  if (height == hScrollBar_->Height() && width == vScrollBar_->Width()) return;
  hScrollBar_->SetHeight(height);
  vScrollBar_->SetWidth(width);
  BoundsChanged();
}

// --- Parameters ---

void TkxControl::SetScrollBarParams(TScrollBarKind Kind, Integer Min, Integer Max, Integer SmallChange,
                                    Integer PageSize, Integer Position, bool ShowAllowed, bool HideAllowed) {
  TkxControlScrollBar* bar = BarOf(Kind);
  if (bar == nullptr) return;
  TkxScrollBarData& data = bar->Data;
  const TScrollStyle own = Kind == sbHorizontal ? ssHorizontal : ssVertical;
  data.AllowShow = ShowAllowed && (scrollStyle_ == own || scrollStyle_ == ssBoth);
  data.AllowHide = HideAllowed;
  if (!data.AllowShow) {
    data.Visible = false;
    return;
  }
  // Compared in 64 bits: Max - Min + 1 may pass the Integer range.
  const bool unusable =
      Min > Max || std::int64_t{PageSize} >= std::int64_t{Max} - Min + 1 || Position < Min || Max < PageSize;
  if (unusable) {
    data.Visible = !data.AllowHide;
    if (data.Visible) data.Enabled = false;
    return;
  }
  data.Min = Min;
  data.Max = Max;
  data.Position = Position;
  data.PageSize = PageSize;
  data.SmallChange = SmallInt(SmallChange);
  data.LargeChange = SmallInt(PageSize);
  data.Enabled = data.Visible = true;
}

void TkxControl::CalculateParameters() {
  if (calculatingParams_) return;
  const TkxScopedValue<bool> calculating(calculatingParams_, true);
  hScrollBar_->Data.Visible = vScrollBar_->Data.Visible = false;
  for (int pass = 0; pass < kMaxCalculationPasses; ++pass) {
    const bool h = IsHScrollBarVisible(), v = IsVScrollBarVisible();
    CalculateScrollBarParams();
    if (h == IsHScrollBarVisible() && v == IsVScrollBarVisible()) break;
  }
  HideBothWhenTheyOnlyNeedEachOther();
}

// Two bars each needed only because the other takes room vanish together where the descendant
// allows it for both kinds.
void TkxControl::HideBothWhenTheyOnlyNeedEachOther() {
  const TkxScrollBarData& h = hScrollBar_->Data;
  const TkxScrollBarData& v = vScrollBar_->Data;
  auto hideable = [](const TkxScrollBarData& d) { return d.Visible && d.Enabled && d.AllowHide; };
  if (!hideable(h) || !hideable(v)) return;
  auto marked = [this](TScrollBarKind kind, const TkxScrollBarData& d, Integer otherThickness) {
    return CanHideBothScrollBars(kind) && std::int64_t{otherThickness} + d.PageSize >= std::int64_t{d.Max} - d.Min + 1;
  };
  const Integer hThick = hScrollBar_->Height(), vThick = vScrollBar_->Width();
  if (!marked(sbHorizontal, h, vThick) || !marked(sbVertical, v, hThick)) return;
  const TkxScrollBarData hData = h, vData = v;
  SetScrollBarParams(sbHorizontal, hData.Min, hData.Max, hData.SmallChange, hData.PageSize + vThick, hData.Position,
                     hData.AllowShow, hData.AllowHide);
  SetScrollBarParams(sbVertical, vData.Min, vData.Max, vData.SmallChange, vData.PageSize + hThick, vData.Position,
                     vData.AllowShow, vData.AllowHide);
}

// --- Recalculation ---

void TkxControl::RecalcScrollBars() {
  if (!NeedsScrollBars() || sizeGrip_ == nullptr) return;
  const bool nested = updatingScrollBars_;
  if (!nested) {
    initialHVisible_ = hScrollBar_->Visible();
    initialVVisible_ = vScrollBar_->Visible();
  }
  const TkxScopedValue<bool> updating(updatingScrollBars_, true);
  const TkxScopedValue<Integer> depth(recalcDepth_, recalcDepth_ + 1);
  if (recalcDepth_ > kMaxRecalcDepth) return FinishPlacement();
  const bool hBefore = hScrollBar_->Visible(), vBefore = vScrollBar_->Visible();
  if (!oscillating_) ApplyOrFreezeBars(nested);
  if (hScrollBar_->Visible() != hBefore || vScrollBar_->Visible() != vBefore) BoundsChanged();
  else FinishPlacement();
  if (!nested) oscillating_ = false;
}

// The calculation's records go to the bars, unless a nested call came back to the visibility the
// outermost call began with: then the bars that differ from it show disabled instead of toggling.
void TkxControl::ApplyOrFreezeBars(bool Nested) {
  CalculateParameters();
  oscillating_ =
      Nested && hScrollBar_->Data.Visible == initialHVisible_ && vScrollBar_->Data.Visible == initialVVisible_;
  if (!oscillating_) {
    hScrollBar_->ApplyData();
    vScrollBar_->ApplyData();
    return;
  }
  const std::pair<TkxControlScrollBar*, bool> bars[] = {{hScrollBar_, initialHVisible_},
                                                        {vScrollBar_, initialVVisible_}};
  for (const auto& [bar, initial] : bars) {
    if (bar->Visible() == initial) continue;
    bar->SetEnabled(false);
    bar->SetVisible(true);
  }
}

void TkxControl::FinishPlacement() {
  sizeGrip_->SetVisible(hScrollBar_->Visible() && vScrollBar_->Visible());
  PlaceScrollBars();
  if (ShouldBringScrollBarsToFront()) BringScrollBarsToFront();
}

// --- Wheel and scrolling ---

Integer TkxControl::GetWheelScrollKind() { return IsVScrollBarVisible() ? 2 : 0; }

bool TkxControl::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  const bool handled = TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos);
  const Integer kind = GetWheelScrollKind();
  if (handled || kind == 0) return handled;
  static constexpr TkxDirection kDirections[] = {dirLeft, dirRight, dirUp, dirDown};
  const TkxDirection direction = kDirections[(WheelDelta < 0 ? 1 : 0) + (kind == 2 ? 2 : 0)];
  for (Integer i = Mouse.WheelScrollLines(); i > 0; --i) ScrollByDirection(direction);
  return true;
}

void TkxControl::ScrollByDirection(TkxDirection Direction) {
  if (Direction == dirNone) return;
  if (!NeedsScrollBars() && !AllowsWheelScrollWithoutBars(Direction)) return;
  const TScrollBarKind kind = Direction == dirLeft || Direction == dirRight ? sbHorizontal : sbVertical;
  const TScrollCode code = Direction == dirLeft || Direction == dirUp ? scLineUp : scLineDown;
  TkxControlScrollBar* bar = BarOf(kind);
  Integer position = bar != nullptr ? bar->Position() : 0;
  const TkxScopedObjectLink link(this);
  ScrollContent(kind, code, position);
  if (link.Alive()) Update();
}
