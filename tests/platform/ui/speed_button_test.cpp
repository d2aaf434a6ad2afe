// Speed buttons: the glyph-and-caption layout they share with bit buttons, their states under the
// mouse, groups held down, the flat look and the glyph images of each state.
#include <memory>
#include <vector>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/speed_button.h"
#include "platform/user/input_events.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr TColor kLime = 0x00FF00, kRed = 0x0000FF, kBlue = 0xFF0000;

struct LayoutCase {
  TRect client;
  TPoint offset;
  TSize text;
  TButtonLayout layout;
  Integer margin, spacing;
  TPoint glyph;
  TPoint textAt;
};

TEST(ButtonLayoutTest, GlyphAndCaptionFollowLayoutMarginAndSpacing) {
  const TSize glyph{16, 16};
  const LayoutCase cases[] = {
      {{0, 0, 100, 40}, {0, 0}, {30, 10}, blGlyphLeft, -1, 4, {25, 12}, {45, 15}},
      {{0, 0, 100, 40}, {0, 0}, {30, 10}, blGlyphRight, -1, 4, {59, 12}, {25, 15}},
      {{0, 0, 100, 80}, {0, 0}, {30, 10}, blGlyphTop, -1, 4, {42, 25}, {35, 45}},
      {{0, 0, 100, 80}, {0, 0}, {30, 10}, blGlyphBottom, 2, -1, {42, 62}, {35, 26}},
      {{0, 0, 100, 40}, {0, 0}, {30, 10}, blGlyphLeft, -1, -1, {18, 12}, {52, 15}},
      {{0, 0, 100, 40}, {0, 0}, {30, 10}, blGlyphLeft, 3, 4, {3, 12}, {23, 15}},
      {{0, 0, 100, 40}, {0, 0}, {0, 0}, blGlyphLeft, -1, 4, {42, 12}, {58, 20}},   // no caption: no spacing
      {{2, 2, 102, 42}, {1, 1}, {30, 10}, blGlyphLeft, -1, 4, {28, 15}, {48, 18}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << int(c.layout) << " margin " << c.margin << " spacing "
                                    << c.spacing);
    const TButtonPlacement p = CalcButtonLayout(c.client, c.offset, glyph, c.text, c.layout, c.margin, c.spacing);
    EXPECT_EQ(p.GlyphPos, c.glyph);
    EXPECT_EQ(p.TextBounds, Bounds(c.textAt.X, c.textAt.Y, c.text.cx, c.text.cy));
  }
}

TEST(ButtonGlyphTest, ASquareMultipleGlyphSetsTheCountAndEachImageIsThatWide) {
  TButtonGlyph glyph;
  TBitmap strip;
  strip.SetSize(24, 8);
  glyph.SetGlyph(&strip);
  EXPECT_EQ(glyph.NumGlyphs(), 3);
  EXPECT_EQ(glyph.GlyphSize(), (TSize{8, 8}));
  strip.SetSize(20, 8);   // not a whole multiple: the count stays
  glyph.SetGlyph(&strip);
  EXPECT_EQ(glyph.NumGlyphs(), 3);
  glyph.SetNumGlyphs(7);
  EXPECT_EQ(glyph.NumGlyphs(), 1);
  glyph.SetGlyph(nullptr);
  EXPECT_EQ(glyph.GlyphSize(), (TSize{0, 0}));
}

class SpeedButtonTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("Host", false);
    form_->SetClientWidth(200);
    form_->SetClientHeight(60);
    for (int i = 0; i < 3; ++i) {
      auto* b = new TSpeedButton(form_);
      b->SetBounds(10 + 50 * i, 10, 40, 30);
      b->SetParent(form_);
      b->OnClick = [this, i](TObject*) { clicks_.push_back(i); };
      buttons_.push_back(b);
    }
    form_->Show();
    driver_->Settle();
  }

  void Press(TSpeedButton* b, TPoint at) {
    driver_->MoveMouseTo(b, at);
    user::InjectMouseButton(user::MouseButton::Left, true);
    driver_->Settle();
  }
  void Release() {
    user::InjectMouseButton(user::MouseButton::Left, false);
    driver_->Settle();
  }
  std::vector<bool> Downs() const {
    std::vector<bool> downs;
    for (TSpeedButton* b : buttons_) downs.push_back(b->Down());
    return downs;
  }
  // 16 x 8, two images on lime (transparent): a red square (up) and a blue one (disabled).
  static std::unique_ptr<TBitmap> TwoImages() {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(16, 8);
    TCanvas* c = bitmap->Canvas();
    c->Brush()->SetColor(kLime);
    c->FillRect(TRect{0, 0, 16, 8});
    c->Brush()->SetColor(kRed);
    c->FillRect(TRect{2, 1, 6, 5});
    c->Brush()->SetColor(kBlue);
    c->FillRect(TRect{10, 1, 14, 5});
    return bitmap;
  }

  TForm* form_ = nullptr;
  std::vector<TSpeedButton*> buttons_;
  std::vector<int> clicks_;
};

TEST_F(SpeedButtonTest, PressDragOffAndBackThenReleaseClicksOnlyOverTheButton) {
  TSpeedButton* b = buttons_[0];
  Press(b, {5, 5});
  EXPECT_EQ(b->State(), bsDown);
  driver_->MoveMouseTo(b, {60, 5});
  EXPECT_EQ(b->State(), bsUp);
  driver_->MoveMouseTo(b, {6, 6});
  EXPECT_EQ(b->State(), bsDown);
  Release();
  EXPECT_EQ(b->State(), bsUp);
  EXPECT_FALSE(b->Down());   // GroupIndex 0 never stays down
  EXPECT_EQ(clicks_, std::vector<int>{0});
  Press(b, {5, 5});
  driver_->MoveMouseTo(b, {-5, 5});
  Release();
  EXPECT_EQ(b->State(), bsUp);
  EXPECT_EQ(clicks_, std::vector<int>{0});
  b->SetEnabled(false);
  EXPECT_EQ(b->State(), bsDisabled);
  driver_->Click(b);
  EXPECT_EQ(clicks_, std::vector<int>{0});
}

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDownAndAllowAllUpLetsItGoUp) {
  struct Case {
    bool allowAllUp;
    std::vector<int> clicksOn;
    std::vector<bool> downs;
  };
  const Case cases[] = {
      {false, {0}, {true, false, false}},
      {false, {0, 1}, {false, true, false}},
      {false, {0, 0}, {true, false, false}},   // the down button stays down
      {true, {0, 0}, {false, false, false}},
      {true, {2, 1}, {false, true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "allowAllUp " << c.allowAllUp << " clicks " << c.clicksOn.size());
    for (TSpeedButton* b : buttons_) {
      b->SetGroupIndex(1);
      b->SetAllowAllUp(true);
      b->SetDown(false);
      b->SetAllowAllUp(c.allowAllUp);
    }
    clicks_.clear();
    for (int i : c.clicksOn) driver_->Click(buttons_[size_t(i)]);
    EXPECT_EQ(Downs(), c.downs);
    EXPECT_EQ(clicks_, c.clicksOn);
    for (size_t i = 0; i < buttons_.size(); ++i)
      EXPECT_EQ(buttons_[i]->State(), c.downs[i] ? bsExclusive : bsUp);
  }
  // Down set by the program raises the rest of its group too; another group is left alone.
  buttons_[2]->SetGroupIndex(2);
  buttons_[2]->SetDown(true);
  buttons_[0]->SetDown(true);
  EXPECT_EQ(Downs(), (std::vector<bool>{true, false, true}));
}

TEST_F(SpeedButtonTest, FramesShowUpPressedHeldAndFlatHoverStates) {
  TSpeedButton* b = buttons_[0];
  const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
                 face = GetSysColor(COLOR_BTNFACE), dark = GetSysColor(COLOR_3DDKSHADOW);
  EXPECT_EQ(driver_->Pixel(b, 0, 0), hi);
  EXPECT_EQ(driver_->Pixel(b, 39, 29), dark);
  Press(b, {5, 5});
  EXPECT_EQ(driver_->Pixel(b, 0, 0), shadow);
  EXPECT_EQ(driver_->Pixel(b, 39, 29), hi);
  Release();
  b->SetGroupIndex(1);
  b->SetDown(true);   // held down: sunken, a checkerboard of face and highlight inside
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(b, 0, 0), shadow);
  const COLORREF a = driver_->Pixel(b, 10, 10), c = driver_->Pixel(b, 11, 10);
  EXPECT_NE(a, c);
  EXPECT_TRUE((a == face && c == hi) || (a == hi && c == face));
  b->SetDown(false);   // AllowAllUp is off: it stays down
  EXPECT_TRUE(b->Down());

  TSpeedButton* flat = buttons_[1];
  flat->SetFlat(true);
  driver_->MoveMouseTo(form_, {195, 55});
  EXPECT_EQ(driver_->Pixel(flat, 0, 0), face);   // transparent: the form shows
  driver_->MoveMouseTo(flat, {5, 5});
  EXPECT_TRUE(flat->MouseInControl());
  EXPECT_EQ(driver_->Pixel(flat, 0, 0), hi);
  EXPECT_EQ(driver_->Pixel(flat, 39, 29), shadow);
  Press(flat, {5, 5});
  EXPECT_EQ(driver_->Pixel(flat, 0, 0), shadow);
  Release();
  driver_->MoveMouseTo(form_, {195, 55});
  EXPECT_FALSE(flat->MouseInControl());
  EXPECT_EQ(driver_->Pixel(flat, 0, 0), face);
}

TEST_F(SpeedButtonTest, GlyphImagesFollowTheStateAndMoveWhenPressed) {
  TSpeedButton* b = buttons_[0];
  b->SetGlyph(TwoImages().get());
  EXPECT_EQ(b->NumGlyphs(), 2);
  driver_->Settle();
  // Inside the 2-pixel frame the 36 x 26 face centres the 8 x 8 image at (16, 11).
  EXPECT_EQ(driver_->Pixel(b, 18, 12), kRed);
  EXPECT_EQ(driver_->Pixel(b, 16, 11), GetSysColor(COLOR_BTNFACE));   // the transparent colour is not drawn
  Press(b, {5, 5});
  EXPECT_EQ(driver_->Pixel(b, 18, 12), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(driver_->Pixel(b, 19, 13), kRed);
  Release();
  b->SetEnabled(false);
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(b, 18, 12), kBlue);
  // One image only: disabled draws its shape embossed.
  b->SetNumGlyphs(1);
  b->SetGlyph(nullptr);
  auto single = TwoImages();
  single->SetSize(8, 8);
  b->SetGlyph(single.get());
  driver_->Settle();
  // 8 x 8 image centred at (16, 11): the square (2..5, 1..4) in shadow, its highlight copy one pixel
  // right and down showing at the bottom-right corner.
  EXPECT_EQ(driver_->Pixel(b, 18, 12), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(driver_->Pixel(b, 22, 16), GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(SpeedButtonTest, TheCaptionAcceleratorClicksOnlyAnEnabledButtonOnShow) {
  struct Case {
    const char* name;
    bool enabled;
    bool visible;
    char key;
    std::vector<int> clicks;
  };
  const Case cases[] = {
      {"enabled, shown", true, true, 'G', {1}},
      {"disabled", false, true, 'G', {}},
      {"hidden", true, false, 'G', {}},
      {"another letter", true, true, 'H', {}},
  };
  buttons_[1]->SetCaption("&Go");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    buttons_[1]->SetEnabled(c.enabled);
    buttons_[1]->SetVisible(c.visible);
    clicks_.clear();
    driver_->PressKey(c.key, {ssAlt});
    EXPECT_EQ(clicks_, c.clicks);
  }
}

}  // namespace
}  // namespace uitest
