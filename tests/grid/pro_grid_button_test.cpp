// TProGridButton: its settings' rules, clicks (drop-down part, check style, groups), the disabled
// glyph's grey, the gradient's bands, the colour schemes by visual style, and its faces and glyphs
// as painted on a shown form.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/pro_grid_button.h"
#include "grid/theme_api.h"
#include "platform/shims/builtin_theme_provider.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "recording_theme_provider.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

constexpr TColor kKey = TColor(RGB(255, 0, 255));
constexpr Integer kGlyphSize = 8;

// An 8 x 8 glyph of Ink with its corner pixels in the key colour.
std::unique_ptr<TBitmap> SquareGlyph(COLORREF Ink) {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetSize(kGlyphSize, kGlyphSize);
  glyph->Canvas()->Brush()->SetColor(TColor(Ink));
  glyph->Canvas()->FillRect(TRect{0, 0, kGlyphSize, kGlyphSize});
  for (const TPoint corner : {TPoint{0, 0}, TPoint{kGlyphSize - 1, kGlyphSize - 1}, TPoint{0, kGlyphSize - 1}})
    glyph->Canvas()->SetPixels(corner.X, corner.Y, kKey);
  return glyph;
}

class ProGridButtonTest : public uitest::UiTest {
 protected:
  TProGridButton* NewButton(Integer Left = 10, Integer Width = 60) {
    if (form_ == nullptr) {
      form_ = NewForm("ButtonForm");
      form_->SetColor(clWhite);
      driver_->MoveMouseTo(form_, TPoint{2, 60});   // below every button: none starts hot
    }
    auto* button = new TProGridButton(form_);
    button->SetParent(form_);
    button->SetBounds(Left, 10, Width, 24);
    button->OnClick = uitest::NotifyEvent([this](TObject* Sender) { clicks_.push_back(Sender); });
    return button;
  }
  COLORREF Pixel(TProGridButton* Button, Integer X, Integer Y) {
    driver_->Settle();
    return driver_->Pixel(Button, X, Y);
  }

  TForm* form_ = nullptr;
  std::vector<TObject*> clicks_;
};

TEST_F(ProGridButtonTest, SettersKeepTheirRules) {
  TProGridButton* button = NewButton();
  EXPECT_EQ((TPoint{button->Width(), button->Height()}), (TPoint{60, 24}));
  EXPECT_TRUE(button->Flat());
  EXPECT_EQ(button->Color(), clBtnFace);
  button->SetMargin(-2);
  EXPECT_EQ(button->Margin(), -1) << "below -1 is ignored";
  button->SetMargin(3);
  EXPECT_EQ(button->Margin(), 3);
  button->SetDown(true);
  EXPECT_FALSE(button->Down()) << "a plain button outside any group never stays down";
  button->SetStyle(tasCheck);
  button->SetDown(true);
  EXPECT_TRUE(button->Down());

  TProGridButton* grouped = NewButton(80);
  grouped->SetGroupIndex(2);
  grouped->SetDown(true);
  EXPECT_EQ(grouped->State(), TProGridButton::stExclusive);
  grouped->SetDown(false);
  EXPECT_TRUE(grouped->Down()) << "without AllowAllUp a down grouped button stays down";
  grouped->SetAllowAllUp(true);
  grouped->SetDown(false);
  EXPECT_FALSE(grouped->Down());
  EXPECT_EQ(grouped->State(), TProGridButton::stUp);
}

TEST_F(ProGridButtonTest, GlyphMakesAGreyDisabledCopyOnlyWhileThereIsNone) {
  const struct {
    COLORREF ink;
    BYTE grey;
  } cases[] = {{RGB(255, 0, 0), 138}, {RGB(0, 0, 0), 96}, {RGB(255, 255, 255), 223}, {RGB(30, 60, 90), 126}};
  for (const auto& c : cases) {
    TProGridButton* button = NewButton();
    button->SetGlyph(SquareGlyph(c.ink).get());
    EXPECT_EQ(ColorToRGB(button->GlyphDisabled()->Canvas()->Pixels(3, 3)), RGB(c.grey, c.grey, c.grey)) << c.ink;
    button->SetGlyph(SquareGlyph(RGB(0, 0, 255)).get());
    EXPECT_EQ(ColorToRGB(button->GlyphDisabled()->Canvas()->Pixels(3, 3)), RGB(c.grey, c.grey, c.grey))
        << "a second glyph leaves the disabled one alone";
    delete button;
  }
}

TEST_F(ProGridButtonTest, TheDropDownPartFiresOnDropDownAndNoClick) {
  TProGridButton* button = NewButton();
  button->SetDropDownButton(true);
  Integer dropDowns = 0;
  button->OnDropDown = uitest::NotifyEvent([&](TObject*) { ++dropDowns; });
  const struct {
    Integer x;
    Integer dropDowns, clicks;
  } cases[] = {{59, 1, 0}, {48, 2, 0}, {47, 2, 1}, {5, 2, 2}};
  for (const auto& c : cases) {
    driver_->ClickAt(button, TPoint{c.x, 12});
    EXPECT_EQ(dropDowns, c.dropDowns) << c.x;
    EXPECT_EQ(Integer(clicks_.size()), c.clicks) << c.x;
  }
}

TEST_F(ProGridButtonTest, ClicksToggleCheckButtonsAndGroupedButtonsReleaseEachOther) {
  TProGridButton* check = NewButton(10, 40);
  check->SetStyle(tasCheck);
  driver_->Click(check);
  EXPECT_TRUE(check->Down());
  driver_->Click(check);
  EXPECT_FALSE(check->Down());

  TProGridButton* first = NewButton(60, 40);
  TProGridButton* second = NewButton(110, 40);
  for (TProGridButton* button : {first, second}) button->SetGroupIndex(1);
  driver_->Click(first);
  EXPECT_TRUE(first->Down());
  driver_->Click(second);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down()) << "the group's other button goes up";
  driver_->Click(second);
  EXPECT_TRUE(second->Down()) << "without AllowAllUp a click does not release it";
  second->SetAllowAllUp(true);
  EXPECT_TRUE(first->AllowAllUp()) << "the group takes the sender's AllowAllUp";
  driver_->Click(second);
  EXPECT_FALSE(second->Down());
  EXPECT_EQ(clicks_.size(), 6u);
}

// A 32 pixel high rectangle in 16 bands: band i starts at 2i and takes round(i x 160 / 16) = 10i
// of red; the border frames the rectangle afterwards.
TEST_F(ProGridButtonTest, GradientBandsStepByTheRoundedShare) {
  TBitmap bitmap;
  bitmap.SetSize(10, 32);
  DrawButtonGradient(bitmap.Canvas(), TColor(RGB(0, 0, 0)), TColor(RGB(160, 0, 80)), clNone, 16,
                     TRect{0, 0, 10, 32}, false);
  for (Integer band : {0, 1, 7, 15})
    EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(5, band * 2 + 1)), RGB(band * 10, 0, band * 5)) << band;
  DrawButtonGradient(bitmap.Canvas(), clWhite, clWhite, TColor(RGB(0, 0, 255)), 0, TRect{0, 0, 10, 32}, true);
  EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(0, 10)), RGB(0, 0, 255));
  EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(5, 10)), RGB(255, 255, 255)) << "N 0 counts as one band";
}

TEST_F(ProGridButtonTest, FacesFollowHotCheckedAndGradientColours) {
  TProGridButton* plain = NewButton(10);
  plain->SetColor(TColor(RGB(10, 200, 10)));
  TProGridButton* graded = NewButton(80);
  graded->SetColor(TColor(RGB(255, 255, 255)));
  graded->SetColorTo(TColor(RGB(0, 0, 0)));
  TProGridButton* checked = NewButton(150);
  checked->SetStyle(tasCheck);
  checked->SetDown(true);
  checked->SetColorChecked(TColor(RGB(0, 0, 200)));
  TProGridButton* bordered = NewButton(220);
  bordered->SetBorderColor(TColor(RGB(200, 0, 0)));
  EXPECT_EQ(Pixel(plain, 30, 12), RGB(10, 200, 10));
  EXPECT_GT(GetRValue(Pixel(graded, 30, 3)), 200) << "the gradient starts light";
  EXPECT_LT(GetRValue(Pixel(graded, 30, 20)), 60) << "and ends dark";
  EXPECT_EQ(Pixel(checked, 30, 12), RGB(0, 0, 200));
  EXPECT_EQ(Pixel(bordered, 1, 12), RGB(200, 0, 0));
  EXPECT_EQ(Pixel(bordered, 0, 12), RGB(255, 255, 255)) << "the border lies one pixel in";

  driver_->MoveMouseTo(plain, TPoint{30, 12});
  EXPECT_TRUE(plain->MouseInControl());
  EXPECT_EQ(Pixel(plain, 30, 12), ColorToRGB(TColor(13289415))) << "the hot face";
  driver_->MoveMouseTo(graded, TPoint{30, 12});
  EXPECT_FALSE(plain->MouseInControl());
  EXPECT_EQ(Pixel(plain, 30, 12), RGB(10, 200, 10));
}

// Without a caption the glyph sits at the top-left corner; with one it is centred with the
// caption.  Hot, it lifts one pixel up and left over its grey shade; disabled, it shows grey.
TEST_F(ProGridButtonTest, GlyphsPlaceAndSwitchByState) {
  TProGridButton* bare = NewButton(10);
  bare->SetGlyph(SquareGlyph(RGB(200, 0, 0)).get());
  bare->SetGlyphHot(SquareGlyph(RGB(0, 150, 0)).get());
  EXPECT_EQ(Pixel(bare, 3, 3), RGB(200, 0, 0));
  EXPECT_EQ(Pixel(bare, 12, 12), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(bare, kGlyphSize - 1, kGlyphSize - 1), ColorToRGB(clBtnFace)) << "the key colour is never drawn";

  driver_->MoveMouseTo(bare, TPoint{40, 12});
  EXPECT_EQ(Pixel(bare, 3, 3), RGB(0, 150, 0)) << "the hot glyph";
  bare->SetEnabled(false);
  EXPECT_EQ(Pixel(bare, 3, 3), RGB(129, 129, 129)) << "the grey disabled copy of (200, 0, 0)";

  TProGridButton* captioned = NewButton(80);
  captioned->SetCaption("Go");
  captioned->SetGlyph(SquareGlyph(RGB(200, 0, 0)).get());
  captioned->SetShaded(true);   // makes the shade of the glyph set
  EXPECT_EQ(Pixel(captioned, 3, 3), ColorToRGB(clBtnFace)) << "no longer at the corner";
  Integer inked = 0;
  for (Integer x = 0; x < 60; ++x) inked += Pixel(captioned, x, 12) == RGB(200, 0, 0);
  EXPECT_EQ(inked, kGlyphSize);
  driver_->MoveMouseTo(captioned, TPoint{59, 23});
  Integer shaded = 0;
  for (Integer y = 0; y < 24; ++y)
    for (Integer x = 0; x < 60; ++x) shaded += Pixel(captioned, x, y) == RGB(128, 128, 128);
  // The shade's 8 x 8 square two pixels down and right of the glyph shows in an L of 28 pixels
  // beside and below it, less the shade's own two key corners there, plus one pixel through the
  // glyph's bottom-right key corner.
  EXPECT_EQ(shaded, 27);
}

TEST_F(ProGridButtonTest, ColourSchemesFollowTheVisualStyle) {
  EXPECT_EQ(TProGridButton::GetXPColorScheme(), TProGridButton::csClassicScheme) << "no styles, classic";
  TProGridButton* button = NewButton();
  button->SetRounded(true);
  button->SetFlat(false);
  button->SetAutoThemeAdapt(true);
  EXPECT_EQ(button->Color(), clBtnFace);
  EXPECT_EQ(button->ColorHot(), TColor(0xEED2C1));
  EXPECT_EQ(button->BorderHotColor(), TColor(0xC56A31));
  EXPECT_TRUE(button->Flat());
  EXPECT_FALSE(button->Rounded());

  themetest::ScopedThemeProvider scope{BuiltInThemeProvider()};
  VerUZED::LoadThemeApi();
  EXPECT_EQ(TProGridButton::GetXPColorScheme(), TProGridButton::csBlueScheme) << "\"NormalColor\"";
  button->Perform(WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(button->Color(), TColor(0xFDEADA));
  EXPECT_EQ(button->ColorTo(), TColor(0xE4AE88));
  EXPECT_EQ(button->ColorCheckedTo(), TColor(0x55ADFF));
  EXPECT_EQ(button->BorderDownColor(), TColor(0));
  // The XP face: a raised button with AutoXPStyle draws the style's push button (framed in
  // RGB(112, 112, 112), filled in RGB(236, 236, 236)), else the classic frame.
  button->SetAutoThemeAdapt(false);
  button->SetFlat(false);
  EXPECT_NE(Pixel(button, 5, 0), RGB(112, 112, 112));
  button->SetAutoXPStyle(true);
  button->Invalidate();   // the setter only stores
  EXPECT_EQ(Pixel(button, 5, 0), RGB(112, 112, 112));
  EXPECT_EQ(Pixel(button, 5, 5), RGB(236, 236, 236));
  VerUZED::UnloadThemeApi();
}

}  // namespace
