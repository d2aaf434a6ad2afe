#include "platform/window_classes/font_height.h"

#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/gdi/fonts.h"
#include "platform/user/window_dc.h"

int WindowFontHeight(HWND Window, HGDIOBJ Font) {
  HDC dc = GetDC(Window);
  HGDIOBJ old = Font != nullptr ? SelectObject(dc, Font) : nullptr;
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(Window, dc);
  return std::max(int(metrics.tmHeight), 1);
}
