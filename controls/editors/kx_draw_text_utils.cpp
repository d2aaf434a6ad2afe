#include "controls/editors/kx_draw_text_utils.h"

#include <algorithm>
#include <string_view>

#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/gdi/region.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_extent.h"
#include "platform/gdi/text_out.h"
#include "platform/gdi/text_state.h"
#include "platform/ui/canvas.h"
#include "platform/window_classes/edit_units.h"

namespace {

constexpr std::string_view kEllipsis = "...";
constexpr Integer kTabbedExtentLimit = 4096;

Integer TextWidth(HDC DC, const char* Text, Integer Length, bool AExpandTabs) {
  TSize size{};
  MeasureTextExtent(DC, Text, Length, size, AExpandTabs);
  return size.cx;
}

// The byte length of the cluster at Position (a letter with its marks; one byte for Latin text).
Integer ClusterLength(std::string_view Text, Integer Position) {
  return edit::NextCluster(Text, Position) - Position;
}

bool IsJustifyMode(const TkxTextLayoutParams& Params) {
  return Params.HorzMode == tofJustify || Params.HorzMode == tofJustifyAll;
}

bool IsBreak(char C, const TkxTextLayoutParams& Params) {
  return static_cast<Byte>(C) == Params.BreakChar || C == '\t';
}

void DrawRowText(HDC DC, const TkxTextLayoutParams& Params, Integer X, Integer Y, const char* Text, Integer Length) {
  if (Params.ExpandTabs) TabbedTextOutA(DC, X, Y, Text, Length, 0, nullptr, X);
  else TextOutA(DC, X, Y, Text, Length);
}

// The bytes of a row that fit into Width, ending at a cluster boundary, and at least one cluster.
Integer EllipsisFit(HDC DC, const TkxTextRowInfo& Row, Integer Width) {
  const std::string_view text(Row.Text, static_cast<size_t>(Row.TextLength));
  int fit = 0;
  TSize size{};
  GetTextExtentExPointA(DC, Row.Text, Row.TextLength, std::max(Width, 0), &fit, nullptr, &size);
  const Integer start = edit::ClusterStart(text, std::min<Integer>(fit, Row.TextLength));
  return start > 0 ? start : ClusterLength(text, 0);
}

void DrawEllipsis(HDC DC, const TRect& Rect, const TkxTextLayoutParams& Params, Integer X, Integer Y) {
  if (X >= Rect.Right) return;
  const TRect clip{X, Y, Rect.Right, Y + Params.RowHeight};
  const bool clipped = !Params.NoClip && X + Params.EllipsisWidth > Rect.Right;
  ExtTextOutA(DC, X, Y, clipped ? ETO_CLIPPED : 0, &clip, kEllipsis.data(), static_cast<UINT>(kEllipsis.size()),
              nullptr);
}

struct SelectionPart {
  Integer first = 0, last = 0;   // row-relative bytes [first, last)
  bool Empty() const { return last <= first; }
};

SelectionPart SelectionInRow(const TkxTextRowInfo& Row, Integer Length, Integer SelStart, Integer SelLength) {
  SelectionPart part;
  part.first = std::max<Integer>(SelStart - Row.StartOffset, 0);
  part.last = std::min<Integer>(SelStart + SelLength - Row.StartOffset, Length);
  return part;
}

// The selected part of a row: filled, drawn in the selection colour, then excluded from the
// clipping so that the plain drawing of the row leaves it alone.  Answers whether the ellipsis
// was drawn with it.
bool DrawSelectedPart(HDC DC, const TRect& RowRect, const TRect& Rect, const TkxTextLayoutParams& Params,
                      const TkxTextRowInfo& Row, Integer Length, const SelectionPart& Part, TColor SelTextColor,
                      HBRUSH Brush, bool Ellipsis) {
  std::vector<int> extents(static_cast<size_t>(Length));
  int fit = 0;
  TSize size{};
  GetTextExtentExPointA(DC, Row.Text, Length, 0, &fit, extents.data(), &size);
  const Integer left = Row.X + (Part.first == 0 ? 0 : extents[Part.first - 1]);
  const Integer right = Row.X + extents[Part.last - 1];
  const TRect selected{left, RowRect.Top, right, RowRect.Bottom};
  if (Brush != nullptr) FillRect(DC, &selected, Brush);
  const COLORREF oldColor = SetTextColor(DC, ColorToRGB(SelTextColor));
  HRGN saved = IntersectClipRectSaving(DC, selected);
  DrawRowText(DC, Params, Row.X, Row.Y, Row.Text, Length);
  RestoreSavedClipping(DC, saved);
  const bool ellipsisNow = Ellipsis && Part.last == Length;
  if (ellipsisNow) DrawEllipsis(DC, Rect, Params, Rect.Left + size.cx, Row.Y);
  SetTextColor(DC, oldColor);
  ExcludeClipRect(DC, selected.Left, selected.Top, selected.Right, selected.Bottom);
  return ellipsisNow;
}

void DrawOneRow(HDC DC, const TRect& Rect, const TkxTextLayoutParams& Params, const TkxTextRowInfo& Row, bool IsLast,
                bool AForceEndEllipsis, TColor SelTextColor, HBRUSH Brush, Integer SelStart, Integer SelLength) {
  const Integer rectWidth = Rect.Right - Rect.Left;
  const TRect rowRect{Rect.Left, Row.Y, Rect.Right, Row.Y + Params.RowHeight};
  bool ellipsis = Params.EndEllipsis && IsLast && (AForceEndEllipsis || Row.Width > rectWidth);
  if (Row.TextLength == 0) {
    if (ellipsis && AForceEndEllipsis) DrawEllipsis(DC, Rect, Params, Rect.Left, Row.Y);
    return;
  }
  const bool justified = IsJustifyMode(Params) && !ellipsis && Row.BreakCount > 0 && Row.Width < rectWidth;
  if (justified) SetTextJustification(DC, rectWidth - Row.Width, Row.BreakCount);
  HRGN rowClip = nullptr;
  const bool clipped = !Params.NoClip && (Row.Width > rectWidth || rowRect.Top < Rect.Top || rowRect.Bottom > Rect.Bottom);
  if (clipped) rowClip = IntersectClipRectSaving(DC, Rect);
  Integer length = Row.TextLength;
  if (ellipsis) length = EllipsisFit(DC, Row, rectWidth - Params.EllipsisWidth);
  const SelectionPart part = SelectionInRow(Row, length, SelStart, SelLength);
  if (SelLength > 0 && !part.Empty() &&
      DrawSelectedPart(DC, rowRect, Rect, Params, Row, length, part, SelTextColor, Brush, ellipsis))
    ellipsis = false;
  DrawRowText(DC, Params, Row.X, Row.Y, Row.Text, length);
  if (ellipsis) DrawEllipsis(DC, Rect, Params, Rect.Left + TextWidth(DC, Row.Text, length, Params.ExpandTabs), Row.Y);
  if (justified) SetTextJustification(DC, 0, 0);
  if (clipped) RestoreSavedClipping(DC, rowClip);
}

bool RectUsable(const TRect& R, bool CalcRect) {
  return CalcRect ? R.Right > R.Left : R.Right > R.Left && R.Bottom > R.Top;
}

}  // namespace

void MeasureTextExtent(HDC DC, const char* Text, Integer Length, TSize& Size, bool AExpandTabs) {
  if (!AExpandTabs) {
    GetTextExtentPoint32A(DC, Text, Length, &Size);
  } else if (Length > kTabbedExtentLimit) {
    TRect rect{0, 0, 0, 0};
    Size.cy = DrawTextA(DC, Text, Length, &rect, DT_NOPREFIX | DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE);
    Size.cx = rect.Right - rect.Left;
  } else {
    const DWORD extent = GetTabbedTextExtentA(DC, Text, Length, 0, nullptr);
    Size.cx = static_cast<Integer>(extent & 0xFFFF);
    Size.cy = static_cast<Integer>(extent >> 16);
  }
}

HRGN IntersectClipRectSaving(HDC DC, const TRect& Rect) {
  HRGN saved = CreateRectRgn(0, 0, 0, 0);
  if (GetClipRgn(DC, saved) != 1) {
    DeleteObject(saved);
    saved = nullptr;
  }
  IntersectClipRect(DC, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
  return saved;
}

void RestoreSavedClipping(HDC DC, HRGN& Rgn) {
  SelectClipRgn(DC, Rgn);
  if (Rgn != nullptr) DeleteObject(Rgn);
  Rgn = nullptr;
}

void MeasureTextRow(HDC DC, TkxTextRowInfo& Row, const TkxTextLayoutParams& Params) {
  TSize size{};
  MeasureTextExtent(DC, Row.Text, Row.TextLength, size, Params.ExpandTabs);
  Row.Width = size.cx;
  Row.Height = size.cy;
}

Integer GetFittingLength(HDC DC, const TkxTextLayoutParams& Params, const char* Text, Integer& Width,
                         Integer MaxWidth, Integer Length) {
  Integer result = 1;
  Integer w = TextWidth(DC, Text, Length, false);
  if (static_cast<double>(w) / MaxWidth > 8) {
    Width = 0;
    return 1;
  }
  Integer c = Length;
  w = TextWidth(DC, Text, c, Params.ExpandTabs);
  while (c > 1 && w > MaxWidth) {
    c /= 2;
    w = TextWidth(DC, Text, c, Params.ExpandTabs);
  }
  Integer lo = c, hi = Length;
  while (hi >= lo) {
    result = (lo + hi) >> 1;
    w = TextWidth(DC, Text, result, Params.ExpandTabs);
    const Integer d = lo == hi ? 0 : w - MaxWidth;
    if (d < 0) {
      lo = result + 1;
    } else {
      hi = result - 1;
      if (d == 0) break;
    }
  }
  if (w > MaxWidth && result > 1) {
    --result;
    w = TextWidth(DC, Text, result, Params.ExpandTabs);
  }
  Width = w;
  return result;
}

void MakeTextRow(HDC DC, const char*& Text, Integer& Length, TkxTextRowInfo& Row, const TkxTextLayoutParams& Params,
                 bool AIsLastRow, Integer MaxWidth) {
  Row = {};
  if (Text == nullptr) return;
  const std::string_view text(Text, static_cast<size_t>(Length));
  Integer lastBreak = -1;
  Integer width = 0;
  const Integer fit = GetFittingLength(DC, Params, Text, width, std::max<Integer>(MaxWidth, 1), Length);
  const bool justify = IsJustifyMode(Params);
  const bool wrapping = !Params.SingleLine && (Params.WordBreak || justify);
  const bool breakAnywhere = wrapping && Params.BreakAnywhere;
  const bool cutLastRow = !Params.WholeRowsOnly && !Params.NoClip && !justify && AIsLastRow && Params.EndEllipsis;
  const bool measuring = wrapping || cutLastRow || Params.SingleLine;
  Integer rowLength = Length;
  for (Integer i = 0; i < Length;) {
    const Integer charLength = ClusterLength(text, i);
    const char c = Text[i];
    if (IsBreak(c, Params)) {
      ++Row.BreakCount;
      lastBreak = i;
    }
    if ((c == '\r' || c == '\n') && !cutLastRow && !Params.SingleLine) {
      rowLength = i;
      if (Params.HorzMode == tofJustify) Row.BreakCount = 0;
      break;
    }
    if (measuring && i + charLength > fit) {
      if (Params.ExpandTabs || i < fit) width = TextWidth(DC, Text, i + charLength, Params.ExpandTabs);
      else width += TextWidth(DC, Text + i, charLength, false);
      if (width > MaxWidth) {
        if (cutLastRow || Params.SingleLine) {
          rowLength = i + charLength;
          break;
        }
        if (lastBreak >= 0) {
          rowLength = lastBreak + 1;
          break;
        }
        if (breakAnywhere) {
          rowLength = i == 0 ? charLength : i;
          break;
        }
      }
    }
    i += charLength;
  }
  Row.Text = Text;
  Row.TextLength = rowLength;
  if (justify) {
    while (Row.TextLength > 0 && IsBreak(Text[Row.TextLength - 1], Params)) {
      --Row.TextLength;
      Row.BreakCount = std::max<Integer>(Row.BreakCount - 1, 0);
    }
  }
  MeasureTextRow(DC, Row, Params);
  Text += rowLength;
  Length -= rowLength;
  while (Length > 0 && static_cast<Byte>(*Text) == Params.BreakChar) ++Text, --Length;
  if (Length > 0 && *Text == '\t') ++Text, --Length;
  bool hardBreak = false;
  if (Length > 0 && *Text == '\r') ++Text, --Length, hardBreak = true;
  if (Length > 0 && *Text == '\n') ++Text, --Length, hardBreak = true;
  if ((hardBreak || Length == 0) && Params.HorzMode == tofJustify) Row.BreakCount = 0;
}

void CalcTextParams(HDC DC, TkxTextOutFlags Flags, TkxTextLayoutParams& Params) {
  TEXTMETRICA tm{};
  GetTextMetricsA(DC, &tm);
  Params = {};
  Params.CharHeight = tm.tmHeight;
  Params.ExternalLeadingUsed = (Flags & tofExternalLeading) != 0;
  Params.ExternalLeading = Params.ExternalLeadingUsed ? tm.tmExternalLeading : 0;
  Params.RowHeight = Params.CharHeight + Params.ExternalLeading;
  Params.EndEllipsis = (Flags & tofEndEllipsis) != 0;
  Params.EllipsisWidth =
      Params.EndEllipsis ? TextWidth(DC, kEllipsis.data(), static_cast<Integer>(kEllipsis.size()), false) : 0;
  Params.BreakChar = static_cast<Byte>(tm.tmBreakChar);
  Params.HorzMode = Flags & tofHorzMask;
  Params.VertMode = Flags & tofVertMask;
  Params.WordBreak = (Flags & tofWordBreak) != 0;
  Params.SingleLine = (Flags & tofSingleLine) != 0;
  Params.ExpandTabs = (Flags & tofExpandTabs) != 0;
  Params.WholeRowsOnly = (Flags & tofWholeRowsOnly) != 0;
  Params.NoClip = (Flags & tofNoClip) != 0;
  Params.Bit16 = (Flags & 0x10000) != 0;
  Params.KeepLeftEdge = (Flags & tofKeepLeftEdge) != 0;
  Params.KeepTopEdge = (Flags & tofKeepTopEdge) != 0;
  Params.BreakAnywhere = (Flags & tofBreakAnywhere) != 0;   // code page 874 is no far-east code page
  Params.RowCountResult = (Flags & tofRowCountResult) != 0;
  Params.CalcRect = (Flags & tofCalcRect) != 0;
  Params.MaxCharWidth = tm.tmMaxCharWidth;
  Params.CharSet = tm.tmCharSet;
}

void CalcTextParams(TCanvas* Canvas, TkxTextOutFlags Flags, TkxTextLayoutParams& Params) {
  Canvas->RequiredState(TCanvasState{csHandleValid, csFontValid});
  CalcTextParams(Canvas->Handle(), Flags, Params);
}

bool MakeTextRows(HDC DC, const char* Text, Integer Length, const TRect& Rect, Integer MaxLineCount,
                  Integer& RowCount, TkxTextRows& Rows, const TkxTextLayoutParams& Params) {
  RowCount = 0;
  if (Text == nullptr) return true;
  if (Params.CalcRect && Params.SingleLine) {
    Rows.assign(1, TkxTextRowInfo{Text, Length});
    MeasureTextRow(DC, Rows[0], Params);
    RowCount = 1;
    return true;
  }
  const Integer height = Rect.Bottom - Rect.Top;
  const Integer width = Rect.Right - Rect.Left;
  Integer running = 0;
  bool last = false;
  const char* cursor = Text;
  Integer remaining = Length;
  const auto isLastRow = [&] {
    if (Params.SingleLine) return true;
    if (Params.VertMode != 0 || Params.CalcRect) return MaxLineCount > 0 && RowCount == MaxLineCount;
    if (Params.WholeRowsOnly && !Params.NoClip) return height < running + Params.RowHeight;
    return height < running;
  };
  Rows.clear();
  while (remaining > 0 && !last) {
    ++RowCount;
    running += Params.RowHeight;
    last = isLastRow();
    TkxTextRowInfo row;
    MakeTextRow(DC, cursor, remaining, row, Params, last, width);
    row.StartOffset = static_cast<Integer>(row.Text - Text);
    Rows.push_back(row);
    last = last || remaining == 0;
    if (MaxLineCount > 0 && RowCount == MaxLineCount) break;
  }
  return Params.SingleLine || Params.CalcRect || MaxLineCount <= 0 || RowCount != MaxLineCount || remaining == 0;
}

bool MakeTextRows(TCanvas* Canvas, const char* Text, Integer Length, const TRect& Rect, Integer MaxLineCount,
                  Integer& RowCount, TkxTextRows& Rows, const TkxTextLayoutParams& Params) {
  Rows.clear();
  return MakeTextRows(Canvas->Handle(), Text, Length, Rect, MaxLineCount, RowCount, Rows, Params);
}

void PlaceTextRows(HDC, const TRect& Rect, TkxTextLayoutParams& Params, Integer RowCount, TkxTextRows& Rows) {
  const Integer height = Rect.Bottom - Rect.Top;
  const Integer width = Rect.Right - Rect.Left;
  Integer extra = 0;
  if (RowCount > 1 && Params.VertMode == tofDistributeVert) {
    const Integer gap = height - Params.CharHeight;
    if (Params.CharHeight < static_cast<double>(gap) / (RowCount - 1)) {
      Params.RowHeight = gap / (RowCount - 1);
      extra = gap % (RowCount - 1);
    }
  }
  Integer top = Rect.Top;
  if (Params.VertMode == tofCenterVert) top = Rect.Top + (height - RowCount * Params.RowHeight) / 2;
  else if (Params.VertMode == tofBottom) top = Rect.Bottom - RowCount * Params.RowHeight + Params.ExternalLeading;
  if (Params.KeepTopEdge) top = std::max(top, Rect.Top);
  for (Integer i = 0; i < RowCount; ++i) {
    TkxTextRowInfo& row = Rows[i];
    if (Params.HorzMode == tofCenterHorz) row.X = Rect.Left + (width - row.Width) / 2;
    else if (Params.HorzMode == tofRight) row.X = Rect.Right - row.Width;
    else row.X = Rect.Left;
    if (Params.KeepLeftEdge) row.X = std::max(row.X, Rect.Left);
    row.Y = top;
    top += Params.RowHeight;
    if (extra > 0) {
      ++top;
      --extra;
    }
  }
}

void DrawTextRows(HDC DC, const TRect& Rect, const TkxTextLayoutParams& Params, bool AForceEndEllipsis,
                  TColor SelTextColor, TColor SelBkColor, Integer SelLength, Integer SelStart, Integer RowCount,
                  const TkxTextRows& Rows) {
  // The clipping on entry comes back at the end: the selected parts are excluded from it while
  // the rows are drawn.
  HRGN entryClip = CreateRectRgn(0, 0, 0, 0);
  if (GetClipRgn(DC, entryClip) != 1) {
    DeleteObject(entryClip);
    entryClip = nullptr;
  }
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  HBRUSH brush = SelLength > 0 && SelBkColor != clNone ? CreateSolidBrush(ColorToRGB(SelBkColor)) : nullptr;
  const Integer count = std::min<Integer>(RowCount, static_cast<Integer>(Rows.size()));
  for (Integer i = 0; i < count; ++i)
    DrawOneRow(DC, Rect, Params, Rows[i], i == count - 1, AForceEndEllipsis, SelTextColor, brush, SelStart, SelLength);
  if (brush != nullptr) DeleteObject(brush);
  SetBkMode(DC, oldMode);
  RestoreSavedClipping(DC, entryClip);
}

Integer GetMaxRowWidth(const TkxTextRows& Rows, Integer Count) {
  Integer widest = 0;
  const Integer n = std::min<Integer>(Count, static_cast<Integer>(Rows.size()));
  for (Integer i = 0; i < n; ++i) widest = std::max(widest, Rows[i].Width);
  return widest;
}

Integer DrawTextInRect(HDC DC, const char* Text, TRect& Rect, TkxTextOutFlags Flags, Integer SelStart,
                       Integer SelLength, TColor SelBkColor, TColor SelTextColor, Integer MaxLineCount,
                       Integer LeftIndent, Integer RightIndent) {
  if (Text == nullptr || *Text == '\0') return 0;
  const auto length = static_cast<Integer>(std::string_view(Text).size());
  TkxTextLayoutParams params;
  CalcTextParams(DC, Flags, params);
  TRect r{Rect.Left + LeftIndent, Rect.Top, Rect.Right - RightIndent, Rect.Bottom};
  if (!RectUsable(r, params.CalcRect)) return 0;
  TkxTextRows rows;
  Integer rowCount = 0;
  const bool allFitted = MakeTextRows(DC, Text, length, r, MaxLineCount, rowCount, rows, params);
  if (rowCount == 0) return 0;
  if (params.CalcRect) {
    if (MaxLineCount > 0) rowCount = std::min(rowCount, MaxLineCount);
    r.Right = r.Left + GetMaxRowWidth(rows, rowCount);
    if (!params.SingleLine) {
      MakeTextRows(DC, Text, length, r, MaxLineCount, rowCount, rows, params);
      if (MaxLineCount > 0) rowCount = std::min(rowCount, MaxLineCount);
    }
    PlaceTextRows(DC, r, params, rowCount, rows);
    r.Bottom = rows[rowCount - 1].Y + params.CharHeight;
    Rect = {r.Left - LeftIndent, r.Top, r.Right + RightIndent, r.Bottom};
  } else {
    bool forceEllipsis = false;
    if (MaxLineCount > 0 && rowCount >= MaxLineCount) {
      rowCount = MaxLineCount;
      forceEllipsis = !allFitted && params.EndEllipsis && params.WholeRowsOnly && !params.SingleLine;
    }
    PlaceTextRows(DC, r, params, rowCount, rows);
    if (SelStart < 0 || SelStart >= length) SelLength = 0;
    else SelLength = std::min(SelLength, length - SelStart);
    DrawTextRows(DC, r, params, forceEllipsis, SelTextColor, SelBkColor, SelLength, SelStart, rowCount, rows);
  }
  const Integer height = rows[rowCount - 1].Y + params.CharHeight - r.Top;
  return params.RowCountResult || height == 0 ? rowCount : height;
}

Integer DrawTextInRect(TCanvas* Canvas, const char* Text, TRect& Rect, TkxTextOutFlags Flags, Integer SelStart,
                       Integer SelLength, TColor SelBkColor, TColor SelTextColor, Integer MaxLineCount,
                       Integer LeftIndent, Integer RightIndent) {
  Canvas->RequiredState(TCanvasState{csHandleValid, csFontValid});
  return DrawTextInRect(Canvas->Handle(), Text, Rect, Flags, SelStart, SelLength, SelBkColor, SelTextColor,
                        MaxLineCount, LeftIndent, RightIndent);
}

Integer DrawTextSimple(TCanvas* Canvas, const std::string& Text, TRect& Rect, TkxTextOutFlags Flags,
                       Integer MaxLineCount, Integer LeftIndent, Integer RightIndent) {
  return DrawTextInRect(Canvas, Text.c_str(), Rect, Flags, 0, 0, clNone, clNone, MaxLineCount, LeftIndent,
                        RightIndent);
}
