// Drop-downs on a real X display (an Xvfb server, the SDL backend, clicks and keys made with
// xdotool): a combo box's list opened by a click or F4 and a popup menu stay open while their own
// X windows are mapped and focused, and the keyboard stays with the form that opened them.  Each
// is watched for half a second of real time after it opened: the display's focus changes arrive
// within that time (they closed the list 15 to 30 ms after it opened).
// Skips only when Xvfb cannot start.
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/ui/combo_box.h"
#include "platform/ui/menu.h"
#include "platform/ui/menu_item.h"
#include "platform/user/backend.h"
#include "platform/user/display_choice.h"
#include "platform/user/focus.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/post_message.h"
#include "platform/user/track_popup_menu.h"
#include "tests/support/ui/x_display_test.h"

namespace uitest {
namespace {

using Clock = std::chrono::steady_clock;

class DropDownDisplayTest : public XDisplayTest {
 protected:
  void SetUp() override {
    StartDisplay();
    if (IsSkipped() || HasFatalFailure()) return;
    form_ = NewForm("DropDownForm", false);
    form_->SetBounds(50, 40, 320, 220);
    combo_ = new TComboBox(form_);
    combo_->SetParent(form_);
    combo_->SetStyle(csDropDownList);
    combo_->SetBounds(20, 20, 150, 21);
    for (const char* item : {"one", "two", "three", "four"}) combo_->Items()->Add(item);
    combo_->SetItemIndex(0);
    combo_->OnDropDown = [this](TObject*) { ++dropDowns_; };
    form_->Show();
    ASSERT_TRUE(RunUntil([&] { return GetActiveWindow() == form_->Handle() && combo_->Focused(); }));
  }
  void TearDown() override {
    if (form_ != nullptr) form_->Hide();
    user::SetBackend(nullptr);
  }


  TForm* form_ = nullptr;
  TComboBox* combo_ = nullptr;
  int dropDowns_ = 0;
};

TEST_F(DropDownDisplayTest, AComboBoxListOpenedByAClickOrF4StaysOpenAndTheKeysStayWithTheForm) {
  const auto dropped = [&] { return combo_->DroppedDown(); };
  ClickAt(combo_, TPoint{combo_->Width() - 8, 10});   // the button
  ASSERT_TRUE(RunUntil([&] { return dropDowns_ > 0; })) << "the click did not reach the combo box";
  ASSERT_TRUE(RunUntil(dropped)) << "the list closed at once";
  EXPECT_TRUE(HoldsFor(dropped)) << "the list closed by itself";
  EXPECT_EQ(GetActiveWindow(), form_->Handle());
  Xdotool("key Down Return");   // the keys reach the combo box: the next item is chosen
  ASSERT_TRUE(RunUntil([&] { return !combo_->DroppedDown(); }));
  EXPECT_EQ(combo_->ItemIndex(), 1);

  Xdotool("key F4");
  ASSERT_TRUE(RunUntil(dropped)) << "F4 did not open the list";
  EXPECT_TRUE(HoldsFor(dropped)) << "the list closed by itself";
  Xdotool("key Escape");
  EXPECT_TRUE(RunUntil([&] { return !combo_->DroppedDown(); }));
  EXPECT_EQ(combo_->ItemIndex(), 1);
}

// The menu loop runs inside TrackPopupMenu; the owner hears WM_ENTERIDLE while the menu is open,
// and keeps the loop turning (and the display pumped) until the watched time has passed.  Then it
// presses Escape on the display: the menu ends by that key, not by a focus change.
TEST_F(DropDownDisplayTest, APopupMenuStaysOpenUntilClosedByItsKey) {
  auto* menu = new TPopupMenu(form_);
  for (const char* caption : {"First", "Second"}) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  Clock::time_point opened{}, escaped{};
  const TWndMethod formProc = form_->WindowProc;
  form_->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_ENTERIDLE && message.WParam == MSGF_MENU) {
      if (opened == Clock::time_point{}) opened = Clock::now();
      if (escaped == Clock::time_point{} && Clock::now() - opened >= kWatched) {
        escaped = Clock::now();
        Xdotool("key Escape");
      } else if (escaped != Clock::time_point{} && Clock::now() - escaped > std::chrono::seconds(5)) {
        ADD_FAILURE() << "Escape did not reach the menu";
        EndMenu();
      }
      PostMessageA(form_->Handle(), WM_NULL, 0, 0);
      return;
    }
    formProc(message);
  };
  const TPoint at = form_->ClientToScreen(TPoint{60, 80});
  TrackPopupMenu(menu->Handle(), TPM_RETURNCMD | TPM_LEFTALIGN, at.X, at.Y, 0, form_->Handle(), nullptr);
  form_->WindowProc = formProc;
  ASSERT_NE(opened, Clock::time_point{}) << "the menu never idled";
  EXPECT_NE(escaped, Clock::time_point{}) << "the menu closed by itself after "
                                          << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - opened).count()
                                          << " ms";
  EXPECT_EQ(GetActiveWindow(), form_->Handle());
}

}  // namespace
}  // namespace uitest
