// List boxes: selection tables for single, multiple and extended lists by mouse and keyboard; the
// items kept across a recreated window; owner draw; scrolling; the LB_ messages of the window.
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/ui/list_box.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/list_box_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class ListBoxTest : public UiTest {
 protected:
  TListBox* NewList(Integer count, bool multi = false, bool extended = true, const char* formName = "Form1") {
    TForm* form = NewForm(formName);
    auto* list = new TListBox(form);
    list->SetName("List");
    list->SetParent(form);
    list->SetBounds(10, 10, 120, 180);
    list->SetMultiSelect(multi);
    list->SetExtendedSelect(extended);
    for (Integer i = 0; i < count; ++i) list->Items()->Add(std::string(1, char('a' + i)));
    list->OnClick = [this](TObject*) { ++clicks_; };
    driver_->Settle();
    return list;
  }

  // "0110..." one digit per item.
  static std::string Selection(TListBox* list) {
    std::string s;
    for (Integer i = 0; i < list->Items()->Count(); ++i) s += list->Selected(i) ? '1' : '0';
    return s;
  }

  void ClickItem(TListBox* list, Integer index, TShiftState shift = {}) {
    const TRect r = list->ItemRect(index);
    driver_->ClickAt(list, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}, shift);
  }

  Integer clicks_ = 0;
};

struct Step {
  enum Kind { Click, Key } kind;
  Integer what;   // item index or virtual key
  TShiftState shift;
  const char* selection;
  Integer itemIndex;
  Integer clicks;   // OnClick runs so far
};

TEST_F(ListBoxTest, SelectionFollowsTheMouseAndKeysInEachMode) {
  const struct {
    const char* name;
    bool multi;
    bool extended;
    std::vector<Step> steps;
  } modes[] = {
      {"single", false, false,
       {{Step::Click, 2, {}, "00100000", 2, 1},
        {Step::Key, VK_DOWN, {}, "00010000", 3, 2},
        {Step::Key, VK_DOWN, {ssShift}, "00001000", 4, 3},
        {Step::Key, VK_END, {}, "00000001", 7, 4},
        {Step::Key, VK_END, {}, "00000001", 7, 4},   // no change, no click
        {Step::Key, VK_HOME, {}, "10000000", 0, 5}}},
      {"multiple", true, false,
       {{Step::Click, 1, {}, "01000000", 1, 1},
        {Step::Click, 3, {}, "01010000", 3, 2},
        {Step::Click, 1, {}, "00010000", 1, 3},
        {Step::Key, VK_DOWN, {}, "00010000", 2, 3},   // the caret moves alone
        {Step::Key, VK_SPACE, {}, "00110000", 2, 4}}},
      {"extended", true, true,
       {{Step::Click, 1, {}, "01000000", 1, 1},
        {Step::Click, 4, {ssShift}, "01111000", 4, 2},
        {Step::Click, 2, {ssCtrl}, "01011000", 2, 3},
        {Step::Click, 5, {}, "00000100", 5, 4},
        {Step::Key, VK_DOWN, {ssShift}, "00000110", 6, 5},
        {Step::Key, VK_DOWN, {}, "00000001", 7, 6},
        {Step::Key, VK_UP, {ssCtrl}, "00000001", 6, 6},
        {Step::Key, VK_SPACE, {ssCtrl}, "00000011", 6, 7}}},
  };
  for (const auto& mode : modes) {
    SCOPED_TRACE(mode.name);
    TListBox* list = NewList(8, mode.multi, mode.extended);
    list->SetFocus();
    clicks_ = 0;
    for (std::size_t i = 0; i < mode.steps.size(); ++i) {
      const Step& step = mode.steps[i];
      SCOPED_TRACE(testing::Message() << "step " << i);
      if (step.kind == Step::Click)
        ClickItem(list, step.what, step.shift);
      else
        driver_->PressKey(Word(step.what), step.shift);
      EXPECT_EQ(Selection(list), step.selection);
      EXPECT_EQ(list->ItemIndex(), step.itemIndex);
      EXPECT_EQ(clicks_, step.clicks);
    }
    delete list->Owner();
  }
}

TEST_F(ListBoxTest, ItemsAndTheirObjectsOutliveARecreatedWindowAndWaitForOne) {
  TForm* form = NewForm("Form1");
  auto* list = new TListBox(form);
  list->SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig"}) list->Items()->Add(s);   // no window yet
  list->Items()->SetObjects(0, form);
  list->SetItemIndex(1);
  list->SetParent(form);
  EXPECT_EQ(list->Items()->Text(), "Apple\r\nfig\r\npear\r\n");   // sorted without case on arrival
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Items()->Objects(2), form);   // "pear" keeps its object
  list->Items()->Add("banana");
  EXPECT_EQ(list->Items()->IndexOf("banana"), 1);
  list->SetMultiSelect(true);   // a new window
  EXPECT_EQ(list->Items()->Text(), "Apple\r\nbanana\r\nfig\r\npear\r\n");
  EXPECT_EQ(list->Items()->Objects(3), form);
  list->Items()->Delete(0);
  EXPECT_EQ(list->Items()->Count(), 3);
  EXPECT_THROW(list->Items()->Delete(3), EListError);
  EXPECT_THROW(list->Items()->Strings(-1), EListError);
  list->Clear();
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, OwnerDrawVariableMeasuresEachItemAndDrawsWhatIsInView) {
  TForm* form = NewForm("Form1");
  auto* list = new TListBox(form);
  list->SetStyle(lbOwnerDrawVariable);
  list->SetBounds(0, 0, 100, 64);
  list->OnMeasureItem = [](TWinControl*, Integer index, Integer& height) { height = 10 + 5 * index; };
  std::vector<std::string> drawn;
  list->OnDrawItem = [&](TWinControl*, Integer index, TRect rect, TOwnerDrawState state) {
    drawn.push_back(std::to_string(index) + ":" + std::to_string(rect.Top) + "-" + std::to_string(rect.Bottom) +
                    (state.Contains(odSelected) ? "s" : ""));
  };
  list->SetParent(form);
  for (const char* s : {"a", "b", "c", "d", "e"}) list->Items()->Add(s);
  list->SetItemIndex(1);
  drawn.clear();
  list->Repaint();
  driver_->Settle();
  // Heights 10, 15, 20, 25, 30: rows 0..3 reach into the client area (less the 2-pixel frame).
  EXPECT_EQ(drawn, (std::vector<std::string>{"0:0-10", "1:10-25s", "2:25-45", "3:45-70"}));
  EXPECT_EQ(list->ItemAtPos(TPoint{5, 30}, true), 2);
}

TEST_F(ListBoxTest, TheScrollBarFollowsTheTopIndexAndKeysKeepTheCaretInView) {
  TListBox* list = NewList(26);
  const Integer rows = list->ClientHeight() / list->ItemHeight();
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  const auto bar = [&] {
    GetScrollInfo(list->Handle(), SB_VERT, &info);
    return std::vector<int>{info.nMin, info.nMax, int(info.nPage), info.nPos};
  };
  EXPECT_EQ(bar(), (std::vector<int>{0, 25, int(rows), 0}));
  list->SetFocus();
  driver_->PressKey(VK_END);
  EXPECT_EQ(list->TopIndex(), 26 - rows);
  EXPECT_EQ(bar()[3], 26 - rows);
  SendMessageA(list->Handle(), WM_VSCROLL, SB_TOP, 0);
  SendMessageA(list->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(list->TopIndex(), 1);
  list->SetTopIndex(25);   // the last page stays full
  EXPECT_EQ(list->TopIndex(), 26 - rows);
  list->Clear();
  EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxTest, ListMessagesAnswerLikeTheWindowClass) {
  TListBox* multi = NewList(0, true, false);
  HWND w = multi->Handle();
  for (const char* s : {"Alpha", "beta", "Alpine", "gamma"}) SendMessageA(w, LB_ADDSTRING, 0, LPARAM(s));
  const auto send = [&](UINT m, WPARAM wp, LPARAM lp) { return SendMessageA(w, m, wp, lp); };
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT expected;
  } cases[] = {
      {LB_FINDSTRING, WPARAM(-1), LPARAM("alp"), 0},          // a prefix without case
      {LB_FINDSTRING, 0, LPARAM("alp"), 2},                   // searching after item 0
      {LB_FINDSTRING, 2, LPARAM("alp"), 0},                   // wrapping round
      {LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("BETA"), 1},
      {LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("bet"), LB_ERR},
      {LB_SETCURSEL, 1, 0, LB_ERR},                           // not for multiple selection
      {LB_SETSEL, 1, -1, LB_OKAY},                            // every item
      {LB_GETSELCOUNT, 0, 0, 4},
      {LB_SELITEMRANGEEX, 2, 1, LB_OKAY},                     // reversed: deselects 1..2
      {LB_GETSELCOUNT, 0, 0, 2},
      {LB_GETSEL, 2, 0, 0},
      {LB_GETSEL, 9, 0, LB_ERR},
      {LB_INSERTSTRING, 9, LPARAM("x"), LB_ERR},
      {LB_INSERTSTRING, WPARAM(-1), LPARAM("last"), 4},
      {LB_SETITEMDATA, 4, 77, LB_OKAY},
      {LB_GETITEMDATA, 4, 0, 77},
      {LB_DELETESTRING, 0, 0, 4},                             // the count left
      {LB_GETTEXTLEN, 3, 0, 4},
      {LB_SETITEMHEIGHT, 0, 0, LB_ERR},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.message);
    EXPECT_EQ(send(c.message, c.wParam, c.lParam), c.expected);
  }
  TListBox* single = NewList(3, false, false, "Form2");
  EXPECT_EQ(SendMessageA(single->Handle(), LB_GETSELCOUNT, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageA(single->Handle(), LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessageA(single->Handle(), LB_SETCURSEL, WPARAM(-1), 0), LB_OKAY);
  EXPECT_EQ(SendMessageA(single->Handle(), LB_GETCURSEL, 0, 0), LB_ERR);
}

}  // namespace
}  // namespace uitest
