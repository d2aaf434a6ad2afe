// The control services on the virtual clock: TkxTimer on the shared timer window, mouse-leave
// tracking (also with callers that stop their own tracking or free themselves), the settings
// relay, work areas with and without the monitor functions, the library's cursors and the unit's
// shut-down report.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/foundation/kx_control_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_message_window.h"
#include "controls/foundation/kx_mouse_tracking.h"
#include "controls/foundation/kx_settings_controller.h"
#include "controls/foundation/kx_timer.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/os/locale.h"
#include "platform/shims/user_library.h"
#include "platform/ui/application.h"
#include "platform/ui/custom_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/module_instance.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/system_parameters.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::ScopedUnits;

// The unit started (shut-down stops every shared object from being made again) for the services.
class ControlServicesTest : public uitest::UiTest {
 protected:
  // Advances the clock and delivers what became due.
  void Elapse(UInt64 milliseconds) {
    clock_.Advance(milliseconds);
    driver_->Settle();
  }

  ScopedUnits units_{kxControlsUnit};
};

// The unit's own start-up and shut-down, each test starting it as it needs.
class ControlsUnitTest : public uitest::UiTest {};

// --- TkxTimer ---

class TimerTest : public ControlServicesTest {
 protected:
  TimerTest() {
    timer_ = std::make_unique<TkxTimer>(nullptr);
    timer_->SetInterval(100);
    timer_->SetOnTimer(uitest::NotifyEvent([this](TObject*) { ++ticks_; }));
  }
  std::unique_ptr<TkxTimer> timer_;
  int ticks_ = 0;
};

TEST_F(TimerTest, FiresEveryIntervalOfTheClock) {
  EXPECT_TRUE(timer_->IsRunning());
  Elapse(99);
  EXPECT_EQ(ticks_, 0);
  Elapse(1);
  EXPECT_EQ(ticks_, 1);
  Elapse(100);
  Elapse(100);
  EXPECT_EQ(ticks_, 3);
  timer_->SetEnabled(false);
  EXPECT_FALSE(timer_->IsRunning());
  Elapse(300);
  EXPECT_EQ(ticks_, 3);
  timer_->SetEnabled(true);
  Elapse(100);
  EXPECT_EQ(ticks_, 4);
}

TEST_F(TimerTest, AnIntervalOfZeroKeepsTheOldOneAndDoesNotRestart) {
  Elapse(60);
  timer_->SetInterval(0);
  EXPECT_EQ(timer_->Interval(), 100u);
  Elapse(40);
  EXPECT_EQ(ticks_, 1) << "not restarted: due 100 ms after the start";
  timer_->SetInterval(200);   // a real change restarts
  Elapse(100);
  EXPECT_EQ(ticks_, 1);
  Elapse(100);
  EXPECT_EQ(ticks_, 2);
}

TEST_F(TimerTest, WithoutAHandlerNoSystemTimerRuns) {
  TkxTimer idle(nullptr);
  EXPECT_TRUE(idle.Enabled());
  EXPECT_EQ(idle.Interval(), 1000u);
  EXPECT_FALSE(idle.IsRunning());
  idle.SetInterval(50);
  EXPECT_FALSE(idle.IsRunning());
  idle.SetOnTimer(TNotifyEvent{});
  EXPECT_FALSE(idle.IsRunning());
}

TEST_F(TimerTest, AQueuedTickOfAStoppedOrFreedTimerIsDropped) {
  const HWND window = GetTimerWindowHandle();
  const auto id = reinterpret_cast<WPARAM>(timer_.get());
  PostMessageA(window, WM_TIMER, id, 0);
  driver_->Settle();
  EXPECT_EQ(ticks_, 1);   // running: the posted tick is delivered
  timer_->SetEnabled(false);
  PostMessageA(window, WM_TIMER, id, 0);
  driver_->Settle();
  EXPECT_EQ(ticks_, 1);
  timer_.reset();
  PostMessageA(window, WM_TIMER, id, 0);
  driver_->Settle();
  EXPECT_EQ(ticks_, 1);
}

TEST_F(TimerTest, AHandlerMayFreeItsTimer) {
  timer_->SetOnTimer(uitest::NotifyEvent([this](TObject*) {
    ++ticks_;
    timer_.reset();
  }));
  Elapse(100);
  EXPECT_EQ(ticks_, 1);
  EXPECT_EQ(timer_, nullptr);
  Elapse(100);
  EXPECT_EQ(ticks_, 1);
}

// --- mouse-leave tracking ---

// A caller that lives by its owner (its reference count answers -1, as a component's does).
class OwnedCaller final : public IkxMouseTrackingCaller {
 public:
  ~OwnedCaller() {
    StopMouseLeaveTracking(this);
    if (onDestroy) onDestroy();
  }
  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }
  void MouseLeave() override {
    ++leaves;
    const bool freed = freesItself;
    if (onLeave) onLeave();
    if (!freed) ++afterLeave;   // touches the caller after its handler: it must still exist
  }
  int leaves = 0, afterLeave = 0;
  bool freesItself = false;
  std::function<void()> onLeave, onDestroy;
};

// A counted caller: freed when its last reference goes.
class CountedCaller final : public TInterfacedObject, public IkxMouseTrackingCaller {
 public:
  explicit CountedCaller(std::vector<std::string>& log) : log_(log) {}
  ~CountedCaller() override {
    StopMouseLeaveTracking(this);
    log_.push_back("freed");
  }
  Integer _AddRef() override { return TInterfacedObject::_AddRef(); }
  Integer _Release() override { return TInterfacedObject::_Release(); }
  void MouseLeave() override {
    log_.push_back("leave");
    if (onLeave) onLeave();
    log_.push_back("after leave");
  }
  std::function<void()> onLeave;

 private:
  std::vector<std::string>& log_;
};

class TrackingTest : public ControlServicesTest {
 protected:
  TrackingTest() {
    form_ = NewForm("Host");
    form_->SetClientWidth(200);
    form_->SetClientHeight(100);
    area_ = new TPanel(form_);
    area_->SetName("Area");
    area_->SetParent(form_);
    area_->SetBounds(10, 10, 60, 40);
    driver_->Settle();
    notifications_.Watch(area_);
    driver_->MoveMouseTo(area_, {5, 5});
    notifications_.Take();
  }
  // The mouse leaves the area; the next tick sees it.
  void LeaveArea() {
    driver_->MoveMouseTo(form_, {150, 80});
    notifications_.Take();
    Elapse(10);
  }

  TForm* form_ = nullptr;
  TPanel* area_ = nullptr;
  uitest::NotificationLog notifications_;
};

TEST_F(TrackingTest, LeavingTellsTheControlAndTheCallerOnceThenTheTrackerIsGone) {
  OwnedCaller caller;
  StartMouseLeaveTracking(area_, area_->ClientRect(), &caller);
  TMouseTrackingTimer* tracker = GetMouseTracker(&caller);
  ASSERT_NE(tracker, nullptr);
  StartMouseLeaveTracking(area_, area_->ClientRect(), &caller);
  EXPECT_EQ(GetMouseTracker(&caller), tracker) << "tracked twice: still one tracker";
  EXPECT_EQ(tracker->Bounds(), (TRect{area_->ClientToScreen({0, 0}).X, area_->ClientToScreen({0, 0}).Y,
                                      area_->ClientToScreen({60, 40}).X, area_->ClientToScreen({60, 40}).Y}));
  Elapse(50);
  EXPECT_EQ(caller.leaves, 0);
  EXPECT_TRUE(IsCallerTracked(&caller));

  LeaveArea();
  EXPECT_EQ(caller.leaves, 1);
  EXPECT_EQ(notifications_.Take(), std::vector<std::string>{"Area:CM_MOUSELEAVE"});
  EXPECT_FALSE(IsCallerTracked(&caller));
  Elapse(50);
  EXPECT_EQ(caller.leaves, 1);
}

TEST_F(TrackingTest, StoppingEndsTrackingWithoutATick) {
  OwnedCaller caller;
  StartMouseLeaveTracking(nullptr, area_->BoundsRect(), &caller);   // screen coordinates
  StopMouseLeaveTracking(&caller);
  StopMouseLeaveTracking(&caller);
  EXPECT_FALSE(IsCallerTracked(&caller));
  LeaveArea();
  EXPECT_EQ(caller.leaves, 0);
}

TEST_F(TrackingTest, ACallerMayStopItsOwnTracking) {
  OwnedCaller caller;
  caller.onLeave = [&caller] { StopMouseLeaveTracking(&caller); };
  StartMouseLeaveTracking(area_, area_->ClientRect(), &caller);
  LeaveArea();
  EXPECT_EQ(caller.leaves, 1);
  EXPECT_EQ(caller.afterLeave, 1);
  EXPECT_FALSE(IsCallerTracked(&caller));
}

TEST_F(TrackingTest, AnOwnedCallerMayFreeItselfWhenTheMouseLeaves) {
  bool freed = false;
  auto* caller = new OwnedCaller;
  caller->onDestroy = [&freed] { freed = true; };
  caller->freesItself = true;
  caller->onLeave = [caller] { delete caller; };
  StartMouseLeaveTracking(area_, area_->ClientRect(), caller);
  LeaveArea();   // the sanitizers watch that nothing touches the freed caller or tracker
  EXPECT_TRUE(freed);
}

TEST_F(TrackingTest, ACountedCallerLivesToTheEndOfTheTickThatDropsItsLastReference) {
  std::vector<std::string> log;
  TInterfacePtr<IkxMouseTrackingCaller> reference(new CountedCaller(log));
  // It drops the last reference but the tracker's, then stops its own tracking: the tick's hold
  // keeps it alive to the end of its MouseLeave.
  auto* caller = static_cast<CountedCaller*>(reference.get());
  caller->onLeave = [&reference, caller] {
    reference = nullptr;
    StopMouseLeaveTracking(caller);
  };
  StartMouseLeaveTracking(area_, area_->ClientRect(), reference.get());
  LeaveArea();
  EXPECT_EQ(log, (std::vector<std::string>{"leave", "after leave", "freed"}));
}

TEST_F(TrackingTest, ATrackerForgetsAFreedControl) {
  OwnedCaller caller;
  auto* other = new TPanel(form_);
  other->SetParent(form_);
  other->SetBounds(100, 10, 20, 20);
  StartMouseLeaveTracking(other, other->ClientRect(), &caller);
  delete other;
  Elapse(10);
  EXPECT_EQ(caller.leaves, 1);
}

// --- the settings relay ---

// Logs the relay's message by name.
class Listener : public TCustomControl {
 public:
  Listener(TComponent* AOwner, std::vector<std::string>& log) : TCustomControl(AOwner), log_(log) {}
  void WndProc(TMessage& Message) override {
    if (Message.Msg == KXM_SCROLLBARMETRICSCHANGED) log_.push_back(Name());
    TCustomControl::WndProc(Message);
  }

 private:
  std::vector<std::string>& log_;
};

TEST_F(ControlServicesTest, TheRelayTellsRegisteredControlsWithWindowsInOrder) {
  TForm* form = NewForm("Host");
  std::vector<std::string> log;
  const auto listener = [&](const char* name, bool windowed) {
    auto* control = new Listener(form, log);
    control->SetName(name);
    if (windowed) control->SetParent(form);
    return control;
  };
  Listener* first = listener("First", true);
  Listener* loose = listener("Loose", false);
  Listener* second = listener("Second", true);
  TkxSettingsController relay;
  EXPECT_EQ(relay.Handle(), nullptr);
  relay.AddControl(second);
  relay.AddControl(loose);
  relay.AddControl(first);
  relay.AddControl(second);
  ASSERT_NE(relay.Handle(), nullptr);

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, SPIF_SENDCHANGE);
  driver_->Settle();
  EXPECT_EQ(log, (std::vector<std::string>{"Second", "First"}));
  log.clear();
  SendMessageA(relay.Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_TRUE(log.empty());

  relay.RemoveControl(second);
  relay.RemoveControl(first);
  EXPECT_NE(relay.Handle(), nullptr);
  relay.RemoveControl(loose);
  EXPECT_EQ(relay.Handle(), nullptr);
}

TEST_F(ControlServicesTest, AnErrorInTheRelaysHandlerGoesToTheApplication) {
  class FailingRelay : public TkxSettingsController {
   protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg == WM_SETTINGCHANGE) throw Exception("relay failed");
      TkxSettingsController::WndProc(Message);
    }
  };
  TForm* form = NewForm("Host");
  auto* control = new TPanel(form);
  control->SetParent(form);
  FailingRelay relay;
  relay.AddControl(control);
  std::vector<std::string> reported;
  Application->OnException = [&reported](TObject*, Exception* E) { reported.push_back(E->Message()); };
  SendMessageA(relay.Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  Application->OnException = nullptr;
  EXPECT_EQ(reported, std::vector<std::string>{"relay failed"});
  relay.RemoveControl(control);
}

// --- the unit ---

HMONITOR FakeMonitorFromPoint(TPoint, DWORD) { return reinterpret_cast<HMONITOR>(0x50000); }

BOOL FakeGetMonitorInfo(HMONITOR, MONITORINFO* info) {
  info->rcWork = {10, 20, 300, 400};
  return TRUE;
}

TEST_F(ControlsUnitTest, WorkAreasComeFromTheMonitorFunctionsOnlyWhenBound) {
  TRect desktop{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0);
  const TLibraryExport both[] = {{"MonitorFromPoint", ExportAddress<MonitorFromPointProc>(&FakeMonitorFromPoint)},
                                 {"GetMonitorInfoA", ExportAddress<GetMonitorInfoAProc>(&FakeGetMonitorInfo)}};
  const TLibraryExport infoOnly[] = {{"GetMonitorInfoA", ExportAddress<GetMonitorInfoAProc>(&FakeGetMonitorInfo)}};
  {
    TExportTableImage image(both);
    fakes::ScopedLibraryImage user("USER32.DLL", &image);
    ScopedUnits units({kxControlsUnit});
    EXPECT_EQ(GetWorkAreaAtPoint({5, 5}), (TRect{10, 20, 300, 400}));
    EXPECT_EQ(GetMonitorWorkAreaSafe(nullptr), desktop);
  }
  {
    TExportTableImage image(infoOnly);
    fakes::ScopedLibraryImage user("USER32.DLL", &image);
    ScopedUnits units({kxControlsUnit});
    EXPECT_EQ(GetWorkAreaAtPoint({5, 5}), desktop);
  }
  {
    ScopedUnits units({kxControlsUnit});   // the platform's own functions
    EXPECT_EQ(GetWorkAreaAtPoint({5, 5}), desktop);
  }
}

TEST_F(ControlsUnitTest, StartUpRegistersTheCursorsAndMeasuresThePlatform) {
  ScopedUnits units({kxControlsUnit});
  const char* const names[] = {"KX_DRAGCOPYCURSOR", "KX_FULLSCROLLCURSOR", "KX_HORSCROLLCURSOR",  "KX_VERSCROLLCURSOR",
                               "KX_UPSCROLLCURSOR", "KX_RIGHTSCROLLCURSOR", "KX_DOWNSCROLLCURSOR", "KX_LEFTSCROLLCURSOR",
                               "KX_REMOVECURSOR",   "KX_VERTSIZECURSOR",   "KX_HORZSIZECURSOR",   "KX_MULTIDRAGCURSOR",
                               "KX_NODROPCURSOR",   "KX_DRAGCURSOR",       "KX_COLORPICKERCURSOR"};
  std::vector<HCURSOR> seen;
  for (int i = 0; i < 15; ++i) {
    const HCURSOR cursor = Screen->Cursors(2100 + i);
    ASSERT_NE(cursor, nullptr) << names[i];
    EXPECT_EQ(cursor, LoadCursorA(HInstance, names[i])) << names[i];
    EXPECT_EQ(std::count(seen.begin(), seen.end(), cursor), 0) << names[i];
    seen.push_back(cursor);
  }
  EXPECT_EQ(Screen->Cursors(crKxHandPoint), LoadCursorA(nullptr, IDC_HAND));
  EXPECT_FALSE(IsWin9xFamily());
  EXPECT_TRUE(IsWinNT4OrLater());
}

TEST(PlatformFlags, FollowTheVersion) {
  const struct {
    DWORD platform, major;
    bool win9x, nt4;
  } kCases[] = {{VER_PLATFORM_WIN32s, 3, true, false},     {VER_PLATFORM_WIN32_WINDOWS, 4, true, false},
                {VER_PLATFORM_WIN32_NT, 3, false, false},  {VER_PLATFORM_WIN32_NT, 4, false, true},
                {VER_PLATFORM_WIN32_NT, 6, false, true}};
  for (const auto& c : kCases) {
    const OSVERSIONINFO version{c.major, 0, 0, c.platform};
    EXPECT_EQ(IsWin9xFamilyVersion(version), c.win9x) << c.platform << " " << c.major;
    EXPECT_EQ(IsWinNT4OrLaterVersion(version), c.nt4) << c.platform << " " << c.major;
  }
}

std::vector<std::string>& UnitLog() {
  static std::vector<std::string> log;
  return log;
}
const Unit kBeforeControls = {"test.BeforeControls", nullptr, [] { UnitLog().push_back("before finalized"); }};
const Unit kAfterControls = {"test.AfterControls", nullptr, [] { UnitLog().push_back("after finalized"); }};

TEST_F(ControlsUnitTest, ATrackerLeftAtShutDownIsReportedAndTheOtherUnitsStillStop) {
  OwnedCaller caller;
  InitializeUnits({kBeforeControls, kxControlsUnit, kAfterControls});
  StartMouseLeaveTracking(nullptr, {0, 0, 10, 10}, &caller);
  UnitLog().clear();
  try {
    FinalizeUnits();
    ADD_FAILURE() << "the tracker left was not reported";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "MouseTrackingTimerList.Count <> 0");
  }
  EXPECT_EQ(UnitLog(), (std::vector<std::string>{"after finalized", "before finalized"}));
  EXPECT_TRUE(IsControlsUnitFinalized());
  EXPECT_FALSE(IsCallerTracked(&caller));
  EXPECT_EQ(GetLibraryMessageWindow(), nullptr);
  // The class library's units went too: start them again, and the control unit to end the
  // tracking that was left.
  InitializeUnits({LocaleUnit, FormsUnit});
  ScopedUnits units({kxControlsUnit});
  EXPECT_TRUE(IsCallerTracked(&caller));
  StopMouseLeaveTracking(&caller);
}

}  // namespace
