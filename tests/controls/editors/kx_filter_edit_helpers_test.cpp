// Filter-edit helpers: the controller finds a helper by the registered class's parent and
// descendants, and goes away with its last pair; a filter editor's properties prepared from a
// column editor's; the supported operators by value type; value checks by value type.
#include <gtest/gtest.h>

#include "controls/editors/kx_custom_edit.h"
#include "controls/editors/kx_filter_edit_helpers.h"
#include "controls/editors/kx_number_value_types.h"
#include "controls/editors/kx_text_value_types.h"
#include "platform/classes/publisher.h"
#include "tests/support/ui/ui_test_fixture.h"

// A custom properties class and its published descendant, as the text editor's.
class TFilterProbeCustomProperties : public TkxCustomEditProperties {
  PR_CLASS(TFilterProbeCustomProperties, TkxCustomEditProperties)

 public:
  using TkxCustomEditProperties::TkxCustomEditProperties;
};
class TFilterProbeProperties : public TFilterProbeCustomProperties {
  PR_CLASS(TFilterProbeProperties, TFilterProbeCustomProperties)

 public:
  using TFilterProbeCustomProperties::TFilterProbeCustomProperties;
};
// Properties whose display text shows the value in brackets, telling focus flags apart.
class TFilterProbeTextProperties : public TkxCustomEditProperties {
  PR_CLASS(TFilterProbeTextProperties, TkxCustomEditProperties)

 public:
  using TkxCustomEditProperties::TkxCustomEditProperties;
  void FormatDisplayText(const Variant& Value, bool AEditFocused, bool AByFocus, std::string& Text) const override {
    Text = "[" + VarToStr(Value) + (AEditFocused ? " focused" : "") + (AByFocus ? " by focus" : "") + "]";
  }
};
class TFilterProbeHelper : public TkxCustomFilterEditHelper {
  PR_CLASS(TFilterProbeHelper, TkxCustomFilterEditHelper)

 public:
  bool KeepsDefaultValuesProvider(TkxCustomEditProperties*) const override { return false; }
  bool KeepsButtons() const override { return true; }
};
PR_IMPLEMENT_CLASS(TFilterProbeCustomProperties)
PR_IMPLEMENT_CLASS(TFilterProbeProperties)
PR_IMPLEMENT_CLASS(TFilterProbeHelper)
PR_IMPLEMENT_CLASS(TFilterProbeTextProperties)

namespace {

TEST(FilterEditHelpers, ARegisteredPropertiesClassIsFoundByItsParentAndItsDescendants) {
  TkxFilterEditsController* controller = GetFilterEditsController();
  controller->RegisterPair(ClassOf<TFilterProbeProperties>(), ClassOf<TFilterProbeHelper>());
  EXPECT_EQ(controller->GetItem(0).ItemClass, ClassOf<TFilterProbeCustomProperties>());
  EXPECT_EQ(controller->FindHelper(ClassOf<TFilterProbeCustomProperties>()), ClassOf<TFilterProbeHelper>());
  EXPECT_EQ(controller->FindHelper(ClassOf<TFilterProbeProperties>()), ClassOf<TFilterProbeHelper>());
  EXPECT_EQ(controller->FindHelper(ClassOf<TkxCustomEditProperties>()), nullptr);
  controller->UnregisterPair(ClassOf<TFilterProbeProperties>(), ClassOf<TFilterProbeHelper>());   // frees it
  EXPECT_EQ(GetFilterEditsController()->GetCount(), 0);
  EXPECT_EQ(GetFilterEditsController()->FindHelper(ClassOf<TFilterProbeProperties>()), nullptr);
}

TEST(FilterEditHelpers, AReadOnlyColumnEditorGivesAnEditableFilterEditorWithoutHandlers) {
  TkxCustomEditDefaultValuesProvider provider(nullptr);
  TkxCustomEditProperties column(nullptr);
  column.SetReadOnly(true);
  column.SetBeepOnError(true);
  column.SetMaxValue(9);
  column.Alignment()->SetHorz(taRightJustify);
  column.Alignment()->SetVert(taVCenter);
  column.Buttons()->Add();
  column.SetDefaultValuesProvider(&provider);
  column.OnValidate = [](TObject*, Variant&, std::string&, bool& Error) { Error = true; };
  column.OnChange = [](TObject*) {};
  column.OnButtonClick = [](TObject*, Integer) {};
  column.OnEditValueChanged = [](TObject*) {};
  struct Case {
    const char* what;
    TClass helperClass;
    bool hasButtons, keepsProvider;
  };
  const Case cases[] = {
      {"base helper", ClassOf<TkxCustomFilterEditHelper>(), false, true},
      {"helper with buttons, without provider", ClassOf<TFilterProbeHelper>(), true, false},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TkxCustomFilterEditHelper> helper = MakeFilterEditHelper(c.helperClass);
    TkxCustomEditProperties filter(nullptr);
    helper->InitializeProperties(&filter, &column, helper->KeepsButtons());
    EXPECT_FALSE(filter.ReadOnly()) << c.what;
    EXPECT_TRUE(filter.IsReadOnlyStored()) << c.what;
    EXPECT_TRUE(filter.IsModifiable()) << c.what;
    EXPECT_TRUE(filter.ValidateOnEnter()) << c.what;
    EXPECT_FALSE(filter.BeepOnError()) << c.what;
    EXPECT_FALSE(filter.OnValidate || filter.OnChange || filter.OnButtonClick || filter.OnEditValueChanged) << c.what;
    EXPECT_EQ(filter.Alignment()->Horz(), taLeftJustify) << c.what;
    EXPECT_EQ(filter.Alignment()->Vert(), taTopJustify) << c.what;
    EXPECT_EQ(filter.MaxValue(), 9) << c.what;
    EXPECT_EQ(filter.Buttons()->Count(), c.hasButtons ? 1 : 0) << c.what;
    EXPECT_EQ(filter.GetDefaultValuesProvider() != nullptr, c.keepsProvider) << c.what;
  }
  EXPECT_TRUE(column.ReadOnly());   // the column editor keeps its own
  EXPECT_TRUE(column.OnValidate);
}

TEST(FilterEditHelpers, SupportedOperatorsByValueType) {
  auto ordinals = [](std::initializer_list<Integer> list) {
    TkxFilterOperators set = 0;
    for (Integer ordinal : list) set |= FilterOperatorBit(ordinal);
    return set;
  };
  struct Case {
    const char* what;
    TkxValueTypeClass valueType;
    bool extended;
    TkxFilterOperators expected;
  };
  const Case cases[] = {
      {"integer", ValueTypeClassOf<TkxIntegerValueType>(), false, ordinals({1, 2, 3, 4, 5, 6, 9, 10})},
      {"integer, extended", ValueTypeClassOf<TkxIntegerValueType>(), true,
       ordinals({1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14})},
      {"string", ValueTypeClassOf<TkxStringValueType>(), false, ordinals({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})},
      {"string, extended", ValueTypeClassOf<TkxStringValueType>(), true,
       ordinals({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})},
      {"no value type", nullptr, false, ordinals({1, 2, 3, 4, 5, 6, 9, 10})},
  };
  TkxCustomFilterEditHelper helper;
  for (const Case& c : cases)
    EXPECT_EQ(helper.GetSupportedFilterOperators(nullptr, c.valueType, c.extended), c.expected) << c.what;
}

TEST(FilterEditHelpers, AValueIsValidWhenItsTypeCanTakeIt) {
  TkxCustomFilterEditHelper helper;
  Variant number("12");
  EXPECT_TRUE(helper.IsValueValid(ValueTypeClassOf<TkxIntegerValueType>(), number));
  EXPECT_EQ(number.VarType(), varInteger);
  Variant word("twelve");
  EXPECT_FALSE(helper.IsValueValid(ValueTypeClassOf<TkxIntegerValueType>(), word));
  helper.ClearPropertiesEvents(nullptr);   // ignored
}

class FilterEditTest : public uitest::UiTest {};

TEST_F(FilterEditTest, TheFilterEditorTakesTheColumnSettingsAndReportsItsValueWithTheColumnsText) {
  TForm* form = NewForm("FilterForm");
  auto* edit = new TkxCustomEdit(form);
  edit->SetParent(form);
  TFilterProbeTextProperties column(nullptr);
  column.SetReadOnly(true);
  column.Buttons()->Add();
  std::unique_ptr<TkxCustomFilterEditHelper> helper = MakeFilterEditHelper(ClassOf<TFilterProbeHelper>());
  helper->InitializeFilterEdit(edit, &column);
  EXPECT_FALSE(edit->Properties()->ReadOnly());
  EXPECT_EQ(edit->Properties()->Buttons()->Count(), 1);   // this helper keeps buttons
  edit->AssignEditValue(Variant(42));
  std::string text;
  Variant value;
  helper->GetFilterValue(edit, &column, text, value);
  EXPECT_EQ(VarToStr(value), "42");
  EXPECT_EQ(text, "[42 by focus]");
}

}  // namespace
