// Control geometry: alignment, anchors, size constraints and auto-size.
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/size_constraints.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class LayoutTest : public UiTest {
 protected:
  // A form whose client area is 200 x 100.
  TForm* Form() {
    TForm* form = NewForm("Host");
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    return form;
  }

  static TPanel* Panel(TForm* form, const char* name, TRect bounds, TAlign align = alNone) {
    auto* panel = new TPanel(form);
    panel->SetName(name);
    panel->SetBevelOuter(bvNone);
    panel->SetBoundsRect(bounds);
    panel->SetAlign(align);
    panel->SetParent(form);
    return panel;
  }
};

TEST_F(LayoutTest, AFreedWindowedChildLeavesItsParentAndTheOthersRealign) {
  TForm* form = Form();
  TPanel* top = Panel(form, "Top", {0, 0, 200, 30}, alTop);
  TPanel* next = Panel(form, "Next", {0, 0, 200, 30}, alTop);
  delete top;
  ASSERT_EQ(form->ControlCount(), 1);
  EXPECT_EQ(form->Controls(0), next);
  EXPECT_EQ(next->Top(), 0);
}

TEST_F(LayoutTest, AlignedControlsShareTheClientAreaInAlignOrder) {
  TForm* form = Form();
  // Inserted out of order on purpose: top and bottom take full width first, then left and right
  // the height that is left, then the client control the rest.
  TPanel* client = Panel(form, "Client", {0, 0, 10, 10}, alClient);
  TPanel* right = Panel(form, "Right", {0, 0, 40, 10}, alRight);
  TPanel* left = Panel(form, "Left", {0, 0, 30, 10}, alLeft);
  TPanel* bottom = Panel(form, "Bottom", {0, 0, 10, 10}, alBottom);
  TPanel* top = Panel(form, "Top", {0, 0, 10, 20}, alTop);
  const struct {
    TPanel* panel;
    TRect expected;
  } cases[] = {
      {top, {0, 0, 200, 20}},   {bottom, {0, 90, 200, 100}}, {left, {0, 20, 30, 90}},
      {right, {160, 20, 200, 90}}, {client, {30, 20, 160, 90}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.panel->BoundsRect(), c.expected) << c.panel->Name();
  // A resized parent realigns them.
  form->SetClientWidth(300);
  EXPECT_EQ(right->BoundsRect(), (TRect{260, 20, 300, 90}));
  EXPECT_EQ(client->BoundsRect(), (TRect{30, 20, 260, 90}));
}

TEST_F(LayoutTest, AnchorsKeepTheirDistancesToTheParentsEdges) {
  TForm* form = Form();
  const struct {
    TAnchors anchors;
    TRect expected;   // after the client grows by 50 x 20
  } cases[] = {
      {{akLeft, akTop}, {10, 10, 50, 30}},
      {{akRight, akBottom}, {60, 30, 100, 50}},
      {{akLeft, akRight, akTop}, {10, 10, 100, 30}},
      {{akLeft, akTop, akBottom}, {10, 10, 50, 50}},
      {{akLeft, akTop, akRight, akBottom}, {10, 10, 100, 50}},
  };
  std::vector<TPanel*> panels;
  for (const auto& c : cases) {
    TPanel* panel = Panel(form, ("P" + std::to_string(panels.size())).c_str(), {10, 10, 50, 30});
    panel->SetAnchors(c.anchors);
    panels.push_back(panel);
  }
  form->SetClientWidth(250);
  form->SetClientHeight(120);
  for (std::size_t i = 0; i < panels.size(); ++i) EXPECT_EQ(panels[i]->BoundsRect(), cases[i].expected) << i;
}

TEST_F(LayoutTest, ConstraintsLimitEveryWayOfSizing) {
  TForm* form = Form();
  TPanel* panel = Panel(form, "P", {0, 0, 50, 50});
  panel->Constraints()->SetMinWidth(30);
  panel->Constraints()->SetMaxWidth(80);
  panel->Constraints()->SetMaxHeight(40);
  EXPECT_EQ(panel->Height(), 40);   // applied at once
  panel->SetWidth(10);
  EXPECT_EQ(panel->Width(), 30);
  panel->SetBounds(5, 5, 500, 500);
  EXPECT_EQ(panel->BoundsRect(), (TRect{5, 5, 85, 45}));
  // Sized by the window layer itself (as a frame drag does).
  SetWindowPos(panel->Handle(), nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(panel->BoundsRect(), (TRect{5, 5, 85, 45}));
  panel->SetAlign(alClient);   // alignment asks for the whole client area
  EXPECT_EQ(panel->Width(), 80);
  EXPECT_EQ(panel->Height(), 40);
  // A maximum below the minimum lowers the minimum.
  panel->Constraints()->SetMaxWidth(20);
  EXPECT_EQ(panel->Constraints()->MinWidth(), 20);
  EXPECT_EQ(panel->Width(), 20);
}

TEST_F(LayoutTest, AnAutoSizedLabelFitsItsCaptionAndARightAlignedOneKeepsItsRightEdge) {
  TForm* form = Form();
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(100, 10, 5, 5);
  label->SetCaption("Wide");
  const Integer narrow = label->Width();
  const Integer height = label->Height();
  EXPECT_GT(narrow, 5);
  EXPECT_GT(height, 5);
  label->SetCaption("Wide, wider, widest");
  EXPECT_GT(label->Width(), narrow);
  EXPECT_EQ(label->Height(), height);
  EXPECT_EQ(label->Left(), 100);
  const Integer right = label->Left() + label->Width();
  label->SetAlignment(taRightJustify);
  label->SetCaption("Wide");
  EXPECT_EQ(label->Width(), narrow);
  EXPECT_EQ(label->Left() + label->Width(), right);
  label->SetAutoSize(false);
  label->SetCaption("Wide, wider, widest");
  EXPECT_EQ(label->Width(), narrow);
}

}  // namespace
}  // namespace uitest
