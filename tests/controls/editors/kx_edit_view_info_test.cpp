// The editor view info's painting on a headless surface, probed pixel by pixel: the ellipsis dots by
// content width, the embossed disabled content, each button style's frame and fill, a simple
// button drawn flat while pressed or hot, and the native editor and buttons through a fake theme
// provider (its content rectangles are the bounds less 3 pixels on each side); and what a new view
// info invalidates on the editor's window against the one painted last.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "controls/editors/kx_edit_utils.h"
#include "controls/editors/kx_edit_view_info.h"
#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_painter_resources.h"
#include "controls/foundation/kx_solid_brush_cache.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/sys_colors.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "platform/user/painting.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

// Each role's own colour (COLORREF).
constexpr COLORREF kFace = 0x00C8C8, kShadow = 0x000080, kHighlight = 0x80FF80, kDark = 0x400000,
                   kLight = 0xE0E000, kText = 0x202020, kWindow = 0xF0F0FF, kSelection = 0xA00000,
                   kBackground = 0xFFFFFF;

using Pixels = std::set<std::pair<int, int>>;

class EditViewInfoTest : public ::testing::Test {
 protected:
  EditViewInfoTest() {
    const int indexes[] = {COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW,
                           COLOR_3DLIGHT, COLOR_BTNTEXT,   COLOR_WINDOW,       COLOR_HIGHLIGHT};
    const COLORREF colors[] = {kFace, kShadow, kHighlight, kDark, kLight, kText, kWindow, kSelection};
    gdi::ChangeSysColors(int(std::size(indexes)), indexes, colors);
    for (const Unit& unit : units_) unit.initialize();
    canvas_.SetHandle(surface_.dc());
    surface_.Clear(kBackground);
    info_.Bounds = info_.BorderRect = info_.ClientRect = TRect{0, 0, 40, 20};
    info_.BackgroundColor = clWindow;
    info_.SetButtonCount(1);
    Button().Bounds = TRect{20, 0, 40, 20};
  }
  ~EditViewInfoTest() override {
    canvas_.SetHandle(nullptr);
    for (auto unit = std::rbegin(units_); unit != std::rend(units_); ++unit) unit->finalize();
    gdi::ResetSysColors();
  }

  TkxEditButtonViewInfo& Button() { return info_.Button(0); }
  Pixels PixelsOf(COLORREF color) const {
    Pixels result;
    for (int y = 0; y < surface_.height(); ++y)
      for (int x = 0; x < surface_.width(); ++x)
        if (surface_.At(x, y) == color) result.insert({x, y});
    return result;
  }
  // Every pixel of the surface, to compare two paintings.
  std::vector<COLORREF> Snapshot() const {
    std::vector<COLORREF> result;
    for (int y = 0; y < surface_.height(); ++y)
      for (int x = 0; x < surface_.width(); ++x) result.push_back(surface_.At(x, y));
    return result;
  }
  static Pixels Moved(const Pixels& pixels, int dx, int dy) {
    Pixels result;
    for (const auto& [x, y] : pixels) result.insert({x + dx, y + dy});
    return result;
  }

  fakes::TFakeThemeProvider fake_;
  fakes::ScopedThemeProvider provider_{&fake_};
  const Unit units_[5] = {kxEditPaintUtilsUnit, kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit, kdOffice11Unit,
                          kxLookAndFeelPaintersUnit};
  TestCanvas surface_{40, 20};
  TCanvas canvas_;
  TkxCanvas kx_{&canvas_};
  TkxCustomEditViewInfo info_;
};

TEST_F(EditViewInfoTest, EllipsisDotsAreTwoPixelsAboveElevenPixelsAndOneUpToIt) {
  Button().Data.Kind = bkEllipsis;
  struct Case {
    Integer width;
    bool pressed;
    int left, top, size;
  };
  // 17 wide: three 2 x 2 dots 2 apart (10 pixels) from (3, 4); 11 wide: 1 x 1 dots (7 pixels) from
  // (2, 4); pressed, one pixel right and down where that still fits.
  for (const Case& c : {Case{17, false, 3, 4, 2}, Case{11, false, 2, 4, 1}, Case{17, true, 4, 5, 2},
                        Case{10, false, 1, 4, 1}}) {
    surface_.Clear(kBackground);
    info_.PaintButtonContent(kx_, 0, c.pressed, clBtnFace, clBtnText, TRect{0, 0, c.width, 10});
    Pixels expected;
    for (int dot = 0; dot < 3; ++dot)
      for (int y = c.top; y < c.top + c.size; ++y)
        for (int x = c.left + dot * (c.size + 2); x < c.left + dot * (c.size + 2) + c.size; ++x) expected.insert({x, y});
    EXPECT_EQ(PixelsOf(kText), expected) << "width " << c.width << " pressed " << c.pressed << "\n"
                                         << surface_.Picture(kBackground);
  }
}

TEST_F(EditViewInfoTest, ADisabledButtonEmbossesItsEllipsisArrowAndCaption) {
  Button().Data.Caption = "&Wx";
  const TRect content{20, 2, 38, 18};
  for (TkxEditButtonKind kind : {bkEllipsis, bkDown, bkText}) {
    SCOPED_TRACE(int(kind));
    Button().Data.Kind = kind;
    Button().Data.State = ebsNormal;
    Button().Data.TextColor = clBtnText;
    surface_.Clear(kBackground);
    info_.PaintButtonContent(kx_, 0, false, clBtnFace, clBtnText, content);
    const Pixels enabled = PixelsOf(kText);
    ASSERT_FALSE(enabled.empty()) << surface_.Picture(kBackground);
    EXPECT_TRUE(PixelsOf(kHighlight).empty());

    Button().Data.State = ebsDisabled;
    surface_.Clear(kBackground);
    info_.PaintButtonContent(kx_, 0, false, clBtnFace, clBtnText, content);
    const Pixels shadow = PixelsOf(kShadow), highlight = PixelsOf(kHighlight);
    EXPECT_TRUE(PixelsOf(kText).empty());
    if (kind == bkText) {
      // Smoothed glyph edges blend colours: compare the extent of each colour instead.
      ASSERT_FALSE(shadow.empty());
      ASSERT_FALSE(highlight.empty());
      const auto maxOf = [](const Pixels& p, auto coordinate) {
        int best = -1;
        for (const auto& point : p) best = std::max(best, coordinate(point));
        return best;
      };
      const auto xOf = [](const std::pair<int, int>& p) { return p.first; };
      const auto yOf = [](const std::pair<int, int>& p) { return p.second; };
      EXPECT_EQ(maxOf(highlight, xOf), maxOf(shadow, xOf) + 1);
      EXPECT_EQ(maxOf(highlight, yOf), maxOf(shadow, yOf) + 1);
      continue;
    }
    EXPECT_EQ(shadow, enabled);
    Pixels expectedHighlight;
    for (const auto& p : Moved(enabled, 1, 1))
      if (!enabled.count(p)) expectedHighlight.insert(p);
    EXPECT_EQ(highlight, expectedHighlight) << surface_.Picture(kBackground);
  }
}

TEST_F(EditViewInfoTest, ASimpleButtonPressedOrHotIsDrawnAsAFlatOne) {
  Button().Data.Kind = bkEllipsis;
  const auto paintAs = [&](TkxEditButtonStyle style, TkxEditButtonState state) {
    Button().Data.Style = style;
    Button().Data.State = state;
    surface_.Clear(kBackground);
    info_.PaintButton(kx_, 0);
    return Snapshot();
  };
  for (const auto& [state, sameAsFlat] : {std::pair{ebsNormal, false}, std::pair{ebsSelected, true},
                                          std::pair{ebsPressed, true}}) {
    const auto simple = paintAs(btsSimple, state);
    EXPECT_EQ(simple == paintAs(btsFlat, state), sameAsFlat) << "state " << int(state);
  }
}

TEST_F(EditViewInfoTest, EachButtonStyleHasItsFrameAndFill) {
  Button().Data.Kind = bkGlyph;   // no glyph: nothing drawn inside
  struct Probe {
    int x, y;
    COLORREF color;
  };
  struct Case {
    TkxEditButtonStyle style;
    TkxEditButtonState state;
    std::vector<Probe> probes;
  };
  const COLORREF ultraFlatHot = ColorToRGB(GetFlatButtonStateColor(false, false)) & 0xFFFFFF;
  const Case cases[] = {
      {bts3D, ebsNormal, {{20, 5, kLight}, {39, 5, kDark}, {21, 5, kHighlight}, {38, 5, kShadow}, {25, 10, kFace}}},
      {bts3D, ebsPressed, {{20, 5, kShadow}, {39, 5, kShadow}, {21, 5, kFace}, {25, 10, kFace}}},
      {btsDefault, ebsNormal, {{20, 5, kLight}, {39, 19, kDark}}},
      // Flat: a background line outside the two-colour frame on the left and inside it on the right.
      {btsFlat, ebsNormal, {{20, 5, kFace}, {21, 5, kHighlight}, {39, 5, kShadow}, {38, 5, kFace}}},
      {btsFlat, ebsPressed, {{21, 5, kShadow}, {39, 5, kHighlight}}},
      // Simple: a frame of the editor's background, then face lines on both sides.
      {btsSimple, ebsNormal, {{20, 5, kWindow}, {39, 5, kWindow}, {25, 0, kWindow}, {21, 5, kFace}, {38, 5, kFace}}},
      // Hot-flat, right-aligned and not leftmost: shadow lines top, bottom and right, face inside.
      {btsHotFlat, ebsNormal, {{25, 0, kShadow}, {25, 19, kShadow}, {39, 5, kShadow}, {20, 5, kFace}}},
      {btsHotFlat, ebsSelected, {{39, 5, kShadow}, {25, 10, kShadow}}},
      {btsHotFlat, ebsPressed, {{39, 5, kShadow}, {25, 10, kText}}},
      // Ultra-flat in a borderless editor: a highlight frame when hot, the background's when normal.
      {btsUltraFlat, ebsSelected, {{20, 5, kSelection}, {39, 5, kSelection}, {25, 10, ultraFlatHot}}},
      {btsUltraFlat, ebsNormal, {{20, 5, kWindow}, {25, 10, kFace}}},
  };
  for (const Case& c : cases) {
    Button().Data.Style = c.style;
    Button().Data.State = c.state;
    surface_.Clear(kBackground);
    info_.PaintTo(kx_);
    for (const Probe& p : c.probes)
      EXPECT_EQ(surface_.At(p.x, p.y), p.color)
          << "style " << int(c.style) << " state " << int(c.state) << " at " << p.x << "," << p.y;
    EXPECT_EQ(surface_.At(5, 10), kWindow) << "the editor's background";
  }
}

TEST_F(EditViewInfoTest, AnOffice2003ButtonWithGradientShadesFromTopToBottom) {
  Button().Data.Kind = bkGlyph;
  Button().Data.Style = btsOffice11;
  const auto rgb = [](TColor color) { return ColorToRGB(color) & 0xFFFFFF; };
  Button().Data.Gradient = true;
  info_.PaintButtons(kx_);
  // Inside the one-pixel frame, the normal state's column starts a pixel below the border's top.
  EXPECT_EQ(surface_.At(25, 1), rgb(Office11Color00));
  EXPECT_NE(surface_.At(25, 17), surface_.At(25, 1));
  Button().Data.Gradient = false;
  info_.PaintButtons(kx_);
  EXPECT_EQ(surface_.At(25, 1), rgb(Office11Color02));
  EXPECT_EQ(surface_.At(25, 17), rgb(Office11Color02));
}

TEST_F(EditViewInfoTest, AnUltraFlatHotButtonInABorderedEditorDrawsSeparatorsOnly) {
  info_.BorderStyle = cbsSingle;
  info_.BorderRect = TRect{1, 1, 39, 19};
  Button().Bounds = TRect{20, 1, 39, 19};
  Button().Data.Kind = bkGlyph;
  Button().Data.Style = btsUltraFlat;
  Button().Data.State = ebsSelected;
  Button().Data.Rightmost = true;
  info_.PaintTo(kx_);
  // The inner (left) side gets a highlight line; the rightmost side only moves in.
  EXPECT_EQ(surface_.At(20, 10), kSelection);
  EXPECT_NE(surface_.At(38, 10), kSelection);
  EXPECT_NE(surface_.At(25, 1), kSelection);
}

TEST_F(EditViewInfoTest, NativeEditorAndButtonsPaintThroughTheTheme) {
  info_.NativeStyle = true;
  info_.BorderStyle = cbsSingle;
  info_.NativeState = 1;
  Button().Data.Kind = bkEllipsis;
  Button().Data.NativeState = 2;
  fakes::CallLog().clear();
  info_.PaintTo(kx_);
  EXPECT_EQ(fakes::LogLines("DrawThemeBackground"),
            (std::vector<std::string>{"DrawThemeBackground Edit 1 1 (0, 0, 40, 20)",
                                      "DrawThemeBackground Button 1 2 (20, 0, 40, 20)"}));
  EXPECT_EQ(surface_.At(3, 3), kWindow) << "the editor's content in its background colour";
  // The dots sit in the button theme's content rectangle (23, 3, 37, 17): 2 x 2, from (25, 9).
  EXPECT_EQ(surface_.At(25, 9), kText);
  EXPECT_EQ(surface_.At(33, 10), kText);

  Button().Data.ComboBoxStyle = true;
  fakes::CallLog().clear();
  surface_.Clear(kBackground);
  info_.PaintTo(kx_);
  EXPECT_EQ(fakes::LogLines("DrawThemeBackground").back(), "DrawThemeBackground ComboBox 1 2 (20, 0, 40, 20)");
  EXPECT_TRUE(PixelsOf(kText).empty()) << "the combo-box look has no content of its own";
}

TEST_F(EditViewInfoTest, HostHooksPaintInsteadOfTheViewInfo) {
  std::vector<std::string> log;
  Button().Data.Kind = bkEllipsis;
  info_.BeforePaintHandler = [&](TObject*, TkxCanvas*) { log.push_back("before"); };
  TkxEditCustomBackgroundEvent background;
  background = [&](TObject*, TkxCanvas* canvas, bool& handled) {
    log.push_back(canvas != nullptr ? "background" : "background asked");
    if (canvas != nullptr) canvas->FillSolidRect(TRect{0, 0, 40, 20}, clRed);
    handled = true;
  };
  info_.SetCustomBackgroundHandler(std::move(background));
  // Not in place: the hook is not asked and the classic background is painted.
  info_.PaintTo(kx_);
  EXPECT_EQ(log, (std::vector<std::string>{"before"}));
  EXPECT_EQ(surface_.At(5, 10), kWindow);
  EXPECT_FALSE(info_.HasBackgroundHandler());

  info_.IsInplace = true;
  log.clear();
  info_.PaintTo(kx_);
  EXPECT_EQ(log, (std::vector<std::string>{"before", "background"}));
  EXPECT_EQ(surface_.At(5, 10), 0x0000FFu);
  EXPECT_EQ(surface_.At(21, 5), kHighlight) << "the button is still painted, in its 3-D frame";
  EXPECT_TRUE(info_.HasBackgroundHandler());

  // A border hook that keeps the whole button as background: face fill, dots, no frame.
  info_.CustomButtonBorderHandler = [](TObject*, TkxCanvas* canvas, Integer, TRect& background, TRect& content,
                                       bool& handled) {
    handled = true;
    if (canvas == nullptr) return;
    background = content = TRect{20, 0, 40, 20};
  };
  surface_.Clear(kBackground);
  info_.PaintButtons(kx_);
  EXPECT_EQ(surface_.At(20, 0), kFace);
  EXPECT_EQ(surface_.At(39, 19), kFace);
  EXPECT_FALSE(PixelsOf(kText).empty());
  EXPECT_TRUE(info_.IsButtonCustomPainted(0));

  // A whole-button hook that paints: nothing of the view info's own button.
  info_.CustomButtonHandler = [](TObject*, TkxCanvas*, Integer, bool& handled) { handled = true; };
  surface_.Clear(kBackground);
  info_.PaintButtons(kx_);
  EXPECT_EQ(PixelsOf(kBackground).size(), std::size_t(40 * 20));
}

// An editor window of 60 x 20 with an inner edit at (2, 2, 30, 18) and two buttons.
class EditViewInfoRepaintTest : public uitest::UiTest {
 protected:
  EditViewInfoRepaintTest() {
    form_ = NewForm("Host");
    editor_ = new TPanel(form_);
    editor_->SetBounds(10, 10, 60, 20);
    editor_->SetParent(form_);
    driver_->Settle();
    for (TkxCustomEditViewInfo* info : {&old_, &new_}) {
      info->Bounds = info->BorderRect = TRect{0, 0, 60, 20};
      info->SetButtonCount(2);
      info->Button(0).Bounds = TRect{30, 0, 45, 20};
      info->Button(1).Bounds = TRect{45, 0, 60, 20};
    }
  }
  ~EditViewInfoRepaintTest() override { delete form_; }

  // Repaints new_ against old_ on a clean window; answers which probe points then need painting.
  std::vector<bool> Invalidated(bool& Result) {
    ValidateRect(editor_->Handle(), nullptr);
    Result = new_.RepaintExceptRect(editor_, kInner, &old_);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(editor_->Handle(), region, FALSE);
    std::vector<bool> result;
    for (const TPoint& p : kProbes) result.push_back(PtInRegion(region, p.X, p.Y) != FALSE);
    DeleteObject(region);
    return result;
  }

  static constexpr TRect kInner{2, 2, 30, 18};
  // The frame, the inner edit, the first button, the second button.
  static constexpr TPoint kProbes[] = {{0, 10}, {15, 10}, {37, 10}, {52, 10}};
  TForm* form_ = nullptr;
  TPanel* editor_ = nullptr;
  TkxCustomEditViewInfo old_, new_;
};

TEST_F(EditViewInfoRepaintTest, OnlyWhatChangedIsInvalidated) {
  bool result = false;
  EXPECT_EQ(Invalidated(result), (std::vector<bool>{false, false, false, false}));
  EXPECT_FALSE(result);

  new_.Button(1).Data.State = ebsSelected;
  EXPECT_EQ(Invalidated(result), (std::vector<bool>{false, false, false, true})) << "the hot button only";
  EXPECT_TRUE(result);
  EXPECT_TRUE(new_.IsHotTrackEnabled());

  new_.Button(1).Data.State = ebsNormal;
  new_.BackgroundColor = clYellow;
  EXPECT_EQ(Invalidated(result), (std::vector<bool>{true, false, true, true})) << "the frame down to the inner edit";
  EXPECT_TRUE(result);

  old_.Assign(&new_);
  EXPECT_EQ(Invalidated(result), (std::vector<bool>{false, false, false, false})) << "an assigned copy";
  EXPECT_FALSE(result);
}

TEST_F(EditViewInfoRepaintTest, TheRepaintRegionIsTheChangedButtonsOrTheWholeBounds) {
  const auto covers = [&](const TPoint& p) {
    return PtInRegion(new_.GetRepaintRegion(&old_)->Handle(), p.X, p.Y) != FALSE;
  };
  new_.Button(0).Data.State = ebsPressed;
  EXPECT_TRUE(covers(kProbes[2]));
  EXPECT_FALSE(covers(kProbes[3]));
  EXPECT_FALSE(covers(kProbes[0]));
  new_.BorderStyle = cbsSingle;
  EXPECT_TRUE(covers(kProbes[0]));
  EXPECT_TRUE(covers(kProbes[3]));
}

}  // namespace
