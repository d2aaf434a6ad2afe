// TCanvas: the context and its objects, shapes, pixels, copies and locking.
#include "platform/ui/canvas.h"

#include <cstdint>

#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/blt.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/raster_ops.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphic.h"

PR_IMPLEMENT_CLASS(TCanvas)

namespace {

constexpr TCanvasState kAllValid{csHandleValid, csFontValid, csPenValid, csBrushValid};

// Brackets a drawing routine: Changing, the state it needs, the routine, Changed.
class Drawing {
 public:
  Drawing(TCanvas& canvas, TCanvasState needs, void (TCanvas::*changing)(), void (TCanvas::*changed)())
      : canvas_(canvas), changed_(changed) {
    (canvas.*changing)();
    canvas.RequiredState(needs);
  }
  ~Drawing() { (canvas_.*changed_)(); }
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

 private:
  TCanvas& canvas_;
  void (TCanvas::*changed_)();
};

}  // namespace

#define PR_DRAWING(...) Drawing drawing(*this, TCanvasState{__VA_ARGS__}, &TCanvas::Changing, &TCanvas::Changed)

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()),
      pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()),
      copyMode_(TCopyMode(SRCCOPY)) {
  font_->OnChange.Bind(this, &TCanvas::FontChanged);
  pen_->OnChange.Bind(this, &TCanvas::PenChanged);
  brush_->OnChange.Bind(this, &TCanvas::BrushChanged);
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  Changing();
  RequiredState(kAllValid);
  Changed();
  return handle_;
}

void TCanvas::SetHandle(HDC Value) {
  if (handle_ == Value) return;
  if (handle_ != nullptr) {
    DeselectHandles();
    GetCurrentPositionEx(handle_, &penPos_);
    handle_ = nullptr;
    state_.Exclude(csHandleValid);
  }
  if (Value != nullptr) {
    state_.Include(csHandleValid);
    handle_ = Value;
    MoveToEx(handle_, penPos_.X, penPos_.Y, nullptr);
  }
}

void TCanvas::DeselectHandles() {
  const TCanvasState objects{csPenValid, csBrushValid, csFontValid};
  if (handle_ == nullptr || ((state_ * objects).Empty() && selectedBrush_ == nullptr)) return;
  SelectObject(handle_, GetStockObject(BLACK_PEN));
  SelectObject(handle_, GetStockObject(HOLLOW_BRUSH));
  if (HGDIOBJ font = GetStockObject(SYSTEM_FONT)) SelectObject(handle_, font);
  state_ = state_ - objects;
  selectedBrush_ = nullptr;
}

void TCanvas::CreateHandle() {}

void TCanvas::RequiredState(TCanvasState ReqState) {
  const TCanvasState needed = ReqState - state_;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (handle_ == nullptr) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if (needed.Contains(csFontValid)) CreateFont();
  if (needed.Contains(csPenValid)) CreatePen();
  if (needed.Contains(csBrushValid)) CreateBrush();
  state_ = state_ + needed;
}

void TCanvas::CreateFont() {
  SelectObject(handle_, font_->Handle());
  SetTextColor(handle_, ColorToRGB(font_->Color()));
}

void TCanvas::CreatePen() {
  SelectObject(handle_, pen_->Handle());
  SetROP2(handle_, PenModeToRop2(pen_->Mode()));
}

void TCanvas::CreateBrush() {
  // A brush recoloured in place that is still the context's brush needs no new selection.
  const HBRUSH brush = brush_->Handle();
  if (brush != selectedBrush_ || GetCurrentObject(handle_, OBJ_BRUSH) != brush) {
    UnrealizeObject(brush);
    SelectObject(handle_, brush);
    selectedBrush_ = brush;
  }
  const COLORREF color = ColorToRGB(brush_->Color());
  if (brush_->Style() == bsSolid) {
    SetBkColor(handle_, color);
    SetBkMode(handle_, OPAQUE);
  } else {
    // Hatches need a background unlike their colour; with a transparent background nothing
    // else reads it.
    SetBkColor(handle_, ~color & 0xFFFFFF);
    SetBkMode(handle_, TRANSPARENT);
  }
}

void TCanvas::FontChanged(TObject*) {
  if (!state_.Contains(csFontValid)) return;
  state_.Exclude(csFontValid);
  if (HGDIOBJ font = GetStockObject(SYSTEM_FONT)) SelectObject(handle_, font);
}

void TCanvas::PenChanged(TObject*) {
  if (!state_.Contains(csPenValid)) return;
  state_.Exclude(csPenValid);
  SelectObject(handle_, GetStockObject(BLACK_PEN));
}

void TCanvas::BrushChanged(TObject*) {
  if (!state_.Contains(csBrushValid)) return;
  state_.Exclude(csBrushValid);
  // A brush recoloured in place stays selected (CreateBrush finds it there); any other change
  // leaves the context with the hollow brush until the next drawing selects the new one.
  if (brush_->HandleAllocated() && brush_->Handle() == selectedBrush_) return;
  SelectObject(handle_, GetStockObject(HOLLOW_BRUSH));
  selectedBrush_ = nullptr;
}

void TCanvas::Changing() { OnChanging(this); }

void TCanvas::Changed() { OnChange(this); }

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::Lock() {
  lock_.Enter();
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  lock_.Leave();
}

bool TCanvas::TryLock() {
  if (!lock_.TryEnter()) return false;
  ++lockCount_;
  return true;
}

TPoint TCanvas::PenPos() {
  PR_DRAWING(csHandleValid);
  TPoint p{};
  GetCurrentPositionEx(handle_, &p);
  return p;
}

TRect TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  TRect r{};
  GetClipBox(handle_, &r);
  return r;
}

TColor TCanvas::Pixels(Integer X, Integer Y) {
  RequiredState({csHandleValid});
  return TColor(GetPixel(handle_, X, Y));
}

void TCanvas::SetPixels(Integer X, Integer Y, TColor Value) {
  PR_DRAWING(csHandleValid, csPenValid);
  SetPixel(handle_, X, Y, ColorToRGB(Value));
}

// --- lines and shapes ---

void TCanvas::MoveTo(Integer X, Integer Y) {
  PR_DRAWING(csHandleValid);
  MoveToEx(handle_, X, Y, nullptr);
}

void TCanvas::LineTo(Integer X, Integer Y) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::LineTo(handle_, X, Y);
}

void TCanvas::Polyline(const TPoint* Points, Integer Count) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::Polyline(handle_, Points, Count);
}

void TCanvas::Polygon(const TPoint* Points, Integer Count) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::Polygon(handle_, Points, Count);
}

void TCanvas::PolyBezier(const TPoint* Points, Integer Count) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::PolyBezier(handle_, Points, DWORD(Count));
}

void TCanvas::PolyBezierTo(const TPoint* Points, Integer Count) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::PolyBezierTo(handle_, Points, DWORD(Count));
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  PR_DRAWING(csHandleValid, csBrushValid, csPenValid);
  ::Rectangle(handle_, X1, Y1, X2, Y2);
}

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3) {
  PR_DRAWING(csHandleValid, csBrushValid, csPenValid);
  ::RoundRect(handle_, X1, Y1, X2, Y2, X3, Y3);
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  PR_DRAWING(csHandleValid, csBrushValid, csPenValid);
  ::Ellipse(handle_, X1, Y1, X2, Y2);
}

void TCanvas::Arc(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::Arc(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Chord(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::Chord(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Pie(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4) {
  PR_DRAWING(csHandleValid, csPenValid, csBrushValid);
  ::Pie(handle_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::FillRect(const TRect& Rect) {
  PR_DRAWING(csHandleValid, csBrushValid);
  ::FillRect(handle_, &Rect, brush_->Handle());
}

void TCanvas::FrameRect(const TRect& Rect) {
  PR_DRAWING(csHandleValid, csBrushValid);
  ::FrameRect(handle_, &Rect, brush_->Handle());
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  PR_DRAWING(csHandleValid, csBrushValid);
  ::DrawFocusRect(handle_, &Rect);
}

void TCanvas::FloodFill(Integer X, Integer Y, TColor Color, TFillStyle FillStyle) {
  PR_DRAWING(csHandleValid, csBrushValid);
  ExtFloodFill(handle_, X, Y, ColorToRGB(Color), FillStyle == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
}

// --- pictures ---

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic) {
  if (Graphic == nullptr || Graphic->Empty()) return;
  PR_DRAWING(csHandleValid);
  SetBkColor(handle_, ColorToRGB(brush_->Color()));
  SetTextColor(handle_, ColorToRGB(font_->Color()));
  Graphic->Draw(this, TRect{X, Y, X + Graphic->Width(), Y + Graphic->Height()});
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (Graphic == nullptr) return;
  PR_DRAWING(csHandleValid, csFontValid, csPenValid, csBrushValid);
  Graphic->Draw(this, Rect);
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  const Integer width = Source.Width();
  const Integer height = Source.Height();
  if (Bitmap == nullptr || width <= 0 || height <= 0) return;
  // The source pixels and this canvas's brush on two 32-bit pictures of the source's size; the
  // pixels of Color take the brush's pixel at the same place, then the result is copied.
  const TRect whole{0, 0, width, height};
  TBitmap picture;
  picture.SetPixelFormat(pf32bit);
  picture.SetSize(width, height);
  picture.Canvas()->CopyRect(whole, Bitmap->Canvas(), Source);
  TBitmap fill;
  fill.SetPixelFormat(pf32bit);
  fill.SetSize(width, height);
  fill.Canvas()->SetBrush(brush_.get());
  fill.Canvas()->FillRect(whole);
  const COLORREF key = ColorToRGB(Color);
  const std::uint32_t keyPixel = GetRValue(key) << 16 | GetGValue(key) << 8 | GetBValue(key);   // 0x00RRGGBB
  for (Integer y = 0; y < height; ++y) {
    auto* pixels = static_cast<std::uint32_t*>(picture.ScanLine(y));
    const auto* brush = static_cast<const std::uint32_t*>(fill.ScanLine(y));
    for (Integer x = 0; x < width; ++x)
      if ((pixels[x] & 0xFFFFFF) == keyPixel) pixels[x] = brush[x];
  }
  CopyRect(Dest, picture.Canvas(), whole);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  PR_DRAWING(csHandleValid, csFontValid, csBrushValid);
  Canvas->RequiredState({csHandleValid, csBrushValid});
  StretchBlt(handle_, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->handle_, Source.Left, Source.Top,
             Source.Width(), Source.Height(), DWORD(copyMode_));
}
