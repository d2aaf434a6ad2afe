// Container styles and style controllers: default border styles by state, the disabled style's
// colours, values only the normal style holds, the lookup through chains of controllers, refused
// cycles, freeing a controller, change reports, value names and the form image of a style.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_container_style.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "foundation_test_support.h"
#include "platform/classes/publisher.h"
#include "tests/support/ui/ui_test_fixture.h"

// A container that publishes its four state styles, as the library's editors do.
class TStyledContainer : public TkxContainer {
  PR_CLASS(TStyledContainer, TkxContainer)

 public:
  using TkxContainer::TkxContainer;
};

PR_PUBLISH(TStyledContainer) {
  p.Property("Style", &TkxContainer::GetStyle, &TkxContainer::SetStyle);
  p.Property("StyleDisabled", &TkxContainer::GetStyleDisabled, &TkxContainer::SetStyleDisabled);
  p.Property("StyleFocused", &TkxContainer::GetStyleFocused, &TkxContainer::SetStyleFocused);
  p.Property("StyleHot", &TkxContainer::GetStyleHot, &TkxContainer::SetStyleHot);
}

namespace {

using foundationtest::ScopedUnits;

class ContainerStyleTest : public uitest::UiTest {
 protected:
  ContainerStyleTest() {
    form_ = NewForm("Host");
    container_ = NewContainer("Box");
  }
  TStyledContainer* NewContainer(const char* name) {
    auto* container = new TStyledContainer(form_);
    container->SetName(name);
    container->SetBounds(10, 10, 100, 24);
    container->SetParent(form_);
    return container;
  }
  // Styles of no container, their changes counted.
  std::unique_ptr<TkxContainerStyles> CountedStyles() {
    std::unique_ptr<TkxContainerStyles> styles(TkxContainerStyles::Create(nullptr, &TkxContainerStyle::Create));
    styles->SetChangeHandler([this](TObject*) { ++changes_; });
    return styles;
  }

  ScopedUnits units_{kxLookAndFeelsUnit, kxLookAndFeelPaintersUnit};
  TForm* form_ = nullptr;
  TStyledContainer* container_ = nullptr;
  int changes_ = 0;
};

TEST_F(ContainerStyleTest, DefaultBorderStylesDeepenForFocusAndHotOnlyWithHotTrack) {
  const TkxContainerBorderStyle deepened[] = {cbsFlat, cbsThick, cbsThick, cbs3D, cbs3D, cbsUltraFlat, cbsOffice11};
  for (bool hotTrack : {true, false}) {
    container_->GetStyle()->SetHotTrack(hotTrack);
    for (Integer normal = cbsNone; normal <= cbsOffice11; ++normal) {
      container_->GetStyle()->SetBorderStyle(TkxContainerBorderStyle(normal));
      const TkxContainerBorderStyle expected = hotTrack ? deepened[normal] : TkxContainerBorderStyle(normal);
      SCOPED_TRACE(testing::Message() << "normal " << normal << " hot track " << hotTrack);
      EXPECT_EQ(container_->GetStyleFocused()->BorderStyle(), expected);
      EXPECT_EQ(container_->GetStyleHot()->BorderStyle(), expected);
      EXPECT_EQ(container_->GetStyleDisabled()->BorderStyle(), normal) << "the disabled style keeps the border";
    }
  }
  // The normal style's own default follows the look-and-feel's kind.
  container_->GetStyle()->SetAssignedValues(0);
  const TkxContainerBorderStyle byKind[] = {cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};
  for (Integer kind = lfFlat; kind <= lfOffice11; ++kind) {
    container_->GetStyle()->LookAndFeel()->SetKind(TkxLookAndFeelKind(kind));
    EXPECT_EQ(container_->GetStyle()->BorderStyle(), byKind[kind]) << kind;
  }
}

TEST_F(ContainerStyleTest, TheDisabledStyleDefaultsToShadowAndFace) {
  TkxContainerStyle* disabled = container_->GetStyleDisabled();
  EXPECT_EQ(disabled->BorderColor(), clBtnShadow);
  EXPECT_EQ(disabled->TextColor(), clBtnShadow);
  EXPECT_EQ(disabled->GetColor(), clBtnFace);
  EXPECT_EQ(container_->GetStyle()->BorderColor(), clWindowFrame);
  EXPECT_EQ(container_->GetStyle()->GetColor(), clWindow);
  container_->GetStyle()->SetBorderColor(clRed);
  EXPECT_EQ(container_->GetStyleFocused()->BorderColor(), clRed) << "focused follows the normal style";
  EXPECT_EQ(disabled->BorderColor(), clBtnShadow);
}

TEST_F(ContainerStyleTest, ValuesOfTheNormalStyleOnlyChangeItFromAnyStateStyle) {
  const struct {
    const char* name;
    void (*set)(TkxContainerStyle*);
    bool (*changed)(TkxContainerStyle*);
  } cases[] = {
      {"Edges", [](TkxContainerStyle* s) { s->SetEdges({bLeft}); },
       [](TkxContainerStyle* s) { return s->Edges() == TkxBorders{bLeft}; }},
      {"HotTrack", [](TkxContainerStyle* s) { s->SetHotTrack(false); }, [](TkxContainerStyle* s) { return !s->HotTrack(); }},
      {"Shadow", [](TkxContainerStyle* s) { s->SetShadow(true); }, [](TkxContainerStyle* s) { return s->Shadow(); }},
      {"TransparentBorder", [](TkxContainerStyle* s) { s->SetTransparentBorder(false); },
       [](TkxContainerStyle* s) { return !s->TransparentBorder(); }},
      {"Font",
       [](TkxContainerStyle* s) {
         TFont font;
         font.SetSize(20);
         s->SetFont(&font);
       },
       [](TkxContainerStyle* s) { return s->Font()->Size() == 20; }},
  };
  for (Byte state : {kxStyleFocused, kxStyleDisabled, kxStyleHot}) {
    for (const auto& c : cases) {
      auto styles = CountedStyles();
      c.set(styles->GetStyleOfState(state));
      EXPECT_TRUE(c.changed(styles->GetNormalStyle())) << c.name << " on state " << int(state);
      EXPECT_TRUE(styles->GetNormalStyle()->IsValueAssigned(styles->GetNormalStyle()->FindStyleValue(c.name))) << c.name;
      EXPECT_FALSE(styles->GetStyleOfState(state)->FontStored() || styles->GetStyleOfState(state)->EdgesStored());
    }
  }
}

TEST_F(ContainerStyleTest, AValueComesThroughTwoControllers) {
  auto* first = new TkxStyleController(form_);
  auto* second = new TkxStyleController(form_);
  second->GetStyleOfState(kxStyleNormal)->SetStyleController(first);
  first->GetStyleOfState(kxStyleFocused)->SetBorderColor(clRed);
  first->GetStyleOfState(kxStyleNormal)->SetShadow(true);
  container_->GetStyle()->SetStyleController(second);
  EXPECT_EQ(container_->GetStyle()->StyleController(), second);
  EXPECT_EQ(container_->GetStyleFocused()->BorderColor(), clRed);
  EXPECT_TRUE(container_->GetStyleFocused()->IsValueAssigned(csvBorderColor));
  EXPECT_FALSE(container_->GetStyleFocused()->BorderColorStored()) << "assigned up the chain, not here";
  EXPECT_TRUE(container_->GetStyleHot()->Shadow());
  EXPECT_EQ(container_->GetStyle()->BorderColor(), clWindowFrame) << "only the focused state was assigned";

  second->GetStyleOfState(kxStyleFocused)->SetBorderColor(clBlue);
  EXPECT_EQ(container_->GetStyleFocused()->BorderColor(), clBlue) << "the nearer controller wins";
  container_->GetStyleFocused()->SetBorderColor(clLime);
  EXPECT_EQ(container_->GetStyleFocused()->BorderColor(), clLime) << "the style's own value wins";
}

TEST_F(ContainerStyleTest, CyclesOfControllersAreIgnored) {
  auto* first = new TkxStyleController(form_);
  auto* second = new TkxStyleController(form_);
  TkxContainerStyle* firstNormal = first->GetStyleOfState(kxStyleNormal);
  firstNormal->SetStyleController(first);
  EXPECT_EQ(firstNormal->StyleController(), nullptr) << "attached to itself";
  second->GetStyleOfState(kxStyleNormal)->SetStyleController(first);
  firstNormal->SetStyleController(second);
  EXPECT_EQ(firstNormal->StyleController(), nullptr) << "second already depends on first";
  EXPECT_EQ(first->ListenerCount(), 1);
  EXPECT_EQ(second->ListenerCount(), 0);
}

TEST_F(ContainerStyleTest, FreeingAControllerDropsItsStylesToTheDefault) {
  auto* controller = new TkxStyleController(form_);
  controller->GetStyleOfState(kxStyleNormal)->SetBorderColor(clRed);
  TStyledContainer* other = NewContainer("Other");
  container_->GetStyle()->SetStyleController(controller);
  other->GetStyle()->SetStyleController(controller);
  EXPECT_EQ(container_->GetStyle()->BorderColor(), clRed);
  EXPECT_EQ(container_->GetStyle()->LookAndFeel()->GetMaster(), controller->GetStyleOfState(0)->LookAndFeel());
  delete controller;
  for (TStyledContainer* c : {container_, other}) {
    EXPECT_EQ(c->GetStyle()->StyleController(), nullptr);
    EXPECT_EQ(c->FakeStyleController(), nullptr);
    EXPECT_EQ(c->GetStyle()->BorderColor(), clWindowFrame);
    EXPECT_EQ(c->GetStyle()->LookAndFeel()->GetMaster(), SharedRootLookAndFeel());
  }
}

TEST_F(ContainerStyleTest, EachRealChangeIsReportedOnceAndUpdatesGather) {
  auto styles = CountedStyles();
  TkxContainerStyle* focused = styles->GetFocusedStyle();
  focused->SetBorderColor(clRed);
  focused->SetBorderColor(clRed);
  EXPECT_EQ(changes_, 1);
  focused->SetTextColor(clRed);
  focused->SetTextColor(clRed);
  EXPECT_EQ(changes_, 2);

  changes_ = 0;
  focused->BeginUpdate();
  for (TColor color = 1; color <= 10; ++color) focused->SetColor(color);
  EXPECT_EQ(changes_, 0);
  focused->EndUpdate();
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(focused->GetColor(), 10);
  focused->EndUpdate();   // unbalanced: nothing
  EXPECT_EQ(changes_, 1);
}

TEST_F(ContainerStyleTest, ValueNamesAndPublishedStateProperties) {
  TkxContainerStyle* style = container_->GetStyle();
  for (const char* name : {"BorderColor", "bordercolor", "BORDERCOLOR", "bOrDeRcOlOr"}) EXPECT_EQ(style->FindStyleValue(name), 0) << name;
  EXPECT_EQ(style->FindStyleValue("TransparentBorder"), 9);
  EXPECT_EQ(style->FindStyleValue("Border"), -1);
  EXPECT_EQ(style->GetStyleValueName(10), "");
  EXPECT_FALSE(style->IsValueAssigned(10));
  EXPECT_TRUE(style->IsStateStylePropertyPublished("BorderColor"));
  EXPECT_FALSE(style->IsStateStylePropertyPublished("Edges"));
  EXPECT_FALSE(style->IsStateStylePropertyPublished("LookAndFeel"));
  EXPECT_TRUE(style->IsStateStylePropertyPublished("Anything"));
  EXPECT_FALSE(container_->IsStylePropertySupported("Shadow", true));
  EXPECT_TRUE(container_->IsStylePropertySupported("Shadow", false));
}

TEST_F(ContainerStyleTest, AFormImageKeepsOnlyAssignedValuesAndTheFontMark) {
  container_->GetStyle()->SetBorderStyle(cbsSingle);
  container_->GetStyleFocused()->SetBorderColor(clRed);
  TFont defaults;
  container_->GetStyle()->SetFont(&defaults);   // assigned, though equal to a new font
  const std::string text = uitest::FormImageText(container_);
  EXPECT_NE(text.find("Style.BorderStyle = cbsSingle"), std::string::npos) << text;
  EXPECT_NE(text.find("StyleFocused.BorderColor = clRed"), std::string::npos) << text;
  EXPECT_NE(text.find("Style.IsFontAssigned = True"), std::string::npos) << text;
  for (const char* absent : {"Style.Color", "Style.Edges", "StyleFocused.BorderStyle", "StyleHot.", "StyleDisabled.",
                             "AssignedValues", "FakeStyleController"})
    EXPECT_EQ(text.find(absent), std::string::npos) << absent << " in\n" << text;

  std::unique_ptr<TStyledContainer> owned(new TStyledContainer(nullptr));   // no owner: its name is free
  TStyledContainer* copy = owned.get();
  uitest::ReadFormImageText(text, copy);
  EXPECT_EQ(copy->GetStyle()->AssignedValues(), container_->GetStyle()->AssignedValues());
  EXPECT_TRUE(copy->GetStyle()->IsValueAssigned(csvFont));
  EXPECT_EQ(copy->GetStyle()->BorderStyle(), cbsSingle);
  EXPECT_EQ(copy->GetStyleFocused()->BorderColor(), clRed);
  EXPECT_FALSE(copy->GetStyleFocused()->IsValueAssigned(csvBorderStyle));
}

}  // namespace
