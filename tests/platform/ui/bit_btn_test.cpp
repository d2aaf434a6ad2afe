// Bit buttons: what each Kind presets and when it turns custom, clicking in a modal form, and the
// owner-drawn face with its glyph up, pressed and disabled.
#include <memory>
#include <string>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/user/input_events.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr TColor kLime = 0x00FF00, kRed = 0x0000FF;

class BitBtnTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("Host", false);
    button_ = new TBitBtn(form_);
    button_->SetName("Bit");
    button_->SetBounds(10, 10, 75, 25);
    button_->SetParent(form_);
  }

  TForm* form_ = nullptr;
  TBitBtn* button_ = nullptr;
};

TEST_F(BitBtnTest, EachKindPresetsCaptionResultDefaultCancelAndGlyph) {
  struct Case {
    TBitBtnKind kind;
    std::string caption;
    TModalResult result;
    bool isDefault, isCancel;
  };
  const Case cases[] = {
      {bkOK, "OK", mrOk, true, false},           {bkCancel, "Cancel", mrCancel, false, true},
      {bkYes, "&Yes", mrYes, true, false},       {bkNo, "&No", mrNo, false, true},
      {bkAbort, "Abort", mrAbort, false, false}, {bkRetry, "&Retry", mrRetry, false, false},
      {bkIgnore, "&Ignore", mrIgnore, false, false}, {bkAll, "&All", mrAll, false, false},
      {bkHelp, "&Help", mrNone, false, false},   {bkClose, "&Close", mrNone, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    button_->SetKind(c.kind);
    EXPECT_EQ(button_->Kind(), c.kind);
    EXPECT_EQ(button_->Caption(), c.caption);
    EXPECT_EQ(button_->ModalResult(), c.result);
    EXPECT_EQ(button_->Default(), c.isDefault);
    EXPECT_EQ(button_->Cancel(), c.isCancel);
    TBitmap* glyph = button_->Glyph();
    ASSERT_FALSE(glyph->Empty());
    EXPECT_EQ(glyph->Canvas()->Pixels(0, glyph->Height() - 1), clOlive);   // the transparent corner
  }
  // Leaving the preset makes the kind custom; the caption alone does not.
  button_->SetKind(bkOK);
  button_->SetCaption("Fine");
  EXPECT_EQ(button_->Kind(), bkOK);
  button_->SetModalResult(mrIgnore);
  EXPECT_EQ(button_->Kind(), bkCustom);
  button_->SetKind(bkCancel);
  button_->SetGlyph(nullptr);
  EXPECT_EQ(button_->Kind(), bkCustom);
}

TEST_F(BitBtnTest, OkEndsTheModalFormAndCloseClosesIt) {
  button_->SetKind(bkOK);
  int clicks = 0;
  button_->OnClick = [&](TObject*) { ++clicks; };
  driver_->OnNextModal([](TCustomForm&, TTestDriver& d) { d.Click("Bit"); });
  EXPECT_EQ(form_->ShowModal(), mrOk);
  EXPECT_EQ(clicks, 1);
  button_->SetKind(bkClose);
  driver_->OnNextModal([](TCustomForm&, TTestDriver& d) { d.Click("Bit"); });
  EXPECT_EQ(form_->ShowModal(), mrCancel);
  EXPECT_EQ(clicks, 1);   // closing replaces the click
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(BitBtnTest, TheGlyphIsDrawnUpPressedAndDisabled) {
  TBitmap glyph;
  glyph.SetSize(8, 8);
  glyph.Canvas()->Brush()->SetColor(kLime);
  glyph.Canvas()->FillRect(TRect{0, 0, 8, 8});
  glyph.Canvas()->Brush()->SetColor(kRed);
  glyph.Canvas()->FillRect(TRect{2, 1, 6, 5});
  button_->SetGlyph(&glyph);
  button_->SetCaption("");
  form_->Show();
  driver_->Settle();
  // With or without the default frame the 8 x 8 glyph sits at (34, 9) in the 75 x 25 face.
  EXPECT_EQ(driver_->Pixel(button_, 36, 10), kRed);
  EXPECT_EQ(driver_->Pixel(button_, 34, 9), GetSysColor(COLOR_BTNFACE));
  driver_->MoveMouseTo(button_, {5, 5});
  user::InjectMouseButton(user::MouseButton::Left, true);
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(button_, 36, 10), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(driver_->Pixel(button_, 37, 11), kRed);
  user::InjectMouseButton(user::MouseButton::Left, false);
  driver_->Settle();
  button_->SetEnabled(false);
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(button_, 36, 10), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(driver_->Pixel(button_, 40, 14), GetSysColor(COLOR_BTNHIGHLIGHT));
}

}  // namespace
}  // namespace uitest
