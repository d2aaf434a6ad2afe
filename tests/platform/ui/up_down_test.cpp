// Up-down controls: arrows and the associate's arrow keys step the position within the range,
// asking OnChanging first and showing it in the associate; wrapping, thousands separators, and
// the arrows placed over the associate's edge.
#include <string>
#include <vector>

#include "platform/ui/edit.h"
#include "platform/ui/up_down.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class UpDownTest : public UiTest {
 protected:
  void SetUpControls() {
    TForm* form = NewForm("Form1");
    edit_ = new TEdit(form);
    edit_->SetParent(form);
    edit_->SetBounds(10, 10, 100, 21);
    upDown_ = new TUpDown(form);
    upDown_->SetParent(form);
    upDown_->SetMax(5);
    upDown_->SetIncrement(2);
    upDown_->SetAssociate(edit_);
    upDown_->OnClick = [this](TObject*, TUDBtnType button) { log_ += button == btNext ? "next " : "prev "; };
    upDown_->OnChanging = [this](TObject*, bool& allow) { allow = allowed_; };
    upDown_->OnChangingEx = [this](TObject*, bool&, SmallInt value, TUpDownDirection direction) {
      log_ += std::to_string(value) + (direction == updUp ? "+ " : "- ");
    };
    driver_->Settle();
  }

  void ClickArrow(bool upper) {
    driver_->ClickAt(upDown_, TPoint{upDown_->Width() / 2, upper ? 2 : upDown_->Height() - 3});
  }

  TEdit* edit_ = nullptr;
  TUpDown* upDown_ = nullptr;
  std::string log_;
  bool allowed_ = true;
};

TEST_F(UpDownTest, ArrowsAndKeysStepWithinTheRangeAndAskFirst) {
  SetUpControls();
  EXPECT_EQ(edit_->Text(), "0");
  enum Action { Upper, Lower, KeyUp, KeyDown, Refuse, WrapOn };
  const struct {
    Action action;
    const char* log;
    SmallInt position;
  } steps[] = {
      {Upper, "2+ next ", 2},
      {KeyUp, "4+ next ", 4},
      {KeyUp, "5+ next ", 5},   // held at Max
      {Upper, "", 5},           // nothing left to step
      {Lower, "3- prev ", 3},
      {Refuse, "", 3},          // OnChanging says no
      {KeyDown, "1- prev ", 1},
      {KeyDown, "0- prev ", 0},
      {WrapOn, "5+ next ", 5},  // Wrap: below Min comes round to Max
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.log);
    log_.clear();
    switch (step.action) {
      case Upper: ClickArrow(true); break;
      case Lower: ClickArrow(false); break;
      case KeyUp:
        edit_->SetFocus();
        driver_->PressKey(VK_UP);
        break;
      case KeyDown:
        edit_->SetFocus();
        driver_->PressKey(VK_DOWN);
        break;
      case Refuse:
        allowed_ = false;
        ClickArrow(false);
        allowed_ = true;
        break;
      case WrapOn:
        upDown_->SetWrap(true);
        ClickArrow(false);
        break;
    }
    EXPECT_EQ(log_, step.log);
    EXPECT_EQ(upDown_->Position(), step.position);
    EXPECT_EQ(edit_->Text(), std::to_string(step.position));
  }
}

TEST_F(UpDownTest, TheAssociateShowsThousandsAndMakesRoomForTheArrows) {
  SetUpControls();
  EXPECT_EQ(edit_->Width(), 100 - upDown_->Width());   // narrowed by the arrows
  EXPECT_EQ(upDown_->Left(), 10 + edit_->Width());
  EXPECT_EQ(upDown_->Top(), 10);
  EXPECT_EQ(upDown_->Height(), 21);
  upDown_->SetMax(30000);
  upDown_->SetPosition(12345);
  EXPECT_EQ(edit_->Text(), "12,345");
  upDown_->SetThousands(false);
  EXPECT_EQ(edit_->Text(), "12345");
  upDown_->SetPosition(-5);   // below Min: held there
  EXPECT_EQ(upDown_->Position(), 0);
  delete edit_;   // the associate goes: the up-down forgets it
  EXPECT_EQ(upDown_->Associate(), nullptr);
}

// A held arrow steps once at the press, again after 250 ms, then every 100 ms, and stops at the
// release or when the range ends.
TEST_F(UpDownTest, AHeldArrowRepeatsOnTheClockUntilReleased) {
  SetUpControls();
  upDown_->SetMax(100);
  upDown_->SetIncrement(1);
  HWND arrows = upDown_->Handle();
  const LPARAM upper = MAKELPARAM(upDown_->Width() / 2, 2);
  auto hold = [&](UInt64 ms) {
    for (UInt64 t = 0; t < ms; t += 10) {
      clock_.Advance(10);
      driver_->Settle();
    }
  };
  SendMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  driver_->Settle();
  EXPECT_EQ(upDown_->Position(), 1);
  hold(240);
  EXPECT_EQ(upDown_->Position(), 1);   // not yet: the first repeat waits longer
  hold(20);
  EXPECT_EQ(upDown_->Position(), 2);
  hold(300);
  EXPECT_EQ(upDown_->Position(), 5);
  EXPECT_EQ(edit_->Text(), "5");
  SendMessageA(arrows, WM_LBUTTONUP, 0, upper);
  hold(500);
  EXPECT_EQ(upDown_->Position(), 5);   // released: no more steps

  upDown_->SetPosition(98);            // held past Max: it stays there
  SendMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, upper);
  hold(1000);
  EXPECT_EQ(upDown_->Position(), 100);
  SendMessageA(arrows, WM_LBUTTONUP, 0, upper);
}

}  // namespace
}  // namespace uitest
