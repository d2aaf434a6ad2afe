// TProStringGrid: rich-text cells through the hidden rich edits (see pro_string_grid.h).
#include <cmath>

#include "grid/mouse_actions.h"
#include "grid/pro_rich_edit.h"
#include "grid/pro_string_grid.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/tstrings.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/ui/canvas.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"

namespace {

// Pixels to twips at the given pixels per inch, rounded.
LONG Twips(Integer Pixels, int PixelsPerInch) { return LONG(std::lround(Pixels * 1440.0 / PixelsPerInch)); }

}  // namespace

void TProStringGrid::ParentRenderingRichEdit() {
  richEdit_->SetVisible(false);
  richEdit_->SetBounds(0, 0, 0, 0);
  richEdit_->SetParent(this);
  const HWND window = richEdit_->Handle();
  SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

void TProStringGrid::LoadRichEditFromCell(Integer ACol, Integer ARow, TCustomRichEdit* Edit) {
  const std::string text = GetCellText(ACol, ARow);
  if (text.empty()) {
    Edit->Clear();
    return;
  }
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), static_cast<Integer>(text.size()));
  stream.SetPosition(0);
  Edit->Lines()->LoadFromStream(&stream);
}

std::string TProStringGrid::RichEditText(TCustomRichEdit* Edit) {
  TMemoryStream stream;
  Edit->Lines()->SaveToStream(&stream);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

std::string TProStringGrid::RichTextPlain(const std::string& Text) {
  TMemoryStream stream;
  stream.WriteBuffer(Text.data(), static_cast<Integer>(Text.size()));
  stream.SetPosition(0);
  richEdit_->Lines()->LoadFromStream(&stream);
  return richEdit_->Document().PlainText();
}

void TProStringGrid::DrawRTFCell(Integer ACol, Integer ARow, TCanvas* ACanvas, const TRect& ARect) {
  LoadRichEditFromCell(DisplToRealCol(ACol), ARow, richEdit_);
  const TGridRect sel = Selection();
  const bool focusedCurrent = ACol == Col() && ARow == Row() && Focused() && !Options().Contains(goDrawFocusSelected);
  const bool inSelection = ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
  const bool disjunct = (mouseActions_->DisjunctRowSelect() && GetRowSelect(ARow)) ||
                        (mouseActions_->DisjunctColSelect() && GetColSelect(ACol));
  const HDC dc = ACanvas->Handle();
  if (((inSelection && !focusedCurrent) || disjunct) && !SelectionRTFKeep() && GetMapMode(dc) == MM_TEXT) {
    richEdit_->SelectAll();
    richEdit_->SetSelTextColor(selectionTextColor_);
  }
  const int x = GetDeviceCaps(dc, LOGPIXELSX), y = GetDeviceCaps(dc, LOGPIXELSY);
  const Integer xMargin = xMargin_ * x / 96, yMargin = yMargin_ * y / 96;
  const TRect area{Twips(ARect.Left + xMargin, x), Twips(ARect.Top + yMargin, y), Twips(ARect.Right - xMargin, x),
                   Twips(ARect.Bottom - yMargin, y)};
  FORMATRANGE range{dc, dc, area, area, {0, -1}};
  const int mapMode = SetMapMode(dc, MM_TEXT);
  richEdit_->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range));
  SetMapMode(dc, mapMode);
  richEdit_->Perform(EM_FORMATRANGE, 0, 0);
}
