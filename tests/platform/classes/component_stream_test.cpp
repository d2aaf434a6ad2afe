#include <gtest/gtest.h>

#include "platform/classes/class_registry.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/object_text.h"
#include "platform/classes/property_table.h"
#include "platform/classes/reference_fixups.h"
#include "platform/classes/writer.h"
#include "stream_fixtures.h"

namespace {

class ComponentStream : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
};

const char kEnd = '\0';

// A stream written by hand from the format: Form1 (Tag 5) with Widget1 and Widget2.
struct Fixture {
  std::string widget2Class = "TTestWidget";
  std::string widget2Name = "Widget2";
  std::string intProp = ShortStr("Int") + Int16Value(0x1234);
  std::string colorValue = IdentValue("tcGreen");
  std::string captionValue = StringValue("Hi");
  std::string buddyValue = IdentValue("Widget2");
  std::string onClickValue = IdentValue("WidgetClick");
  std::string signature = "TPF0";

  std::string Bytes() const {
    std::string s = signature + ShortStr("TTestForm") + ShortStr("Form1");
    s += ShortStr("Tag") + Int8Value(5) + kEnd;
    s += ShortStr("TTestWidget") + ShortStr("Widget1");
    s += intProp;
    s += ShortStr("Caption") + captionValue;
    s += ShortStr("Color") + colorValue;
    s += ShortStr("Flag") + static_cast<char>(vaTrue);
    s += ShortStr("Styles") + static_cast<char>(vaSet) + ShortStr("tsBold") + ShortStr("tsUnderline") + ShortStr("");
    s += ShortStr("Font.Size") + Int8Value(14);
    s += ShortStr("Buddy") + buddyValue;
    s += ShortStr("OnClick") + onClickValue;
    s += ShortStr("Items") + static_cast<char>(vaCollection) + static_cast<char>(vaList) + ShortStr("Caption") +
         StringValue("A") + kEnd + static_cast<char>(vaList) + kEnd + kEnd;
    s += std::string(1, kEnd) + kEnd;
    s += ShortStr(widget2Class) + ShortStr(widget2Name) + kEnd + kEnd;
    s += kEnd;
    return s;
  }
};

TEST_F(ComponentStream, HandMadeStreamLoadsIntoTheExpectedComponents) {
  auto root = ReadComponentBytes(Fixture().Bytes());
  auto* form = dynamic_cast<TTestForm*>(root.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Tag(), 5);
  ASSERT_EQ(form->ComponentCount(), 2);
  auto* w1 = form->Widget1;
  ASSERT_NE(w1, nullptr);
  EXPECT_EQ(w1, form->Components(0));
  EXPECT_EQ(w1->Int, 0x1234);
  EXPECT_EQ(w1->Caption, "Hi");
  EXPECT_EQ(w1->Color, tcGreen);
  EXPECT_TRUE(w1->Flag);
  EXPECT_EQ(w1->Styles, (TTestStyles{tsBold, tsUnderline}));
  EXPECT_EQ(w1->Font()->Size(), 14);
  EXPECT_EQ(w1->Buddy(), form->Components(1));
  ASSERT_EQ(w1->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(w1->Items()->Items(0))->Caption, "A");
  EXPECT_EQ(static_cast<TTestItem*>(w1->Items()->Items(1))->Width, 64);
  w1->OnClick(w1);
  ASSERT_EQ(form->Clicks.size(), 1u);
  EXPECT_EQ(form->Clicks[0], w1);
  for (Integer i = 0; i < form->ComponentCount(); ++i) {
    auto* w = static_cast<TTestWidget*>(form->Components(i));
    EXPECT_EQ(w->LoadedCount, 1);
    EXPECT_FALSE(w->ComponentState().Contains(csLoading));
    EXPECT_FALSE(w->ComponentState().Contains(csReading));
  }
}

TEST_F(ComponentStream, BadStreamsRaiseTheClassLibrarysErrors) {
  struct Case {
    const char* what;
    void (*change)(Fixture&);
    const char* errorClass;
    const char* message;
  };
  const Case cases[] = {
      {"unknown property", [](Fixture& f) { f.intProp = ShortStr("Nope") + Int8Value(1); }, "EReadError",
       "Error reading Widget1.Nope: Property Nope does not exist"},
      {"unknown class", [](Fixture& f) { f.widget2Class = "TNope"; }, "EClassNotFound", "Class TNope not found"},
      {"bad enumeration value", [](Fixture& f) { f.colorValue = IdentValue("tcPink"); }, "EReadError",
       "Error reading Widget1.Color: Invalid property value"},
      {"wrong value kind", [](Fixture& f) { f.captionValue = Int8Value(3); }, "EReadError",
       "Error reading Widget1.Caption: Invalid property value"},
      {"path through a non-object", [](Fixture& f) { f.intProp = ShortStr("Caption.X") + Int8Value(1); },
       "EReadError", "Error reading Widget1.Caption.X: Invalid property path"},
      {"unknown handler", [](Fixture& f) { f.onClickValue = IdentValue("Nowhere"); }, "EReadError",
       "Error reading Widget1.OnClick: Invalid property value"},
      {"handler of another signature", [](Fixture& f) { f.onClickValue = IdentValue("WrongSignature"); },
       "EReadError", "Error reading Widget1.OnClick: Invalid property value"},
      {"reference to a non-widget", [](Fixture& f) { f.buddyValue = IdentValue("Owner"); }, "EReadError",
       "Invalid property value"},
      {"duplicate name", [](Fixture& f) { f.widget2Name = "WIDGET1"; }, "EComponentError",
       "A component named WIDGET1 already exists"},
      {"invalid name", [](Fixture& f) { f.widget2Name = "2nd"; }, "EComponentError",
       "'2nd' is not a valid component name"},
      {"bad signature", [](Fixture& f) { f.signature = "TPF1"; }, "EReadError", "Invalid stream format"},
  };
  for (const Case& c : cases) {
    Fixture fixture;
    c.change(fixture);
    try {
      ReadComponentBytes(fixture.Bytes());
      ADD_FAILURE() << c.what << ": no exception";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.ClassName(), c.errorClass) << c.what;
      EXPECT_EQ(e.Message(), c.message) << c.what;
    }
  }
}

TEST_F(ComponentStream, EveryTruncationRaisesAReadError) {
  const std::string bytes = Fixture().Bytes();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    try {
      ReadComponentBytes(bytes.substr(0, length));
      ADD_FAILURE() << "no exception at length " << length;
    } catch (const EReadError& e) {
      EXPECT_TRUE(e.Message().ends_with("Stream read error")) << length << ": " << e.Message();
    }
  }
  EXPECT_EQ(GlobalFixupCount(), 0);
}

TEST_F(ComponentStream, HandledErrorsSkipTheBadValueAndTheRestLoads) {
  Fixture fixture;
  fixture.intProp = ShortStr("Nope") + static_cast<char>(vaList) + Int8Value(1) + StringValue("x") + kEnd;
  fixture.widget2Class = "TNope";
  static std::vector<std::string> messages;
  messages.clear();
  auto root = ReadComponentBytes(fixture.Bytes(), [](TReader& r) {
    r.OnError = [](TReader*, const std::string& message, bool& handled) {
      messages.push_back(message);
      handled = true;
    };
  });
  auto* form = static_cast<TTestForm*>(root.get());
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Error reading Widget1.Nope: Property Nope does not exist");
  EXPECT_EQ(messages[1], "Class TNope not found");
  ASSERT_EQ(form->ComponentCount(), 1);   // Widget2 was skipped whole
  EXPECT_EQ(form->Widget1->Caption, "Hi");
  EXPECT_EQ(form->Widget1->Color, tcGreen);
  EXPECT_EQ(form->Widget1->Buddy(), nullptr);
  EXPECT_EQ(GlobalFixupCount(), 1);   // "Widget2" may still come from elsewhere
  root.reset();
  EXPECT_EQ(GlobalFixupCount(), 0);
}

TEST_F(ComponentStream, ARenameInOnSetNameCarriesTheReferences) {
  auto root = ReadComponentBytes(Fixture().Bytes(), [](TReader& r) {
    r.OnSetName = [](TReader*, TComponent*, std::string& name) {
      if (name == "Widget2") name = "Renamed";
    };
  });
  auto* form = static_cast<TTestForm*>(root.get());
  TComponent* renamed = form->FindComponent("Renamed");
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(form->Widget1->Buddy(), renamed);
}

TEST_F(ComponentStream, ATreeWithEveryPropertyKindRoundTrips) {
  auto tree = BuildTestTree();
  const std::string bytes = WriteComponentBytes(tree.get());
  ASSERT_EQ(bytes.substr(0, 4), "TPF0");
  auto copy = ReadComponentBytes(bytes);
  auto* form = dynamic_cast<TTestForm*>(copy.get());
  ASSERT_NE(form, nullptr);
  ExpectSameTree(*tree, *form);
  EXPECT_EQ(WriteComponentBytes(form), bytes);
}

TEST_F(ComponentStream, DefaultValuesAreLeftOut) {
  TTestForm form(nullptr);
  auto* w = new TTestWidget(&form);
  w->SetName("W");
  const std::string bytes = WriteComponentBytes(&form);
  // Int has no default and is always written; Big (Int64), floats and strings only when not zero
  // or empty; a collection always.
  EXPECT_EQ(bytes, "TPF0" + ShortStr("TTestForm") + ShortStr("") + kEnd + ShortStr("TTestWidget") + ShortStr("W") +
                       ShortStr("Int") + Int8Value(0) + ShortStr("Font.Name") + StringValue("Tahoma") + ShortStr("Items") +
                       static_cast<char>(vaCollection) + kEnd + kEnd + kEnd + kEnd);
}

TEST_F(ComponentStream, SeveralComponentsOnOneStreamReadBackInARow) {
  TMemoryStream stream;
  const char* names[] = {"First", "Second", "Third"};
  for (const char* name : names) {
    TTestForm form(nullptr);
    form.SetName(name);
    (new TTestWidget(&form))->SetName(std::string(name) + "Widget");
    stream.WriteComponent(&form);
  }
  stream.SetPosition(0);
  for (const char* name : names) {
    std::unique_ptr<TComponent> root(stream.ReadComponent(nullptr));
    EXPECT_EQ(root->Name(), name);
    ASSERT_EQ(root->ComponentCount(), 1);
    EXPECT_EQ(root->Components(0)->Name(), std::string(name) + "Widget");
  }
  EXPECT_EQ(stream.Position(), stream.Size());
}

TEST_F(ComponentStream, ReadingIntoAnExistingRootKeepsItAndCallsLoaded) {
  const std::string bytes = WriteComponentBytes(BuildTestTree().get());
  TTestForm form(nullptr);
  TMemoryStream stream;
  LoadBytes(stream, bytes);
  EXPECT_EQ(stream.ReadComponent(&form), &form);
  auto tree = BuildTestTree();
  ExpectSameTree(*tree, form);
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

TEST_F(ComponentStream, ADescendentStoresOnlyWhatDiffersFromItsAncestor) {
  auto ancestor = BuildTestTree();
  auto descendant = BuildTestTree();
  descendant->Widget1->Int = 99;
  TMemoryStream stream;
  stream.WriteDescendent(descendant.get(), ancestor.get());
  const std::string bytes = StreamBytes(stream);
  const std::string expected = "TPF0" + std::string(1, '\xF1') + ShortStr("TTestForm") + ShortStr("Form1") + kEnd +
                               '\xF1' + ShortStr("TTestWidget") + ShortStr("Widget1") + ShortStr("Int") +
                               Int8Value(99) + kEnd + kEnd + kEnd;
  EXPECT_EQ(bytes, expected);

  auto target = BuildTestTree();
  stream.SetPosition(0);
  stream.ReadComponent(target.get());
  EXPECT_EQ(target->Widget1->Int, 99);
  EXPECT_EQ(target->ComponentCount(), 2);

  TTestForm bare(nullptr);
  stream.SetPosition(0);
  try {
    stream.ReadComponent(&bare);
    ADD_FAILURE() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Ancestor for 'Widget1' not found");
  }
}

TEST_F(ComponentStream, OnAncestorNotFoundMaySupplyTheComponent) {
  auto ancestor = BuildTestTree();
  auto descendant = BuildTestTree();
  descendant->Widget1->Int = 99;
  TMemoryStream stream;
  stream.WriteDescendent(descendant.get(), ancestor.get());
  stream.SetPosition(0);
  TTestForm bare(nullptr);
  auto* supplied = new TTestWidget(&bare);
  TReader reader(&stream, 64);
  reader.OnAncestorNotFound = [supplied](TReader*, const std::string& name, TClass cls, TComponent*& component) {
    EXPECT_EQ(name, "Widget1");
    EXPECT_EQ(cls, TTestWidget::StaticClass());
    component = supplied;
  };
  reader.ReadRootComponent(&bare);
  EXPECT_EQ(supplied->Int, 99);
}

TEST_F(ComponentStream, OnFindMethodMaySupplyOrWaiveAHandler) {
  Fixture fixture;
  fixture.onClickValue = IdentValue("Nowhere");
  auto supplied = ReadComponentBytes(fixture.Bytes(), [](TReader& r) {
    r.OnFindMethod = [](TReader*, const std::string& name, const TMethodEntry*& address, bool& error) {
      EXPECT_EQ(name, "Nowhere");
      address = FindMethodEntry(TTestForm::StaticClass(), "OtherClick");
      error = false;
    };
  });
  auto* w1 = static_cast<TTestForm*>(supplied.get())->Widget1;
  EXPECT_EQ(MethodName(TTestForm::StaticClass(), w1->OnClick.Method().Code), "OtherClick");
  auto waived = ReadComponentBytes(fixture.Bytes(), [](TReader& r) {
    r.OnFindMethod = [](TReader*, const std::string&, const TMethodEntry*&, bool& error) { error = false; };
  });
  EXPECT_FALSE(static_cast<TTestForm*>(waived.get())->Widget1->OnClick);
}

TEST_F(ComponentStream, OnReferenceNameMayRedirectAReference) {
  auto root = ReadComponentBytes(Fixture().Bytes(), [](TReader& r) {
    r.OnReferenceName = [](TReader*, std::string& name) {
      if (name == "Widget2") name = "Widget1";
    };
  });
  auto* form = static_cast<TTestForm*>(root.get());
  EXPECT_EQ(form->Widget1->Buddy(), form->Widget1);
}

TEST_F(ComponentStream, ChildPositionsAndInlineFlagsReachTheComponents) {
  const std::string bytes = "TPF0" + ShortStr("TTestForm") + ShortStr("F") + kEnd + '\xF2' + Int8Value(1) +
                            ShortStr("TTestWidget") + ShortStr("A") + kEnd + kEnd + '\xF4' + ShortStr("TTestWidget") +
                            ShortStr("B") + kEnd + kEnd + kEnd;
  auto root = ReadComponentBytes(bytes);
  auto* form = static_cast<TTestForm*>(root.get());
  ASSERT_EQ(form->ChildOrders.size(), 1u);
  EXPECT_EQ(form->ChildOrders[0].first, form->FindComponent("A"));
  EXPECT_EQ(form->ChildOrders[0].second, 1);
  EXPECT_TRUE(form->FindComponent("B")->ComponentState().Contains(csInline));
  EXPECT_FALSE(form->FindComponent("A")->ComponentState().Contains(csInline));
  TMemoryStream in, out;
  LoadBytes(in, bytes);
  ObjectBinaryToText(&in, &out);
  EXPECT_EQ(StreamBytes(out), "object F: TTestForm\r\n  object A: TTestWidget [1]\r\n  end\r\n"
                              "  inline B: TTestWidget\r\n  end\r\nend\r\n");
  out.SetPosition(0);
  TMemoryStream back;
  ObjectTextToBinary(&out, &back);
  EXPECT_EQ(StreamBytes(back), bytes);
}

}  // namespace
