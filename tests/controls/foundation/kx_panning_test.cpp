// Middle-button panning's geometry: the direction and speed each cursor point asks for around the
// anchor, the cursors that show them, and the anchor window's picture and elliptic shape.
#include <gtest/gtest.h>

#include <string>

#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_panning.h"
#include "platform/gdi/draw.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_tree.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

constexpr TPoint kAnchor{100, 100};
constexpr TSize kScreen{640, 480};
constexpr TkxPanningBars kBoth{true, true}, kVerticalOnly{false, true}, kHorizontalOnly{true, false};

TEST(PanningMoveTest, DirectionAndSpeedFollowTheCursorAroundTheAnchor) {
  const struct {
    TkxPanningBars bars;
    TPoint p;
    TkxDirection direction;
    Integer speed;
  } cases[] = {
      {kBoth, {100, 115}, dirDown, 1},   // 15 below: just past the zone's bottom edge
      {kBoth, {100, 114}, dirNone, 0},   // inside
      {kBoth, {100, 174}, dirDown, 12},  // 13 limited to 12
      {kBoth, {100, 148}, dirDown, 7},
      {kBoth, {115, 100}, dirRight, 1},  // the right edge is outside
      {kBoth, {86, 100}, dirNone, 0},    // the left edge is inside
      {kBoth, {85, 100}, dirLeft, 1},
      {kBoth, {100, 85}, dirUp, 1},
      {kBoth, {120, 120}, dirDown, 2},  // |dx| = |dy|: vertical
      {kBoth, {121, 120}, dirRight, 2},
      {kVerticalOnly, {600, 100}, dirNone, 0},  // sideways never pans
      {kVerticalOnly, {600, 130}, dirDown, 4},
      {kHorizontalOnly, {100, 400}, dirNone, 0},
      {kHorizontalOnly, {40, 400}, dirLeft, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p.X << "," << c.p.Y);
    const TkxPanningMove move = CalculatePanningMove(kAnchor, c.p, kxPanningAnchorSize, c.bars, kScreen);
    EXPECT_EQ(move.Direction, c.direction);
    EXPECT_EQ(move.Speed, c.speed);
    EXPECT_EQ(move.MovedOut, c.direction != dirNone);
  }
}

TEST(PanningMoveTest, CursorsShowTheDirectionOrTheBarsThatAllowPanning) {
  const struct {
    TkxDirection direction;
    TkxPanningBars bars;
    TCursor cursor;
  } cases[] = {
      {dirNone, kBoth, 2101},  {dirNone, kHorizontalOnly, 2102}, {dirNone, kVerticalOnly, 2103},  {dirUp, kBoth, 2104},
      {dirRight, kBoth, 2105}, {dirDown, kVerticalOnly, 2106},   {dirLeft, kHorizontalOnly, 2107}};
  for (const auto& c : cases) EXPECT_EQ(GetPanningCursor(c.direction, c.bars), c.cursor);
}

class PanningAnchorTest : public uitest::UiTest {
 protected:
  static COLORREF PixelOf(HWND window, int x, int y) {
    const HDC dc = GetWindowDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
  }
};

TEST_F(PanningAnchorTest, TheAnchorShowsArrowsForTheBarsAndIsRound) {
  constexpr COLORREF kBlack = 0x000000, kWhite = 0xFFFFFF;
  TForm* form = NewForm("Host");
  form->SetBounds(0, 0, 300, 300);
  driver_->Settle();
  const struct {
    TkxPanningBars bars;
    bool upArrow, leftArrow;
  } cases[] = {{kVerticalOnly, true, false}, {kHorizontalOnly, false, true}, {kBoth, true, true}};
  for (const auto& c : cases) {
    TkxPanningAnchor anchor(form->Handle(), TPoint{150, 150}, c.bars);
    const HWND w = anchor.Handle();
    TRect r{};
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (TRect{136, 136, 165, 165}));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(PixelOf(w, 14, 14), kBlack) << "the centre dot";
    EXPECT_EQ(PixelOf(w, 14, 5), c.upArrow ? kBlack : kWhite);
    EXPECT_EQ(PixelOf(w, 5, 14), c.leftArrow ? kBlack : kWhite);
    EXPECT_EQ(WindowFromPoint(TPoint{150, 150}), w);
    EXPECT_EQ(WindowFromPoint(TPoint{136, 136}), form->Handle()) << "the corner lies outside the ellipse";
    EXPECT_EQ(WindowFromPoint(TPoint{164, 164}), form->Handle());
  }
}

}  // namespace
