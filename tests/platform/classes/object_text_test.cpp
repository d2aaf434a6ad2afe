#include <gtest/gtest.h>

#include "platform/classes/classes_errors.h"
#include "platform/classes/object_text.h"
#include "platform/core/cp874.h"
#include "platform/core/format_settings.h"
#include "stream_fixtures.h"

namespace {

class ObjectText : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    saved_ = FormatSettings;
    FormatSettings.DecimalSeparator = ',';   // a locale that writes 0,1
    FormatSettings.ThousandSeparator = '.';
  }
  void TearDown() override { FormatSettings = saved_; }

 private:
  TFormatSettings saved_;
};

std::string ToText(const std::string& binary) {
  TMemoryStream in, out;
  LoadBytes(in, binary);
  ObjectBinaryToText(&in, &out);
  EXPECT_EQ(in.Position(), in.Size());
  return StreamBytes(out);
}

std::string ToBinary(const std::string& text) {
  TMemoryStream in, out;
  LoadBytes(in, text);
  ObjectTextToBinary(&in, &out);
  return StreamBytes(out);
}

TEST_F(ObjectText, TheTreeRoundTripsByteForByteWithPointDecimals) {
  auto tree = BuildTestTree();
  tree->Widget1->Ratio = 2;   // a whole number must still read back as a float
  auto* w2 = static_cast<TTestWidget*>(tree->Components(1));
  w2->Ratio = 1e300;
  w2->Scale = -3.4e38f;
  w2->Stamp = -1.5;
  w2->Price = Currency::FromRaw(INT64_MAX);
  w2->Big = INT64_MIN;
  w2->WideCaption = std::u16string(70, u'\u0E01');
  for (int i = 0; i < 5000; ++i) w2->Data.push_back(static_cast<Byte>(i * 13));   // text of many KB
  const std::string binary = WriteComponentBytes(tree.get());
  const std::string text = ToText(binary);
  EXPECT_EQ(ToBinary(text), binary);
  for (const char* line : {"    Ratio = 2.0\r\n", "    Scale = 0.1s\r\n", "    Stamp = 46000.75d\r\n",
                            "    Price = -123456789c\r\n", "    Ratio = 1.0000000000000000525E300\r\n",
                            "    Scale = -3.4e+38s\r\n", "    Stamp = -1.5d\r\n",
                            "    Price = 9223372036854775807c\r\n", "    Big = -9223372036854775808\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t i = 1; i + 1 < text.size(); ++i)   // no decimal comma anywhere
    EXPECT_FALSE(text[i] == ',' && digit(text[i - 1]) && digit(text[i + 1])) << text.substr(i - 10, 20);
  auto copy = ReadComponentBytes(ToBinary(text));
  ExpectSameTree(*tree, *static_cast<TTestForm*>(copy.get()));
}

TEST_F(ObjectText, ValuesAreWrittenAsTheClassLibraryWritesThem) {
  auto tree = BuildTestTree();
  const std::string text = ToText(WriteComponentBytes(tree.get()));
  const std::string expectedStart =
      "object Form1: TTestForm\r\n"
      "  Tag = 7\r\n"
      "  object Widget1: TTestWidget\r\n"
      "    Tag = -3\r\n"
      "    Int = -100000\r\n"
      "    Small = -300\r\n"
      "    Big = 1099511627776\r\n"
      "    Flag = True\r\n"
      "    Letter = 'Z'\r\n"
      "    WideLetter = #3585\r\n"
      "    Color = tcBlue\r\n"
      "    Styles = [tsBold, tsUnderline]\r\n"
      // The double nearest 0.1 is 0.1000000000000000055511151231257827...; as an 80-bit value it
      // needs more digits than as a double to read back to the same bytes.
      "    Ratio = 0.1000000000000000055";
  EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
  const std::string caption = "    Caption = 'Code " + std::string("รหัส"_cp874) + "'#13#10#39'quoted'#39\r\n";
  for (const std::string& line : {caption, std::string("    WideCaption = #3585#3586' and '#8364\r\n"),
                                   std::string("    Font.Name = 'Arial'\r\n"),
                                   std::string("    Font.Style = [tsItalic]\r\n"),
                                   std::string("    Items = <\r\n      item\r\n        Caption = 'First'\r\n"
                                               "      end\r\n      item\r\n        Caption = 'Second'\r\n"
                                               "        Width = 120\r\n      end>\r\n"),
                                   std::string("    Lines.Strings = (\r\n      'one'\r\n      'two, three')\r\n"),
                                   std::string("    Buddy = Widget2\r\n    OnClick = WidgetClick\r\n"),
                                   std::string("    Left = 16\r\n    Top = 32\r\n"),
                                   std::string("    Data = {\r\n      00070E151C232A31383F464D545B626970777E858C939AA1"
                                               "A8AFB6BDC4CBD2D9\r\n      E0E7EEF5FC030A11}\r\n"),
                                   std::string("    Caption = \r\n      'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                                               "xxxxxxxxxxxxx' +\r\n")})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
  EXPECT_TRUE(text.ends_with("  end\r\nend\r\n"));
}

TEST_F(ObjectText, TextFromElsewhereIsRead) {
  const std::string text =
      "\xEF\xBB\xBF"
      "inherited Form1: TTestForm\n"
      "  Tag = $10\n"
      "  object W: TTestWidget [3]\n"
      "    Caption = 'it''s' + ' \xE0\xB8\x81'\n"     // a UTF-8 source: the Thai letter ko kai
      "    Ratio = 1.5E2\n"
      "    Price = 125000c\n"
      "    Items = <\n      item [2]\n      end>\n"
      "  end\n"
      "end\n";
  const std::string binary = ToBinary(text);
  const std::string expected =
      "TPF0" + std::string(1, '\xF1') + ShortStr("TTestForm") + ShortStr("Form1") + ShortStr("Tag") +
      Int8Value(16) + '\0' + '\xF2' + Int8Value(3) + ShortStr("TTestWidget") + ShortStr("W") + ShortStr("Caption") +
      std::string(1, vaWString) + std::string("\x06\0\0\0i\0t\0'\0s\0 \0\x01\x0E", 16) + ShortStr("Ratio") +
      static_cast<char>(vaExtended) + std::string("\0\0\0\0\0\0\0\x96\x06\x40", 10) + ShortStr("Price") +
      static_cast<char>(vaCurrency) + std::string("\x48\xE8\x01\0\0\0\0\0", 8) + ShortStr("Items") +
      static_cast<char>(vaCollection) + Int8Value(2) + static_cast<char>(vaList) + std::string(5, '\0');
  EXPECT_EQ(binary, expected);
}

TEST_F(ObjectText, ErrorsNameTheLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"object A: TTestForm\r\n  Tag 5\r\nend\r\n", "'=' expected on line 2"},
      {"thing A: TTestForm\r\nend\r\n", "OBJECT expected on line 1"},
      {"object A: TTestForm\r\n  Caption = 'open\r\nend\r\n", "Invalid string constant on line 2"},
      {"object A: TTestForm\r\n  Data = {0A1}\r\nend\r\n", "Invalid binary value on line 2"},
      {"object A: TTestForm\r\n  Tag = ;\r\nend\r\n", "Invalid property on line 2"},
      {"object A: TTestForm\r\n  Tag = 1\r\n", "Identifier expected on line 3"},
      {"object A: TTestForm\r\n  Set = [a, 1]\r\nend\r\n", "Identifier expected on line 2"},
  };
  for (const Case& c : cases) {
    try {
      ToBinary(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message(), c.message) << c.text;
    }
  }
}

TEST_F(ObjectText, SeveralObjectsInOneTextConvertInARow) {
  TMemoryStream in, out;
  LoadBytes(in, "object A: TTestForm\r\nend\r\nobject B: TTestForm\r\n  Tag = 2\r\nend\r\n");
  ObjectTextToBinary(&in, &out);
  ObjectTextToBinary(&in, &out);
  out.SetPosition(0);
  std::unique_ptr<TComponent> a(out.ReadComponent(nullptr));
  std::unique_ptr<TComponent> b(out.ReadComponent(nullptr));
  EXPECT_EQ(a->Name(), "A");
  EXPECT_EQ(b->Name(), "B");
  EXPECT_EQ(b->Tag(), 2);
}

TEST_F(ObjectText, StreamFormatIsRecognised) {
  struct Case {
    std::string bytes;
    TStreamOriginalFormat format;
  };
  const Case cases[] = {{"TPF0\x09", sofBinary},   {"object A: T", sofText}, {"inherited", sofText},
                        {"\xEF\xBB\xBFobject", sofText}, {"PK\x03\x04", sofUnknown}, {"", sofUnknown}};
  for (const Case& c : cases) {
    TMemoryStream s;
    LoadBytes(s, c.bytes);
    EXPECT_EQ(TestStreamFormat(&s), c.format) << c.bytes;
    EXPECT_EQ(s.Position(), 0);
  }
}

}  // namespace
