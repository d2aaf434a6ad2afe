// The spin edit: bounds and fallbacks of its values, steps of each spin type (date fields by the
// caret, time wrapping at midnight), the typing rules and the stepping keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/zav_spin_edit.h"
#include "pinned_locale.h"
#include "platform/core/date_text.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/form.h"
#include "platform/user/message_beep.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace gridtest {
namespace {

class ZavSpinEditTest : public uitest::UiTest {
 protected:
  ZavSpinEditTest() {
    FormatSettings.TimeSeparator = ':';
    FormatSettings.LongTimeFormat = "hh:nn:ss";
    user::SetBeepListener([this](UINT) { ++beeps_; });
  }
  ~ZavSpinEditTest() override { user::SetBeepListener({}); }

  TZavSpinEdit* NewSpin(TZavSpinType Type = sptNormal) {
    TForm* form = NewForm("SpinForm" + std::to_string(++forms_));
    auto* spin = new TZavSpinEdit(form);
    spin->SetParent(form);
    spin->SetSpinType(Type);
    return spin;
  }
  // Text with the caret at Caret, then one step.
  static std::string Stepped(TZavSpinEdit* Spin, const std::string& Text, Integer Caret, bool Up) {
    Spin->SetText(Text);
    Spin->SetSelStart(Caret);
    if (Up)
      Spin->StepUp();
    else
      Spin->StepDown();
    return Spin->Text();
  }

  PinnedLocale locale_;
  int beeps_ = 0;
  int forms_ = 0;
};

TEST_F(ZavSpinEditTest, IntegersStayWithinTheirBoundsUnlessTheBoundsAreEqual) {
  TZavSpinEdit* spin = NewSpin();
  spin->SetMaxValue(10);
  EXPECT_EQ(Stepped(spin, "10", 0, true), "10");
  EXPECT_EQ(Stepped(spin, "0", 0, false), "0");
  spin->SetText("15");
  spin->Perform(CM_EXIT, 0, 0);
  EXPECT_EQ(spin->Text(), "10");
  spin->SetText("x");
  EXPECT_EQ(spin->Value(), 0);   // unreadable: the lower bound

  spin->SetMaxValue(0);
  spin->SetIncrement(5);
  EXPECT_EQ(Stepped(spin, "1000", 0, true), "1005");
  EXPECT_EQ(Stepped(spin, "-3", 0, false), "-8");
}

TEST_F(ZavSpinEditTest, NumbersStepByTheirIncrementInTheirPrecision) {
  TZavSpinEdit* spin = NewSpin(sptFloat);
  spin->SetPrecision(2);
  EXPECT_EQ(Stepped(spin, "1.25", 0, true), "1.35");
  EXPECT_EQ(Stepped(spin, "99.95", 0, true), "100.00");
  spin->SetText("abc");
  EXPECT_EQ(spin->FloatValue(), 0.0);
  spin->SetMinFloatValue(2.5);
  EXPECT_EQ(spin->FloatValue(), 2.5);
}

TEST_F(ZavSpinEditTest, DateStepsChangeTheFieldUnderTheCaret) {
  struct Case {
    const char* format;
    const char* text;
    Integer caret;
    bool up;
    const char* expected;
  };
  const Case cases[] = {
      {"dd/mm/yyyy", "31/01/2025", 1, true, "01/02/2025"},    // day
      {"dd/mm/yyyy", "31/01/2025", 4, true, "28/02/2025"},    // month, day limited
      {"dd/mm/yyyy", "15/06/2025", 8, false, "15/06/2024"},   // year
      {"dd/mm/yyyy", "29/02/2024", 8, true, "28/02/2025"},    // no 29 February: the 28th
      {"mm/dd/yyyy", "01/31/2025", 1, true, "02/28/2025"},    // month first
      {"mm/dd/yyyy", "01/31/2025", 4, true, "02/01/2025"},
  };
  for (const Case& c : cases) {
    FormatSettings.ShortDateFormat = c.format;
    TZavSpinEdit* spin = NewSpin(sptDate);
    EXPECT_EQ(Stepped(spin, c.text, c.caret, c.up), c.expected) << c.format << " " << c.text << " " << c.caret;
  }
}

TEST_F(ZavSpinEditTest, TimeStepsWrapAroundMidnight) {
  TZavSpinEdit* spin = NewSpin(sptTime);
  EXPECT_EQ(Stepped(spin, "00:00:30", 4, false), "23:59:30");
  EXPECT_EQ(Stepped(spin, "23:59:30", 4, true), "00:00:30");
  EXPECT_EQ(Stepped(spin, "10:20:30", 0, true), "11:20:30");
  EXPECT_EQ(Stepped(spin, "10:20:30", 7, false), "10:20:29");
}

TEST_F(ZavSpinEditTest, TypedCharactersFollowTheSpinType) {
  struct Case {
    TZavSpinType type;
    const char* text;
    Integer caret;
    char key;
    bool accepted;
  };
  const Case cases[] = {
      {sptNormal, "12", 2, '5', true},   {sptNormal, "12", 2, '.', false},  {sptNormal, "12", 2, 'a', false},
      {sptNormal, "12", 0, '-', true},   {sptNormal, "12", 1, '-', false},  {sptNormal, "-12", 0, '-', false},
      {sptFloat, "1.25", 4, '7', false}, {sptFloat, "1.25", 1, '7', true},  {sptFloat, "1.2", 3, '7', true},
      {sptFloat, "1.2", 3, '.', false},  {sptFloat, "12", 2, ',', false},   {sptNormal, "12", 2, ':', false},
      {sptTime, "10:20", 5, ':', true},  {sptTime, "10:20:30", 8, ':', false}, {sptDate, "1/2", 3, '/', true},
      {sptFloat, "12", 2, '\r', false},  {sptFloat, "12", 2, 3, true},
  };
  for (const Case& c : cases) {
    TZavSpinEdit* spin = NewSpin(c.type);
    spin->SetPrecision(c.type == sptFloat ? 2 : 0);
    spin->SetText(c.text);
    spin->SetSelStart(c.caret);
    EXPECT_EQ(spin->AcceptsChar(c.key), c.accepted) << c.text << " " << c.caret << " '" << c.key << "'";
  }
}

TEST_F(ZavSpinEditTest, WithTheEditorDisabledTypingIsRefusedButKeysStillStep) {
  TZavSpinEdit* spin = NewSpin();
  spin->SetEditorEnabled(false);
  spin->SetText("4");
  spin->SetSelStart(1);
  SendMessageA(spin->Handle(), WM_CHAR, '7', 0);
  EXPECT_EQ(spin->Text(), "4");
  EXPECT_EQ(beeps_, 1);
  EXPECT_FALSE(spin->AcceptsChar(8));
  SendMessageA(spin->Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(spin->Text(), "5");
  EXPECT_EQ(spin->SelLength(), 1);   // the whole text selected after the step
  SendMessageA(spin->Handle(), WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(spin->Text(), "4");

  spin->SetReadOnly(true);
  spin->StepUp();
  EXPECT_EQ(spin->Text(), "4");
  EXPECT_EQ(beeps_, 2);
}

TEST_F(ZavSpinEditTest, AHeldArrowRepeatsAfter400ThenEvery100Milliseconds) {
  TZavSpinEdit* spin = NewSpin();
  spin->SetBounds(10, 10, 80, 24);
  driver_->Settle();
  TZavSpinButton* button = spin->Button();
  EXPECT_EQ(button->Left(), 80 - button->Width());
  EXPECT_EQ(button->DownButton()->Top(), button->UpButton()->Height() - 1);
  EXPECT_FALSE(button->UpButton()->Glyph()->Empty());

  driver_->PressMouse(button->UpButton(), TPoint{3, 3});
  std::vector<std::string> texts;
  for (Integer ms : {399, 1, 99, 1, 100}) {
    clock_.Advance(ms);
    driver_->Settle();
    texts.push_back(spin->Text());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "1", "1", "2", "3"}));
  driver_->ReleaseMouse();   // the release clicks once more
  EXPECT_EQ(spin->Text(), "4");
  clock_.Advance(500);
  driver_->Settle();
  EXPECT_EQ(spin->Text(), "4");

  driver_->Click(button->DownButton());
  EXPECT_EQ(spin->Text(), "3");
}

TEST_F(ZavSpinEditTest, TheKeypadPointTypesTheLocalesSeparatorWhenAsked) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  struct Case {
    bool excelStyle;
    LPARAM keyData;
    const char* text;
  };
  const Case cases[] = {{true, LPARAM(1) << 22, "1,"}, {true, 0, "1"}, {false, LPARAM(1) << 22, "1"}};
  for (const Case& c : cases) {
    TZavSpinEdit* spin = NewSpin(sptFloat);
    spin->SetExcelStyleDecimalSeparator(c.excelStyle);
    spin->SetText("1");
    spin->SetSelStart(1);
    SendMessageA(spin->Handle(), WM_CHAR, '.', c.keyData);
    EXPECT_EQ(spin->Text(), c.text) << c.excelStyle << " " << c.keyData;
  }
}

TEST_F(ZavSpinEditTest, TheArrowButtonsLieByTheDirection) {
  struct Case {
    TSpinDirection direction;
    Integer width;                          // asked of the spin button
    TRect up, down;                         // left, top, width, height as (Left, Top, Right, Bottom)
    Integer takenWidth;
  };
  const Case cases[] = {
      {spVertical, 15, {0, 0, 15, 10}, {0, 9, 15, 20}, 15},
      {spVertical, 10, {0, 0, 15, 10}, {0, 9, 15, 20}, 15},
      {spHorizontal, 30, {16, 0, 31, 20}, {0, 0, 15, 20}, 30},
      {spHorizontal, 12, {11, 0, 21, 20}, {0, 0, 10, 20}, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.direction) + " " + std::to_string(c.width));
    TZavSpinEdit* spin = NewSpin();
    TZavSpinButton* button = spin->Button();
    spin->SetDirection(c.direction);
    EXPECT_EQ(button->Width(), c.direction == spHorizontal ? 20 : 15);
    button->SetBounds(0, 0, c.width, 20);
    EXPECT_EQ(button->Width(), c.takenWidth);
    const auto bounds = [](TControl* Control) {
      return TRect{Control->Left(), Control->Top(), Control->Left() + Control->Width(), Control->Top() + Control->Height()};
    };
    EXPECT_EQ(bounds(button->UpButton()), c.up);
    EXPECT_EQ(bounds(button->DownButton()), c.down);
  }
}

TEST_F(ZavSpinEditTest, TheSpinButtonsKeysClickAndMoveTheFocusMark) {
  TZavSpinEdit* spin = NewSpin();
  TZavSpinButton* button = spin->Button();
  std::vector<std::string> clicks;
  button->OnUpClick = [&clicks](TObject*) { clicks.push_back("up"); };
  button->OnDownClick = [&clicks](TObject*) { clicks.push_back("down"); };
  button->SetTabStop(true);
  EXPECT_EQ(button->FocusedButton(), button->UpButton());
  button->SetFocus();
  driver_->Settle();
  ASSERT_EQ(driver_->FocusedControl(), button);
  EXPECT_TRUE(button->UpButton()->FocusRectShown());
  driver_->PressKey(VK_SPACE);
  driver_->PressKey(VK_DOWN);
  EXPECT_EQ(button->FocusedButton(), button->DownButton());
  EXPECT_TRUE(button->DownButton()->FocusRectShown());
  EXPECT_FALSE(button->UpButton()->FocusRectShown());
  driver_->PressKey(VK_SPACE);
  driver_->PressKey(VK_UP);
  EXPECT_EQ(clicks, (std::vector<std::string>{"up", "down", "down", "up"}));
  EXPECT_EQ(SendMessageA(button->Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  spin->SetFocus();
  driver_->Settle();
  EXPECT_FALSE(button->UpButton()->FocusRectShown());
}

}   // namespace
}   // namespace gridtest
