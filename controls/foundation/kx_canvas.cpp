// TkxCanvas: coordinates, the three stacks, clipping, fills and frames.
#include "controls/foundation/kx_canvas.h"

#include <algorithm>

#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/region.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/custom_image_list.h"

namespace {

// The clip region a context without one stands for.
constexpr TRect kNoClipRect{0, 0, 30000, 30000};
constexpr TCopyMode cmDstInvert = 0x00550009, cmSrcCopy = 0x00CC0020;

// Floor division, so that tiles line up at negative coordinates too.
Integer FloorDiv(Integer a, Integer b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

bool IsEmptyRect(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

}  // namespace

TkxCanvas::~TkxCanvas() = default;

// --- coordinates ---

TPoint TkxCanvas::GetWindowOrg() const {
  TPoint origin{};
  GetWindowOrgEx(GetHandle(), &origin);
  return origin;
}

void TkxCanvas::SetWindowOrg(TPoint Value) { SetWindowOrgEx(GetHandle(), Value.X, Value.Y, nullptr); }

TPoint TkxCanvas::ReadViewportOrigin() const {
  TPoint origin{};
  GetViewportOrgEx(GetHandle(), &origin);
  return origin;
}

TPoint TkxCanvas::GetDeviceOriginOffset() const {
  const TPoint viewport = ReadViewportOrigin(), window = GetWindowOrg();
  return {viewport.X - window.X, viewport.Y - window.Y};
}

// --- stacks ---

void TkxCanvas::PushSavedDC() { savedDCs_.push_back(SaveDC(GetHandle())); }

void TkxCanvas::PopSavedDC() {
  if (savedDCs_.empty()) return;
  RestoreDC(GetHandle(), savedDCs_.back());
  savedDCs_.pop_back();
}

void TkxCanvas::PushClipRegion() { savedRegions_.push_back(GetClipRegion(true)); }

void TkxCanvas::PopClipRegion() {
  if (savedRegions_.empty()) return;
  std::unique_ptr<TkxRegion> region = std::move(savedRegions_.back());
  savedRegions_.pop_back();
  SetClipRegion(std::move(region), roCopy, true);
}

void TkxCanvas::PushState() {
  PushSavedDC();
  SavedState state{std::make_unique<TFont>(), std::make_unique<TBrush>(), std::make_unique<TPen>()};
  state.font->Assign(GetFont());
  state.brush->Assign(GetBrush());
  state.pen->Assign(GetPen());
  savedStates_.push_back(std::move(state));
}

void TkxCanvas::PopState() {
  if (savedStates_.empty()) return;
  const SavedState state = std::move(savedStates_.back());
  savedStates_.pop_back();
  GetFont()->Assign(state.font.get());
  GetBrush()->Assign(state.brush.get());
  GetPen()->Assign(state.pen.get());
  PopSavedDC();
}

// --- clipping ---

void TkxCanvas::ExcludeClipRect(const TRect& R) { ::ExcludeClipRect(GetHandle(), R.Left, R.Top, R.Right, R.Bottom); }

void TkxCanvas::IntersectClipRect(const TRect& R) {
  ::IntersectClipRect(GetHandle(), R.Left, R.Top, R.Right, R.Bottom);
}

std::unique_ptr<TkxRegion> TkxCanvas::GetClipRegion(bool ConsiderOrigin) const {
  std::unique_ptr<TkxRegion> region = TkxRegion::CreateEmpty();
  if (GetClipRgn(GetHandle(), region->Handle()) != 1)
    SetRectRgn(region->Handle(), kNoClipRect.Left, kNoClipRect.Top, kNoClipRect.Right, kNoClipRect.Bottom);
  if (ConsiderOrigin) {
    const TPoint offset = GetDeviceOriginOffset();
    region->Offset(-offset.X, -offset.Y);
  }
  return region;
}

void TkxCanvas::SetClipRegion(std::unique_ptr<TkxRegion> Region, TkxRegionOperation Operation, bool ConsiderOrigin) {
  if (Operation != roCopy) {
    std::unique_ptr<TkxRegion> clip = GetClipRegion(ConsiderOrigin);
    clip->CombineWith(std::move(Region), Operation);
    Region = std::move(clip);
  }
  if (ConsiderOrigin) {
    const TPoint offset = GetDeviceOriginOffset();
    Region->Offset(offset.X, offset.Y);
  }
  SelectClipRgn(GetHandle(), Region->Handle());
}

void TkxCanvas::SetClipRegion(TkxRegion& Region, TkxRegionOperation Operation, bool ConsiderOrigin) {
  if (Operation != roCopy) {
    std::unique_ptr<TkxRegion> clip = GetClipRegion(ConsiderOrigin);
    clip->CombineWith(Region, Operation);
    SetClipRegion(std::move(clip), roCopy, ConsiderOrigin);
    return;
  }
  const TPoint offset = ConsiderOrigin ? GetDeviceOriginOffset() : TPoint{0, 0};
  Region.Offset(offset.X, offset.Y);
  SelectClipRgn(GetHandle(), Region.Handle());
  Region.Offset(-offset.X, -offset.Y);
}

// --- filling and frames ---

void TkxCanvas::SetBrushColor(TColor Value) {
  if (GetBrush()->Color() != Value) GetBrush()->SetColor(Value);
}

void TkxCanvas::FillSolidRect(const TRect& R, TColor Color) {
  if (Color == clNone) return;
  if (Color != clDefault) SetBrushColor(Color);
  canvas_->FillRect(R);
}

void TkxCanvas::FillRect(const TRect& R, TBitmap* Bitmap, bool Exclude) {
  if (IsEmptyRect(R)) return;
  if (Bitmap != nullptr && !Bitmap->Empty()) {
    const Integer w = Bitmap->Width(), h = Bitmap->Height();
    for (Integer row = FloorDiv(R.Top, h); row <= FloorDiv(R.Bottom - 1, h); ++row) {
      for (Integer column = FloorDiv(R.Left, w); column <= FloorDiv(R.Right - 1, w); ++column) {
        const TRect tile{column * w, row * h, column * w + w, row * h + h};
        const TRect part{std::max(tile.Left, R.Left), std::max(tile.Top, R.Top), std::min(tile.Right, R.Right),
                         std::min(tile.Bottom, R.Bottom)};
        const TRect source{part.Left - tile.Left, part.Top - tile.Top, part.Right - tile.Left, part.Bottom - tile.Top};
        CopyRect(part, Bitmap->Canvas(), source);
      }
    }
  } else {
    canvas_->FillRect(R);
  }
  if (Exclude) SetClipRegion(TkxRegion::CreateFromRect(R), roSubtract, true);
}

void TkxCanvas::FrameRect(const TRect& R, TColor Color, Integer LineWidth, TkxBorders Borders, bool Exclude) {
  if (IsEmptyRect(R)) return;
  if (Color != clDefault) SetBrushColor(Color);
  if (Borders.Contains(bLeft)) FillRect({R.Left, R.Top, std::min(R.Left + LineWidth, R.Right), R.Bottom}, nullptr, Exclude);
  if (Borders.Contains(bRight)) FillRect({std::max(R.Left, R.Right - LineWidth), R.Top, R.Right, R.Bottom}, nullptr, Exclude);
  if (Borders.Contains(bTop)) FillRect({R.Left, R.Top, R.Right, std::min(R.Top + LineWidth, R.Bottom)}, nullptr, Exclude);
  if (Borders.Contains(bBottom))
    FillRect({R.Left, std::max(R.Top, R.Bottom - LineWidth), R.Right, R.Bottom}, nullptr, Exclude);
}

void TkxCanvas::DrawTwoColorFrame(const TRect& R, TColor LeftTopColor, TColor RightBottomColor, TkxBorders Borders,
                                  Integer LineWidth) {
  struct Side {
    TkxBorder border;
    TColor color;
    TRect strip;
  };
  const Side sides[] = {{bLeft, LeftTopColor, {R.Left, R.Top, R.Left + LineWidth, R.Bottom}},
                        {bTop, LeftTopColor, {R.Left, R.Top, R.Right, R.Top + LineWidth}},
                        {bRight, RightBottomColor, {R.Right - LineWidth, R.Top, R.Right, R.Bottom}},
                        {bBottom, RightBottomColor, {R.Left, R.Bottom - LineWidth, R.Right, R.Bottom}}};
  for (const Side& side : sides) {
    if (!Borders.Contains(side.border)) continue;
    SetBrushColor(side.color);
    FillRect(side.strip);
  }
}

void TkxCanvas::Draw3DEdge(const TRect& R, bool Sunken, bool Outer, TkxBorders Borders) {
  if (Sunken) {
    if (Outer) DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight, Borders);
    else DrawTwoColorFrame(R, cl3DDkShadow, cl3DLight, Borders);
  } else {
    if (Outer) DrawTwoColorFrame(R, cl3DLight, cl3DDkShadow, Borders);
    else DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow, Borders);
  }
}

void TkxCanvas::FrameAndFill(const TRect& R, const TkxBackground& Background, TkxBorders Borders, TColor FrameColor,
                             Integer LineWidth, bool Exclude) {
  FrameRect(R, FrameColor, LineWidth, Borders, Exclude);
  TRect inner = R;
  if (Borders.Contains(bLeft)) inner.Left += LineWidth;
  if (Borders.Contains(bTop)) inner.Top += LineWidth;
  if (Borders.Contains(bRight)) inner.Right -= LineWidth;
  if (Borders.Contains(bBottom)) inner.Bottom -= LineWidth;
  if (Background.Color != clDefault) SetBrushColor(Background.Color);
  FillRect(inner, Background.Bitmap, Exclude);
}

void TkxCanvas::DrawFocusRect(const TRect& R) {
  SetBrushColor(clWhite);
  GetFont()->SetColor(clBlack);
  canvas_->RequiredState({csHandleValid, csFontValid});
  canvas_->DrawFocusRect(R);
}

void TkxCanvas::InvertRect(const TRect& R) {
  canvas_->SetCopyMode(cmDstInvert);
  canvas_->CopyRect(R, canvas_, R);
  canvas_->SetCopyMode(cmSrcCopy);
}

void TkxCanvas::DrawImageFromList(TCustomImageList* Images, Integer X, Integer Y, Integer Index, bool Enabled) {
  if (Images == nullptr || Index < 0 || Index >= Images->Count()) return;
  PushSavedDC();
  Images->Draw(canvas_, X, Y, Index, Enabled);
  PopSavedDC();
}
