#include "stream_fixtures.h"

#include <gtest/gtest.h>

#include "platform/classes/writer.h"
#include "platform/core/cp874.h"

std::unique_ptr<TTestForm> BuildTestTree() {
  auto form = std::make_unique<TTestForm>(nullptr);
  form->SetName("Form1");
  form->SetTag(7);
  auto* w1 = new TTestWidget(form.get());
  w1->SetName("Widget1");
  auto* w2 = new TTestWidget(form.get());
  w2->SetName("Widget2");
  w1->SetTag(-3);
  w1->SetDesignInfo(0x00200010);
  w1->Int = -100000;
  w1->Small = -300;
  w1->Big = Int64{1} << 40;
  w1->Flag = true;
  w1->Letter = 'Z';
  w1->WideLetter = u'\u0E01';
  w1->Color = tcBlue;
  w1->Styles = {tsBold, tsUnderline};
  w1->Ratio = 0.1;
  w1->Scale = 0.1f;
  w1->Price = Currency::FromRaw(-123456789);
  w1->Stamp = 46000.75;
  w1->Caption = std::string("Code ") + std::string("รหัส"_cp874) + "\r\n'quoted'";
  w1->WideCaption = u"\u0E01\u0E02 and \u20AC";
  w1->Font()->SetName("Arial");
  w1->Font()->SetSize(12);
  w1->Font()->SetStyle({tsItalic});
  auto* item = static_cast<TTestItem*>(w1->Items()->Add());
  item->Caption = "First";
  item = static_cast<TTestItem*>(w1->Items()->Add());
  item->Caption = "Second";
  item->Width = 120;
  w1->Lines()->SetText("one\r\ntwo, three\r\n");
  w1->SetBuddy(w2);
  w1->OnClick.Bind(form.get(), &TTestForm::WidgetClick);
  for (int i = 0; i < 40; ++i) w1->Data.push_back(static_cast<Byte>(i * 7));
  w2->Caption = std::string(300, 'x');
  w2->SetBuddy(w1);
  return form;
}

void ExpectSameTree(TTestForm& expected, TTestForm& actual) {
  EXPECT_EQ(actual.Name(), expected.Name());
  EXPECT_EQ(actual.Tag(), expected.Tag());
  ASSERT_EQ(actual.ComponentCount(), expected.ComponentCount());
  for (Integer i = 0; i < expected.ComponentCount(); ++i) {
    auto* e = dynamic_cast<TTestWidget*>(expected.Components(i));
    auto* a = dynamic_cast<TTestWidget*>(actual.Components(i));
    ASSERT_NE(a, nullptr);
    SCOPED_TRACE(e->Name());
    EXPECT_EQ(a->Name(), e->Name());
    EXPECT_EQ(a->Tag(), e->Tag());
    EXPECT_EQ(a->DesignInfo(), e->DesignInfo());
    EXPECT_EQ(a->Int, e->Int);
    EXPECT_EQ(a->Small, e->Small);
    EXPECT_EQ(a->Big, e->Big);
    EXPECT_EQ(a->Flag, e->Flag);
    EXPECT_EQ(a->Letter, e->Letter);
    EXPECT_EQ(a->WideLetter, e->WideLetter);
    EXPECT_EQ(a->Color, e->Color);
    EXPECT_EQ(a->Styles, e->Styles);
    EXPECT_EQ(a->Ratio, e->Ratio);
    EXPECT_EQ(a->Scale, e->Scale);
    EXPECT_EQ(a->Price.Raw(), e->Price.Raw());
    EXPECT_EQ(a->Stamp, e->Stamp);
    EXPECT_EQ(a->Caption, e->Caption);
    EXPECT_EQ(a->WideCaption, e->WideCaption);
    EXPECT_EQ(a->Data, e->Data);
    EXPECT_EQ(a->Font()->Name(), e->Font()->Name());
    EXPECT_EQ(a->Font()->Size(), e->Font()->Size());
    EXPECT_EQ(a->Font()->Style(), e->Font()->Style());
    EXPECT_EQ(a->Lines()->Text(), e->Lines()->Text());
    ASSERT_EQ(a->Items()->Count(), e->Items()->Count());
    for (Integer k = 0; k < e->Items()->Count(); ++k) {
      EXPECT_EQ(static_cast<TTestItem*>(a->Items()->Items(k))->Caption,
                static_cast<TTestItem*>(e->Items()->Items(k))->Caption);
      EXPECT_EQ(static_cast<TTestItem*>(a->Items()->Items(k))->Width,
                static_cast<TTestItem*>(e->Items()->Items(k))->Width);
    }
    ASSERT_EQ(a->Buddy() == nullptr, e->Buddy() == nullptr);
    if (e->Buddy() != nullptr) {
      EXPECT_EQ(a->Buddy()->Name(), e->Buddy()->Name());
      EXPECT_EQ(a->Buddy()->Owner(), &actual);
    }
    EXPECT_EQ(static_cast<bool>(a->OnClick), static_cast<bool>(e->OnClick));
    if (e->OnClick) {
      EXPECT_EQ(a->OnClick.Method().Data, &actual);
    }
  }
}

std::string StreamBytes(TMemoryStream& stream) {
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

void LoadBytes(TMemoryStream& stream, const std::string& bytes) {
  stream.Clear();
  stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  stream.SetPosition(0);
}

std::string WriteComponentBytes(TComponent* root) {
  TMemoryStream stream;
  stream.WriteComponent(root);
  return StreamBytes(stream);
}

std::unique_ptr<TComponent> ReadComponentBytes(const std::string& bytes, void (*setUp)(TReader&)) {
  TMemoryStream stream;
  LoadBytes(stream, bytes);
  TReader reader(&stream, 4096);
  if (setUp != nullptr) setUp(reader);
  return std::unique_ptr<TComponent>(reader.ReadRootComponent(nullptr));
}

std::string ShortStr(const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; }
std::string Int8Value(int v) { return std::string{static_cast<char>(vaInt8), static_cast<char>(v)}; }
std::string Int16Value(int v) {
  return std::string{static_cast<char>(vaInt16), static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
std::string IdentValue(const std::string& s) { return std::string(1, static_cast<char>(vaIdent)) + ShortStr(s); }
std::string StringValue(const std::string& s) { return std::string(1, static_cast<char>(vaString)) + ShortStr(s); }
