// The edits with an embedded button: their start values, the formatting rectangle left of the
// button and the unit space, EditorEnabled gating typing and paste but not the button or F4, and
// the unit chosen from the menu.
#include <gtest/gtest.h>

#include <string>

#include "grid/zav_edit.h"
#include "platform/classes/string_list.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/edit_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

class ZavEditTest : public uitest::UiTest {
 protected:
  // An edit of class T on a shown form, without a border, with a client area 100 pixels wide.
  template <class T>
  T* NewEdit() {
    TForm* form = NewForm("ZavForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 300, 200);
    auto* edit = new T(form);
    edit->SetParent(form);
    edit->SetBorderStyle(bsNone);
    edit->SetBounds(10, 10, 100, 24);
    form->Show();
    edit->SetFocus();
    driver_->Settle();
    return edit;
  }
  static Integer FormatRight(TCustomEdit* Edit) {
    TRect format{};
    SendMessageA(Edit->Handle(), EM_GETRECT, 0, LPARAM(&format));
    return format.Right;
  }

 private:
  Integer forms_ = 0;
};

TEST_F(ZavEditTest, ANewEditShowsZeroWithAnEighteenPixelButtonAndButtonWidthZero) {
  auto* edit = NewEdit<TZavEditBtn>();
  EXPECT_EQ(edit->Text(), "0");
  EXPECT_EQ(edit->ButtonWidth(), 0);
  EXPECT_EQ(edit->EditButton()->Width(), 18);
  EXPECT_EQ(FormatRight(edit), 100 - 18 - 3);
  edit->SetButtonWidth(25);
  EXPECT_EQ(edit->ButtonWidth(), 25);
  EXPECT_EQ(edit->EditButton()->Width(), 25);
  EXPECT_EQ(FormatRight(edit), 100 - 25 - 3);
}

TEST_F(ZavEditTest, TheUnitSpaceIsKeptFreeLeftOfTheButton) {
  auto* edit = NewEdit<TZavUnitEditBtn>();
  ASSERT_EQ(edit->ClientWidth(), 100);
  EXPECT_EQ(edit->UnitSize(), 20);
  EXPECT_TRUE(edit->RightAlign());
  EXPECT_EQ(FormatRight(edit), 56);
}

TEST_F(ZavEditTest, WithEditorDisabledTypingAndPasteDoNothingWhileTheButtonAndF4StillFire) {
  auto* edit = NewEdit<TZavEditBtn>();
  int clicks = 0;
  edit->OnClickBtn = [&](TObject*) { ++clicks; };
  edit->SetEditorEnabled(false);
  edit->SelectAll();
  driver_->Type("12");
  ASSERT_TRUE(SetClipboardText(edit->Handle(), "34"));
  SendMessageA(edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(edit->Text(), "0");
  driver_->PressKey(VK_F4);
  driver_->Click(edit->EditButton()->Button());
  EXPECT_EQ(clicks, 2);

  edit->SetEditorEnabled(true);
  edit->SelectAll();
  driver_->Type("12");
  EXPECT_EQ(edit->Text(), "12");
}

TEST_F(ZavEditTest, TheSecondMenuEntryChoosesTheSecondUnit) {
  auto* edit = NewEdit<TZavUnitEditBtn>();
  TStringList units;
  units.Add("m");
  units.Add("cm");
  units.Add("mm");
  edit->SetUnits(&units);
  SendMessageA(edit->Handle(), WM_COMMAND, 2, 0);
  EXPECT_EQ(edit->UnitID(), "cm");
  SendMessageA(edit->Handle(), WM_COMMAND, 4, 0);   // past the list: nothing
  EXPECT_EQ(edit->UnitID(), "cm");
}

}   // namespace
