// The palette listener: one colour change refreshes the Office 2003 colours, then runs the
// primary notifiers and then the ordinary ones, each last to first, also when handlers free
// notifiers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_system_palette.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/system_parameters.h"

namespace {

using fakes::CallLog;

void ChangeButtonFace(COLORREF color) {
  const int index = COLOR_BTNFACE;
  SetSysColors(1, &index, &color);
}

std::unique_ptr<TkxSystemPaletteChangedNotifier> Logging(bool primary, std::string name) {
  auto notifier = std::make_unique<TkxSystemPaletteChangedNotifier>(primary);
  notifier->OnSystemPaletteChanged = [name] { CallLog().push_back(name); };
  return notifier;
}

class PaletteTest : public ::testing::Test {
 protected:
  ~PaletteTest() override { gdi::ResetSysColors(); }
};

TEST_F(PaletteTest, OneChangeRefreshesTheColoursThenPrimaryThenOrdinaryNotifiersLastFirst) {
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider provider(&fake);
  foundationtest::ScopedUnits units({kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit});
  auto ordinary1 = Logging(false, "ordinary 1");
  auto primary1 = Logging(true, "primary 1");
  auto ordinary2 = Logging(false, "ordinary 2");
  auto primary2 = Logging(true, "primary 2");
  CallLog().clear();
  ChangeButtonFace(RGB(1, 2, 3));
  // The colours' refresh is what asks the theme for its name.
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"GetCurrentThemeName", "primary 2", "primary 1", "ordinary 2",
                                                 "ordinary 1"}));
}

TEST_F(PaletteTest, NotifiersSeeTheNewColours) {
  SetThemeProvider(nullptr);
  foundationtest::ScopedUnits units({kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit});
  TColor seen = 0;
  TkxSystemPaletteChangedNotifier primary(true);
  primary.OnSystemPaletteChanged = [&] { seen = Office11Color02; };
  ChangeButtonFace(RGB(10, 20, 30));
  EXPECT_EQ(seen, TColor(RGB(10, 20, 30)));
}

TEST_F(PaletteTest, TheListenerLivesWhileANotifierDoes) {
  EXPECT_FALSE(IsPaletteListenerAlive());
  {
    TkxSystemPaletteChangedNotifier a, b(true);
    EXPECT_TRUE(IsPaletteListenerAlive());
    EXPECT_NE(Office11DotBrush, nullptr);   // the listener keeps the colours in use
  }
  EXPECT_FALSE(IsPaletteListenerAlive());
  EXPECT_EQ(Office11DotBrush, nullptr);
}

TEST_F(PaletteTest, HandlersThatFreeNotifiersNeitherSkipNorReadFreedOnes) {
  std::vector<std::unique_ptr<TkxSystemPaletteChangedNotifier>> n;
  for (int i = 0; i < 4; ++i) n.push_back(Logging(i % 2 == 0, "n" + std::to_string(i)));
  // Walk order: primary n2, n0, then ordinary n3, n1.
  std::unique_ptr<TkxSystemPaletteChangedNotifier> joined;
  n[2]->OnSystemPaletteChanged = [&] {
    CallLog().push_back("n2");
    n[0].reset();   // a later primary leaves
    n[1].reset();   // an ordinary one leaves before its walk
    joined = Logging(true, "joined");
  };
  n[3]->OnSystemPaletteChanged = [&] {
    CallLog().push_back("n3");
    n[3].reset();   // frees itself
  };
  CallLog().clear();
  ChangeButtonFace(RGB(1, 1, 1));
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"n2", "n3"}));
  CallLog().clear();
  ChangeButtonFace(RGB(2, 2, 2));
  EXPECT_EQ(CallLog(), (std::vector<std::string>{"joined", "n2"}));
}

TEST_F(PaletteTest, AHandlerMayFreeTheLastNotifier) {
  auto last = std::make_unique<TkxSystemPaletteChangedNotifier>();
  int calls = 0;
  last->OnSystemPaletteChanged = [&] {
    ++calls;
    last.reset();
  };
  ChangeButtonFace(RGB(3, 3, 3));
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(IsPaletteListenerAlive());
  TkxSystemPaletteChangedNotifier again;   // a new listener comes up
  EXPECT_TRUE(IsPaletteListenerAlive());
}

}  // namespace
