// Scroll boxes: automatic ranges from the children, the window's bars, scrolling by the bars'
// messages moving the children, tracking, scrolling a child into view, and a fixed range.
#include "platform/ui/panel.h"
#include "platform/ui/scrolling_win_control.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class ScrollBoxTest : public UiTest {
 protected:
  // A 200 x 100 client area (no border) holding a child that reaches to (300, 250).
  TScrollBox* NewBox() {
    TForm* form = NewForm("Form1");
    form->SetBounds(0, 0, 500, 400);
    box_ = new TScrollBox(form);
    box_->SetBorderStyle(bsNone);
    box_->SetParent(form);
    box_->SetBounds(0, 0, 200, 100);
    child_ = new TPanel(form);
    child_->SetParent(box_);
    child_->SetBounds(100, 50, 200, 200);
    driver_->Settle();
    return box_;
  }

  void Scroll(UINT message, WORD code, int pos = 0) {
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
      // The window layer keeps the thumb's place while it is dragged.
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
      SetScrollInfo(box_->Handle(), message == WM_VSCROLL ? SB_VERT : SB_HORZ, &info, FALSE);
    }
    SendMessageA(box_->Handle(), message, MAKEWPARAM(code, pos), 0);
  }

  bool HasBar(DWORD bit) { return (DWORD(GetWindowLongPtrA(box_->Handle(), GWL_STYLE)) & bit) != 0; }

  TScrollBox* box_ = nullptr;
  TPanel* child_ = nullptr;
};

TEST_F(ScrollBoxTest, RangesFollowTheChildrenAndTheBarsScrollThem) {
  NewBox();
  EXPECT_EQ(box_->HorzScrollBar()->Range(), 300);
  EXPECT_EQ(box_->VertScrollBar()->Range(), 250);
  EXPECT_TRUE(HasBar(WS_HSCROLL));
  EXPECT_TRUE(HasBar(WS_VSCROLL));
  const Integer height = box_->ClientHeight();   // less the horizontal bar
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(box_->Handle(), SB_VERT, &info);
  EXPECT_EQ(info.nMax, 249);
  EXPECT_EQ(info.nPage, UINT(height));

  const struct {
    UINT message;
    WORD code;
    int pos;
    Integer left, top;   // the child's place afterwards
  } steps[] = {
      {WM_VSCROLL, SB_LINEDOWN, 0, 100, 42},         // Increment 8
      {WM_VSCROLL, SB_PAGEDOWN, 0, 100, 50 - 8 - height},
      {WM_VSCROLL, SB_BOTTOM, 0, 100, 50 - (250 - height)},
      {WM_VSCROLL, SB_TOP, 0, 100, 50},
      {WM_HSCROLL, SB_THUMBTRACK, 40, 100, 50},      // no tracking: the children wait
      {WM_HSCROLL, SB_THUMBPOSITION, 40, 60, 50},
      {WM_HSCROLL, SB_LINEUP, 0, 68, 50},
      {WM_HSCROLL, SB_PAGEUP, 0, 100, 50},           // not past the start
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << step.message << " " << step.code);
    Scroll(step.message, step.code, step.pos);
    EXPECT_EQ(child_->Left(), step.left);
    EXPECT_EQ(child_->Top(), step.top);
    EXPECT_EQ(box_->HorzScrollBar()->Position(), 100 - step.left);
    EXPECT_EQ(box_->VertScrollBar()->Position(), 50 - step.top);
  }
  box_->HorzScrollBar()->SetTracking(true);
  Scroll(WM_HSCROLL, SB_THUMBTRACK, 30);
  EXPECT_EQ(child_->Left(), 70);
  EXPECT_EQ(box_->HorzScrollBar()->Range(), 300);   // scrolling does not change the ranges
}

TEST_F(ScrollBoxTest, ScrollInViewShowsAChildWholeAndAFixedRangeStops) {
  NewBox();
  box_->ScrollInView(child_);   // bottom-right: scrolled until its left and top edges show first
  EXPECT_EQ(box_->HorzScrollBar()->Position(), 100);
  EXPECT_EQ(box_->VertScrollBar()->Position(), 50);
  EXPECT_EQ(child_->Left(), 0);
  EXPECT_EQ(child_->Top(), 0);

  child_->SetBounds(0, 0, 50, 20);   // a small child: the bars go and the children come home
  driver_->Settle();
  EXPECT_FALSE(HasBar(WS_HSCROLL));
  EXPECT_FALSE(HasBar(WS_VSCROLL));
  EXPECT_EQ(box_->VertScrollBar()->Position(), 0);

  box_->VertScrollBar()->SetRange(500);   // a fixed range ends AutoScroll
  EXPECT_FALSE(box_->AutoScroll());
  EXPECT_TRUE(HasBar(WS_VSCROLL));
  child_->SetBounds(0, 0, 50, 900);
  EXPECT_EQ(box_->VertScrollBar()->Range(), 500);
  box_->VertScrollBar()->SetPosition(10000);
  EXPECT_EQ(box_->VertScrollBar()->Position(), 500 - box_->ClientHeight());
}

}  // namespace
}  // namespace uitest
