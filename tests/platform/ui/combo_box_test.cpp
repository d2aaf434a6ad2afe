// Combo boxes: the keyboard and mouse table of a drop-down list with the CBN_ order, typing in an
// editable combo box, the class library's events, geometry and CB_ messages, owner draw, and the
// items kept across a recreated window.
#include <string>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/ui/combo_box.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/window_classes/combo_box_window.h"
#include "platform/window_classes/list_box_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

// Notes the CBN_ codes the combo box hears, by name (not the focus ones).
class RecordingCombo : public TComboBox {
 public:
  using TComboBox::TComboBox;
  std::string log;

  std::string Take() { return std::exchange(log, std::string()); }

  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CN_COMMAND) {
      static const char* const kNames[] = {"",         "SELCHANGE", "DBLCLK",  "SETFOCUS", "KILLFOCUS", "EDITCHANGE",
                                           "EDITUPDATE", "DROPDOWN", "CLOSEUP", "SELENDOK", "SELENDCANCEL"};
      const WORD code = HIWORD(Message.WParam);
      if (code == CBN_SELCHANGE || (code >= CBN_EDITCHANGE && code <= CBN_SELENDCANCEL))
        log += std::string(log.empty() ? "" : " ") + kNames[code];
    }
    TComboBox::Dispatch(Message);
  }
};

class ComboBoxTest : public UiTest {
 protected:
  RecordingCombo* NewCombo(TComboBoxStyle style) {
    form_ = NewForm("Form1");
    form_->SetBounds(0, 0, 400, 300);
    auto* combo = new RecordingCombo(form_);
    combo->SetName("Combo");
    combo->SetStyle(style);
    combo->SetParent(form_);
    combo->SetBounds(10, 10, 150, 21);
    for (const char* s : {"apple", "banana", "blueberry", "cherry", "cranberry"}) combo->Items()->Add(s);
    combo->SetFocus();
    driver_->Settle();
    combo->Take();
    return combo;
  }

  // Clicks the middle of an item of the dropped list.
  void ClickItem(TComboBox* combo, Integer index) {
    TRect r{};
    SendMessageA(combo->ListHandle(), LB_GETITEMRECT, WPARAM(index), LPARAM(&r));
    user::Click(combo->ListHandle(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    driver_->Settle();
  }

  TForm* form_ = nullptr;
};

struct Step {
  enum Kind { Key, Type, ClickCombo, ClickItem, ClickOutside, HoverItem, Pause } kind;
  Integer what;   // virtual key, item index or milliseconds
  TShiftState shift;
  const char* typed;
  const char* notifications;
  Integer itemIndex;
  bool dropped;
};

TEST_F(ComboBoxTest, DropDownListFollowsKeysTypingAndTheMouseInPlatformOrder) {
  const std::vector<Step> steps = {
      {Step::Key, VK_F4, {}, "", "DROPDOWN", -1, true},
      {Step::Key, VK_DOWN, {}, "", "SELCHANGE", 0, true},
      {Step::Key, VK_DOWN, {}, "", "SELCHANGE", 1, true},
      {Step::Key, VK_RETURN, {}, "", "SELENDOK CLOSEUP", 1, false},
      {Step::Key, VK_DOWN, {ssAlt}, "", "DROPDOWN", 1, true},
      {Step::Key, VK_ESCAPE, {}, "", "SELENDCANCEL CLOSEUP", 1, false},
      {Step::Key, VK_DOWN, {}, "", "SELCHANGE", 2, false},   // closed: arrows step
      {Step::Key, VK_END, {}, "", "SELCHANGE", 4, false},
      {Step::Key, VK_DOWN, {}, "", "", 4, false},   // no further item, no notification
      {Step::Key, VK_HOME, {}, "", "SELCHANGE", 0, false},
      {Step::Type, 0, {}, "bl", "SELCHANGE SELCHANGE", 2, false},   // "b" banana, "bl" blueberry
      {Step::Pause, 1500, {}, "", "", 2, false},
      {Step::Type, 0, {}, "b", "SELCHANGE", 1, false},   // a new prefix: the next "b" item, wrapping
      {Step::Type, 0, {}, "x", "", 1, false},            // nothing starts with it
      {Step::ClickCombo, 0, {}, "", "DROPDOWN", 1, true},
      {Step::ClickItem, 3, {}, "", "SELENDOK CLOSEUP SELCHANGE", 3, false},
      {Step::ClickCombo, 0, {}, "", "DROPDOWN", 3, true},
      {Step::ClickItem, 3, {}, "", "SELENDOK CLOSEUP", 3, false},   // the same item: no change
      {Step::ClickCombo, 0, {}, "", "DROPDOWN", 3, true},
      {Step::HoverItem, 0, {}, "", "", 0, true},   // highlighted only
      {Step::ClickOutside, 0, {}, "", "SELENDCANCEL CLOSEUP", 3, false},
      {Step::Key, VK_F4, {}, "", "DROPDOWN", 3, true},
      {Step::Key, VK_F4, {}, "", "SELENDOK CLOSEUP", 3, false},
  };
  RecordingCombo* combo = NewCombo(csDropDownList);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE(testing::Message() << "step " << i);
    switch (step.kind) {
      case Step::Key: driver_->PressKey(Word(step.what), step.shift); break;
      case Step::Type: driver_->Type(step.typed); break;
      case Step::ClickCombo: driver_->Click(combo); break;
      case Step::ClickItem: ClickItem(combo, step.what); break;
      case Step::ClickOutside: driver_->ClickAt(form_, TPoint{300, 200}); break;
      case Step::HoverItem: {
        TRect r{};
        SendMessageA(combo->ListHandle(), LB_GETITEMRECT, WPARAM(step.what), LPARAM(&r));
        user::MoveMouseTo(combo->ListHandle(), r.Left + 5, r.Top + 2);
        driver_->Settle();
        break;
      }
      case Step::Pause: clock_.Advance(UInt64(step.what)); break;
    }
    EXPECT_EQ(combo->Take(), step.notifications);
    EXPECT_EQ(combo->ItemIndex(), step.itemIndex);
    EXPECT_EQ(combo->DroppedDown(), step.dropped);
    EXPECT_EQ(IsWindowVisible(combo->ListHandle()) != 0, step.dropped);
    EXPECT_EQ(combo->Text(), step.itemIndex >= 0 ? combo->Items()->Strings(step.itemIndex) : std::string());
  }
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(ComboBoxTest, EditableComboTypesFreelyAndCompletesFromTheDroppedList) {
  RecordingCombo* combo = NewCombo(csDropDown);
  std::vector<std::string> events;
  combo->OnChange = [&](TObject*) { events.push_back("Change:" + combo->Text()); };
  ASSERT_NE(combo->EditHandle(), nullptr);
  EXPECT_TRUE(combo->Focused());   // the edit has the focus for the combo box

  driver_->Type("ch");
  EXPECT_EQ(combo->Take(), "EDITUPDATE EDITCHANGE EDITUPDATE EDITCHANGE");
  EXPECT_EQ(combo->Text(), "ch");
  EXPECT_EQ(combo->ItemIndex(), -1);   // a closed list selects nothing for typed text

  driver_->PressKey(VK_F4);
  driver_->Type("e");
  EXPECT_EQ(combo->Take(), "DROPDOWN EDITUPDATE EDITCHANGE");
  EXPECT_EQ(combo->ItemIndex(), 3);   // the dropped list shows the first item starting "che"
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(combo->Take(), "SELENDOK CLOSEUP SELCHANGE");
  EXPECT_EQ(combo->Text(), "cherry");
  EXPECT_EQ(combo->SelText(), "cherry");   // a chosen item's text is selected whole

  driver_->PressKey(VK_UP);
  EXPECT_EQ(combo->Take(), "SELCHANGE");
  EXPECT_EQ(combo->Text(), "blueberry");

  driver_->PressKey(VK_F4);
  driver_->Type("z");
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(combo->Take(), "DROPDOWN EDITUPDATE EDITCHANGE SELENDOK CLOSEUP");
  EXPECT_EQ(combo->Text(), "z");   // typed text that no item starts stays when the list closes
  EXPECT_EQ(combo->ItemIndex(), -1);

  combo->SetText("typed by the program");   // the program's text notifies nothing
  EXPECT_EQ(combo->Take(), "");
  EXPECT_EQ(events, (std::vector<std::string>{"Change:c", "Change:ch", "Change:che", "Change:cherry",
                                              "Change:blueberry", "Change:z"}));
}

TEST_F(ComboBoxTest, ClassLibraryEventsFollowTheNotifications) {
  RecordingCombo* combo = NewCombo(csDropDownList);
  std::vector<std::string> events;
  combo->OnDropDown = [&](TObject*) { events.push_back("DropDown"); };
  combo->OnCloseUp = [&](TObject*) { events.push_back("CloseUp:" + std::to_string(combo->ItemIndex())); };
  combo->OnClick = [&](TObject*) { events.push_back("Click"); };
  combo->OnSelect = [&](TObject*) { events.push_back("Select:" + combo->Text()); };
  combo->OnChange = [&](TObject*) { events.push_back("Change"); };
  combo->OnKeyDown = [&](TObject*, Word& key, TShiftState) { events.push_back("KeyDown:" + std::to_string(key)); };
  driver_->Click(combo);
  ClickItem(combo, 2);
  driver_->PressKey(VK_DOWN);
  EXPECT_EQ(events, (std::vector<std::string>{"DropDown", "CloseUp:2", "Click", "Select:blueberry",
                                              "KeyDown:40", "Click", "Select:cherry"}));

  // OnChange stands in for an unassigned OnSelect.
  combo->OnSelect = nullptr;
  events.clear();
  driver_->PressKey(VK_UP);
  EXPECT_EQ(events, (std::vector<std::string>{"KeyDown:38", "Click", "Change"}));
}

TEST_F(ComboBoxTest, KeysOfTheEditReachTheControlFirst) {
  RecordingCombo* combo = NewCombo(csDropDown);
  combo->OnKeyPress = [](TObject*, char& key) {
    if (key == 'x') key = '\0';   // swallowed
  };
  combo->OnKeyDown = [](TObject*, Word& key, TShiftState) {
    if (key == VK_F4) key = 0;   // the list stays closed
  };
  driver_->Type("axb");
  driver_->PressKey(VK_F4);
  EXPECT_EQ(combo->Text(), "ab");
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, TheWindowKeepsTheFieldHeightAndTheListTakesDropDownCountRows) {
  RecordingCombo* combo = NewCombo(csDropDownList);
  HWND w = combo->Handle();
  const LRESULT field = SendMessageA(w, CB_GETITEMHEIGHT, WPARAM(-1), 0);
  const LRESULT row = SendMessageA(w, CB_GETITEMHEIGHT, 0, 0);
  EXPECT_EQ(combo->Height(), field + 6);
  combo->SetBounds(10, 10, 150, 200);   // a drop-down keeps its height
  EXPECT_EQ(combo->Height(), field + 6);

  const struct {
    Integer dropDownCount;
    Integer rows;
  } cases[] = {{3, 3}, {8, 5}, {0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dropDownCount);
    combo->SetDropDownCount(c.dropDownCount);
    combo->SetDroppedDown(true);
    TRect list{};
    GetWindowRect(combo->ListHandle(), &list);
    TRect box{};
    GetWindowRect(w, &box);
    EXPECT_EQ(list.Top, box.Bottom);
    EXPECT_EQ(list.Height(), row * c.rows + 2);
    EXPECT_EQ(list.Width(), box.Width());
    combo->SetDroppedDown(false);
  }
  SendMessageA(w, CB_SETDROPPEDWIDTH, 300, 0);
  EXPECT_EQ(SendMessageA(w, CB_GETDROPPEDWIDTH, 0, 0), 300);
  SendMessageA(w, CB_SETITEMHEIGHT, WPARAM(-1), 30);
  EXPECT_EQ(combo->Height(), 36);
}

TEST_F(ComboBoxTest, MessagesAnswerAsTheListDoesAndRefuseWhatTheStyleCannotHold) {
  RecordingCombo* list = NewCombo(csDropDownList);
  HWND w = list->Handle();
  EXPECT_EQ(SendMessageA(w, CB_SETCURSEL, 9, 0), CB_ERR);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(SendMessageA(w, CB_SELECTSTRING, WPARAM(-1), LPARAM("CH")), 3);   // a prefix, without case
  EXPECT_EQ(list->Text(), "cherry");
  EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, LPARAM("Banana")), TRUE);   // a list takes only its items
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(SendMessageA(w, WM_SETTEXT, 0, LPARAM("kiwi")), CB_ERR);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(SendMessageA(w, CB_GETEDITSEL, 0, 0), CB_ERR);   // no edit
  EXPECT_EQ(list->Items()->IndexOf("CHERRY"), 3);
  EXPECT_EQ(list->Take(), "");   // the program's changes notify nothing

  list->Items()->Delete(1);   // the selected item goes
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Text(), "");
}

TEST_F(ComboBoxTest, ItemsIndexAndTextOutliveARecreatedWindow) {
  TForm* form = NewForm("Form1");
  auto* combo = new TComboBox(form);
  combo->SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig"}) combo->Items()->Add(s);   // no window yet
  combo->Items()->SetObjects(0, form);
  combo->SetItemIndex(1);
  combo->SetParent(form);
  EXPECT_EQ(combo->Items()->Text(), "Apple\r\nfig\r\npear\r\n");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Items()->Objects(2), form);
  combo->SetText("fresh");   // no item has it: none is selected
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetCharCase(ecUpperCase);   // a new window
  EXPECT_EQ(combo->Items()->Objects(2), form);
  EXPECT_EQ(combo->Text(), "FRESH");
  combo->Items()->Clear();   // keeps the text of an editable combo box
  EXPECT_EQ(combo->Text(), "FRESH");
  EXPECT_THROW(combo->Items()->Delete(0), EListError);
  combo->SetStyle(csDropDownList);
  EXPECT_EQ(combo->EditHandle(), nullptr);
  EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBoxTest, OwnerDrawMeasuresItemsAndDrawsTheFieldAsAComboBoxEdit) {
  TForm* form = NewForm("Form1");
  auto* combo = new TComboBox(form);
  combo->SetStyle(csOwnerDrawVariable);
  combo->SetItemHeight(20);
  combo->OnMeasureItem = [](TWinControl*, Integer index, Integer& height) { height = index < 0 ? height : 10 + index; };
  std::vector<std::string> drawn;
  combo->OnDrawItem = [&](TWinControl*, Integer index, TRect rect, TOwnerDrawState state) {
    drawn.push_back(std::to_string(index) + (state.Contains(odComboBoxEdit) ? "e" : "") +
                    (state.Contains(odSelected) ? "s" : "") + ":" + std::to_string(rect.Height()));
  };
  combo->SetParent(form);
  for (const char* s : {"a", "b", "c"}) combo->Items()->Add(s);
  combo->SetItemIndex(1);
  combo->SetFocus();
  driver_->Settle();
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETITEMHEIGHT, 2, 0), 12);
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0), 20);
  EXPECT_EQ(combo->Height(), 26);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), "1es:20");   // the focused field, as high as its item height
  drawn.clear();
  combo->SetDroppedDown(true);
  driver_->Settle();
  std::vector<std::string> field, list;
  for (const std::string& d : drawn) (d.find('e') != std::string::npos ? field : list).push_back(d);
  EXPECT_EQ(field, std::vector<std::string>{"1e:20"});   // no longer highlighted while dropped
  EXPECT_EQ(list, (std::vector<std::string>{"0:10", "1s:11", "2:12"}));
}

}  // namespace
}  // namespace uitest
