// TProStringGrid text measuring: the pixels a cell's text needs, margins included, for fitting
// column widths and row heights.
#include <algorithm>
#include <cmath>

#include "grid/cell_line_breaks.h"
#include "grid/cell_text_kinds.h"
#include "grid/draw_markup.h"
#include "grid/pro_rich_edit.h"
#include "grid/pro_string_grid.h"
#include "grid/wide_cell_text.h"
#include "platform/core/float_math.h"
#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/canvas.h"

namespace {

// |round(x)|
Integer RoundedMagnitude(double X) { return static_cast<Integer>(std::abs(Round(X))); }

}  // namespace

TSize TProStringGrid::MeasureCellText(Integer ACol, Integer ARow, bool Wrap) {
  TCanvas* canvas = Canvas();
  std::string text = GetCellText(ACol, ARow);
  GetFloatFormat(ACol, ARow, text);
  TGridDrawState state;
  TColor colorTo = clNone;
  TAlignment alignment = taLeftJustify;
  TVAlignment vAlignment = vtaTop;
  bool wordWrap = wordWrap_;
  TCellGradientDirection direction = GradientVertical;
  GetCellStyle(ACol, ARow, state, false, false, false, canvas->Brush(), colorTo, canvas->Font(), alignment,
               vAlignment, wordWrap, direction);
  canvas->Font()->SetSize(canvas->Font()->Size() + fontSizeDelta_);
  const TRect cell = CellRect(ACol, ARow);

  TSize size{};
  const Integer kind = CellTextKind(text, EnableHTML());
  if (kind == 1) {
    TDrawMarkupInput in;
    in.Canvas = canvas;
    in.Text = text;
    in.DrawRect = TRect{cell.Left + xMargin_, cell.Top + yMargin_, Wrap ? cell.Right - xMargin_ : 65535, 65535};
    in.Images = gridImages_;
    in.MeasureOnly = true;
    in.Selected = true;
    in.WordWrap = !EnhTextSize();
    in.URLColor = urlColor_;
    TDrawMarkupOutput out;
    DrawMarkup(in, out);
    size = {out.MarkupWidth + 2 * xMargin_ + 2, out.MarkupHeight + 2 * yMargin_ + 2};
  } else if (kind == 5) {
    std::u16string wide = DecodeWideCellText(text);
    TRect r{cell.Left + xMargin_, cell.Top, cell.Right - xMargin_, cell.Bottom};
    const UINT lines = Wrap || Multilinecells() ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextExW(canvas->Handle(), wide.data(), static_cast<int>(wide.size()), &r, lines | DT_CALCRECT, nullptr);
    size = {r.Right - r.Left + 2 * xMargin_, r.Bottom - r.Top};
  } else if (kind == 2) {
    LoadRichEditFromCell(ACol, ARow, richEdit_);
    richEdit_->SetBounds(0, 0, cell.Right - cell.Left, cell.Bottom - cell.Top);
    richEdit_->SetWordWrap(Wrap);
    richEdit_->Perform(EM_REQUESTRESIZE, 0, 0);
    size = {richEdit_->ReqWidth() + 2 * xMargin_, richEdit_->ReqHeight() + 2 * yMargin_};
  } else {
    if (Wrap) {
      const bool editedHere = editorOpen_ && ACol == Col() && ARow == Row();
      if (editedHere && text.ends_with('\n')) text += 'w';   // the empty last line counts
      TRect r{cell.Left + xMargin_ + 2, cell.Top + yMargin_ + 2, cell.Right - xMargin_ - 2, cell.Bottom - yMargin_ - 2};
      DrawTextA(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &r,
                DT_EDITCONTROL | DT_NOPREFIX | DT_CALCRECT | DT_WORDBREAK);
      size = {r.Right - r.Left + 2 * xMargin_, r.Bottom - r.Top + 2 * yMargin_};
    } else {
      const Integer lines = CountTextLines(text, Multilinecells());
      Integer widest = 0;
      for (Integer i = 0; i < lines; ++i) {
        std::string line;
        TakeFirstLine(text, true, line);
        if (URLShow() && !URLFull()) {
          if (const size_t at = line.find("://"); at != std::string::npos) line.erase(0, at + 3);
          if (const size_t at = line.find("mailto:"); at != std::string::npos) line.erase(0, at + 7);
        }
        widest = std::max(widest, canvas->TextWidth(line));
      }
      size = {widest + 2 * xMargin_, canvas->TextHeight("gh") * lines + 2 * yMargin_};
    }
  }

  Integer angle = 0;
  if (GetRotated(ACol, ARow, angle)) {
    const double radians = angle * M_PI / 180;
    const Integer sinH = RoundedMagnitude(std::sin(radians) * size.cy);
    const Integer cosW = RoundedMagnitude(std::cos(radians) * size.cx);
    const Integer cosH = RoundedMagnitude(std::cos(radians) * size.cy);
    const Integer sinW = RoundedMagnitude(std::sin(radians) * size.cx);
    size = {std::abs(sinH - cosW) + 12, std::abs(cosH - sinW) + 12};
  }
  return size;
}

Integer TProStringGrid::RowLineCount(Integer ARow) {
  if (!Multilinecells()) return 1;
  Integer lines = 1;
  for (Integer col = 0; col < ColCount(); ++col)
    lines = std::max(lines, CountTextLines(GetCellText(DisplToRealCol(col), ARow), true));
  return lines;
}
