// Edit styles: the six edit values (defaults, the lookup through the default and other controllers,
// state styles deferring to the base style, values only the base style holds), their names, the
// default controller's life with the unit, an in-place editor's style without controller, Assign.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/editors/kx_edit_styles.h"
#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

class TInPlaceBox : public TkxContainer {
 public:
  using TkxContainer::TkxContainer;
  bool IsInPlaceMode() override { return true; }
};

class EditStyleTest : public uitest::UiTest {
 protected:
  EditStyleTest() { kxEditStylesUnit.initialize(); }
  ~EditStyleTest() override { kxEditStylesUnit.finalize(); }

  static std::unique_ptr<TkxContainerStyles> NewStyles(TPersistent* AOwner = nullptr) {
    return std::unique_ptr<TkxContainerStyles>(TkxContainerStyles::Create(AOwner, &TkxEditStyle::Create));
  }
  static TkxEditStyle* StyleOf(const TkxContainerStyles& styles, Byte AState) {
    return static_cast<TkxEditStyle*>(styles.GetStyleOfState(AState));
  }
};

TEST_F(EditStyleTest, TheDefaultControllerLivesWithTheUnitAndIsTheContainersDefault) {
  TkxEditStyleController* controller = GetDefaultEditStyleController();
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(GetUnitDefaultStyleController(), controller);
  EXPECT_EQ(controller->Style()->ClassType(), ClassOf<TkxEditStyle>());
  std::unique_ptr<TkxContainerStyles> styles = NewStyles();
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->GetEffectiveController(), controller);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->StyleController(), nullptr);   // the default is not named
  kxEditStylesUnit.finalize();
  EXPECT_EQ(GetDefaultEditStyleController(), nullptr);
  EXPECT_EQ(GetUnitDefaultStyleController(), nullptr);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->GetEffectiveController(), nullptr);   // let go, not dangling
  kxEditStylesUnit.initialize();
}

TEST_F(EditStyleTest, AFreshStyleAnswersTheDefaultsAndTakesTheDefaultControllersValues) {
  std::unique_ptr<TkxContainerStyles> styles = NewStyles();
  for (Byte state = kxStyleNormal; state <= kxStyleHot; ++state) {
    TkxEditStyle* style = StyleOf(*styles, state);
    EXPECT_EQ(style->ButtonStyle(), btsDefault) << int(state);
    EXPECT_EQ(style->ButtonTransparency(), ebtNone) << int(state);
    EXPECT_FALSE(style->Gradient()) << int(state);
    EXPECT_FALSE(style->GradientButtons()) << int(state);
    EXPECT_EQ(style->GradientDirection(), dirDown) << int(state);
    EXPECT_EQ(style->PopupBorderStyle(), epbsDefault) << int(state);
    EXPECT_TRUE(style->PopupCloseButton()) << int(state);
  }
  TkxEditStyleController* controller = GetDefaultEditStyleController();
  controller->Style()->SetBorderStyle(ebsUltraFlat);
  controller->Style()->SetColor(clYellow);
  controller->StyleHot()->SetButtonStyle(btsHotFlat);
  controller->Style()->SetPopupBorderStyle(epbsFlat);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->BorderStyle(), ebsUltraFlat);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->Color(), clYellow);
  EXPECT_EQ(StyleOf(*styles, kxStyleHot)->ButtonStyle(), btsHotFlat);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->ButtonStyle(), btsDefault);
  EXPECT_EQ(StyleOf(*styles, kxStyleFocused)->PopupBorderStyle(), epbsFlat);   // through its base style
  // An own value wins over the controller's.
  StyleOf(*styles, kxStyleHot)->SetButtonStyle(btsSimple);
  EXPECT_EQ(StyleOf(*styles, kxStyleHot)->ButtonStyle(), btsSimple);
}

TEST_F(EditStyleTest, AValueComesThroughAChainOfControllers) {
  TkxEditStyleController first(nullptr), second(nullptr);
  second.Style()->SetGradientDirection(dirLeft);
  first.Style()->SetStyleController(&second);
  std::unique_ptr<TkxContainerStyles> styles = NewStyles();
  StyleOf(*styles, kxStyleNormal)->SetStyleController(&first);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->GradientDirection(), dirLeft);
  EXPECT_EQ(StyleOf(*styles, kxStyleDisabled)->GradientDirection(), dirLeft);
  EXPECT_TRUE(StyleOf(*styles, kxStyleNormal)->IsValueAssigned(esvGradientDirection));
  StyleOf(*styles, kxStyleNormal)->SetStyleController(nullptr);
}

TEST_F(EditStyleTest, BaseOnlyValuesWrittenOnAStateStyleChangeTheBaseStyle) {
  struct Case {
    const char* what;
    void (*write)(TkxEditStyle*);
    bool (*changedOnBase)(const TkxEditStyle*);
    Integer value;   // -1: no value bit (the close button)
  };
  const Case cases[] = {
      {"Gradient", [](TkxEditStyle* s) { s->SetGradient(true); }, [](const TkxEditStyle* s) { return s->Gradient(); },
       esvGradient},
      {"ButtonTransparency", [](TkxEditStyle* s) { s->SetButtonTransparency(ebtHideInactive); },
       [](const TkxEditStyle* s) { return s->ButtonTransparency() == ebtHideInactive; }, esvButtonTransparency},
      {"GradientDirection", [](TkxEditStyle* s) { s->SetGradientDirection(dirUp); },
       [](const TkxEditStyle* s) { return s->GradientDirection() == dirUp; }, esvGradientDirection},
      {"PopupBorderStyle", [](TkxEditStyle* s) { s->SetPopupBorderStyle(epbsFrame3D); },
       [](const TkxEditStyle* s) { return s->PopupBorderStyle() == epbsFrame3D; }, esvPopupBorderStyle},
      {"PopupCloseButton", [](TkxEditStyle* s) { s->SetPopupCloseButton(false); },
       [](const TkxEditStyle* s) { return !s->PopupCloseButton(); }, -1},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TkxContainerStyles> styles = NewStyles();
    int changes = 0;
    styles->SetChangeHandler([&](TObject*) { ++changes; });
    TkxEditStyle* hot = StyleOf(*styles, kxStyleHot);
    TkxEditStyle* base = StyleOf(*styles, kxStyleNormal);
    c.write(hot);
    c.write(hot);
    EXPECT_EQ(changes, 1) << c.what;
    EXPECT_TRUE(c.changedOnBase(base)) << c.what;
    EXPECT_TRUE(c.changedOnBase(hot)) << c.what;   // the state style reads the base style
    EXPECT_EQ(hot->AssignedValues(), 0u) << c.what;
    if (c.value >= 0) {
      EXPECT_NE(base->AssignedValues() & StyleValueBit(c.value), 0u) << c.what;
    }
  }
}

TEST_F(EditStyleTest, TheButtonStyleMayDifferPerState) {
  std::unique_ptr<TkxContainerStyles> styles = NewStyles();
  StyleOf(*styles, kxStyleNormal)->SetButtonStyle(btsFlat);
  StyleOf(*styles, kxStyleHot)->SetButtonStyle(btsHotFlat);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->ButtonStyle(), btsFlat);
  EXPECT_EQ(StyleOf(*styles, kxStyleHot)->ButtonStyle(), btsHotFlat);
  EXPECT_EQ(StyleOf(*styles, kxStyleFocused)->ButtonStyle(), btsFlat);   // unassigned: the base style's
}

TEST_F(EditStyleTest, AGradientSetOnTheHotStyleOfAnEditorIsStoredOnlyByItsBaseStyle) {
  TForm* form = NewForm("Host");
  auto* box = new TkxContainer(form);
  std::unique_ptr<TkxContainerStyles> styles = NewStyles(box);
  StyleOf(*styles, kxStyleHot)->SetGradient(true);
  StyleOf(*styles, kxStyleHot)->SetButtonStyle(btsFlat);
  EXPECT_TRUE(StyleOf(*styles, kxStyleNormal)->GradientStored());
  EXPECT_FALSE(StyleOf(*styles, kxStyleHot)->GradientStored());
  EXPECT_TRUE(StyleOf(*styles, kxStyleHot)->ButtonStyleStored());
}

TEST_F(EditStyleTest, AnInPlaceEditorsStyleHasNoDefaultController) {
  TForm* form = NewForm("Host");
  auto* box = new TInPlaceBox(form);
  std::unique_ptr<TkxContainerStyles> styles = NewStyles(box);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->GetDefaultStyleController(), nullptr);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->GetEffectiveController(), nullptr);
  GetDefaultEditStyleController()->Style()->SetButtonStyle(bts3D);
  EXPECT_EQ(StyleOf(*styles, kxStyleNormal)->ButtonStyle(), btsDefault);
  // A style in direct access has none either.
  TkxEditStyle light(nullptr, kxStyleNormal, nullptr, true);
  EXPECT_EQ(light.GetDefaultStyleController(), nullptr);
}

TEST_F(EditStyleTest, ValueNamesAndTheBaseOnlySet) {
  TkxEditStyle style(nullptr, kxStyleNormal, nullptr, false);
  EXPECT_EQ(style.GetStyleValueCount(), 16);
  const char* names[] = {"BorderColor",  "BorderStyle", "Color",          "Edges",
                         "Font",         "HotTrack",    "Shadow",         "TextColor",
                         "TextStyle",    "TransparentBorder", "ButtonStyle", "ButtonTransparency",
                         "PopupBorderStyle", "GradientButtons", "Gradient", "GradientDirection"};
  for (Integer i = 0; i < 16; ++i) EXPECT_EQ(style.GetStyleValueName(i), names[i]) << i;
  EXPECT_EQ(style.GetStyleValueName(16), "");
  EXPECT_EQ(style.GetStyleValueName(-1), "");
  EXPECT_EQ(style.GetUnpublishedExtendedValues(), 64120u);
  EXPECT_EQ(style.FindStyleValue("gradientdirection"), esvGradientDirection);
}

TEST_F(EditStyleTest, AssignCopiesTheEditValuesAndTheirBits) {
  std::unique_ptr<TkxContainerStyles> source = NewStyles(), target = NewStyles();
  StyleOf(*source, kxStyleNormal)->SetButtonStyle(btsOffice11);
  StyleOf(*source, kxStyleNormal)->SetGradient(true);
  StyleOf(*source, kxStyleNormal)->SetPopupCloseButton(false);
  int changes = 0;
  target->SetChangeHandler([&](TObject*) { ++changes; });
  StyleOf(*target, kxStyleNormal)->Assign(StyleOf(*source, kxStyleNormal));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(StyleOf(*target, kxStyleNormal)->ButtonStyle(), btsOffice11);
  EXPECT_TRUE(StyleOf(*target, kxStyleNormal)->Gradient());
  EXPECT_FALSE(StyleOf(*target, kxStyleNormal)->PopupCloseButton());
  EXPECT_TRUE(StyleOf(*target, kxStyleNormal)->IsValueAssigned(esvButtonStyle));
}

TEST_F(EditStyleTest, ADirectAccessCopyReadsItsOwnValuesAsStored) {
  std::unique_ptr<TkxContainerStyles> styles = NewStyles();
  StyleOf(*styles, kxStyleNormal)->SetButtonStyle(btsUltraFlat);
  TkxEditStyle light(nullptr, kxStyleNormal, nullptr, true);
  light.Assign(StyleOf(*styles, kxStyleNormal));
  EXPECT_EQ(light.ButtonStyle(), btsUltraFlat);
  EXPECT_EQ(light.PopupBorderStyle(), epbsDefault);   // not assigned: the default, not the raw field
  light.SetGradientDirection(dirNone);                // outside dirLeft..dirDown: ignored
  EXPECT_EQ(light.GradientDirection(), dirDown);
}

}  // namespace
