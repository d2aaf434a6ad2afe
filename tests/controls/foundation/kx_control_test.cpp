// TkxControl driven through the window layer's injected input: dialog codes, focus on click
// (also with controls that move or free themselves), context menus and their shortcuts, the
// internal drag-and-drop operation, drag detection and the standard drag, and child components.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_control_child_component.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_drag_and_drop.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "foundation_test_support.h"
#include "platform/ui/cursors.h"
#include "platform/ui/menu.h"
#include "platform/ui/mouse.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/input_events.h"
#include "platform/user/key_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::Later;
using foundationtest::ScopedUnits;
using Lines = std::vector<std::string>;

std::string At(TPoint p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }

// A drag-and-drop object that writes down what the control asks of it.
class RecordingDragObject : public TkxDragAndDropObject {
 public:
  RecordingDragObject(TkxControl* control, Lines& log, bool immediate)
      : TkxDragAndDropObject(control), log_(log), immediate_(immediate) {}
  bool GetImmediateStart() override { return immediate_; }
  void BeginDragAndDrop() override {
    log_.push_back("begin at " + At(CurMousePos()));
    TkxDragAndDropObject::BeginDragAndDrop();
  }
  void DragAndDrop(TPoint P, bool& Accepted) override {
    log_.push_back("move " + At(P));
    TkxDragAndDropObject::DragAndDrop(P, Accepted);
  }
  void EndDragAndDrop(bool Accepted) override {
    log_.push_back(Accepted ? "end accepted" : "end refused");
    if (finishInsideEnd) Control()->FinishDragAndDrop(!Accepted);
  }
  bool finishInsideEnd = false;

 private:
  Lines& log_;
  bool immediate_;
};

// A control whose hooks are switches and recorders.
class TestControl : public TkxControl {
 public:
  using TkxControl::TkxControl;

  bool StartDragAndDrop(TPoint) override { return startsDragAndDrop; }
  TkxDragAndDropObject* CreateDragAndDropObject() override {
    auto* object = new RecordingDragObject(this, log, immediateStart);
    object->finishInsideEnd = finishInsideEnd;
    return object;
  }
  bool DoShowPopupMenu(TComponent* Menu, Integer X, Integer Y) override {
    log.push_back("popup at " + At(ScreenToClient(TPoint{X, Y})) + (Menu != nullptr ? " with menu" : ""));
    return true;
  }
  bool AllowsStandardDrag(TDragObject*) override { return allowsStandardDrag; }
  bool ShowsDragImages() override { return dragImageSize.cx > 0; }
  TSize GetDragImageSize() override { return dragImageSize; }
  void DrawDragImage(TkxCanvas& Canvas, const TRect& R) override {
    Canvas.Canvas()->Brush()->SetColor(clRed);
    Canvas.Canvas()->FillRect(R);
  }
  void MoveByOnEnter(Integer dx) {
    OnEnter = [this, dx](TObject*) { SetLeft(Left() + dx); };
  }
  using TkxControl::MouseDown;

  Lines log;
  bool startsDragAndDrop = false;
  bool immediateStart = false;
  bool finishInsideEnd = false;
  bool allowsStandardDrag = true;
  TSize dragImageSize{0, 0};
};

class KxControlTest : public uitest::UiTest {
 protected:
  KxControlTest() {
    form_ = NewForm("Host");
    form_->SetClientWidth(300);
    form_->SetClientHeight(200);
    control_ = Add("Control", TRect{20, 20, 120, 100});
    other_ = Add("Other", TRect{150, 20, 250, 100});
    driver_->Settle();
  }
  TestControl* Add(const std::string& name, const TRect& bounds, TWinControl* parent = nullptr) {
    auto* control = new TestControl(form_);
    control->SetName(name);
    control->SetBoundsRect(bounds);
    control->SetParent(parent != nullptr ? parent : form_);
    return control;
  }
  void MoveTo(TControl* control, TPoint p) {
    const TPoint s = control->ClientToScreen(p);
    user::InjectMouseMove(s.X, s.Y);
  }
  void Button(bool down, user::MouseButton button = user::MouseButton::Left) { user::InjectMouseButton(button, down); }
  Lines Take(TestControl* control) { return std::exchange(control->log, {}); }

  ScopedUnits units_{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit,        kdOffice11Unit,
                     kxLookAndFeelsUnit,       kxLookAndFeelPaintersUnit, kxControlsUnit};
  TForm* form_ = nullptr;
  TestControl* control_ = nullptr;
  TestControl* other_ = nullptr;
};

// --- Dialog codes and focus on click ---

TEST_F(KxControlTest, GetDlgCodeAnswersTheDialogKeysWithTabOnlyWhileCtrlIsUp) {
  const struct {
    TkxDialogKeys keys;
    bool ctrl;
    LRESULT code;
  } cases[] = {{{dkArrows, dkTab}, false, DLGC_WANTARROWS | DLGC_WANTTAB},
               {{dkArrows, dkTab}, true, DLGC_WANTARROWS},
               {{dkAll, dkChars}, false, DLGC_WANTALLKEYS | DLGC_WANTCHARS},
               {{}, false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    control_->SetDialogKeys(c.keys);
    if (c.ctrl) user::InjectKey(VK_CONTROL, true);
    EXPECT_EQ(control_->Perform(WM_GETDLGCODE, 0, 0), c.code);
    if (c.ctrl) user::InjectKey(VK_CONTROL, false);
    driver_->Settle();
  }
}

TEST_F(KxControlTest, AClickFocusesButADoubleClickDoesNot) {
  std::vector<std::string> presses;
  control_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState shift, Integer, Integer) {
    presses.push_back(shift.Contains(ssDouble) ? "double" : "single");
  };
  other_->SetFocus();
  control_->Perform(WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(driver_->FocusedControl(), other_);
  driver_->ClickAt(control_, TPoint{10, 10});
  EXPECT_EQ(driver_->FocusedControl(), control_);
  EXPECT_EQ(presses, (Lines{"double", "single"}));
}

TEST_F(KxControlTest, AControlMovedByItsOnEnterGetsThePressInItsNewCoordinates) {
  TPoint seen{};
  control_->MoveByOnEnter(7);
  control_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) { seen = TPoint{X, Y}; };
  other_->SetFocus();
  driver_->ClickAt(control_, TPoint{30, 40});
  EXPECT_EQ(control_->Left(), 27);
  EXPECT_EQ(seen, (TPoint{23, 40})) << "the same screen point, 7 pixels further left in the moved control";
}

TEST_F(KxControlTest, AControlFreedByItsOwnHandlersEndsTheClickCleanly) {
  for (int handler = 0; handler < 2; ++handler) {
    SCOPED_TRACE(handler);
    TestControl* doomed = Add("Doomed", TRect{20, 120, 120, 180});
    other_->SetFocus();
    driver_->Settle();
    auto free = [doomed](TObject*) { delete doomed; };
    if (handler == 0)
      doomed->OnMouseDown = [free](TObject* s, TMouseButton, TShiftState, Integer, Integer) { free(s); };
    else doomed->OnFocusChanged = uitest::NotifyEvent(free);
    driver_->ClickAt(doomed, TPoint{10, 10});
    EXPECT_EQ(driver_->Find("Doomed"), nullptr);
  }
}

// --- Context menus ---

TEST_F(KxControlTest, ARightClickOnTheBorderGoesToThePlatformNotToDoContextPopup) {
  class Bordered : public TestControl {
   public:
    using TestControl::TestControl;
    void CreateParams(TCreateParams& Params) override {
      TestControl::CreateParams(Params);
      Params.Style |= WS_BORDER;
    }
  };
  auto* bordered = new Bordered(form_);
  bordered->SetBounds(20, 120, 100, 60);
  bordered->SetParent(form_);
  Lines formPopups;
  form_->OnContextPopup = [&](TObject*, TPoint p, bool&) { formPopups.push_back(At(p)); };
  const TPoint border = bordered->ClientToScreen(TPoint{-1, 5});
  bordered->Perform(WM_CONTEXTMENU, WPARAM(bordered->Handle()), MAKELPARAM(border.X, border.Y));
  EXPECT_EQ(Take(bordered), Lines{});
  ASSERT_FALSE(formPopups.empty()) << "the request went on to the parent";
  EXPECT_EQ(formPopups[0], At(form_->ScreenToClient(border)));

  const TPoint inside = bordered->ClientToScreen(TPoint{5, 6});
  bordered->Perform(WM_CONTEXTMENU, WPARAM(bordered->Handle()), MAKELPARAM(inside.X, inside.Y));
  EXPECT_EQ(Take(bordered), (Lines{"popup at 5,6"}));
}

TEST_F(KxControlTest, ShiftF10PopsTheMenuAtTheClientOrigin) {
  auto* menu = new TPopupMenu(form_);
  control_->SetPopupMenu(menu);
  control_->SetFocus();
  driver_->PressKey(VK_F10, TShiftState{ssShift});
  EXPECT_EQ(Take(control_), (Lines{"popup at 0,0 with menu"}));
  control_->SetPopupMenu(form_);  // not a popup menu: none
  EXPECT_EQ(control_->PopupMenu(), nullptr);
}

TEST_F(KxControlTest, AFocusedChildClaimsAShortcutOfItsParentsPopupMenu) {
  auto* menu = new TPopupMenu(form_);
  int clicks = 0;
  auto* item = new TMenuItem(form_);
  item->SetCaption("Refresh");
  item->SetShortCut(TShortCut('R' | scCtrl));
  item->OnClick = [&](TObject*) { ++clicks; };
  menu->Items()->Add(item);
  control_->SetPopupMenu(menu);
  TestControl* child = Add("Child", TRect{10, 10, 50, 50}, control_);
  int childKeys = 0;
  child->OnKeyDown = [&](TObject*, Word& key, TShiftState) { childKeys += key == 'R'; };
  child->SetFocus();
  driver_->PressKey('R', TShiftState{ssCtrl});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(childKeys, 0);
  user::InjectKey(VK_CONTROL, true);
  driver_->Settle();
  EXPECT_EQ(child->Perform(CN_KEYDOWN, 'R', 0), 1);
  user::InjectKey(VK_CONTROL, false);
  driver_->Settle();
  EXPECT_EQ(clicks, 2);
}

// --- The internal drag-and-drop operation ---

class DragAndDropTest : public KxControlTest {
 protected:
  DragAndDropTest() {
    control_->startsDragAndDrop = true;
    Screen->SetCursor(crHourGlass);
  }
  ~DragAndDropTest() override { Screen->SetCursor(crDefault); }
  void Press(TPoint p) {
    clock_.Advance(1000);  // not a double click with the press before
    MoveTo(control_, p);
    Button(true);
    driver_->Settle();
  }
  void ExpectIdle() {
    EXPECT_EQ(control_->DragAndDropState(), ddsNone);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    EXPECT_EQ(GetCapture(), nullptr);
  }
};

TEST_F(DragAndDropTest, AMovePastTheThresholdBeginsAndTheReleaseEndsAccepted) {
  Press(TPoint{10, 10});
  EXPECT_EQ(control_->DragAndDropState(), ddsStarting);
  MoveTo(control_, TPoint{14, 14});
  driver_->Settle();
  EXPECT_EQ(Take(control_), Lines{}) << "within the threshold of 5";
  MoveTo(control_, TPoint{15, 10});
  driver_->Settle();
  EXPECT_EQ(control_->DragAndDropState(), ddsInProcess);
  EXPECT_EQ(GetCapture(), control_->Handle());
  MoveTo(control_, TPoint{40, 30});
  driver_->Settle();
  EXPECT_EQ(Screen->Cursor(), crNoDrop) << "the object's cursor for a refused point";
  Button(false);
  driver_->Settle();
  EXPECT_EQ(Take(control_), (Lines{"begin at 15,10", "move 15,10", "move 40,30", "end accepted"}));
  ExpectIdle();
}

TEST_F(DragAndDropTest, EscapeCancelModeAndARightPressEndItRefused) {
  const std::function<void()> enders[] = {[&] { control_->Perform(WM_KEYDOWN, VK_ESCAPE, 0); },
                                          [&] { control_->Perform(CN_KEYDOWN, VK_ESCAPE, 0); },
                                          [&] { control_->Perform(WM_CANCELMODE, 0, 0); },
                                          [&] {
                                            Button(true, user::MouseButton::Right);
                                            Button(false, user::MouseButton::Right);
                                          }};
  for (size_t i = 0; i < std::size(enders); ++i) {
    SCOPED_TRACE(i);
    Press(TPoint{10, 10});
    MoveTo(control_, TPoint{30, 10});
    driver_->Settle();
    enders[i]();
    driver_->Settle();
    Lines expected{"begin at 30,10", "move 30,10", "end refused"};
    if (i == 3) expected.push_back("popup at 30,10");  // the right click asks for the context menu too
    EXPECT_EQ(Take(control_), expected);
    ExpectIdle();
    Button(false);
    driver_->Settle();
    EXPECT_EQ(Take(control_), Lines{});
  }
}

TEST_F(DragAndDropTest, AnImmediateStartBeginsAtThePressAndAFinishFromTheEndDoesNothing) {
  control_->immediateStart = true;
  control_->finishInsideEnd = true;
  Press(TPoint{10, 10});
  EXPECT_EQ(control_->DragAndDropState(), ddsInProcess);
  Button(false);
  driver_->Settle();
  EXPECT_EQ(Take(control_), (Lines{"begin at 10,10", "end accepted"}));
  ExpectIdle();
}

// --- Drag detection and the standard drag ---

class StandardDragTest : public KxControlTest {
 protected:
  StandardDragTest() {
    control_->SetDragMode(dmAutomatic);
    other_->OnDragOver = [](TObject*, TObject*, Integer, Integer, TDragState, bool& Accept) { Accept = true; };
  }
  // A press at (50, 40) of the control, then the steps run inside the detection loop.
  Integer Detect(const std::function<void()>& steps) {
    Integer result = -1;
    Later later(steps);
    control_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      result = control_->DetectDragStart(control_->Handle());
    };
    clock_.Advance(1000);
    MoveTo(control_, TPoint{50, 40});
    control_->SetDragMode(dmManual);
    Button(true);
    driver_->Settle();
    control_->OnMouseDown = nullptr;
    Button(false);
    driver_->Settle();
    control_->SetDragMode(dmAutomatic);
    return result;
  }
};

TEST_F(StandardDragTest, DetectionAnswersByTheThresholdSquareRelease_AndEscape) {
  const Integer t = Mouse.DragThreshold();
  const struct {
    TPoint to;
    Integer result;
  } moves[] = {{{50 + t, 40}, 1},     {{50, 40 + t}, 1}, {{50 - t, 40}, 2},
               {{50 - t - 1, 40}, 1}, {{50, 40 - t}, 2}, {{50, 40 - t - 1}, 1}};
  for (const auto& m : moves) {
    SCOPED_TRACE(At(m.to));
    // An unmoved end is cancelled by Escape after the move.
    EXPECT_EQ(Detect([&] {
                MoveTo(control_, m.to);
                user::InjectKey(VK_ESCAPE, true);
                user::InjectKey(VK_ESCAPE, false);
              }),
              m.result);
    EXPECT_EQ(GetCapture(), nullptr);
  }
  EXPECT_EQ(Detect([&] {
              MoveTo(control_, TPoint{52, 41});
              Button(false);
            }),
            0);
}

TEST_F(StandardDragTest, AnAutomaticDragShowsTheCopyCursorWhileCtrlIsHeldOverAnAcceptingTarget) {
  MoveTo(control_, TPoint{50, 40});
  user::InjectKey(VK_CONTROL, true);
  Later later([&] { MoveTo(other_, TPoint{30, 30}); });
  Button(true);
  driver_->Settle();
  ASSERT_TRUE(control_->Dragging());
  EXPECT_EQ(GetCursor(), Screen->Cursors(crKxDragCopy));
  user::InjectKey(VK_CONTROL, false);
  MoveTo(other_, TPoint{31, 30});
  driver_->Settle();
  EXPECT_EQ(GetCursor(), Screen->Cursors(control_->DragCursor()));
  Button(false);
  driver_->Settle();
  EXPECT_FALSE(control_->Dragging());
}

TEST_F(StandardDragTest, AllowsStandardDragFalseStartsNoDrag) {
  control_->allowsStandardDrag = false;
  MoveTo(control_, TPoint{50, 40});
  Later later([&] { MoveTo(other_, TPoint{30, 30}); });
  Button(true);
  driver_->Settle();
  EXPECT_FALSE(control_->Dragging());
  EXPECT_EQ(DragControl(), nullptr);
  Button(false);
  driver_->Settle();
}

TEST_F(StandardDragTest, ShowsDragImagesGivesAOneImageList) {
  EXPECT_EQ(control_->GetDragImages(), nullptr);
  control_->dragImageSize = TSize{16, 16};
  TDragImageList* images = control_->GetDragImages();
  ASSERT_NE(images, nullptr);
  EXPECT_EQ(images->Count(), 1);
  EXPECT_EQ(images->Width(), 16);
  EXPECT_EQ(images->Height(), 16);
}

// --- Child components ---

TEST_F(KxControlTest, AChildComponentIsAttachedByItsParentAndDetachesWhenFreed) {
  auto* child = new TkxControlChildComponent(control_, true);
  EXPECT_EQ(child->Owner(), form_);
  EXPECT_EQ(child->GetParentComponent(), control_);
  EXPECT_TRUE(child->HasParent());
  child->SetParentComponent(other_);
  EXPECT_EQ(child->Control(), other_);
  other_->DetachChildComponent(child);
  EXPECT_FALSE(child->HasParent());
  delete child;

  TkxControlChildComponent unowned(control_, false);
  EXPECT_EQ(unowned.Owner(), nullptr);
}

}  // namespace
