// Dragging one control onto another with the mouse: the threshold, what targets hear and answer,
// the cursor, accepted and refused drops, cancelling, drag objects of the program's own and the
// drag images that follow the mouse.
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/cursors.h"
#include "platform/ui/drag_object.h"
#include "platform/ui/image_list.h"
#include "platform/ui/mouse.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/image_list_drag.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_tree.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

using Lines = std::vector<std::string>;

std::string NameOf(TObject* object) {
  if (object == nullptr) return "none";
  auto* component = dynamic_cast<TComponent*>(object);
  return component != nullptr ? component->Name() : object->ClassName();
}

std::string At(Integer X, Integer Y) { return " at " + std::to_string(X) + "," + std::to_string(Y); }

// A panel whose drags carry a one-image list (red, 4 x 4, hot spot (1, 2)); it counts the
// automatic drags its presses begin and logs a drag that ends without a drop.
class ImagePanel : public TPanel {
 public:
  ImagePanel(TComponent* AOwner, Lines& log) : TPanel(AOwner), images_(new TImageList(this)), log_(log) {
    images_->SetSize(4, 4);
    TBitmap bitmap;
    bitmap.SetWidth(4);
    bitmap.SetHeight(4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
    images_->Add(&bitmap, nullptr);
    images_->SetDragImage(0, 1, 2);
  }
  TDragImageList* GetDragImages() override { return images_; }
  void BeginAutoDrag() override {
    ++autoDrags;
    TPanel::BeginAutoDrag();
  }
  void DragCanceled() override { log_.push_back(Name() + " canceled"); }

  int autoDrags = 0;

 private:
  TImageList* images_;
  Lines& log_;
};

// Source, Accepting and Refusing panels side by side; Accepting takes what comes from Source,
// Refusing takes nothing.  Every drag event is logged.
class DragTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("Host");
    form_->SetClientWidth(300);
    form_->SetClientHeight(100);
    source_ = Add(new ImagePanel(form_, log_), "Source", 10);
    accepting_ = Add(new TPanel(form_), "Accepting", 110);
    refusing_ = Add(new TPanel(form_), "Refusing", 210);
    source_->SetDragMode(dmAutomatic);
    source_->OnEndDrag = [this](TObject* Sender, TObject* Target, Integer X, Integer Y) {
      log_.push_back(NameOf(Sender) + " ends on " + NameOf(Target) + At(X, Y));
    };
    for (TPanel* target : {accepting_, refusing_}) {
      target->OnDragOver = [this](TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State,
                                  bool& Accept) {
        static const char* const kStates[] = {"enter", "leave", "move"};
        log_.push_back(NameOf(Sender) + " " + kStates[State] + " " + NameOf(Source) + At(X, Y));
        Accept = Sender == accepting_ && Source == source_;
      };
      target->OnDragDrop = [this](TObject* Sender, TObject* Source, Integer X, Integer Y) {
        log_.push_back(NameOf(Sender) + " drop " + NameOf(Source) + At(X, Y));
      };
    }
    driver_->Settle();
  }
  template <class P>
  P* Add(P* panel, const std::string& name, Integer left) {
    panel->SetName(name);
    panel->SetBounds(left, 10, 60, 60);
    panel->SetParent(form_);
    return panel;
  }
  Lines Take() { return std::exchange(log_, {}); }
  HCURSOR CursorOf(TCursor cursor) const { return Screen->Cursors(cursor); }

  TForm* form_ = nullptr;
  ImagePanel* source_ = nullptr;
  TPanel* accepting_ = nullptr;
  TPanel* refusing_ = nullptr;
  Lines log_;
};

TEST_F(DragTest, AnAcceptedDropReachesTheTargetAndTheSourceHearsWhere) {
  driver_->PressMouse(source_, TPoint{5, 5});
  EXPECT_TRUE(source_->Dragging());
  EXPECT_EQ(source_->autoDrags, 1) << "the press of a dmAutomatic control begins the drag through BeginAutoDrag";
  driver_->MoveMouseTo(source_, TPoint{8, 8});
  EXPECT_EQ(Take(), Lines{}) << "the mouse has not moved the threshold's 5 pixels yet";

  driver_->MoveMouseTo(accepting_, TPoint{20, 30});
  EXPECT_EQ(Take(), (Lines{"Accepting enter Source at 20,30", "Accepting move Source at 20,30"}));
  EXPECT_EQ(GetCursor(), CursorOf(crDrag));
  driver_->MoveMouseTo(refusing_, TPoint{5, 6});
  EXPECT_EQ(Take(), (Lines{"Accepting leave Source at 105,6", "Refusing enter Source at 5,6",
                           "Refusing move Source at 5,6"}));
  EXPECT_EQ(GetCursor(), CursorOf(crNoDrop));
  driver_->MoveMouseTo(accepting_, TPoint{25, 35});
  Take();

  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), (Lines{"Accepting drop Source at 25,35", "Source ends on Accepting at 25,35"}));
  EXPECT_FALSE(source_->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragTest, TheDragStartsOnceTheMouseHasMovedMouseDragThreshold) {
  // Over the source, which takes no drops, a started drag shows crNoDrop.
  struct Threshold {
    Threshold() { Mouse.SetDragThreshold(10); }
    ~Threshold() { Mouse.SetDragThreshold(5); }
  } threshold;
  driver_->PressMouse(source_, TPoint{5, 5});
  driver_->MoveMouseTo(source_, TPoint{14, 14});
  EXPECT_NE(GetCursor(), CursorOf(crNoDrop)) << "9 pixels are below the threshold of 10";
  driver_->MoveMouseTo(source_, TPoint{15, 5});
  EXPECT_EQ(GetCursor(), CursorOf(crNoDrop));
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), (Lines{"Source canceled", "Source ends on none at 0,0"}));
}

TEST_F(DragTest, ARefusedOrCancelledDragDropsNothing) {
  // Released over a control that refuses.
  driver_->PressMouse(source_, TPoint{5, 5});
  driver_->MoveMouseTo(refusing_, TPoint{30, 30});
  Take();
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), (Lines{"Refusing leave Source at 30,30", "Source canceled", "Source ends on none at 0,0"}));

  // Released over the form, which has no OnDragOver and so refuses.
  driver_->PressMouse(source_, TPoint{5, 5});
  driver_->MoveMouseTo(form_, TPoint{290, 90});
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), (Lines{"Source canceled", "Source ends on none at 0,0"}));

  // Escape over a control that would accept.
  driver_->PressMouse(source_, TPoint{5, 5});
  driver_->MoveMouseTo(accepting_, TPoint{30, 30});
  Take();
  driver_->PressKey(VK_ESCAPE);
  EXPECT_EQ(Take(), (Lines{"Accepting leave Source at 30,30", "Source canceled", "Source ends on none at 0,0"}));
  EXPECT_FALSE(source_->Dragging());
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), Lines{});
}

// A drag object of the program's own travels as the source and hears how the drag finished.
class NamedDragObject : public TDragObject {
 public:
  explicit NamedDragObject(Lines& log) : log_(log) {}
  void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override {
    log_.push_back(std::string("finished on ") + NameOf(Target) + At(X, Y) + (Accepted ? " accepted" : ""));
  }

 private:
  Lines& log_;
};

TEST_F(DragTest, ADragObjectFromOnStartDragIsTheSourceTargetsSee) {
  NamedDragObject object(log_);
  source_->OnStartDrag = [&](TObject*, TDragObject*& DragObject) { DragObject = &object; };
  driver_->PressMouse(source_, TPoint{5, 5});
  driver_->MoveMouseTo(accepting_, TPoint{20, 30});
  EXPECT_EQ(Take(), (Lines{"Accepting enter TDragObject at 20,30", "Accepting move TDragObject at 20,30"}));
  EXPECT_EQ(GetCursor(), CursorOf(crNoDrop)) << "Accepting takes only the Source control itself";
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), (Lines{"Accepting leave TDragObject at 20,30", "Source canceled", "finished on none at 0,0",
                           "Source ends on none at 0,0"}));
}

TEST_F(DragTest, CancelDragInsideOnStartDragStartsNothing) {
  int starts = 0;
  source_->OnStartDrag = [&](TObject*, TDragObject*&) {
    ++starts;
    CancelDrag();
  };
  driver_->PressMouse(source_, TPoint{5, 5});
  EXPECT_EQ(starts, 1);
  EXPECT_FALSE(source_->Dragging());
  EXPECT_EQ(DragControl(), nullptr);
  driver_->MoveMouseTo(accepting_, TPoint{20, 30});
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), Lines{});

  source_->OnStartDrag = nullptr;   // the next drag starts again
  driver_->PressMouse(source_, TPoint{5, 5});
  EXPECT_TRUE(source_->Dragging());
  driver_->ReleaseMouse();
}

TEST_F(DragTest, AnImmediateDragStartsAtThePress) {
  source_->SetDragMode(dmManual);
  source_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { source_->BeginDrag(true); };
  driver_->PressMouse(source_, TPoint{5, 5});
  EXPECT_TRUE(source_->Dragging());
  EXPECT_EQ(source_->autoDrags, 0);
  EXPECT_EQ(GetCursor(), CursorOf(crNoDrop)) << "over the source, which takes no drops, before any move";
  driver_->ReleaseMouse();
  EXPECT_EQ(Take(), (Lines{"Source canceled", "Source ends on none at 0,0"}));
}

TEST_F(DragTest, TheDragImageFollowsTheMouseOverControlsThatDisplayIt) {
  TControlStyle style = accepting_->ControlStyle();
  style.Include(csDisplayDragImage);
  accepting_->SetControlStyle(style);
  driver_->PressMouse(source_, TPoint{5, 5});
  HWND image = user::DragImageWindow();
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(IsWindowVisible(image)) << "not before the drag has started";

  driver_->MoveMouseTo(accepting_, TPoint{20, 30});
  EXPECT_TRUE(IsWindowVisible(image));
  const TPoint at = accepting_->ClientToScreen(TPoint{20, 30});
  TRect r{};
  GetWindowRect(image, &r);
  EXPECT_EQ(r, (TRect{at.X - 1, at.Y - 2, at.X + 3, at.Y + 2})) << "the hot spot is on the mouse";

  driver_->MoveMouseTo(refusing_, TPoint{20, 30});
  EXPECT_FALSE(IsWindowVisible(image)) << "Refusing does not display drag images";
  driver_->ReleaseMouse();
  EXPECT_EQ(user::DragImageWindow(), nullptr);
  EXPECT_FALSE(IsWindow(image));
}

}  // namespace
}  // namespace uitest
