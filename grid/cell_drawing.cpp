#include "grid/cell_drawing.h"

#include <algorithm>
#include <memory>

#include "grid/theme_api.h"
#include "platform/core/float_math.h"
#include "platform/gdi/frame_control.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/edit.h"
#include "platform/window_classes/edit_window.h"
#include "platform/user/resource_bitmap.h"
#include "platform/user/send_message.h"

namespace {

// A channel of From moved by Delta, kept within a byte.
Integer Channel(Integer From, double Delta) { return std::clamp<Integer>(From + Integer(Round(Delta)), 0, 255); }

}  // namespace

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps, const TRect& Rect,
                  bool Horizontal) {
  const COLORREF from = ColorToRGB(FromColor);
  if (ToColor == clNone) {
    Canvas->Brush()->SetColor(TColor(from));
    Canvas->Pen()->SetColor(TColor(from));
    Canvas->FillRect(Rect);
    return;
  }
  const COLORREF to = ColorToRGB(ToColor);
  const Integer steps = std::max(Steps, 1);
  const double step = double(Horizontal ? Rect.Width() : Rect.Height()) / steps;
  const Integer bandLength = Integer(Round(step)) + 1;
  for (Integer k = 0; k < steps; ++k) {
    const auto channel = [&](BYTE f, BYTE t) { return Channel(f, double(k) * (Integer(t) - Integer(f)) / steps); };
    const TColor color = TColor(RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                                    channel(GetBValue(from), GetBValue(to))));
    const Integer start = Integer(Round(k * step));
    TRect band = Rect;
    if (Horizontal) {
      band.Left = Rect.Left + start;
      band.Right = std::min(band.Left + bandLength, Rect.Right);
    } else {
      band.Top = Rect.Top + start;
      band.Bottom = std::min(band.Top + bandLength, Rect.Bottom);
    }
    Canvas->Brush()->SetColor(color);
    Canvas->Pen()->SetColor(color);
    Canvas->FillRect(band);
  }
}

TColor GradientStepColor(TColor FromColor, TColor ToColor, Integer FirstStep, Integer LastStep, Integer Step) {
  if (ToColor == clNone || FirstStep == LastStep) return FromColor;
  const COLORREF from = ColorToRGB(FromColor);
  const COLORREF to = ColorToRGB(ToColor);
  const double span = double(LastStep) - FirstStep;
  const auto channel = [&](BYTE f, BYTE t) { return Channel(f, (Integer(t) - Integer(f)) / span * Step); };
  return TColor(RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                    channel(GetBValue(from), GetBValue(to))));
}

void FillRectColor(TCanvas* Canvas, const TRect& Rect, TColor Color) {
  Canvas->Brush()->SetColor(Color);
  Canvas->FillRect(Rect);
}

void DrawCentredText(TCanvas* Canvas, const TRect& Rect, const std::string& Text) {
  const TSize extent = Canvas->TextExtent(Text);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->TextRect(Rect, Rect.Left + (Rect.Width() - extent.cx) / 2, Rect.Top + (Rect.Height() - extent.cy) / 2, Text);
}

void DrawErrorUnderline(TWinControl* Parent, TCanvas* Canvas, const std::string& Text, const TRect& Rect,
                        Integer Offset, Integer Start, Integer Length) {
  // The positions come from a hidden edit control laid out like the cell's text.
  TPoint first{};
  TPoint last{};
  {
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));
    edit->SetVisible(false);
    edit->SetParent(Parent);
    edit->SetBoundsRect(Rect);
    edit->SetText(Text);
    const auto position = [&](Integer index) {
      const LRESULT at = SendMessageA(edit->Handle(), EM_POSFROMCHAR, WPARAM(index), 0);
      return TPoint{SmallInt(LOWORD(at)), SmallInt(HIWORD(at))};
    };
    const Integer lastIndex = Start + Length - 1;
    first = position(Start);
    if (lastIndex < Integer(Text.size())) {
      last = position(lastIndex);
    } else {
      // Past the end of the text: 4 pixels right of the last character.
      last = Text.empty() ? TPoint{} : position(Integer(Text.size()) - 1);
      last.X += 4;
    }
  }
  TPen* pen = Canvas->Pen();
  pen->SetColor(clRed);
  pen->SetWidth(2);
  const Integer endX = Rect.Left + last.X;
  const Integer baseY = Rect.Top + last.Y + Offset;
  Integer x = Rect.Left + first.X;
  Canvas->MoveTo(x, Rect.Top + first.Y + Offset + 3);
  bool up = true;   // the first step rises from the lower offset
  const auto step = [&] {
    x += 3;
    Canvas->LineTo(x, baseY + (up ? 0 : 3));
    up = !up;
  };
  while (x < endX) step();
  step();
}

void DrawComboButton(TCanvas* Canvas, HWND Window, const TRect& Rect, bool Themed) {
  TRect button{Rect.Right - 18, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  if (Themed && VerUZED::OpenThemeData() != nullptr && VerUZED::DrawThemeBackground() != nullptr &&
      VerUZED::CloseThemeData() != nullptr) {
    if (HTHEME theme = VerUZED::OpenThemeData()(Window, u"combobox")) {
      VerUZED::DrawThemeBackground()(theme, Canvas->Handle(), 1, 1, &button, nullptr);
      VerUZED::CloseThemeData()(theme);
      return;
    }
  }
  DrawFrameControl(Canvas->Handle(), &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT);
}

void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor Background, const TRect& Rect) {
  const Integer width = Bitmap->Width();
  const Integer height = Bitmap->Height();
  if (width <= 0 || height <= 0) return;
  const TRect whole{0, 0, width, height};
  TBitmap copy;
  copy.SetSize(width, height);
  copy.Canvas()->Brush()->SetColor(Background);
  copy.Canvas()->BrushCopy(whole, Bitmap, whole, Bitmap->Canvas()->Pixels(0, 0));
  Canvas->CopyRect(TRect{Rect.Left, Rect.Top, Rect.Left + width, Rect.Top + height}, copy.Canvas(), whole);
}

void DrawResourceBitmap(TCanvas* Canvas, TColor Background, const TRect& Rect, const std::string& Name) {
  HBITMAP handle = LoadBitmapA(nullptr, Name.c_str());
  if (handle == nullptr) return;
  TBitmap bitmap;
  bitmap.SetHandle(handle);
  DrawBitmapTransparent(Canvas, &bitmap, Background, Rect);
}
