// The interim controls: their form images load with the final property names and stream back, the
// button edit's button and click key, the check box's click on a change, the focusable group box,
// and the short date text behind the calendar offset.
#include <gtest/gtest.h>

#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/interim/interim_controls.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_button_edit.h"
#include "controls/interim/kx_check_box.h"
#include "controls/interim/kx_group_box.h"
#include "controls/interim/kx_label.h"
#include "controls/interim/kx_radio_button.h"
#include "controls/interim/kx_text_edit.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

// Every interim class as a form image uses it.
const char* const kImage =
    "object Form1: TForm\n"
    "  Left = 10\n"
    "  Top = 10\n"
    "  ClientHeight = 200\n"
    "  ClientWidth = 300\n"
    "  object kxGroupBox1: TkxGroupBox\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Width = 280\n"
    "    Height = 90\n"
    "    Caption = 'Group'\n"
    "    TabOrder = 0\n"
    "    object kxCheckBox1: TkxCheckBox\n"
    "      Left = 8\n"
    "      Top = 24\n"
    "      Width = 241\n"
    "      Height = 17\n"
    "      Caption = 'Every time'\n"
    "      TabOrder = 0\n"
    "    end\n"
    "  end\n"
    "  object kxLabel2: TkxLabel\n"
    "    Left = 8\n"
    "    Top = 104\n"
    "    Caption = 'File to import (.csv):'\n"
    "  end\n"
    "  object Inp_2: TkxButtonEdit\n"
    "    Left = 8\n"
    "    Top = 124\n"
    "    Properties.Buttons = <\n"
    "      item\n"
    "        Default = True\n"
    "        Kind = bkEllipsis\n"
    "      end>\n"
    "    TabOrder = 1\n"
    "    Width = 280\n"
    "  end\n"
    "  object kxButton1: TkxButton\n"
    "    Left = 8\n"
    "    Top = 160\n"
    "    Width = 75\n"
    "    Height = 25\n"
    "    Caption = 'Import'\n"
    "    Default = True\n"
    "    Enabled = False\n"
    "    TabOrder = 2\n"
    "  end\n"
    "  object kxLookAndFeelController1: TkxLookAndFeelController\n"
    "    Kind = lfStandard\n"
    "    NativeStyle = True\n"
    "  end\n"
    "end\n";

class InterimControlsTest : public UiTest {
 protected:
  // The form images' look-and-feel controller edits the root look-and-feel.
  void SetUp() override {
    UiTest::SetUp();
    kxLookAndFeelsUnit.initialize();
  }
  void TearDown() override {
    kxLookAndFeelsUnit.finalize();
    UiTest::TearDown();
  }

  TForm* ReadImage(const std::string& text) {
    RegisterInterimControls();
    return ReadForm(text);
  }
};

TEST_F(InterimControlsTest, AFormImageLoadsWithTheFinalNamesAndStreamsBack) {
  TForm* form = ReadImage(kImage);
  auto* group = dynamic_cast<TkxGroupBox*>(form->FindComponent("kxGroupBox1"));
  auto* check = dynamic_cast<TkxCheckBox*>(form->FindComponent("kxCheckBox1"));
  auto* edit = dynamic_cast<TkxButtonEdit*>(form->FindComponent("Inp_2"));
  auto* button = dynamic_cast<TkxButton*>(form->FindComponent("kxButton1"));
  auto* look = dynamic_cast<TkxLookAndFeelController*>(form->FindComponent("kxLookAndFeelController1"));
  ASSERT_TRUE(group && check && edit && button && look && form->FindComponent("kxLabel2"));
  EXPECT_EQ(check->Parent(), group);
  EXPECT_EQ(edit->Properties()->Buttons()->Count(), 1);
  EXPECT_TRUE(button->Default());
  EXPECT_FALSE(button->Enabled());
  EXPECT_EQ(look->Kind(), lfStandard);
  EXPECT_TRUE(look->NativeStyle());
  EXPECT_EQ(SharedRootLookAndFeel()->Kind(), lfStandard);
  EXPECT_EQ(SharedRootLookAndFeel()->GetPainterClass(), TkxStandardLookAndFeelPainter::Class());   // no themes
  const std::string written = FormImageText(form);
  delete form;   // the last controller goes: the root is ultra-flat again, without native style
  EXPECT_EQ(SharedRootLookAndFeel()->Kind(), lfUltraFlat);
  EXPECT_FALSE(SharedRootLookAndFeel()->NativeStyle());
  TForm* again = ReadImage(written);
  EXPECT_EQ(FormImageText(again), written);
  for (const char* property : {"Kind = lfStandard", "NativeStyle = True", "Kind = bkEllipsis", "Default = True"})
    EXPECT_NE(written.find(property), std::string::npos) << property;
  EXPECT_EQ(written.find("Checked"), std::string::npos);
}

TEST_F(InterimControlsTest, AButtonEditHasTheButtonsItsImageLists) {
  TForm* form = NewForm("Form1", false);
  auto* made = NewObject<TkxButtonEdit>(form);
  ASSERT_EQ(made->Properties()->Buttons()->Count(), 1);
  EXPECT_EQ(made->Properties()->Buttons()->Items(0)->Kind(), bkEllipsis);
  EXPECT_TRUE(made->Properties()->Buttons()->Items(0)->Default());

  const std::string two =
      "object F: TForm\n  object E: TkxButtonEdit\n    Properties.Buttons = <\n      item\n        Kind = bkEllipsis\n"
      "      end\n      item\n        Default = True\n      end>\n  end\nend\n";
  const std::string none = "object G: TForm\n  object E: TkxButtonEdit\n  end\nend\n";
  auto* read = dynamic_cast<TkxButtonEdit*>(ReadImage(two)->FindComponent("E"));
  ASSERT_EQ(read->Properties()->Buttons()->Count(), 2);
  EXPECT_FALSE(read->Properties()->Buttons()->Items(0)->Default());
  EXPECT_TRUE(read->Properties()->Buttons()->Items(1)->Default());
  EXPECT_EQ(dynamic_cast<TkxButtonEdit*>(ReadImage(none)->FindComponent("E"))->Properties()->Buttons()->Count(), 0);
}

TEST_F(InterimControlsTest, TheEmbeddedButtonAndCtrlEnterClickTheButtons) {
  TForm* form = ReadImage(kImage);
  form->Show();
  driver_->Settle();
  auto* edit = dynamic_cast<TkxButtonEdit*>(form->FindComponent("Inp_2"));
  std::vector<std::pair<TObject*, Integer>> clicks;
  edit->Properties()->OnButtonClick = [&](TObject* Sender, Integer Index) { clicks.emplace_back(Sender, Index); };
  // The button is at the right edge of the edit's client area; the text stops short of it.
  const TRect client = edit->ClientRect();
  driver_->ClickAt(edit, TPoint{client.Right - 5, client.Bottom / 2});
  EXPECT_EQ(clicks, (std::vector<std::pair<TObject*, Integer>>{{edit, 0}}));
  driver_->ClickAt(edit, TPoint{5, client.Bottom / 2});
  EXPECT_EQ(clicks.size(), 1u);
  edit->SetFocus();
  driver_->PressKey(VK_RETURN, TShiftState{ssCtrl});
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(clicks.size(), 2u);
  driver_->Type("abc");
  EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(InterimControlsTest, ACheckBoxClicksWhenItsStateChanges) {
  TForm* form = ReadImage(kImage);
  auto* check = dynamic_cast<TkxCheckBox*>(form->FindComponent("kxCheckBox1"));
  Integer clicks = 0;
  check->OnClick = NotifyEvent([&](TObject*) { ++clicks; });
  check->SetChecked(true);
  check->SetChecked(true);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(InterimControlsTest, AGroupBoxTakesTheFocusAndHoldsItsControlsInsideTheFrame) {
  TForm* form = ReadImage(kImage);
  form->Show();
  driver_->Settle();
  auto* group = dynamic_cast<TkxGroupBox*>(form->FindComponent("kxGroupBox1"));
  ASSERT_TRUE(group->CanFocus());
  group->SetFocus();
  EXPECT_EQ(driver_->FocusedControl(), group);
  auto* filling = NewObject<TPanel>(form);
  filling->SetParent(group);
  filling->SetAlign(alClient);
  group->Canvas()->SetFont(group->Font());
  EXPECT_GE(filling->Top(), group->Canvas()->TextHeight("0"));   // below the caption
  EXPECT_GT(filling->Left(), 0);
  EXPECT_LT(filling->Left() + filling->Width(), group->Width());
}

TEST_F(InterimControlsTest, ATextEditKeepsItsMaxLengthAndReportsEveryChange) {
  const std::string image =
      "object Form1: TForm\n  object Edit1: TkxTextEdit\n    Left = 8\n    Top = 8\n"
      "    Properties.MaxLength = 50\n    TabOrder = 0\n    Width = 300\n  end\nend\n";
  TForm* form = ReadImage(image);
  auto* edit = dynamic_cast<TkxTextEdit*>(form->FindComponent("Edit1"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Properties()->MaxLength(), 50);
  EXPECT_NE(FormImageText(form).find("Properties.MaxLength = 50"), std::string::npos);
  form->Show();
  driver_->Settle();
  std::vector<std::string> changes;
  edit->Properties()->OnChange = NotifyEvent([&](TObject* Sender) {
    EXPECT_EQ(Sender, edit);
    changes.push_back(edit->Text());
  });
  edit->SetFocus();
  driver_->Type(std::string(51, 'a'));
  EXPECT_EQ(edit->Text(), std::string(50, 'a'));
  ASSERT_EQ(changes.size(), 50u);
  EXPECT_EQ(changes.front(), "a");
  EXPECT_EQ(changes.back(), std::string(50, 'a'));
  edit->SetText("set");
  driver_->PressKey(VK_END);
  driver_->PressKey(VK_BACK);
  EXPECT_EQ(changes.size(), 52u);
  EXPECT_EQ(changes.back(), "se");
}

TEST_F(InterimControlsTest, TwoRadioButtonsOfOneParentExcludeEachOther) {
  const std::string image =
      "object Form1: TForm\n  object kxGroupBox1: TkxGroupBox\n    Left = 8\n    Top = 8\n    Width = 300\n"
      "    Height = 90\n    TabOrder = 0\n"
      "    object kxRadioButton1: TkxRadioButton\n      Left = 8\n      Top = 24\n      Caption = 'Default'\n"
      "      Checked = True\n      TabOrder = 0\n      TabStop = True\n    end\n"
      "    object kxRadioButton2: TkxRadioButton\n      Left = 8\n      Top = 48\n      Caption = 'Own'\n"
      "      TabOrder = 1\n    end\n  end\nend\n";
  TForm* form = ReadImage(image);
  form->Show();
  driver_->Settle();
  auto* first = dynamic_cast<TkxRadioButton*>(form->FindComponent("kxRadioButton1"));
  auto* second = dynamic_cast<TkxRadioButton*>(form->FindComponent("kxRadioButton2"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(second->Caption(), "Own");
  std::vector<std::string> clicks;
  for (TkxRadioButton* button : {first, second})
    button->OnClick =
        NotifyEvent([&clicks](TObject* Sender) { clicks.push_back(static_cast<TControl*>(Sender)->Name()); });
  const auto states = [&] { return std::pair(first->Checked(), second->Checked()); };
  EXPECT_EQ(states(), std::pair(true, false));
  driver_->Click(second);
  EXPECT_EQ(states(), std::pair(false, true));
  first->SetChecked(true);
  EXPECT_EQ(states(), std::pair(true, false));
  driver_->Click(first);   // already checked: no change
  EXPECT_EQ(clicks, (std::vector<std::string>{"kxRadioButton2", "kxRadioButton1"}));
}

}  // namespace
}  // namespace uitest
