#include "platform/shims/builtin_theme_parts.h"

#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"

namespace {

constexpr int kFillColorProp = 3802, kTextColorProp = 3803;

// By interaction: normal, hot, pressed, disabled.
constexpr COLORREF kFrames[] = {RGB(112, 112, 112), RGB(60, 127, 177), RGB(44, 98, 139), RGB(188, 188, 188)};
constexpr COLORREF kButtonFills[] = {RGB(236, 236, 236), RGB(229, 241, 251), RGB(204, 228, 247),
                                     RGB(244, 244, 244)};
constexpr COLORREF kBoxFills[] = {RGB(255, 255, 255), RGB(229, 241, 251), RGB(204, 228, 247), RGB(244, 244, 244)};
constexpr COLORREF kTrackFills[] = {RGB(240, 240, 240), RGB(232, 232, 232), RGB(200, 200, 200),
                                    RGB(250, 250, 250)};
constexpr COLORREF kThumbFills[] = {RGB(205, 205, 205), RGB(166, 166, 166), RGB(120, 120, 120),
                                    RGB(240, 240, 240)};
constexpr COLORREF kHeaderFills[] = {RGB(255, 255, 255), RGB(217, 235, 249), RGB(188, 220, 244)};
constexpr COLORREF kDefaultFrame = RGB(51, 153, 255), kGlyph = RGB(0, 0, 0), kGrayGlyph = RGB(131, 131, 131),
                   kListViewBorder = RGB(130, 135, 144), kHeaderLine = RGB(213, 213, 213),
                   kGripper = RGB(120, 120, 120), kTroughFrame = RGB(188, 188, 188),
                   kTroughFill = RGB(230, 230, 230), kChunk = RGB(6, 176, 37);

// 0 normal, 1 hot, 2 pressed, 3 disabled, from a state of 1 .. 4 (5 .. 8 and so on wrap).
int Interaction(int State) { return ((State - 1) % 4 + 4) % 4; }

void Fill(HDC DC, const TRect& R, COLORREF Color) {
  const HBRUSH brush = CreateSolidBrush(Color);
  FillRect(DC, &R, brush);
  DeleteObject(brush);
}

void Frame(HDC DC, const TRect& R, COLORREF Color) {
  const HBRUSH brush = CreateSolidBrush(Color);
  FrameRect(DC, &R, brush);
  DeleteObject(brush);
}

void Disc(HDC DC, COLORREF Pen, COLORREF Brush, const TRect& R) {
  const HPEN pen = CreatePen(PS_SOLID, 1, Pen);
  const HBRUSH brush = CreateSolidBrush(Brush);
  const HGDIOBJ oldPen = SelectObject(DC, pen), oldBrush = SelectObject(DC, brush);
  Ellipse(DC, R.Left, R.Top, R.Right, R.Bottom);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void Triangle(HDC DC, const TPoint (&Points)[3], COLORREF Color) {
  const HPEN pen = CreatePen(PS_SOLID, 1, Color);
  const HBRUSH brush = CreateSolidBrush(Color);
  const HGDIOBJ oldPen = SelectObject(DC, pen), oldBrush = SelectObject(DC, brush);
  Polygon(DC, Points, 3);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void PushButton(HDC DC, int State, const TRect& R) {
  const bool isDefault = State == 5;
  const int i = isDefault ? 0 : Interaction(State);
  const COLORREF frame = isDefault ? kDefaultFrame : kFrames[i];
  Fill(DC, {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1}, kButtonFills[i]);
  // The frame without its corner pixels.
  Fill(DC, {R.Left + 1, R.Top, R.Right - 1, R.Top + 1}, frame);
  Fill(DC, {R.Left + 1, R.Bottom - 1, R.Right - 1, R.Bottom}, frame);
  Fill(DC, {R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1}, frame);
  Fill(DC, {R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1}, frame);
  if (isDefault) Frame(DC, {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1}, frame);
}

void CheckOrRadio(HDC DC, int Part, int State, const TRect& R) {
  const int i = Interaction(State);
  const bool checked = State >= 5;
  const TRect box{R.Left, R.Top, R.Left + 13, R.Top + 13};
  const COLORREF glyph = i == 3 ? kGrayGlyph : kGlyph;
  if (Part == 2) {
    Disc(DC, kFrames[i], kBoxFills[i], box);
    if (checked) Disc(DC, glyph, glyph, {box.Left + 4, box.Top + 4, box.Left + 9, box.Top + 9});
    return;
  }
  Fill(DC, box, kBoxFills[i]);
  Frame(DC, box, kFrames[i]);
  if (!checked) return;
  for (int k = 0; k < 2; ++k) {   // a mark two pixels thick
    const TPoint mark[] = {
        {box.Left + 3, box.Top + 6 + k}, {box.Left + 5, box.Top + 8 + k}, {box.Left + 10, box.Top + 3 + k}};
    const HPEN pen = CreatePen(PS_SOLID, 1, glyph);
    const HGDIOBJ old = SelectObject(DC, pen);
    Polyline(DC, mark, 3);
    SelectObject(DC, old);
    DeleteObject(pen);
  }
}

// An arrow button: a framed square with the triangle of its direction centred.
void ArrowButton(HDC DC, int State, const TRect& R) {
  const int direction = (State - 1) / 4, i = Interaction(State);
  Fill(DC, R, kTrackFills[i]);
  Frame(DC, R, kFrames[i]);
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const COLORREF glyph = i == 3 ? kGrayGlyph : kGlyph;
  switch (direction) {
    case 0: Triangle(DC, {{cx, cy - 2}, {cx - 3, cy + 1}, {cx + 3, cy + 1}}, glyph); break;
    case 1: Triangle(DC, {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}}, glyph); break;
    case 2: Triangle(DC, {{cx - 2, cy}, {cx + 1, cy - 3}, {cx + 1, cy + 3}}, glyph); break;
    default: Triangle(DC, {{cx - 1, cy - 3}, {cx - 1, cy + 3}, {cx + 2, cy}}, glyph); break;
  }
}

// Three lines across the thumb's middle: vertical ones on a horizontal thumb (part 8).
void Gripper(HDC DC, int Part, const TRect& R) {
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  for (int k = -2; k <= 2; k += 2) {
    if (Part == 8)
      Fill(DC, {cx + k, cy - 3, cx + k + 1, cy + 3}, kGripper);
    else
      Fill(DC, {cx - 3, cy + k, cx + 3, cy + k + 1}, kGripper);
  }
}

void SizeBox(HDC DC, const TRect& R) {
  for (int row = 0; row < 3; ++row)
    for (int col = row; col < 3; ++col) {
      const int x = R.Right - 4 - 3 * (2 - col + row) + 3 * row, y = R.Bottom - 4 - 3 * (2 - row);
      Fill(DC, {x, y, x + 2, y + 2}, kGripper);
    }
}

bool DrawScrollBarPart(HDC DC, int Part, int State, const TRect& R) {
  switch (Part) {
    case 1: ArrowButton(DC, State, R); return true;
    case 2:
    case 3:
      Fill(DC, R, kThumbFills[Interaction(State)]);
      Frame(DC, R, kFrames[Interaction(State)]);
      return true;
    case 4:
    case 5:
    case 6:
    case 7: Fill(DC, R, kTrackFills[Interaction(State)]); return true;
    case 8:
    case 9: Gripper(DC, Part, R); return true;
    case 10: SizeBox(DC, R); return true;
    default: return false;
  }
}

// The drop-down button: a flat fill with a down arrow centred (grey when disabled).
void DropDownButton(HDC DC, int State, const TRect& R) {
  const int i = Interaction(State);
  Fill(DC, R, kButtonFills[i]);
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  Triangle(DC, {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}}, i == 3 ? kGrayGlyph : kGlyph);
}

bool DrawPart(TBuiltInThemeClass Class, HDC DC, int Part, int State, const TRect& R) {
  switch (Class) {
    case TBuiltInThemeClass::Button:
      if (Part == 1)
        PushButton(DC, State, R);
      else if (Part == 2 || Part == 3)
        CheckOrRadio(DC, Part, State, R);
      return Part >= 1 && Part <= 3;
    case TBuiltInThemeClass::Header:
      if (Part != 1) return false;
      Fill(DC, R, kHeaderFills[State >= 1 && State <= 3 ? State - 1 : 0]);
      Fill(DC, {R.Left, R.Bottom - 1, R.Right, R.Bottom}, kHeaderLine);
      Fill(DC, {R.Right - 1, R.Top, R.Right, R.Bottom - 1}, kHeaderLine);
      return true;
    case TBuiltInThemeClass::ListView:
      if (Part != 5) return false;
      Frame(DC, R, kListViewBorder);
      return true;
    case TBuiltInThemeClass::ScrollBar: return DrawScrollBarPart(DC, Part, State, R);
    case TBuiltInThemeClass::Window: {
      if (Part != 19) return false;
      const int i = Interaction(State);
      Fill(DC, R, kButtonFills[i]);
      Frame(DC, R, kFrames[i]);
      const COLORREF glyph = i == 3 ? kGrayGlyph : kGlyph;
      for (int k = 3; k < R.Width() - 3 && k < R.Height() - 3; ++k) {
        SetPixel(DC, R.Left + k, R.Top + k, glyph);
        SetPixel(DC, R.Right - 1 - k, R.Top + k, glyph);
      }
      return true;
    }
    case TBuiltInThemeClass::Progress:
      if (Part == 1) {
        Fill(DC, R, kTroughFill);
        Frame(DC, R, kTroughFrame);
      } else if (Part == 3) {
        Fill(DC, R, kChunk);
      }
      return Part == 1 || Part == 3;
    case TBuiltInThemeClass::ComboBox:
      if (Part != 1) return false;
      DropDownButton(DC, State, R);
      return true;
  }
  return false;
}

}  // namespace

bool IsBuiltInPartDefined(TBuiltInThemeClass Class, int Part) {
  switch (Class) {
    case TBuiltInThemeClass::Button: return Part >= 1 && Part <= 3;
    case TBuiltInThemeClass::Header: return Part == 1;
    case TBuiltInThemeClass::ListView: return Part == 5;
    case TBuiltInThemeClass::ScrollBar: return Part >= 1 && Part <= 10;
    case TBuiltInThemeClass::Window: return Part == 19;
    case TBuiltInThemeClass::Progress: return Part == 1 || Part == 3;
    case TBuiltInThemeClass::ComboBox: return Part == 1;
  }
  return false;
}

HRESULT DrawBuiltInPart(TBuiltInThemeClass Class, HDC DC, int Part, int State, const TRect& R, const TRect* Clip) {
  if (DC == nullptr) return E_FAIL;
  const int saved = SaveDC(DC);
  if (Clip != nullptr) IntersectClipRect(DC, Clip->Left, Clip->Top, Clip->Right, Clip->Bottom);
  const bool drawn = DrawPart(Class, DC, Part, State, R);
  RestoreDC(DC, saved);
  return drawn ? S_OK : E_FAIL;
}

bool BuiltInContentMargins(TBuiltInThemeClass Class, int Part, TRect& Margins) {
  switch (Class) {
    case TBuiltInThemeClass::Button: Margins = Part == 1 ? TRect{3, 3, 3, 3} : TRect{0, 0, 0, 0}; return true;
    case TBuiltInThemeClass::Header: Margins = {3, 2, 3, 2}; return Part == 1;
    case TBuiltInThemeClass::ListView: Margins = {1, 1, 1, 1}; return Part == 5;
    case TBuiltInThemeClass::ScrollBar: Margins = {1, 1, 1, 1}; return Part >= 1 && Part <= 10;
    case TBuiltInThemeClass::Window: Margins = {2, 2, 2, 2}; return Part == 19;
    case TBuiltInThemeClass::Progress:
      Margins = Part == 1 ? TRect{1, 1, 1, 1} : TRect{0, 0, 0, 0};
      return Part == 1 || Part == 3;
    case TBuiltInThemeClass::ComboBox: Margins = {0, 0, 0, 0}; return Part == 1;
  }
  return false;
}

bool BuiltInPartSize(TBuiltInThemeClass Class, int Part, TSize& Size) {
  if ((Class == TBuiltInThemeClass::Button && (Part == 2 || Part == 3)) ||
      (Class == TBuiltInThemeClass::Window && Part == 19)) {
    Size = {13, 13};
    return true;
  }
  if (Class == TBuiltInThemeClass::ScrollBar && (Part == 8 || Part == 9)) {
    Size = {8, 8};
    return true;
  }
  if (Class == TBuiltInThemeClass::ScrollBar && (Part == 1 || Part == 10)) {
    Size = {17, 17};
    return true;
  }
  return false;
}

bool IsBuiltInPartPartiallyTransparent(TBuiltInThemeClass Class, int Part) {
  return Class == TBuiltInThemeClass::Button && (Part == 1 || Part == 2);
}

bool BuiltInPartColor(TBuiltInThemeClass Class, int Part, int State, int Property, COLORREF& Color) {
  if (Class != TBuiltInThemeClass::Button || Part != 1) return false;
  const int i = State == 5 ? 0 : Interaction(State);
  if (Property == kFillColorProp) {
    Color = kButtonFills[i];
    return true;
  }
  if (Property == kTextColorProp) {
    Color = i == 3 ? kGrayGlyph : kGlyph;
    return true;
  }
  return false;
}

COLORREF BuiltInTextColor(TBuiltInThemeClass Class, int Part, int State) {
  COLORREF color = kGlyph;
  BuiltInPartColor(Class, Part, State, kTextColorProp, color);
  return color;
}
