// Embedded editor buttons: the collection's change reports, one Default button, visible captions,
// the glyph created on first read, Assign, and the view info's repaint decision.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/kx_edit_buttons.h"
#include "platform/gdi/region.h"
#include "platform/ui/bitmap.h"

namespace {

struct Buttons {
  Buttons() : buttons(nullptr, TkxEditButtons::GetButtonClass()) {
    buttons.OnChange = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &buttons);
      ++changes;
    };
  }
  TkxEditButtons buttons;
  int changes = 0;
};

TEST(EditButtons, NewButtonIsAVisibleEnabledStretchableDownButtonWithCentredContent) {
  Buttons b;
  TkxEditButton* button = b.buttons.Add();
  EXPECT_EQ(button->Kind(), bkDown);
  EXPECT_TRUE(button->Visible());
  EXPECT_TRUE(button->Enabled());
  EXPECT_TRUE(button->Stretchable());
  EXPECT_EQ(button->ContentAlignment(), taCenter);
  EXPECT_EQ(button->TextColor(), clBtnText);
  EXPECT_FALSE(button->Default());
  EXPECT_EQ(button->Width(), 0);
}

TEST(EditButtons, OnlyOneButtonOfACollectionIsDefault) {
  Buttons b;
  TkxEditButton* first = b.buttons.Add();
  TkxEditButton* second = b.buttons.Add();
  TkxEditButton* third = b.buttons.Add();
  first->SetDefault(true);
  third->SetDefault(true);
  second->SetDefault(true);
  EXPECT_FALSE(first->Default());
  EXPECT_TRUE(second->Default());
  EXPECT_FALSE(third->Default());
  second->SetDefault(false);
  EXPECT_FALSE(second->Default());
}

TEST(EditButtons, CaptionShowsWithoutAcceleratorPrefixes) {
  struct Case {
    const char* caption;
    const char* visible;
  };
  const Case cases[] = {{"&Open", "Open"}, {"a&&b", "a&b"}, {"x&", "x_"}, {"plain", "plain"}, {"", ""}};
  Buttons b;
  TkxEditButton* button = b.buttons.Add();
  for (const Case& c : cases) {
    button->SetCaption(c.caption);
    EXPECT_EQ(button->VisibleCaption(), c.visible) << c.caption;
  }
}

TEST(EditButtons, EveryWriterReportsARealChangeOnce) {
  Buttons b;
  TkxEditButton* button = b.buttons.Add();
  struct Step {
    const char* what;
    void (*change)(TkxEditButton*);
  };
  const Step steps[] = {
      {"Caption", [](TkxEditButton* x) { x->SetCaption("&Go"); }},
      {"ContentAlignment", [](TkxEditButton* x) { x->SetContentAlignment(taLeftJustify); }},
      {"Default", [](TkxEditButton* x) { x->SetDefault(true); }},
      {"Enabled", [](TkxEditButton* x) { x->SetEnabled(false); }},
      {"Kind", [](TkxEditButton* x) { x->SetKind(bkText); }},
      {"LeftAlignment", [](TkxEditButton* x) { x->SetLeftAlignment(true); }},
      {"Stretchable", [](TkxEditButton* x) { x->SetStretchable(false); }},
      {"TextColor", [](TkxEditButton* x) { x->SetTextColor(clRed); }},
      {"Visible", [](TkxEditButton* x) { x->SetVisible(false); }},
      {"Width", [](TkxEditButton* x) { x->SetWidth(20); }},
  };
  for (const Step& step : steps) {
    b.changes = 0;
    step.change(button);
    EXPECT_EQ(b.changes, 1) << step.what;
    step.change(button);   // the same value again
    EXPECT_EQ(b.changes, 1) << step.what << " repeated";
  }
  EXPECT_EQ(b.buttons.CountVisible(), 0);
}

TEST(EditButtons, NegativeWidthIsStoredAsTheNaturalWidth) {
  Buttons b;
  TkxEditButton* button = b.buttons.Add();
  button->SetWidth(15);
  button->SetWidth(-4);
  EXPECT_EQ(button->Width(), 0);
  button->SetWidth(7);   // a negative width does not stick
  EXPECT_EQ(button->Width(), 7);
}

TEST(EditButtons, FreshGlyphIsEmptyAndItsChangesNotify) {
  Buttons b;
  TkxEditButton* button = b.buttons.Add();
  EXPECT_FALSE(button->HasGlyph());
  EXPECT_FALSE(button->GlyphStored());
  TBitmap* glyph = button->Glyph();
  ASSERT_NE(glyph, nullptr);
  EXPECT_TRUE(glyph->Empty());
  b.changes = 0;
  glyph->SetWidth(8);
  glyph->SetHeight(8);
  EXPECT_GE(b.changes, 1);
  EXPECT_TRUE(button->GlyphStored());
  b.changes = 0;
  button->SetGlyph(nullptr);
  EXPECT_EQ(b.changes, 1);
  EXPECT_FALSE(button->HasGlyph());
}

TEST(EditButtons, AssignCopiesEverySettingInOneReport) {
  Buttons source;
  TkxEditButton* from = source.buttons.Add();
  from->SetCaption("a&&b");
  from->SetContentAlignment(taRightJustify);
  from->SetEnabled(false);
  from->SetKind(bkGlyph);
  from->Glyph()->SetWidth(4);
  from->Glyph()->SetHeight(3);
  from->SetLeftAlignment(true);
  from->SetStretchable(false);
  from->SetTag(42);
  from->SetTextColor(clBlue);
  from->SetWidth(12);

  Buttons target;
  target.buttons.Add();
  TkxEditButton* to = target.buttons.Add();
  target.buttons.Items(0)->SetDefault(true);
  from->SetDefault(true);
  target.changes = 0;
  to->Assign(from);
  EXPECT_EQ(target.changes, 1);
  EXPECT_EQ(to->Caption(), "a&&b");
  EXPECT_EQ(to->VisibleCaption(), "a&b");
  EXPECT_EQ(to->ContentAlignment(), taRightJustify);
  EXPECT_TRUE(to->Default());
  EXPECT_FALSE(target.buttons.Items(0)->Default());
  EXPECT_FALSE(to->Enabled());
  EXPECT_EQ(to->Kind(), bkGlyph);
  EXPECT_EQ(to->Glyph()->Width(), 4);
  EXPECT_NE(to->Glyph(), from->Glyph());
  EXPECT_TRUE(to->LeftAlignment());
  EXPECT_FALSE(to->Stretchable());
  EXPECT_EQ(to->Tag(), 42);
  EXPECT_EQ(to->TextColor(), clBlue);
  EXPECT_EQ(to->Width(), 12);
}

TEST(EditButtonViewInfo, RepaintRegionCoversTheButtonOnlyWhenItsLookChanged) {
  TkxEditButtonViewInfo previous;
  previous.Bounds = TRect{10, 2, 26, 18};
  struct Case {
    const char* what;
    void (*change)(TkxEditButtonViewInfo&);
    bool repaint;
  };
  const Case cases[] = {
      {"nothing", [](TkxEditButtonViewInfo&) {}, false},
      {"caption only", [](TkxEditButtonViewInfo& v) { v.Data.VisibleCaption = "x"; }, false},
      {"state", [](TkxEditButtonViewInfo& v) { v.Data.State = ebsSelected; }, true},
      {"style", [](TkxEditButtonViewInfo& v) { v.Data.Style = btsFlat; }, true},
      {"background", [](TkxEditButtonViewInfo& v) { v.Data.BackgroundColor = clRed; }, true},
      {"theme state", [](TkxEditButtonViewInfo& v) { v.Data.NativeState = 3; }, true},
  };
  for (const Case& c : cases) {
    TkxEditButtonViewInfo current;
    current.Assign(&previous);
    EXPECT_EQ(current.Bounds, previous.Bounds);
    c.change(current);
    std::unique_ptr<TkxRegion> region = current.GetButtonRepaintRegion(previous);
    TRect box{};
    GetRgnBox(region->Handle(), &box);
    EXPECT_EQ(box, c.repaint ? previous.Bounds : TRect{}) << c.what;
  }
}

TEST(EditButtonViewInfo, ButtonStylesMapToLookAndFeelKinds) {
  const std::pair<TkxEditButtonStyle, TkxLookAndFeelKind> cases[] = {
      {btsDefault, lfStandard}, {bts3D, lfStandard},          {btsFlat, lfFlat},          {btsSimple, lfFlat},
      {btsHotFlat, lfFlat},     {btsUltraFlat, lfUltraFlat}, {btsOffice11, lfOffice11}};
  for (auto [style, kind] : cases) EXPECT_EQ(ButtonStyleLookAndFeelKind(style), kind) << int(style);
}

}  // namespace
