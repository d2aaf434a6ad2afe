// The editor layout: where the view data places the embedded buttons (natural and given widths,
// text and glyph buttons, left and right sides, an editor narrower than its buttons), which buttons
// it shows for each button transparency, the state of each button under the mouse, and how it
// shares the space left among stretching buttons (also buttons of natural width, whose own Width
// is 0, instead of dividing by a zero total).
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "controls/editors/kx_edit_properties.h"
#include "controls/editors/kx_edit_styles.h"
#include "controls/editors/kx_edit_view_data.h"
#include "controls/editors/kx_edit_view_info.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/user/system_metrics.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

TEST(EditButtonStretching, SharesTheSpaceByLaidOutWidths) {
  struct Case {
    const char* name;
    std::vector<Integer> widths;
    std::array<bool, 3> stretchable;
    Integer space;
    std::vector<Integer> gains;
  };
  const Case cases[] = {
      {"three stretchable buttons", {10, 10, 20}, {{true, true, true}}, 20, {5, 5, 10}},
      {"the first takes the remainder", {10, 10, 10}, {{true, true, true}}, 10, {4, 3, 3}},
      {"natural-width buttons, none stretchable", {16, 16}, {{false, false}}, 9, {5, 4}},
      {"only the stretchable share", {16, 20, 16}, {{false, true, true}}, 12, {0, 7, 5}},
      {"no space left", {10, 20}, {{true, true}}, 0, {0, 0}},
      {"narrower than the buttons", {10, 20}, {{true, true}}, -5, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShareStretchSpace(c.widths, std::span<const bool>(c.stretchable.data(), c.widths.size()), c.space),
              c.gains)
        << c.name;
  }
}

// Buttons as the test writes them: kind, Width, left-aligned, caption.
struct ButtonSpec {
  TkxEditButtonKind kind = bkEllipsis;
  Integer width = 0;
  bool left = false;
  const char* caption = "";
};

class EditViewDataTest : public uitest::UiTest {
 protected:
  EditViewDataTest() { canvas_.SetHandle(surface_.dc()); }
  ~EditViewDataTest() override { canvas_.SetHandle(nullptr); }

  void SetButtons(const std::vector<ButtonSpec>& specs) {
    properties_.Buttons()->Clear();
    for (const ButtonSpec& spec : specs) {
      TkxEditButton* button = properties_.Buttons()->Add();
      button->SetKind(spec.kind);
      button->SetWidth(spec.width);
      button->SetLeftAlignment(spec.left);
      button->SetCaption(spec.caption);
    }
  }
  // A fresh view data laid out over (0, 0, width, 21); the style's transparent border takes 2
  // pixels on each side.
  std::unique_ptr<TkxCustomEditViewData> Lay(Integer width, TPoint p = {-1, -1}, Integer button = 0,
                                             TShiftState shift = {}, bool focused = false) {
    auto data = std::make_unique<TkxCustomEditViewData>(&properties_, &style_, false);
    data->Focused = focused;
    data->Calculate(&canvas_, TRect{0, 0, width, 21}, p, button, shift, info_, true);
    return data;
  }
  TRect Bounds(Integer i) const { return info_.Button(i).Bounds; }
  TRect Visible(Integer i) const { return info_.Button(i).VisibleBounds; }

  TestCanvas surface_{200, 40};
  TCanvas canvas_;
  TkxCustomEditProperties properties_{nullptr};
  TkxEditStyle style_{nullptr, kxStyleNormal, nullptr, false};
  TkxCustomEditViewInfo info_;
};

TEST_F(EditViewDataTest, PlacesButtonsByKindWidthAndSide) {
  const Integer scroll = GetSystemMetrics(SM_CYHSCROLL);
  ASSERT_EQ(scroll, 16);
  TBitmap glyph;
  glyph.SetSize(10, 10);
  SetButtons({{bkText, 0, false, "Open"}});
  Lay(100);
  const Integer textWidth = std::max(scroll, 4 + canvas_.TextWidth("Open") + 3);

  struct Case {
    const char* name;
    std::vector<ButtonSpec> buttons;
    bool withGlyph;
    std::vector<TRect> bounds;
    TRect client;
  };
  const Case cases[] = {
      {"one ellipsis of Width 0: as wide as a scroll bar is high", {{bkEllipsis}}, false,
       {{82, 2, 98, 19}}, {2, 2, 82, 19}},
      {"a given Width", {{bkEllipsis, 25}}, false, {{73, 2, 98, 19}}, {2, 2, 73, 19}},
      {"a text button: margins, caption and 3 pixels", {{bkText, 0, false, "Open"}}, false,
       {{98 - textWidth, 2, 98, 19}}, {2, 2, 98 - textWidth, 19}},
      {"a glyph button: the glyph and the margins, narrower than a scroll bar", {{bkGlyph}}, true,
       {{84, 2, 98, 19}}, {2, 2, 84, 19}},
      {"the last right-aligned item sits at the right edge", {{bkEllipsis}, {bkDown}}, false,
       {{66, 2, 82, 19}, {82, 2, 98, 19}}, {2, 2, 66, 19}},
      {"a left and a right button each from its own edge", {{bkEllipsis, 0, true}, {bkDown}}, false,
       {{2, 2, 18, 19}, {82, 2, 98, 19}}, {18, 2, 82, 19}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetButtons(c.buttons);
    if (c.withGlyph) properties_.Buttons()->Items(0)->SetGlyph(&glyph);
    Lay(100);
    ASSERT_EQ(info_.ButtonCount(), Integer(c.bounds.size()));
    for (std::size_t i = 0; i < c.bounds.size(); ++i) {
      EXPECT_EQ(Bounds(Integer(i)), c.bounds[i]) << "button " << i;
      EXPECT_EQ(Visible(Integer(i)), c.bounds[i]) << "button " << i;
    }
    EXPECT_EQ(info_.ClientRect, c.client);
  }
}

TEST_F(EditViewDataTest, MarksTheOuterAndInnerButtonOfEachSide) {
  SetButtons({{bkEllipsis, 0, true}, {bkDown}, {bkDown}});
  Lay(100);
  const auto flags = [&](Integer i) {
    return std::pair(info_.Button(i).Data.Leftmost, info_.Button(i).Data.Rightmost);
  };
  EXPECT_EQ(flags(0), std::pair(true, true)) << "the only left button is both";
  EXPECT_EQ(flags(1), std::pair(true, false)) << "the inner right button, next to the text";
  EXPECT_EQ(flags(2), std::pair(false, true)) << "the outer right button";
}

TEST_F(EditViewDataTest, OnlyALoneDownButtonHasTheComboBoxLook) {
  SetButtons({{bkDown}});
  Lay(100);
  EXPECT_TRUE(info_.Button(0).Data.ComboBoxStyle);
  SetButtons({{bkDown}, {bkDown}});
  Lay(100);
  EXPECT_FALSE(info_.Button(0).Data.ComboBoxStyle);
  EXPECT_FALSE(info_.Button(1).Data.ComboBoxStyle);
  SetButtons({{bkEllipsis}});
  Lay(100);
  EXPECT_FALSE(info_.Button(0).Data.ComboBoxStyle);
}

TEST_F(EditViewDataTest, ANarrowEditorCutsTheVisibleBoundsOnly) {
  SetButtons({{bkEllipsis}, {bkDown}, {bkDown}});
  Lay(30);   // 26 pixels inside the border for 48 pixels of buttons
  EXPECT_EQ(Bounds(2), (TRect{12, 2, 28, 19}));
  EXPECT_EQ(Visible(2), (TRect{12, 2, 28, 19}));
  EXPECT_EQ(Bounds(1), (TRect{-4, 2, 12, 19})) << "the full width is kept";
  EXPECT_EQ(Visible(1), (TRect{2, 2, 12, 19})) << "only the space left shows";
  EXPECT_EQ(Bounds(0), TRect{}) << "no space is left for it";
  EXPECT_EQ(Visible(0), TRect{});
}

TEST_F(EditViewDataTest, ButtonTransparencyHidesButtonsByFocusAndHover) {
  SetButtons({{bkEllipsis}});
  struct Case {
    TkxEditButtonTransparency transparency;
    bool focused;
    TPoint mouse;
    Integer buttons;
    bool transparent;
  };
  const TPoint away{-1, -1}, over{40, 10};
  const Case cases[] = {
      {ebtNone, false, away, 1, false},          {ebtHideInactive, false, away, 0, false},
      {ebtHideInactive, false, over, 0, false},  {ebtHideInactive, true, away, 1, false},
      {ebtHideUnselected, false, away, 0, false}, {ebtHideUnselected, false, over, 1, false},
      {ebtHideUnselected, true, away, 1, false}, {ebtInactive, false, away, 1, true},
      {ebtInactive, false, over, 1, false},      {ebtAlways, true, over, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "transparency " << int(c.transparency) << ", focused " << c.focused
                                    << ", mouse at " << c.mouse.X);
    style_.SetButtonTransparency(c.transparency);
    Lay(100, c.mouse, 0, {}, c.focused);
    ASSERT_EQ(info_.ButtonCount(), c.buttons);
    if (c.buttons == 1) {
      EXPECT_EQ(info_.Button(0).Data.Transparent, c.transparent);
    }
  }
}

TEST_F(EditViewDataTest, ButtonStatesFollowTheMouse) {
  SetButtons({{bkEllipsis}, {bkDown}});   // view info 0 at (66, 82), 1 at (82, 98)
  const TPoint on0{70, 10}, on1{90, 10}, text{20, 10};
  const TShiftState left{ssLeft}, none{};
  // Each step is one calculation after the one before it (the view info keeps the last states).
  struct Step {
    const char* name;
    TPoint p;
    Integer button;
    TShiftState shift;
    TkxEditButtonState state0, state1;
    Integer pressed, hot;
  };
  const Step steps[] = {
      {"the mouse over button 0", on0, 0, none, ebsSelected, ebsNormal, -1, 0},
      {"a left press on it", on0, 1, left, ebsPressed, ebsNormal, 0, -1},
      {"moving on it with the button held", on0, 0, left, ebsPressed, ebsNormal, 0, -1},
      {"moving onto button 1 with the button held", on1, 0, left, ebsNormal, ebsNormal, -1, -1},
      {"back onto button 0, which was not pressed last", on0, 0, left, ebsNormal, ebsNormal, -1, -1},
      {"released over the text", text, 1, none, ebsNormal, ebsNormal, -1, -1},
      {"a double-click press", on1, 1, TShiftState{ssLeft, ssDouble}, ebsNormal, ebsPressed, 1, -1},
      {"a right press does not press", on0, 2, TShiftState{ssRight}, ebsNormal, ebsNormal, -1, -1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    Lay(100, s.p, s.button, s.shift);
    EXPECT_EQ(info_.Button(0).Data.State, s.state0);
    EXPECT_EQ(info_.Button(1).Data.State, s.state1);
    EXPECT_EQ(info_.PressedButton, s.pressed);
    EXPECT_EQ(info_.HotButton, s.hot);
  }

  properties_.Buttons()->Items(0)->SetEnabled(false);
  Lay(100, on0, 0, none);
  EXPECT_EQ(info_.Button(0).Data.State, ebsDisabled) << "a disabled button";
  properties_.Buttons()->Items(0)->SetEnabled(true);
  auto data = std::make_unique<TkxCustomEditViewData>(&properties_, &style_, false);
  data->Enabled = false;
  data->Calculate(&canvas_, TRect{0, 0, 100, 21}, on1, 0, none, info_, true);
  EXPECT_EQ(info_.Button(1).Data.State, ebsDisabled) << "a disabled editor";
}

TEST_F(EditViewDataTest, ButtonsOnlyStretchIntoTheSpaceLeft) {
  properties_.SetButtonsViewStyle(bvsButtonsOnly);
  struct Case {
    const char* name;
    std::vector<Integer> widths;
    Integer editorWidth;
    std::vector<Integer> laidOut;
  };
  const Case cases[] = {
      {"widths 10, 10, 20 gain 5, 5, 10", {10, 10, 20}, 64, {15, 15, 30}},
      {"natural widths share the space", {0, 0}, 46, {21, 21}},
      {"no space left", {10, 10}, 24, {10, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ButtonSpec> specs;
    for (Integer w : c.widths) specs.push_back({bkDown, w});
    SetButtons(specs);
    Lay(c.editorWidth);
    ASSERT_EQ(info_.ButtonCount(), Integer(c.laidOut.size()));
    Integer right = 2;   // the buttons fill the area inside the border, left to right
    for (std::size_t i = 0; i < c.laidOut.size(); ++i) {
      EXPECT_EQ(Bounds(Integer(i)).Left, right) << "button " << i;
      EXPECT_EQ(Bounds(Integer(i)).Width(), c.laidOut[i]) << "button " << i;
      EXPECT_FALSE(info_.Button(Integer(i)).Data.LeftAlignment);
      right = Bounds(Integer(i)).Right;
    }
    EXPECT_EQ(right, c.editorWidth - 2);
  }
}

TEST_F(EditViewDataTest, MeasuresTheFixedPartAndTheTallestGlyph) {
  TBitmap glyph;
  glyph.SetSize(12, 30);
  SetButtons({{bkGlyph}});
  properties_.Buttons()->Items(0)->SetGlyph(&glyph);
  auto data = std::make_unique<TkxCustomEditViewData>(&properties_, &style_, false);
  TSize fixed{}, minContent{};
  data->GetEditorSize(&canvas_, nullptr, fixed, minContent);
  EXPECT_EQ(fixed, (TSize{2 + 16 + 2, 4})) << "the border and the glyph button";
  // 30 pixels of glyph, the button area's 2 + 2 and the button frame's padding, less the border.
  const Integer padding = 2;   // the hot-flat buttons of a single-border editor
  EXPECT_EQ(minContent, (TSize{0, 30 + 4 + padding - 4}));
}

}  // namespace
