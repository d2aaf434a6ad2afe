// The system colour table: the classic values, brushes that follow changes, and FillRect's
// "colour index + 1" brushes.
#include <gtest/gtest.h>

#include "platform/gdi/sys_colors.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

TEST(SysColors, ClassicTableAndChanges) {
  struct Case {
    int index;
    COLORREF value;
  };
  // Values from docs/classic-look.md.
  const Case classic[] = {{COLOR_BTNFACE, RGB(212, 208, 200)}, {COLOR_BTNSHADOW, RGB(128, 128, 128)},
                          {COLOR_3DDKSHADOW, RGB(64, 64, 64)},  {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
                          {COLOR_INFOBK, RGB(255, 255, 225)},  {COLOR_WINDOW, RGB(255, 255, 255)},
                          {COLOR_MENUBAR, RGB(212, 208, 200)}};
  for (const Case& c : classic) EXPECT_EQ(GetSysColor(c.index), c.value) << c.index;
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(kSysColorCount), 0u);
  EXPECT_EQ(GetSysColorBrush(kSysColorCount), nullptr);

  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  const int index = COLOR_BTNFACE;
  const COLORREF pink = RGB(250, 200, 210);
  gdi::ChangeSysColors(1, &index, &pink);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pink);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);   // same handle, new colour
  LOGBRUSH lb{};
  GetObject(face, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, pink);
  TestCanvas canvas(4, 4);
  const TRect r{0, 0, 2, 2};
  FillRect(canvas.dc(), &r, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_BTNFACE + 1)));
  EXPECT_EQ(canvas.At(1, 1), pink);
  EXPECT_TRUE(DeleteObject(face));   // like a stock object: nothing happens
  EXPECT_EQ(GetObjectType(face), OBJ_BRUSH);
  gdi::ResetSysColors();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
}

}  // namespace
