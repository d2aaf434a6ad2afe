#include "platform/ui/button_glyph.h"

#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/image_list.h"

namespace {

constexpr Integer kMaxGlyphs = 4;

// One axis of the layout: where the glyph and the caption start along it.
struct AxisPlacement {
  Integer Glyph;
  Integer Text;
};

// Glyph and caption one after the other along an axis of ClientSize pixels, the glyph first
// (GlyphFirst) or last.
AxisPlacement PlaceAlong(Integer ClientSize, Integer GlyphSize, Integer TextSize, bool GlyphFirst, Integer Margin,
                         Integer Spacing) {
  if (GlyphSize == 0 || TextSize == 0) Spacing = 0;
  if (Margin == -1) {
    if (Spacing == -1) {
      Margin = (ClientSize - GlyphSize - TextSize) / 3;
      Spacing = Margin;
    } else {
      Margin = (ClientSize - GlyphSize - Spacing - TextSize + 1) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = (ClientSize - Margin - GlyphSize - TextSize) / 2;
  }
  if (GlyphFirst) return {Margin, Margin + GlyphSize + Spacing};
  const Integer glyph = ClientSize - Margin - GlyphSize;
  return {glyph, glyph - Spacing - TextSize};
}

}  // namespace

TButtonPlacement CalcButtonLayout(const TRect& Client, TPoint Offset, TSize GlyphSize, TSize TextSize,
                                  TButtonLayout Layout, Integer Margin, Integer Spacing) {
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  const bool glyphFirst = Layout == blGlyphLeft || Layout == blGlyphTop;
  const Integer width = Client.Width(), height = Client.Height();
  TPoint glyph, text;
  if (horizontal) {
    const AxisPlacement x = PlaceAlong(width, GlyphSize.cx, TextSize.cx, glyphFirst, Margin, Spacing);
    glyph = {x.Glyph, (height - GlyphSize.cy + 1) / 2};
    text = {x.Text, (height - TextSize.cy + 1) / 2};
  } else {
    const AxisPlacement y = PlaceAlong(height, GlyphSize.cy, TextSize.cy, glyphFirst, Margin, Spacing);
    glyph = {(width - GlyphSize.cx + 1) / 2, y.Glyph};
    text = {(width - TextSize.cx + 1) / 2, y.Text};
  }
  const LONG dx = Client.Left + Offset.X, dy = Client.Top + Offset.Y;
  const TPoint glyphPos{glyph.X + dx, glyph.Y + dy};
  return {glyphPos, Bounds(text.X + dx, text.Y + dy, TextSize.cx, TextSize.cy)};
}

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {
  glyph_->OnChange = [this](TObject* Sender) { GlyphChanged(Sender); };
}

TButtonGlyph::~TButtonGlyph() = default;

void TButtonGlyph::SetGlyph(TBitmap* Value) {
  if (Value != nullptr) {
    glyph_->Assign(Value);
  } else {
    glyph_->SetSize(0, 0);
  }
  const Integer w = glyph_->Width(), h = glyph_->Height();
  if (h > 0 && w % h == 0 && w / h >= 1 && w / h <= kMaxGlyphs) SetNumGlyphs(w / h);
}

void TButtonGlyph::SetNumGlyphs(Integer Value) {
  if (Value < 1 || Value > kMaxGlyphs) Value = 1;
  if (Value == numGlyphs_) return;
  numGlyphs_ = Value;
  GlyphChanged(nullptr);
}

TSize TButtonGlyph::GlyphSize() const {
  if (glyph_->Empty()) return {};
  return {glyph_->Width() / numGlyphs_, glyph_->Height()};
}

void TButtonGlyph::GlyphChanged(TObject*) {
  images_.reset();
  OnChange(nullptr);
}

TImageList* TButtonGlyph::Images() {
  if (images_ == nullptr) {
    const TSize size = GlyphSize();
    images_ = std::make_unique<TImageList>(nullptr, size.cx, size.cy);
    images_->AddMasked(glyph_.get(), glyph_->TransparentColor());
  }
  return images_.get();
}

void TButtonGlyph::DrawGlyph(TCanvas* Canvas, TPoint Pos, TButtonState State) {
  if (glyph_->Empty()) return;
  TImageList* images = Images();
  if (State < images->Count()) return images->Draw(Canvas, Pos.X, Pos.Y, State);
  // Without its own image: held down as pressed, disabled embossed, the rest as up.
  const bool exclusiveAsDown = State == bsExclusive && bsDown < images->Count();
  images->Draw(Canvas, Pos.X, Pos.Y, exclusiveAsDown ? Integer(bsDown) : Integer(bsUp), State != bsDisabled);
}

void TButtonGlyph::DrawCaption(TCanvas* Canvas, const std::string& Caption, TRect Bounds, TButtonState State,
                               UINT Flags) {
  Canvas->Brush()->SetStyle(bsClear);
  Flags |= DT_CENTER | DT_VCENTER;
  if (State == bsDisabled) {
    TRect shifted = Bounds;
    OffsetRect(&shifted, 1, 1);
    Canvas->Font()->SetColor(clBtnHighlight);
    Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    DrawTextA(Canvas->Handle(), Caption.data(), int(Caption.size()), &shifted, Flags);
    Canvas->Font()->SetColor(clBtnShadow);
  }
  Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
  DrawTextA(Canvas->Handle(), Caption.data(), int(Caption.size()), &Bounds, Flags);
}

TRect TButtonGlyph::Draw(TCanvas* Canvas, const TRect& Client, TPoint Offset, const std::string& Caption,
                         TButtonLayout Layout, Integer Margin, Integer Spacing, TButtonState State,
                         UINT TextFlags) {
  TRect extent{0, 0, Client.Width(), 0};
  if (!Caption.empty()) {
    Canvas->RequiredState({csHandleValid, csFontValid});
    DrawTextA(Canvas->Handle(), Caption.data(), int(Caption.size()), &extent, DT_CALCRECT | TextFlags);
  } else {
    extent = {};
  }
  const TButtonPlacement place =
      CalcButtonLayout(Client, Offset, GlyphSize(), TSize{extent.Width(), extent.Height()}, Layout, Margin, Spacing);
  DrawGlyph(Canvas, place.GlyphPos, State);
  if (!Caption.empty()) DrawCaption(Canvas, Caption, place.TextBounds, State, TextFlags);
  return place.TextBounds;
}
