// The stock fonts (GetStockObject OEM_FIXED_FONT .. DEFAULT_GUI_FONT), created on first use and
// never freed.  As on a Thai station the proportional system fonts carry THAI_CHARSET:
//   OEM_FIXED_FONT      "Terminal"      12   OEM_CHARSET     fixed pitch, modern
//   ANSI_FIXED_FONT     "Courier"       13   ANSI_CHARSET    fixed pitch, modern
//   ANSI_VAR_FONT       "MS Sans Serif" 13   ANSI_CHARSET    variable pitch, swiss
//   SYSTEM_FONT         "System"        16   THAI_CHARSET    bold, variable pitch, swiss
//   DEVICE_DEFAULT_FONT "System"        16   THAI_CHARSET    bold, variable pitch, swiss
//   SYSTEM_FIXED_FONT   "Fixedsys"      15   THAI_CHARSET    fixed pitch, modern
//   DEFAULT_GUI_FONT    "MS Shell Dlg"  -11  THAI_CHARSET    variable pitch, swiss
// Heights are lfHeight values (positive: cell height, negative: character height).
#pragma once

#include "platform/gdi/gdi_types.h"

namespace gdi {

// The handle of a stock font, or nullptr for another index.
HGDIOBJ StockFont(int index);

}  // namespace gdi
