// Look-and-feel settings: what each change reports and stores, listeners that leave during a
// report, controllers and the root, masters that go, and the painter each object chooses with
// and without visual styles.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_native_painter.h"
#include "controls/foundation/kx_office11_painter.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/shims/builtin_theme_provider.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_styles.h"
#include "platform/user/send_message.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/sys_colors.h"
#include "platform/user/system_parameters.h"

namespace {

using foundationtest::ScopedUnits;

std::string Text(TkxLookAndFeelValues values) {
  std::string s;
  if (values.Contains(lfvKind)) s += "K";
  if (values.Contains(lfvNativeStyle)) s += "N";
  if (values.Contains(lfvSkinName)) s += "S";
  return s;
}

// A look-and-feel whose reports are written down.
struct Recorded {
  explicit Recorded(TkxLookAndFeel* master = nullptr) : look(nullptr) {
    look.SetMaster(master);
    look.OnChanged = [this](TkxLookAndFeel*, TkxLookAndFeelValues values) { reports.push_back(Text(values)); };
  }
  TkxLookAndFeel look;
  std::vector<std::string> reports;
};

enum class Provider { None, BuiltIn, FakeThemesOff };

class LookAndFeelTest : public ::testing::Test {
 protected:
  explicit LookAndFeelTest(Provider provider = Provider::None)
      : provider_(provider == Provider::BuiltIn         ? &BuiltInThemeProvider()
                  : provider == Provider::FakeThemesOff ? static_cast<TThemeProvider*>(&fake_)
                                                        : nullptr) {
    fake_.themeActive = provider != Provider::FakeThemesOff;
    units_ = std::make_unique<ScopedUnits>(std::initializer_list<Unit>{
        kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit, kdOffice11Unit, kxLookAndFeelsUnit, kxLookAndFeelPaintersUnit});
  }
  TkxLookAndFeel& Root() { return *SharedRootLookAndFeel(); }

  fakes::TFakeThemeProvider fake_;
  fakes::ScopedThemeProvider provider_;
  std::unique_ptr<ScopedUnits> units_;
};

TEST_F(LookAndFeelTest, TheRootIsUltraFlatWithoutNativeStyle) {
  EXPECT_TRUE(Root().IsRoot());
  EXPECT_EQ(Root().GetMaster(), nullptr);
  EXPECT_EQ(Root().Kind(), lfUltraFlat);
  EXPECT_FALSE(Root().NativeStyle());
  EXPECT_EQ(Root().GetPainterClass(), TkxUltraFlatLookAndFeelPainter::Class());
  Recorded child;
  EXPECT_EQ(child.look.GetMaster(), &Root());
  EXPECT_EQ(Root().ListenerCount(), 1);
}

TEST_F(LookAndFeelTest, ChangeSetsReportedAndStored) {
  Recorded own, inherited;
  own.look.SetKind(lfFlat);   // own Kind
  EXPECT_EQ(own.reports, std::vector<std::string>{"K"});
  own.reports.clear();
  Root().SetKind(lfStandard);
  Root().SetNativeStyle(true);
  EXPECT_EQ(own.reports, std::vector<std::string>{"N"});          // the root's Kind is not its own
  EXPECT_EQ(inherited.reports, (std::vector<std::string>{"K", "N"}));
  EXPECT_EQ(own.look.Kind(), lfFlat);
  EXPECT_TRUE(own.look.NativeStyle());

  inherited.reports.clear();
  inherited.look.SetKind(lfStandard);   // the value it inherits: nothing reported, yet stored
  EXPECT_TRUE(inherited.reports.empty());
  EXPECT_TRUE(inherited.look.KindStored());
  EXPECT_FALSE(inherited.look.NativeStyleStored());
  inherited.look.ResetAssignedValues();
  EXPECT_FALSE(inherited.look.KindStored());
  EXPECT_TRUE(inherited.reports.empty());

  const struct {
    TkxLookAndFeelValues assigned;
    const char* reported;
  } kCases[] = {{{lfvKind}, "N"}, {{lfvNativeStyle}, "KN"}, {{}, "N"}};   // the root: standard, native
  Recorded table;
  table.look.SetKind(lfOffice11);
  table.look.SetNativeStyle(false);
  for (const auto& c : kCases) {
    table.reports.clear();
    table.look.SetAssignedValues(c.assigned);   // each step only what changes
    EXPECT_EQ(table.reports, std::vector<std::string>{c.reported});
  }
}

TEST_F(LookAndFeelTest, TwoControllersTheSecondOnesDestructionResetsAndReportsBoth) {
  Recorded child;
  auto first = std::make_unique<TkxLookAndFeelController>(nullptr);
  auto second = std::make_unique<TkxLookAndFeelController>(nullptr);
  EXPECT_EQ(RootLookAndFeelControllerCount(), 2);
  first->SetKind(lfStandard);
  first->SetNativeStyle(true);
  EXPECT_EQ(second->Kind(), lfStandard);
  child.reports.clear();
  first.reset();
  EXPECT_EQ(Root().Kind(), lfStandard);
  EXPECT_TRUE(child.reports.empty());
  second.reset();
  EXPECT_EQ(RootLookAndFeelControllerCount(), 0);
  EXPECT_EQ(Root().Kind(), lfUltraFlat);
  EXPECT_FALSE(Root().NativeStyle());
  EXPECT_EQ(child.reports, std::vector<std::string>{"KN"});
}

TEST_F(LookAndFeelTest, ANonRootRefusesAControllerAndListenersJoinOnce) {
  TkxLookAndFeelController controller(nullptr);
  Recorded child;
  child.look.RegisterListener(&controller);
  EXPECT_EQ(child.look.ListenerCount(), 0);
  Recorded grandchild(&child.look);
  child.look.RegisterListener(&grandchild.look);
  EXPECT_EQ(child.look.ListenerCount(), 1);
  Root().RegisterListener(&controller);
  EXPECT_EQ(RootLookAndFeelControllerCount(), 1);
  child.look.RegisterListener(nullptr);
  child.look.UnregisterListener(nullptr);
}

// Leaves its master's list when told of a change.
struct Leaver : IkxLookAndFeelChangeListener {
  TkxLookAndFeel* master = nullptr;
  int calls = 0;
  TObject* GetObject() override { return nullptr; }
  void MasterChanged(TkxLookAndFeel*, TkxLookAndFeelValues) override {
    ++calls;
    master->UnregisterListener(this);
  }
  void MasterDestroying(TkxLookAndFeel*) override {}
};

TEST_F(LookAndFeelTest, AListenerLeavingDuringTheReportMakesNoOneMissIt) {
  Leaver leaver;
  leaver.master = &Root();
  Root().RegisterListener(&leaver);
  Recorded after;   // listed after the leaver
  Root().SetKind(lfFlat);
  EXPECT_EQ(leaver.calls, 1);
  EXPECT_EQ(after.reports, std::vector<std::string>{"K"});
  Root().SetKind(lfStandard);
  EXPECT_EQ(leaver.calls, 1);
}

TEST_F(LookAndFeelTest, AMasterThatGoesHandsItsListenersToTheRoot) {
  auto master = std::make_unique<Recorded>();
  master->look.SetKind(lfOffice11);
  Recorded child(&master->look);
  EXPECT_EQ(child.look.Kind(), lfOffice11);
  EXPECT_EQ(child.look.GetPainterClass(), TkxOffice11LookAndFeelPainter::Class());
  child.reports.clear();
  master.reset();
  EXPECT_EQ(child.look.GetMaster(), &Root());
  EXPECT_EQ(child.look.Kind(), lfUltraFlat);
  EXPECT_EQ(child.reports, std::vector<std::string>{"K"});
  child.look.SetMaster(&child.look);   // itself: ignored
  EXPECT_EQ(child.look.GetMaster(), &Root());
}

TEST_F(LookAndFeelTest, AssignCopiesValuesAndMasterAndRefusesOtherClasses) {
  Recorded source, target;
  source.look.SetKind(lfFlat);
  target.look.Assign(&source.look);
  EXPECT_EQ(target.look.Kind(), lfFlat);
  EXPECT_TRUE(target.look.KindStored());
  EXPECT_EQ(target.reports, std::vector<std::string>{"K"});
  TkxLookAndFeelController other(nullptr);
  EXPECT_ANY_THROW(target.look.Assign(&other));
}

TEST_F(LookAndFeelTest, AColourChangeReportsNativeStyle) {
  Recorded child;
  const int index = COLOR_BTNFACE;
  const COLORREF color = 0x101010;
  SetSysColors(1, &index, &color);
  foundationtest::Pump();
  EXPECT_EQ(child.reports, (std::vector<std::string>{"N", "N"}));   // its own notifier's, then the root's
  gdi::ResetSysColors();
  foundationtest::Pump();
}

TEST_F(LookAndFeelTest, NativeStyleWithoutVisualStylesPaintsWithTheKindsPainter) {
  Root().SetKind(lfStandard);
  Root().SetNativeStyle(true);
  Recorded child;
  EXPECT_EQ(child.look.GetPainterClass(), TkxStandardLookAndFeelPainter::Class());
  EXPECT_EQ(PainterClassOfKind(lfFlat), TkxFlatLookAndFeelPainter::Class());
}

class BuiltInLookAndFeelTest : public LookAndFeelTest {
 protected:
  BuiltInLookAndFeelTest() : LookAndFeelTest(Provider::BuiltIn) {}
};

TEST_F(BuiltInLookAndFeelTest, NativeStyleWithTheBuiltInProviderPaintsWithTheVisualStyle) {
  Recorded child;
  Root().SetKind(lfStandard);
  Root().SetNativeStyle(true);
  EXPECT_EQ(child.look.GetPainterClass(), TkxWinXPLookAndFeelPainter::Class());
  constexpr ThemedObjectType kButton = 0, kComboBox = 2, kEdit = 3;   // the built-in style draws no edit
  EXPECT_EQ(child.look.SelectPainterClassForType(kButton), TkxWinXPLookAndFeelPainter::Class());
  EXPECT_EQ(child.look.SelectPainterClassForType(kComboBox), TkxWinXPLookAndFeelPainter::Class());
  EXPECT_EQ(child.look.SelectPainterClassForType(kEdit), TkxStandardLookAndFeelPainter::Class());
  EXPECT_EQ(child.look.SelectPainterClass((1u << kButton) | (1u << kEdit)), TkxStandardLookAndFeelPainter::Class());
}

class FakeLookAndFeelTest : public LookAndFeelTest {
 protected:
  FakeLookAndFeelTest() : LookAndFeelTest(Provider::FakeThemesOff) {}
};

TEST_F(FakeLookAndFeelTest, ThemesSwitchedOnReachTheNextReport) {
  Recorded child;
  Root().SetKind(lfFlat);
  Root().SetNativeStyle(true);
  EXPECT_EQ(child.look.GetPainterClass(), TkxFlatLookAndFeelPainter::Class());
  fake_.themeActive = true;
  SendMessageA(HWND_BROADCAST, WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(child.look.GetPainterClass(), TkxFlatLookAndFeelPainter::Class());   // until the next report
  Root().SetKind(lfStandard);
  EXPECT_EQ(child.look.GetPainterClass(), TkxWinXPLookAndFeelPainter::Class());
}

}  // namespace
