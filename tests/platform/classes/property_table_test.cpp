#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/class_registry.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/property_table.h"
#include "test_components.h"

namespace {

TEST(PropertyTable, InheritedPropertiesComeFirstInDeclarationOrder) {
  const auto& props = GetPropInfos(TTestWidget::StaticClass());
  ASSERT_GE(props.size(), 3u);
  EXPECT_EQ(props[0].Name, "Name");
  EXPECT_EQ(props[1].Name, "Tag");
  EXPECT_EQ(props[2].Name, "Int");
  for (std::size_t i = 0; i < props.size(); ++i) EXPECT_EQ(props[i].NameIndex, static_cast<Integer>(i));
  EXPECT_EQ(GetPropInfo(TTestWidget::StaticClass(), "wIdEcApTiOn"), &props[15]);
  EXPECT_EQ(GetPropInfo(TTestWidget::StaticClass(), "Missing"), nullptr);
  EXPECT_EQ(GetPropInfos(TComponent::StaticClass()).size(), 2u);
}

TEST(PropertyTable, EachValueTypeGetsItsKind) {
  struct Case {
    const char* name;
    TTypeKind kind;
    const char* typeName;
  };
  const Case cases[] = {
      {"Int", tkInteger, "Integer"},      {"Small", tkInteger, "SmallInt"},     {"Big", tkInt64, "Int64"},
      {"Flag", tkEnumeration, "Boolean"}, {"Letter", tkChar, "Char"},           {"WideLetter", tkWChar, "WideChar"},
      {"Color", tkEnumeration, "TTestColor"}, {"Styles", tkSet, "set of TTestStyle"},
      {"Ratio", tkFloat, "Double"},       {"Scale", tkFloat, "Single"},         {"Price", tkFloat, "Currency"},
      {"Stamp", tkFloat, "TDateTime"},    {"Caption", tkLString, "string"},     {"WideCaption", tkWString, "WideString"},
      {"Font", tkClass, ""},              {"Items", tkClass, ""},               {"Buddy", tkClass, ""},
      {"OnClick", tkMethod, ""},
  };
  for (const Case& c : cases) {
    const TPropInfo* prop = GetPropInfo(TTestWidget::StaticClass(), c.name);
    ASSERT_NE(prop, nullptr) << c.name;
    EXPECT_EQ(prop->Kind(), c.kind) << c.name;
    EXPECT_EQ(prop->PropType->Name, c.typeName) << c.name;
  }
  EXPECT_EQ(GetPropInfo(TTestWidget::StaticClass(), "Font")->PropType->ClassType(), TTestFont::StaticClass());
  EXPECT_EQ(GetPropInfo(TTestWidget::StaticClass(), "Color")->Default, tcRed);
  EXPECT_EQ(GetPropInfo(TTestWidget::StaticClass(), "Int")->Default, NoDefault);
  EXPECT_FALSE(GetPropInfo(TTestWidget::StaticClass(), "Name")->Stored == TStoredKind::Always);
}

TEST(PropertyTable, TypedAccessReachesTheMembers) {
  TTestWidget w(nullptr);
  SetOrdProp(&w, FindPropInfo(&w, "Int"), -7);
  SetOrdProp(&w, FindPropInfo(&w, "Big"), Int64{1} << 40);
  SetEnumProp(&w, FindPropInfo(&w, "Color"), "tcBlue");
  SetSetProp(&w, FindPropInfo(&w, "Styles"), "[tsItalic]");
  SetOrdProp(&w, FindPropInfo(&w, "Flag"), 1);
  SetFloatProp(&w, FindPropInfo(&w, "Ratio"), 2.5);
  SetFloatProp(&w, FindPropInfo(&w, "Price"), 1.2345);
  SetStrProp(&w, FindPropInfo(&w, "Caption"), "OK");
  SetWideStrProp(&w, FindPropInfo(&w, "WideCaption"), u"\u0E01");
  SetStrProp(&w, FindPropInfo(&w, "Name"), "Widget7");
  EXPECT_EQ(w.Int, -7);
  EXPECT_EQ(w.Big, Int64{1} << 40);
  EXPECT_EQ(w.Color, tcBlue);
  EXPECT_EQ(w.Styles, TTestStyles{tsItalic});
  EXPECT_TRUE(w.Flag);
  EXPECT_EQ(w.Ratio, 2.5);
  EXPECT_EQ(w.Price.Raw(), 12345);
  EXPECT_EQ(GetOrdProp(&w, FindPropInfo(&w, "Price")), 12345);
  EXPECT_EQ(w.Caption, "OK");
  EXPECT_EQ(w.WideCaption, u"\u0E01");
  EXPECT_EQ(w.Name(), "Widget7");
  EXPECT_EQ(GetEnumProp(&w, FindPropInfo(&w, "Color")), "tcBlue");
  EXPECT_EQ(GetSetProp(&w, FindPropInfo(&w, "Styles"), true), "[tsItalic]");
  EXPECT_EQ(GetObjectProp(&w, FindPropInfo(&w, "Font")), w.Font());
}

TEST(PropertyTable, MisuseRaisesPropertyErrors) {
  TTestWidget w(nullptr);
  TTestForm form(nullptr);
  EXPECT_THROW(FindPropInfo(&w, "Nope"), EPropertyError);
  EXPECT_THROW(GetStrProp(&w, FindPropInfo(&w, "Int")), EPropertyError);
  EXPECT_THROW(SetEnumProp(&w, FindPropInfo(&w, "Color"), "tcPink"), EPropertyConvertError);
  EXPECT_THROW(SetObjectProp(&w, FindPropInfo(&w, "Buddy"), &form), EPropertyConvertError);
}

TEST(PublishedMethods, BindByNameAndCheckTheSignature) {
  TTestForm form(nullptr);
  TTestWidget w(&form);
  const TPropInfo* onClick = FindPropInfo(&w, "OnClick");
  const TMethodEntry* handler = FindMethodEntry(TTestForm::StaticClass(), "widgetclick");
  ASSERT_NE(handler, nullptr);
  SetMethodProp(&w, onClick, handler, &form);
  w.OnClick(&w);
  ASSERT_EQ(form.Clicks.size(), 1u);
  EXPECT_EQ(form.Clicks[0], &w);
  EXPECT_EQ(MethodName(TTestForm::StaticClass(), GetMethodProp(&w, onClick).Code), "WidgetClick");

  TTestWidget other(nullptr);
  SetMethodProp(&other, onClick, GetMethodProp(&w, onClick));   // copies the binding
  other.OnClick(&other);
  EXPECT_EQ(form.Clicks.size(), 2u);

  EXPECT_THROW(SetMethodProp(&w, onClick, FindMethodEntry(TTestForm::StaticClass(), "WrongSignature"), &form),
               EPropertyConvertError);
  SetMethodProp(&w, onClick, TMethod{});
  EXPECT_FALSE(w.OnClick);
  w.OnClick(&w);   // an unassigned event is not called
  EXPECT_EQ(form.Clicks.size(), 2u);
}

TEST(ClassReferences, CreateByClassAndAnswerTheirAncestry) {
  TTestForm owner(nullptr);
  TComponent* c = CreateInstance<TComponent>(TTestWidget::StaticClass(), &owner);
  EXPECT_EQ(c->ClassName(), "TTestWidget");
  EXPECT_EQ(c->Owner(), &owner);
  EXPECT_TRUE(c->InheritsFrom(TComponent::StaticClass()));
  EXPECT_FALSE(TComponent::StaticClass()->InheritsFrom(TTestWidget::StaticClass()));
  EXPECT_EQ(TTestWidget::StaticClass()->ClassParent(), TComponent::StaticClass());
  EXPECT_TRUE(c->ClassNameIs("ttestwidget"));
  std::unique_ptr<TObject> font(TTestFont::StaticClass()->Create());
  EXPECT_EQ(font->ClassName(), "TTestFont");
  EXPECT_THROW(TObject::StaticClass()->Create(), EInvalidOperation);
  EXPECT_THROW(CreateInstance<TComponent>(TTestFont::StaticClass()), EInvalidCast);
  EXPECT_THROW(TTestWidget::StaticClass()->Create(font.get()), EInvalidCast);   // an owner must be a component
}

TEST(ClassRegistry, RegistersAncestorsAndReportsMissingClasses) {
  RegisterTestClasses();
  EXPECT_EQ(GetClass("TTESTWIDGET"), TTestWidget::StaticClass());
  EXPECT_EQ(GetClass("TComponent"), TComponent::StaticClass());
  EXPECT_EQ(GetClass("TPersistent"), TPersistent::StaticClass());
  EXPECT_EQ(GetClass("TObject"), nullptr);
  try {
    FindClass("TNowhere");
    FAIL() << "no exception";
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNowhere not found");
  }
  EXPECT_THROW(RegisterClassAlias(TTestForm::StaticClass(), "TTestWidget"), EFilerError);
  RegisterClassAlias(TTestForm::StaticClass(), "TOldForm");
  EXPECT_EQ(FindClass("TOldForm"), TTestForm::StaticClass());
  UnRegisterClass(TTestForm::StaticClass());
  EXPECT_EQ(GetClass("TOldForm"), nullptr);
  RegisterTestClasses();
}

}  // namespace
