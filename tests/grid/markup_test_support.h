// What the markup renderer's tests share: a white 32-bit bitmap whose canvas draws in Arial 10
// black, markup inputs on it, and measures taken with the platform's own metrics.
#pragma once

#include <string>

#include "grid/draw_markup.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace markuptest {

class MarkupCanvas {
 public:
  explicit MarkupCanvas(Integer width = 300, Integer height = 120) {
    bitmap_.SetPixelFormat(pf32bit);
    bitmap_.SetSize(width, height);
    Canvas()->Font()->SetName("Arial");
    Canvas()->Font()->SetSize(10);
    Canvas()->Font()->SetColor(clBlack);
    Clear();
  }

  TCanvas* Canvas() { return bitmap_.Canvas(); }
  void Clear() {
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect({0, 0, bitmap_.Width(), bitmap_.Height()});
  }
  TColor At(Integer x, Integer y) { return Canvas()->Pixels(x, y); }
  Integer Width() const { return bitmap_.Width(); }
  Integer Height() const { return bitmap_.Height(); }

  // Measures with the canvas's font, and with it bold.
  Integer TextWidth(const std::string& text) { return Canvas()->TextWidth(text); }
  Integer BoldWidth(const std::string& text) {
    Canvas()->Font()->SetStyle({fsBold});
    const Integer width = Canvas()->TextWidth(text);
    Canvas()->Font()->SetStyle({});
    return width;
  }
  Integer GH() { return Canvas()->TextHeight("gh"); }

  TDrawMarkupInput Input(const std::string& text, const TRect& rect) {
    TDrawMarkupInput in;
    in.Canvas = Canvas();
    in.Text = text;
    in.DrawRect = rect;
    return in;
  }

  // Pixels of `color` in the rectangle.
  Integer Count(const TRect& rect, TColor color) {
    Integer n = 0;
    for (Integer y = rect.Top; y < rect.Bottom; ++y)
      for (Integer x = rect.Left; x < rect.Right; ++x) n += At(x, y) == color;
    return n;
  }
  // True when some row of the span [left, right) is `color` all through (an underline).
  bool HasLine(Integer left, Integer right, Integer top, Integer bottom, TColor color) {
    for (Integer y = top; y < bottom; ++y)
      if (Count({left, y, right, y + 1}, color) == right - left) return true;
    return false;
  }

 private:
  TBitmap bitmap_;
};

}  // namespace markuptest
