// DrawEdge, DrawFrameControl, DrawFocusRect and OBM_CHECKBOXES against docs/classic-look.md.
// Every system colour gets a distinct value for the test, so each probe names the colour role the
// reference gives that pixel.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/gdi/draw_edge.h"
#include "platform/gdi/focus_rect.h"
#include "platform/gdi/frame_control.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/system_bitmaps.h"
#include "tests/support/gdi/test_canvas.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

struct RoleColor {
  char role;
  int index;
  COLORREF value;
};
const RoleColor kRoles[] = {{'H', COLOR_BTNHIGHLIGHT, RGB(200, 0, 1)}, {'L', COLOR_3DLIGHT, RGB(200, 0, 2)},
                            {'F', COLOR_BTNFACE, RGB(200, 0, 3)},      {'S', COLOR_BTNSHADOW, RGB(200, 0, 4)},
                            {'D', COLOR_3DDKSHADOW, RGB(200, 0, 5)},   {'T', COLOR_BTNTEXT, RGB(200, 0, 6)},
                            {'X', COLOR_WINDOWTEXT, RGB(200, 0, 7)},   {'w', COLOR_WINDOW, RGB(200, 0, 8)},
                            {'k', COLOR_WINDOWFRAME, RGB(200, 0, 9)}};

char RoleOf(COLORREF c) {
  for (const RoleColor& r : kRoles)
    if (r.value == c) return r.role;
  if (c == kUntouched) return '.';
  if (c == 0) return '#';
  if (c == 0xFFFFFF) return 'o';
  return '?';
}

class ClassicLook : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const RoleColor& r : kRoles) gdi::ChangeSysColors(1, &r.index, &r.value);
  }
  void TearDown() override { gdi::ResetSysColors(); }
};

struct Probe {
  int x, y;
  char role;
};

struct Case {
  const char* name;
  std::function<void(HDC)> draw;
  std::vector<Probe> probes;
};

void RunProbes(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    TestCanvas canvas(24, 24, kUntouched);
    c.draw(canvas.dc());
    std::string picture = "\n";
    for (int y = 0; y < 18; ++y) {
      for (int x = 0; x < 18; ++x) picture += RoleOf(canvas.At(x, y));
      picture += '\n';
    }
    for (const Probe& p : c.probes)
      EXPECT_EQ(RoleOf(canvas.At(p.x, p.y)), p.role) << c.name << " at (" << p.x << ", " << p.y << ")" << picture;
  }
}

std::function<void(HDC)> Edge(UINT edge, UINT flags) {
  return [=](HDC dc) {
    TRect r{2, 2, 10, 10};
    DrawEdge(dc, &r, edge, flags);
  };
}

TEST_F(ClassicLook, DrawEdgeLayersAndFlags) {
  RunProbes({
      {"raised", Edge(EDGE_RAISED, BF_RECT),
       {{2, 2, 'L'}, {3, 3, 'H'}, {9, 2, 'D'}, {2, 9, 'D'}, {8, 3, 'S'}, {3, 8, 'S'}, {9, 9, 'D'}, {4, 4, '.'}, {1, 1, '.'}}},
      {"sunken", Edge(EDGE_SUNKEN, BF_RECT), {{2, 2, 'S'}, {3, 3, 'D'}, {9, 2, 'H'}, {8, 8, 'L'}, {4, 4, '.'}}},
      {"etched", Edge(EDGE_ETCHED, BF_RECT), {{2, 2, 'S'}, {3, 3, 'H'}, {8, 3, 'S'}, {9, 5, 'H'}}},
      {"bump", Edge(EDGE_BUMP, BF_RECT), {{2, 2, 'L'}, {3, 3, 'D'}, {8, 5, 'L'}, {9, 5, 'D'}}},
      {"raised soft", Edge(EDGE_RAISED, BF_RECT | BF_SOFT), {{2, 2, 'H'}, {3, 3, 'L'}, {9, 9, 'D'}, {8, 8, 'S'}}},
      {"sunken soft", Edge(EDGE_SUNKEN, BF_RECT | BF_SOFT), {{2, 2, 'D'}, {3, 3, 'S'}, {9, 9, 'H'}, {8, 8, 'L'}}},
      {"middle", Edge(EDGE_RAISED, BF_RECT | BF_MIDDLE), {{4, 4, 'F'}, {7, 7, 'F'}, {3, 3, 'H'}}},
      {"flat", Edge(EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_MIDDLE), {{2, 2, 'S'}, {9, 9, 'S'}, {3, 3, 'F'}, {5, 5, 'F'}}},
      {"mono", Edge(EDGE_SUNKEN, BF_RECT | BF_MONO | BF_MIDDLE), {{2, 2, 'k'}, {9, 9, 'k'}, {3, 3, 'w'}, {5, 5, 'w'}}},
      {"mono wins over flat", Edge(EDGE_RAISED, BF_RECT | BF_MONO | BF_FLAT), {{2, 2, 'k'}, {3, 3, 'w'}}},
      {"both outer bits", Edge(BDR_OUTER, BF_RECT), {{2, 2, 'S'}, {9, 9, 'H'}, {3, 3, '.'}}},
      {"inner top-left only", Edge(BDR_RAISEDINNER, BF_TOPLEFT),
       {{2, 2, 'H'}, {9, 2, 'H'}, {2, 9, 'H'}, {9, 9, '.'}, {3, 3, '.'}}},
      {"left and right", Edge(EDGE_RAISED, BF_LEFT | BF_RIGHT), {{2, 5, 'L'}, {3, 5, 'H'}, {9, 5, 'D'}, {8, 5, 'S'}, {5, 2, '.'}, {3, 2, 'H'}}},
      {"rising diagonal", Edge(EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT), {{2, 9, 'L'}, {9, 2, 'L'}, {3, 9, 'H'}, {2, 2, '.'}}},
      {"falling diagonal", Edge(EDGE_RAISED, BF_DIAGONAL_ENDBOTTOMRIGHT), {{2, 2, 'D'}, {9, 9, 'D'}, {3, 2, 'S'}, {9, 2, '.'}}},
  });
}

TEST_F(ClassicLook, DrawEdgeAdjustsToTheInside) {
  struct Case {
    UINT edge, flags;
    TRect expected;
  };
  const Case cases[] = {{EDGE_RAISED, BF_RECT | BF_ADJUST, {4, 4, 8, 8}},
                        {BDR_SUNKENOUTER, BF_RECT | BF_ADJUST, {3, 3, 9, 9}},
                        {EDGE_SUNKEN, BF_BOTTOMRIGHT | BF_ADJUST, {2, 2, 8, 8}},
                        {EDGE_SUNKEN, BF_RECT, {2, 2, 10, 10}}};
  TestCanvas canvas(12, 12);
  for (const Case& c : cases) {
    TRect r{2, 2, 10, 10};
    EXPECT_TRUE(DrawEdge(canvas.dc(), &r, c.edge, c.flags));
    EXPECT_EQ(r, c.expected) << c.edge << "/" << c.flags;
  }
}

std::function<void(HDC)> Frame(TRect r, UINT type, UINT state) {
  return [=](HDC dc) {
    TRect copy = r;
    DrawFrameControl(dc, &copy, type, state);
  };
}

TEST_F(ClassicLook, PushButtons) {
  const TRect r{0, 0, 16, 16};
  RunProbes({
      {"normal", Frame(r, DFC_BUTTON, DFCS_BUTTONPUSH), {{0, 0, 'H'}, {1, 1, 'L'}, {15, 0, 'D'}, {14, 1, 'S'}, {15, 15, 'D'}, {5, 5, 'F'}}},
      {"pushed", Frame(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED), {{0, 0, 'S'}, {1, 1, 'D'}, {15, 15, 'H'}, {14, 14, 'L'}, {5, 5, 'F'}}},
      {"flat", Frame(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT), {{0, 0, 'S'}, {15, 15, 'S'}, {1, 1, 'F'}}},
      {"mono", Frame(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_MONO), {{0, 0, 'k'}, {1, 1, 'w'}, {5, 5, 'w'}}},
      {"checked shows the checkerboard", Frame(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_CHECKED),
       {{0, 0, 'S'}, {2, 2, 'H'}, {3, 2, 'F'}, {3, 3, 'H'}, {13, 12, 'F'}}},
      {"transparent leaves the middle", Frame(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_TRANSPARENT), {{0, 0, 'H'}, {5, 5, '.'}}},
  });
  TestCanvas canvas(16, 16);
  TRect adjusted{0, 0, 16, 16};
  DrawFrameControl(canvas.dc(), &adjusted, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
  EXPECT_EQ(adjusted, (TRect{2, 2, 14, 14}));
}

TEST_F(ClassicLook, CheckBoxes) {
  const TRect r{0, 0, 13, 13};
  RunProbes({
      {"unchecked", Frame(r, DFC_BUTTON, DFCS_BUTTONCHECK),
       {{0, 0, 'S'}, {1, 1, 'D'}, {12, 0, 'H'}, {11, 1, 'L'}, {12, 12, 'H'}, {6, 6, 'w'}, {9, 3, 'w'}}},
      // The check mark sits at (3, 3): its rows are ......# .....## #...### ##.###. #####.. .###... ..#....
      {"checked", Frame(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED),
       {{9, 3, 'X'}, {8, 4, 'X'}, {3, 5, 'X'}, {4, 5, 'w'}, {5, 6, 'w'}, {5, 9, 'X'}, {4, 9, 'w'}, {6, 6, 'X'}, {2, 2, 'w'}}},
      {"pushed", Frame(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_PUSHED | DFCS_CHECKED), {{6, 6, 'X'}, {4, 4, 'F'}, {0, 0, 'S'}}},
      {"inactive", Frame(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_INACTIVE | DFCS_CHECKED), {{6, 6, 'S'}, {4, 4, 'F'}}},
      {"three-state", Frame(r, DFC_BUTTON, DFCS_BUTTON3STATE | DFCS_CHECKED), {{6, 6, 'S'}, {2, 2, 'H'}, {3, 2, 'F'}}},
      {"three-state unchecked", Frame(r, DFC_BUTTON, DFCS_BUTTON3STATE), {{6, 6, 'w'}, {2, 2, 'w'}}},
      {"flat", Frame(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT), {{0, 0, 'S'}, {12, 12, 'S'}, {1, 1, 'w'}}},
      {"mono", Frame(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_MONO | DFCS_PUSHED), {{0, 0, 'k'}, {1, 1, 'w'}}},
      {"centred in a wider rectangle", Frame({0, 0, 20, 13}, DFC_BUTTON, DFCS_BUTTONCHECK), {{3, 0, 'S'}, {2, 0, '.'}, {15, 12, 'H'}, {16, 5, '.'}}},
      {"scaled mark", Frame({0, 0, 20, 20}, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED), {{16, 3, 'X'}, {3, 3, 'w'}, {3, 8, 'X'}}},
  });
}

TEST_F(ClassicLook, RadioButtons) {
  const TRect r{0, 0, 13, 13};
  RunProbes({
      {"unchecked",
       Frame(r, DFC_BUTTON, DFCS_BUTTONRADIO),
       {{4, 0, 'S'}, {7, 0, 'S'}, {3, 0, '.'}, {0, 4, 'S'}, {11, 4, 'H'}, {4, 11, 'H'}, {4, 1, 'D'}, {1, 2, 'S'}, {2, 2, 'D'},
        {10, 4, 'L'}, {10, 2, 'H'}, {1, 9, 'S'}, {2, 10, 'H'}, {5, 5, 'w'}, {12, 12, '.'}, {0, 0, '.'}}},
      {"checked", Frame(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED),
       {{5, 4, 'X'}, {4, 4, 'w'}, {4, 5, 'X'}, {7, 6, 'X'}, {7, 7, 'w'}, {6, 7, 'X'}}},
      {"pushed", Frame(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_PUSHED), {{5, 5, 'F'}, {4, 0, 'S'}}},
      {"inactive dot", Frame(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE), {{5, 5, 'S'}, {3, 5, 'F'}}},
      {"flat", Frame(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT), {{4, 0, 'S'}, {11, 4, 'S'}, {4, 1, 'w'}, {10, 4, 'w'}}},
      {"mask", Frame(r, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT), {{0, 0, 'o'}, {12, 12, 'o'}, {12, 5, 'o'}, {5, 5, '#'}, {4, 0, '#'}, {0, 4, '#'}}},
      {"image", Frame(r, DFC_BUTTON, DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED), {{0, 0, '#'}, {12, 12, '#'}, {4, 0, 'S'}, {5, 5, 'X'}}},
  });
}

TEST_F(ClassicLook, ScrollButtonsAndSizeGrip) {
  const TRect r{0, 0, 16, 16};
  RunProbes({
      {"up", Frame(r, DFC_SCROLL, DFCS_SCROLLUP),
       {{0, 0, 'H'}, {15, 15, 'D'}, {7, 6, 'T'}, {6, 6, 'F'}, {7, 5, 'F'}, {4, 9, 'T'}, {10, 9, 'T'}, {3, 9, 'F'}, {7, 10, 'F'}}},
      {"down pushed: flat and moved", Frame(r, DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED),
       {{0, 0, 'S'}, {1, 1, 'F'}, {8, 10, 'T'}, {7, 10, 'F'}, {7, 9, 'T'}, {5, 7, 'T'}, {11, 7, 'T'}}},
      {"left", Frame(r, DFC_SCROLL, DFCS_SCROLLLEFT), {{6, 7, 'T'}, {9, 4, 'T'}, {9, 10, 'T'}, {6, 6, 'F'}}},
      {"right inactive: embossed", Frame(r, DFC_SCROLL, DFCS_SCROLLRIGHT | DFCS_INACTIVE),
       {{6, 4, 'S'}, {9, 7, 'S'}, {7, 11, 'H'}, {10, 8, 'H'}, {5, 4, 'F'}}},
      {"combo box flat", Frame(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_FLAT), {{0, 0, 'S'}, {1, 1, 'F'}, {7, 9, 'T'}, {4, 6, 'T'}}},
      {"size grip", Frame(r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP),
       {{15, 15, 'F'}, {14, 15, 'S'}, {13, 15, 'S'}, {12, 15, 'H'}, {11, 15, 'F'}, {4, 15, 'H'}, {3, 15, 'F'}, {15, 4, 'H'},
        {13, 14, 'H'}, {14, 14, 'S'}, {0, 0, 'F'}}},
      {"size grip mirrored", Frame(r, DFC_SCROLL, DFCS_SCROLLSIZEGRIPRIGHT), {{0, 15, 'F'}, {1, 15, 'S'}, {3, 15, 'H'}, {12, 15, 'F'}}},
  });
}

TEST_F(ClassicLook, CaptionButtonsAndMenuSymbols) {
  const TRect caption{0, 0, 16, 14}, menu{0, 0, 16, 16};
  RunProbes({
      {"close", Frame(caption, DFC_CAPTION, DFCS_CAPTIONCLOSE),
       {{0, 0, 'H'}, {15, 13, 'D'}, {4, 3, 'T'}, {5, 3, 'T'}, {6, 3, 'F'}, {10, 3, 'T'}, {11, 3, 'T'}, {7, 6, 'T'}, {8, 6, 'T'}, {6, 6, 'F'}, {4, 9, 'T'}}},
      {"minimise", Frame(caption, DFC_CAPTION, DFCS_CAPTIONMIN), {{4, 8, 'T'}, {9, 9, 'T'}, {10, 8, 'F'}, {4, 7, 'F'}}},
      {"maximise", Frame(caption, DFC_CAPTION, DFCS_CAPTIONMAX),
       {{4, 3, 'T'}, {11, 4, 'T'}, {5, 5, 'F'}, {4, 8, 'T'}, {11, 9, 'T'}, {10, 8, 'F'}}},
      {"maximise pushed", Frame(caption, DFC_CAPTION, DFCS_CAPTIONMAX | DFCS_PUSHED), {{0, 0, 'S'}, {5, 4, 'T'}, {4, 3, 'F'}}},
      {"restore", Frame(caption, DFC_CAPTION, DFCS_CAPTIONRESTORE), {{6, 3, 'T'}, {4, 5, 'T'}, {11, 7, 'T'}, {5, 7, 'F'}, {10, 6, 'F'}}},
      {"inactive close", Frame(caption, DFC_CAPTION, DFCS_CAPTIONCLOSE | DFCS_INACTIVE), {{4, 3, 'S'}, {12, 4, 'H'}}},
      {"menu arrow", Frame(menu, DFC_MENU, DFCS_MENUARROW), {{0, 0, 'o'}, {6, 4, '#'}, {6, 10, '#'}, {9, 7, '#'}, {10, 7, 'o'}, {7, 4, 'o'}}},
      {"menu arrow, right to left", Frame(menu, DFC_MENU, DFCS_MENUARROWRIGHT), {{9, 4, '#'}, {6, 7, '#'}, {6, 6, 'o'}}},
      {"menu check", Frame(menu, DFC_MENU, DFCS_MENUCHECK), {{10, 4, '#'}, {4, 6, '#'}, {5, 6, 'o'}, {6, 10, '#'}}},
      {"menu bullet", Frame(menu, DFC_MENU, DFCS_MENUBULLET), {{7, 7, '#'}, {5, 5, 'o'}, {6, 5, '#'}, {5, 6, '#'}}},
      {"transparent menu symbol", Frame(menu, DFC_POPUPMENU, DFCS_MENUARROW | DFCS_TRANSPARENT), {{0, 0, '.'}, {9, 7, '#'}}},
  });
}

TEST_F(ClassicLook, FocusRectInvertsEveryOtherBorderPixel) {
  TestCanvas canvas(12, 8, RGB(10, 20, 30));
  const TRect r{1, 1, 11, 7};
  ASSERT_TRUE(DrawFocusRect(canvas.dc(), &r));
  const COLORREF inverted = RGB(10, 20, 30) ^ 0xFFFFFF;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool border = x >= 1 && x <= 10 && y >= 1 && y <= 6 && (x == 1 || x == 10 || y == 1 || y == 6);
      const COLORREF expected = border && (x + y) % 2 == 0 ? inverted : RGB(10, 20, 30);
      EXPECT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  DrawFocusRect(canvas.dc(), &r);   // a second call removes it
  EXPECT_EQ(canvas.Count(RGB(10, 20, 30)), 96);
  // The dots follow the brush origin and the context's colours.
  SetBrushOrgEx(canvas.dc(), 1, 0, nullptr);
  SetTextColor(canvas.dc(), RGB(0, 0, 8));
  DrawFocusRect(canvas.dc(), &r);
  EXPECT_EQ(canvas.At(2, 1), inverted);                  // (2 - 1) + 1 is even
  EXPECT_EQ(canvas.At(1, 1), RGB(10, 20, 30) ^ RGB(0, 0, 8));
}

TEST_F(ClassicLook, CheckBoxBitmapMatchesDrawFrameControl) {
  HBITMAP boxes = LoadSystemBitmap(OBM_CHECKBOXES);
  ASSERT_NE(boxes, nullptr);
  BITMAP bm{};
  GetObject(boxes, sizeof bm, &bm);
  ASSERT_EQ(bm.bmWidth / 4, 13);
  ASSERT_EQ(bm.bmHeight / 3, 13);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, boxes);
  const UINT rows[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE};
  const UINT columns[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column) {
      TestCanvas cell(13, 13, GetSysColor(COLOR_BTNFACE));
      TRect r{0, 0, 13, 13};
      DrawFrameControl(cell.dc(), &r, DFC_BUTTON, rows[row] | columns[column]);
      for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
          ASSERT_EQ(GetPixel(dc, column * 13 + x, row * 13 + y), cell.At(x, y)) << row << "/" << column << " " << x << "," << y;
    }
  // The first two check-box cells differ exactly in the 21 pixels of the check mark.
  int differing = 0;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x) differing += GetPixel(dc, x, y) != GetPixel(dc, 13 + x, y);
  EXPECT_EQ(differing, 21);
  DeleteDC(dc);
  DeleteObject(boxes);
  EXPECT_EQ(LoadSystemBitmap(32760), nullptr);
}

}  // namespace
