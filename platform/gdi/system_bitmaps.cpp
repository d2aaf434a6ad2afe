// System bitmaps; see system_bitmaps.h.
#include "platform/gdi/system_bitmaps.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/draw.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/sys_colors.h"

namespace {

constexpr int kCell = 13;

HBITMAP CheckBoxes() {
  HBITMAP bitmap = CreateBitmap(4 * kCell, 3 * kCell, 1, 32, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const TRect all{0, 0, 4 * kCell, 3 * kCell};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  const UINT rows[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
  const UINT columns[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column) {
      TRect cell = Bounds(column * kCell, row * kCell, kCell, kCell);
      SetBrushOrgEx(dc, cell.Left, cell.Top, nullptr);   // each cell's checkerboard starts at its corner
      DrawFrameControl(dc, &cell, DFC_BUTTON, rows[row] | columns[column]);
    }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

}  // namespace

HBITMAP LoadSystemBitmap(int id) { return id == OBM_CHECKBOXES ? CheckBoxes() : nullptr; }
