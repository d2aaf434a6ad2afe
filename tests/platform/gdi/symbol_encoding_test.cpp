// The Symbol encoding of the A text calls while the face "Symbol" is selected.
#include <gtest/gtest.h>

#include "platform/gdi/draw_text.h"
#include "platform/gdi/symbol_encoding.h"
#include "text_test_support.h"

namespace {

using namespace gdi;

TEST(SymbolEncoding, DecodesBytesOfTheSymbolCharacterSet) {
  const struct {
    unsigned char byte;
    char16_t unit;
  } cases[] = {
      {0xB7, u'\u2022'},  // the list bullet
      {'o', u'\u03BF'},   // omicron, the bullet of even list levels
      {'a', u'\u03B1'},   {'W', u'\u03A9'},   {'"', u'\u2200'},   {'1', u'1'},       {0xA5, u'\u221E'},
      {0xE6, u'\u239B'},  {0xD2, u'\u00AE'},  {'\r', u'\r'},      {'\t', u'\t'},     {0x80, u'\uFFFD'},
      {0xF0, u'\uFFFD'},  {0xFF, u'\uFFFD'},
  };
  for (const auto& c : cases) EXPECT_EQ(SymbolToUnicode(c.byte), c.unit) << int(c.byte);
}

TEST(SymbolEncoding, EncodesBackEveryDefinedByte) {
  for (int b = 0; b < 256; ++b) {
    const char16_t unit = SymbolToUnicode(static_cast<unsigned char>(b));
    if (unit == u'\uFFFD') continue;
    // The sans-serif marks 0xE2 .. 0xE4 share their code points with the serif ones 0xD2 .. 0xD4.
    const int expected = b >= 0xE2 && b <= 0xE4 ? b - 0x10 : b;
    EXPECT_EQ(static_cast<unsigned char>(SymbolFromUnicode(unit)), expected) << b;
  }
  EXPECT_EQ(SymbolFromUnicode(u'\u0E01'), '?');
}

TEST(SymbolEncoding, KnowsTheFaceByItsNameWithoutCaseAndBlanks) {
  const struct {
    const char16_t* face;
    bool symbol;
  } cases[] = {{u"Symbol", true}, {u"SYMBOL", true}, {u" Sym bol ", true}, {u"Symbola", false},
               {u"Sym", false},   {u"", false},      {u"Tahoma", false}};
  for (const auto& c : cases) {
    LOGFONTW font{};
    std::u16string_view face = c.face;
    std::copy(face.begin(), face.end(), font.lfFaceName);
    EXPECT_EQ(IsSymbolFace(font), c.symbol) << std::string(face.begin(), face.end());
  }
}

// The bullet byte in "Symbol" draws and measures as U+2022 of the face the configuration maps
// "Symbol" to, not as the Thai letter 0xB7 is in code page 874.
TEST(SymbolEncoding, TextCallsReadSymbolBytesWhileSymbolIsSelected) {
  const FontSpec symbol{"Symbol", -16};
  const FontSpec mapped{"DejaVu Sans", -16};
  const Ink bullet = Drawn(symbol, [](HDC dc) { Out(dc, 4, 4, "\xB7o"); });
  const Ink wide = Drawn(mapped, [](HDC dc) { TextOutW(dc, 4, 4, u"\u2022\u03BF", 2); });
  EXPECT_FALSE(bullet.empty());
  EXPECT_EQ(bullet, wide);
  const Ink drawText = Drawn(symbol, [](HDC dc) {
    TRect r{4, 4, 100, 40};
    DrawTextA(dc, "\xB7o", -1, &r, DT_NOPREFIX | DT_SINGLELINE);
  });
  EXPECT_EQ(drawText, wide);

  TestCanvas c(40, 40);
  int symbolWidth = 0, charWidth = 0, bulletWidth = 0;
  {
    WithFont f(c.dc(), symbol);
    symbolWidth = Width(c.dc(), "\xB7");
    GetCharWidthA(c.dc(), 0xB7, 0xB7, &charWidth);
  }
  {
    WithFont f(c.dc(), mapped);
    TSize size{};
    GetTextExtentPoint32W(c.dc(), u"\u2022", 1, &size);
    bulletWidth = size.cx;
  }
  EXPECT_EQ(symbolWidth, bulletWidth);
  EXPECT_EQ(charWidth, bulletWidth);
}

TEST(SymbolEncoding, OtherFacesKeepCodePage874) {
  const FontSpec tahoma{"Tahoma", -16};
  const Ink thai = Drawn(tahoma, [](HDC dc) { Out(dc, 4, 4, "\xB7"); });
  const Ink wide = Drawn(tahoma, [](HDC dc) { TextOutW(dc, 4, 4, u"\u0E17", 1); });
  EXPECT_EQ(thai, wide);
}

}  // namespace
