// The theme manager with the logging fake provider: cached handles per type, class lists,
// WM_THEMECHANGED, and notificators that free each other.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/ui/application.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_styles.h"

namespace {

using fakes::CallLog;
using fakes::LogLines;
using foundationtest::ScopedUnits;

constexpr ThemedObjectType kButton = 0, kClock = 1, kEdit = 3, kScrollBar = 12;

ThemedObjectTypes Types(std::initializer_list<ThemedObjectType> types) {
  ThemedObjectTypes set = 0;
  for (ThemedObjectType t : types) set |= 1u << t;
  return set;
}

void BroadcastThemeChanged() { SendMessageA(HWND_BROADCAST, WM_THEMECHANGED, 0, 0); }

class ThemeManagerTest : public ::testing::Test {
 protected:
  fakes::TFakeThemeProvider fake_;
  fakes::ScopedThemeProvider provider_{&fake_};
  std::unique_ptr<ScopedUnits> units_;

  void Start() {
    units_ = std::make_unique<ScopedUnits>(std::initializer_list<Unit>{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit});
    CallLog().clear();
  }
};

TEST_F(ThemeManagerTest, WithThemesOffNothingIsOpened) {
  fake_.themeActive = false;
  Start();
  EXPECT_TRUE(kdUxTheme::IsVisualStyleLibraryBound());
  EXPECT_FALSE(ThemesActive());
  EXPECT_FALSE(AreVisualStylesAvailable(0));
  EXPECT_EQ(OpenThemeOfType(kButton), nullptr);
  EXPECT_EQ(CloseThemeOfType(kButton), 1);
  EXPECT_TRUE(LogLines("OpenThemeData").empty());
}

TEST_F(ThemeManagerTest, ATypeOpensOnceForTheSameListIgnoringCase) {
  Start();
  const HTHEME theme = OpenThemeOfType(kScrollBar);
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(OpenThemeOfType(kScrollBar, u"scrollbar"), theme);
  EXPECT_EQ(OpenThemeOfType(kScrollBar), theme);
  EXPECT_EQ(LogLines("OpenThemeData"), std::vector<std::string>{"OpenThemeData ScrollBar"});

  EXPECT_NE(OpenThemeOfType(kScrollBar, u"Edit"), nullptr);   // another list: closed and opened again
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"OpenThemeData ScrollBar", "CloseThemeData ScrollBar",
                                                 "OpenThemeData Edit"}));
  EXPECT_EQ(ThemeDataOfType(kScrollBar).ClassList, u"Edit");
  EXPECT_EQ(CloseThemeOfType(kScrollBar), S_OK);
  EXPECT_EQ(CloseThemeOfType(kScrollBar), 0);   // nothing open
  EXPECT_EQ(ThemeDataOfType(kScrollBar).ClassList, u"");
}

TEST_F(ThemeManagerTest, AClassTheThemeLacksMakesTheSetUnavailable) {
  Start();
  EXPECT_TRUE(AreVisualStylesAvailable(0));
  EXPECT_TRUE(AreVisualStylesAvailable(Types({kButton, kEdit})));
  EXPECT_FALSE(AreVisualStylesAvailable(Types({kButton, kClock})));   // the fake has no "Clock"
  EXPECT_FALSE(IsThemeTypeAvailable(kClock));
  EXPECT_FALSE(AreVisualStylesAvailable(1u << 25));   // not a type
  EXPECT_EQ(OpenThemeOfType(kClock), nullptr);
  EXPECT_EQ(ThemeDataOfType(kClock).ClassList, u"");   // a failed open keeps no list
  EXPECT_EQ(OpenThemeOfType(-1), nullptr);
}

TEST_F(ThemeManagerTest, ThemeChangedClosesEveryHandleAndReopensWithTheSavedList) {
  Start();
  OpenThemeOfType(kButton);
  OpenThemeOfType(kEdit, u"Edit;Window");
  int notified = 0;
  TkdThemeChangedNotificator notificator;
  notificator.OnThemeChanged = [&] { ++notified; };
  CallLog().clear();
  BroadcastThemeChanged();
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"CloseThemeData Button", "CloseThemeData Edit", "IsThemeActive"}));
  for (ThemedObjectType type = 0; type < kThemedObjectTypeCount; ++type)
    EXPECT_EQ(ThemeDataOfType(type).Theme, nullptr) << type;
  EXPECT_EQ(fake_.openHandles, 0);
  CallLog().clear();
  EXPECT_NE(OpenThemeOfType(kEdit), nullptr);
  EXPECT_EQ(CallLog(), std::vector<std::string>{"OpenThemeData Edit;Window"});

  fake_.themeActive = false;   // the user switched themes off
  BroadcastThemeChanged();
  EXPECT_FALSE(ThemesActive());
  EXPECT_EQ(OpenThemeOfType(kEdit), nullptr);
}

TEST_F(ThemeManagerTest, HandlersThatFreeNotificatorsNeitherSkipNorReadFreedOnes) {
  Start();
  std::vector<std::string> calls;
  std::vector<std::unique_ptr<TkdThemeChangedNotificator>> n(4);
  for (auto& p : n) p = std::make_unique<TkdThemeChangedNotificator>();
  std::unique_ptr<TkdThemeChangedNotificator> joined;
  n[0]->OnThemeChanged = [&] {
    calls.push_back("n0");
    n[2].reset();                                               // a later one leaves
    joined = std::make_unique<TkdThemeChangedNotificator>();    // one joins
    joined->OnThemeChanged = [&] { calls.push_back("joined"); };
  };
  n[1]->OnThemeChanged = [&] {
    calls.push_back("n1");
    n[1].reset();   // frees itself
  };
  n[2]->OnThemeChanged = [&] { calls.push_back("n2"); };
  n[3]->OnThemeChanged = [&] {
    calls.push_back("n3");
    n[0].reset();   // an earlier one leaves
  };
  BroadcastThemeChanged();
  EXPECT_EQ(calls, (std::vector<std::string>{"n0", "n1", "n3"}));
  calls.clear();
  BroadcastThemeChanged();
  EXPECT_EQ(calls, (std::vector<std::string>{"n3", "joined"}));
}

TEST_F(ThemeManagerTest, AnErrorInAHandlerGoesToTheApplication) {
  Start();
  std::vector<std::string> reported;
  Application->OnException = [&](TObject*, Exception* e) { reported.push_back(e->Message()); };
  TkdThemeChangedNotificator notificator;
  notificator.OnThemeChanged = [] { throw Exception("handler failed"); };
  EXPECT_NO_THROW(BroadcastThemeChanged());
  Application->OnException = nullptr;
  EXPECT_EQ(reported, std::vector<std::string>{"handler failed"});
}

TEST(ThemeManager, WithoutTheLibraryThereIsNoReceiverAndNoList) {
  SetThemeProvider(nullptr);
  ScopedUnits units({kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit});
  int notified = 0;
  TkdThemeChangedNotificator notificator;
  notificator.OnThemeChanged = [&] { ++notified; };
  BroadcastThemeChanged();
  EXPECT_EQ(notified, 0);
  EXPECT_FALSE(AreVisualStylesAvailable(0));
}

}  // namespace
