// Fonts: the configuration's face mapping, LOGFONT records, stock fonts, metrics and character
// widths.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gdi/font_system.h"
#include "text_test_support.h"

namespace {

std::string TextFace(HDC dc) {
  char face[64] = {};
  GetTextFaceA(dc, sizeof face, face);
  return face;
}

std::vector<int> Widths(HDC dc, UINT first, UINT last) {
  std::vector<int> w(last - first + 1);
  GetCharWidth32W(dc, first, last, w.data());
  return w;
}

TEST(Fonts, LoadsTheProjectsConfiguration) {
  const std::string file = gdi::FontSystem::Instance().ConfigFile();
  ASSERT_FALSE(file.empty());
  EXPECT_EQ(file, gdi::FindFontConfigFile());
  EXPECT_NE(file.find("fonts.conf"), std::string::npos);
}

// A mapped face measures exactly as the font it maps to: same metrics, same widths.
TEST(Fonts, FaceNamesResolveThroughTheConfiguration) {
  struct Case {
    FontSpec requested;
    const char* family;   // the installed family it must behave as
  } cases[] = {
      {{"MS Shell Dlg 2", -11}, "Tahoma"},
      {{"MS Sans Serif", -11}, "Tahoma"},
      {{"ms sans serif", -11}, "Tahoma"},
      {{"Arial", -13}, "Liberation Sans"},
      {{"Microsoft Sans Serif", -11}, "Liberation Sans"},
      {{"Times New Roman", -15, FW_BOLD, 1}, "Liberation Serif"},
      {{"Courier New", -12}, "Liberation Mono"},
      {{"", -12}, "Tahoma"},
      {{"No Such Face", -12}, "Tahoma"},
      {{"No Such Face", -12, FW_NORMAL, 0, 0, DEFAULT_CHARSET, FF_ROMAN}, "Liberation Serif"},
      {{"No Such Face", -12, FW_NORMAL, 0, 0, DEFAULT_CHARSET, FIXED_PITCH}, "Liberation Mono"},
  };
  DisplayDc display;
  HDC dc = display.dc();
  for (const Case& c : cases) {
    FontSpec direct = c.requested;
    direct.face = c.family;
    WithFont a(dc, c.requested);
    const TEXTMETRICA requested = Metrics(dc);
    const std::vector<int> requestedWidths = Widths(dc, 0x20, 0x7E);
    WithFont b(dc, direct);
    const TEXTMETRICA expected = Metrics(dc);
    EXPECT_EQ(std::memcmp(&requested, &expected, sizeof expected), 0) << c.requested.face;
    EXPECT_EQ(requestedWidths, Widths(dc, 0x20, 0x7E)) << c.requested.face;
  }
}

TEST(Fonts, TextFaceIsTheRequestedNameWhenKnownElseTheFamilyUsed) {
  struct Case {
    const char* requested;
    const char* reported;
  } cases[] = {{"Tahoma", "Tahoma"},       {"Arial", "Arial"}, {"Liberation Sans", "Liberation Sans"},
               {"No Such Face", "Tahoma"}, {"", "Tahoma"},     {"@Tahoma", "Tahoma"}, {"Loma", "Loma"}};
  DisplayDc display;
  for (const Case& c : cases) {
    WithFont f(display.dc(), {c.requested, -12});
    EXPECT_EQ(TextFace(display.dc()), c.reported) << c.requested;
  }
  WithFont f(display.dc(), {"Tahoma", -12});
  char small[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(GetTextFaceA(display.dc(), 4, small), 4);
  EXPECT_STREQ(small, "Tah");
  EXPECT_EQ(GetTextFaceA(display.dc(), 0, nullptr), 7);
  char16_t wide[16] = {};
  EXPECT_EQ(GetTextFaceW(display.dc(), 16, wide), 7);
  EXPECT_EQ(std::u16string(wide), u"Tahoma");
  EXPECT_EQ(GetTextFaceA(nullptr, 4, small), 0);
}

TEST(Fonts, GetObjectGivesTheLogFontBack) {
  LOGFONTA in{};
  in.lfHeight = -13;
  in.lfWidth = 5;
  in.lfEscapement = 900;
  in.lfOrientation = 450;
  in.lfWeight = FW_SEMIBOLD;
  in.lfItalic = 1;
  in.lfUnderline = 1;
  in.lfStrikeOut = 1;
  in.lfCharSet = THAI_CHARSET;
  in.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  in.lfClipPrecision = CLIP_LH_ANGLES;
  in.lfQuality = PROOF_QUALITY;
  in.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  const std::string_view thaiFace = "อักษร"_cp874;
  std::memcpy(in.lfFaceName, thaiFace.data(), thaiFace.size());
  HFONT font = CreateFontIndirectA(&in);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetObjectType(font), OBJ_FONT);
  EXPECT_EQ(GetObjectA(font, 0, nullptr), 60);
  LOGFONTA out;
  std::memset(&out, 0xCC, sizeof out);
  EXPECT_EQ(GetObjectA(font, sizeof out, &out), 60);
  EXPECT_EQ(std::memcmp(&in, &out, sizeof in), 0);
  LOGFONTW wide{};
  EXPECT_EQ(GetObjectW(font, sizeof wide, &wide), 92);
  EXPECT_EQ(std::u16string(wide.lfFaceName), u"อักษร");
  EXPECT_EQ(wide.lfEscapement, 900);
  LOGFONTA part{};
  EXPECT_EQ(GetObjectA(font, 8, &part), 8);
  EXPECT_EQ(part.lfHeight, -13);
  EXPECT_EQ(part.lfEscapement, 0);
  EXPECT_TRUE(DeleteObject(font));
}

TEST(Fonts, StockFontsCarryTheirFacesAndTheThaiCharset) {
  struct Case {
    int index;
    const char* face;
    LONG height;
    BYTE charset;
  } cases[] = {{SYSTEM_FONT, "System", 16, THAI_CHARSET},
               {DEFAULT_GUI_FONT, "MS Shell Dlg", -11, THAI_CHARSET},
               {ANSI_VAR_FONT, "MS Sans Serif", 13, ANSI_CHARSET},
               {ANSI_FIXED_FONT, "Courier", 13, ANSI_CHARSET},
               {OEM_FIXED_FONT, "Terminal", 12, OEM_CHARSET}};
  for (const Case& c : cases) {
    HGDIOBJ font = GetStockObject(c.index);
    ASSERT_NE(font, nullptr) << c.face;
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), 60);
    EXPECT_STREQ(lf.lfFaceName, c.face);
    EXPECT_EQ(lf.lfHeight, c.height) << c.face;
    EXPECT_EQ(lf.lfCharSet, c.charset) << c.face;
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetStockObject(c.index), font) << "stock fonts stay";
  }
  // A new context measures with the system font: the system's default character set is Thai.
  DisplayDc display;
  EXPECT_EQ(GetCurrentObject(display.dc(), OBJ_FONT), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetTextCharset(display.dc()), THAI_CHARSET);
  EXPECT_EQ(Metrics(display.dc()).tmWeight, FW_BOLD);
  EXPECT_EQ(GetTextCharset(nullptr), DEFAULT_CHARSET);
}

TEST(Fonts, MetricsFollowTheRequest) {
  struct Case {
    FontSpec spec;
    BYTE family;
    bool fixedPitch;
  } cases[] = {
      {{"Tahoma", -11}, FF_SWISS, false},
      {{"Tahoma", 18}, FF_SWISS, false},
      {{"Arial", -13, FW_BOLD, 1, 0, ANSI_CHARSET}, FF_SWISS, false},
      {{"Arial", 40}, FF_SWISS, false},
      {{"Times New Roman", -16, FW_NORMAL, 0, 0, THAI_CHARSET}, FF_ROMAN, false},
      {{"Courier New", -12, FW_NORMAL, 0, 0, DEFAULT_CHARSET, 0, 0, 1, 1}, FF_MODERN, true},
      {{"MS Sans Serif", 0}, FF_SWISS, false},
  };
  DisplayDc display;
  for (const Case& c : cases) {
    WithFont f(display.dc(), c.spec);
    const TEXTMETRICA tm = Metrics(display.dc());
    const std::string what = std::string(c.spec.face) + " " + std::to_string(c.spec.height);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent) << what;
    const LONG cell = c.spec.height == 0 ? 16 : c.spec.height;
    if (cell < 0) {
      EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -cell) << what;
    } else {
      EXPECT_LE(std::abs(tm.tmHeight - cell), 1) << what;
    }
    EXPECT_GE(tm.tmInternalLeading, 0) << what;
    EXPECT_GE(tm.tmExternalLeading, 0) << what;
    EXPECT_GT(tm.tmAveCharWidth, 0) << what;
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth) << what;
    EXPECT_EQ(tm.tmWeight, c.spec.weight) << what;
    EXPECT_EQ(tm.tmItalic, c.spec.italic) << what;
    EXPECT_EQ(tm.tmUnderlined, c.spec.underline) << what;
    EXPECT_EQ(tm.tmStruckOut, c.spec.strikeOut) << what;
    EXPECT_EQ(tm.tmBreakChar, ' ') << what;
    EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, c.family) << what;
    EXPECT_EQ(tm.tmPitchAndFamily & 0x0F, TMPF_TRUETYPE | TMPF_VECTOR | (c.fixedPitch ? 0 : TMPF_FIXED_PITCH))
        << what;
    EXPECT_EQ(tm.tmCharSet, c.spec.charset == DEFAULT_CHARSET ? THAI_CHARSET : c.spec.charset) << what;
    if (c.fixedPitch) {
      const std::vector<int> w = Widths(display.dc(), 'A', 'z');
      EXPECT_EQ(std::count(w.begin(), w.end(), w[0]), std::ptrdiff_t(w.size())) << what;
    }
  }
}

TEST(Fonts, WidthRequestStretchesTheFont) {
  DisplayDc display;
  HDC dc = display.dc();
  WithFont natural(dc, {"Arial", -20});
  const TEXTMETRICA tm = Metrics(dc);
  const int plain = Width(dc, "Stretch");
  WithFont wide(dc, {"Arial", -20, FW_NORMAL, 0, 0, DEFAULT_CHARSET, 0, 2 * tm.tmAveCharWidth});
  EXPECT_NEAR(Metrics(dc).tmAveCharWidth, 2 * tm.tmAveCharWidth, 1);
  EXPECT_EQ(Metrics(dc).tmHeight, tm.tmHeight);
  EXPECT_NEAR(Width(dc, "Stretch"), 2 * plain, 7);
}

TEST(Fonts, ThaiMarksHaveNoWidthInEitherForm) {
  DisplayDc display;
  HDC dc = display.dc();
  for (const char* face : {"Tahoma", "Arial", "MS Sans Serif"}) {
    WithFont f(dc, {face, -13});
    std::vector<int> a(256), w(0x80);
    ASSERT_TRUE(GetCharWidthA(dc, 0, 255, a.data()));
    ASSERT_TRUE(GetCharWidthW(dc, 0x0E00, 0x0E7F, w.data()));
    for (int b = 0xA1; b <= 0xFB; ++b) {
      const char16_t u = Cp874ToUnicode(static_cast<unsigned char>(b));
      const bool mark = u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E);
      if (u < 0x0E01 || u > 0x0E5B) continue;
      EXPECT_EQ(a[std::size_t(b)], w[u - 0x0E00]) << face << " byte " << b;
      if (mark) {
        EXPECT_EQ(a[std::size_t(b)], 0) << face << " mark byte " << b;
      } else {
        EXPECT_GT(a[std::size_t(b)], 0) << face << " letter byte " << b;
      }
    }
    EXPECT_EQ(a['\t'], 0) << face;
    EXPECT_GT(a[' '], 0) << face;
  }
  int ignored;
  EXPECT_FALSE(GetCharWidth32W(dc, 10, 9, &ignored));
  EXPECT_FALSE(GetCharWidth32W(dc, 10, 10, nullptr));
}

}  // namespace
