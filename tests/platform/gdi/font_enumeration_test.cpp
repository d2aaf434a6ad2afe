// Font enumeration: which faces and styles are listed, under which character sets, and that every
// entry describes the font CreateFontIndirect then makes from it.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/gdi/font_enumeration.h"
#include "text_test_support.h"

namespace {

struct Listed {
  LOGFONTA font;
  ENUMLOGFONTEXA ex;
  NEWTEXTMETRICEXA metrics;
  DWORD type;
};

struct Listing {
  std::vector<Listed> entries;
  int stopAfter = -1;   // the callback returns 0 at this entry
};

int Collect(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type, LPARAM param) {
  auto& listing = *reinterpret_cast<Listing*>(param);
  listing.entries.push_back({*font, *reinterpret_cast<const ENUMLOGFONTEXA*>(font),
                             *reinterpret_cast<const NEWTEXTMETRICEXA*>(metrics), type});
  return int(listing.entries.size()) == listing.stopAfter ? 0 : 7;
}

std::vector<Listed> Families(HDC dc, const char* face) {
  Listing listing;
  EnumFontFamiliesA(dc, face, Collect, reinterpret_cast<LPARAM>(&listing));
  return listing.entries;
}

std::vector<Listed> FamiliesEx(HDC dc, const char* face, BYTE charset) {
  LOGFONTA request{};
  request.lfCharSet = charset;
  std::strncpy(request.lfFaceName, face, LF_FACESIZE - 1);
  Listing listing;
  EnumFontFamiliesExA(dc, &request, Collect, reinterpret_cast<LPARAM>(&listing), 0);
  return listing.entries;
}

std::set<std::string> Faces(const std::vector<Listed>& entries) {
  std::set<std::string> faces;
  for (const Listed& e : entries) faces.insert(e.font.lfFaceName);
  return faces;
}

TEST(FontEnumeration, ListsEveryInstalledFamilyOnceInItsRegularStyle) {
  DisplayDc display;
  const std::vector<Listed> all = Families(display.dc(), nullptr);
  const std::set<std::string> faces = Faces(all);
  EXPECT_EQ(faces.size(), all.size()) << "each family once";
  for (const char* family : {"Tahoma", "Noto Looped Thai UI", "Loma", "Liberation Sans", "Liberation Serif",
                             "Liberation Mono", "DejaVu Sans"})
    EXPECT_TRUE(faces.count(family)) << family;
  for (const Listed& e : all) {
    EXPECT_EQ(e.type, TRUETYPE_FONTTYPE) << e.font.lfFaceName;
    EXPECT_EQ(e.metrics.ntmTm.ntmFlags, NTM_REGULAR) << e.font.lfFaceName;
    EXPECT_EQ(e.font.lfWeight, FW_NORMAL) << e.font.lfFaceName;
  }
  EXPECT_EQ(Faces(Families(display.dc(), "")), faces);
  EXPECT_EQ(Faces(FamiliesEx(display.dc(), "", DEFAULT_CHARSET)), faces);
}

// What an entry says is what the font created from its LOGFONT has: face, metrics, style.
TEST(FontEnumeration, EntriesDescribeTheFontsTheyCreate) {
  DisplayDc display;
  HDC dc = display.dc();
  std::vector<Listed> entries = Families(dc, nullptr);
  for (const char* face : {"Arial", "Tahoma", "Courier New"})
    for (const Listed& e : Families(dc, face)) entries.push_back(e);
  for (const Listed& e : entries) {
    const std::string what = std::string(e.ex.elfFullName);
    Selected font(dc, CreateFontIndirectA(&e.font));
    const TEXTMETRICA tm = Metrics(dc);
    const TEXTMETRICA& listed = e.metrics.ntmTm.tm;
    EXPECT_EQ(tm.tmHeight, listed.tmHeight) << what;
    EXPECT_EQ(tm.tmAscent, listed.tmAscent) << what;
    EXPECT_EQ(tm.tmAveCharWidth, listed.tmAveCharWidth) << what;
    EXPECT_EQ(tm.tmWeight, listed.tmWeight) << what;
    EXPECT_EQ(tm.tmItalic, listed.tmItalic) << what;
    EXPECT_EQ(tm.tmPitchAndFamily, listed.tmPitchAndFamily) << what;
    EXPECT_EQ(tm.tmCharSet, e.font.lfCharSet) << what;
    EXPECT_EQ(e.metrics.ntmTm.ntmCellHeight, UINT(listed.tmHeight)) << what;
    EXPECT_EQ(e.metrics.ntmTm.ntmAvgWidth, UINT(listed.tmAveCharWidth)) << what;
    EXPECT_EQ((e.font.lfPitchAndFamily & 3) == FIXED_PITCH, !(listed.tmPitchAndFamily & TMPF_FIXED_PITCH)) << what;
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    EXPECT_STREQ(face, e.font.lfFaceName) << what;
  }
}

TEST(FontEnumeration, AFaceListsItsStylesUnderTheNameAsked) {
  DisplayDc display;
  struct Case {
    const char* face;
    std::vector<std::string> fullNames;
  } cases[] = {
      {"Arial", {"Arial", "Arial Bold", "Arial Italic", "Arial Bold Italic"}},
      {"tahoma", {"tahoma", "tahoma Bold"}},
      {"loma", {"loma", "loma Bold", "loma Oblique", "loma Bold Oblique"}},
      {"Liberation Mono", {"Liberation Mono", "Liberation Mono Bold", "Liberation Mono Italic",
                           "Liberation Mono Bold Italic"}},
      {"@Tahoma", {}},   // no vertical faces: a rotated font keeps the plain name
      {"@Arial", {}},
      {"No Such Face", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> fullNames;
    for (const Listed& e : Families(display.dc(), c.face)) {
      fullNames.push_back(e.ex.elfFullName);
      EXPECT_STREQ(e.font.lfFaceName, c.face);
      const bool bold = e.font.lfWeight >= FW_BOLD, italic = e.font.lfItalic;
      const DWORD flags = (bold ? NTM_BOLD : 0) | (italic ? NTM_ITALIC : 0);
      EXPECT_EQ(e.metrics.ntmTm.ntmFlags, flags ? flags : NTM_REGULAR) << e.ex.elfFullName;
    }
    EXPECT_EQ(fullNames, c.fullNames) << c.face;
  }
}

TEST(FontEnumeration, CharacterSetsFollowWhatTheFacesCover) {
  DisplayDc display;
  HDC dc = display.dc();
  const std::set<std::string> thai = Faces(FamiliesEx(dc, "", THAI_CHARSET));
  const std::set<std::string> latin = Faces(FamiliesEx(dc, "", ANSI_CHARSET));
  EXPECT_TRUE(thai.count("Loma"));
  EXPECT_FALSE(thai.count("Liberation Sans"));
  EXPECT_TRUE(latin.count("Loma"));
  EXPECT_TRUE(latin.count("Liberation Sans"));
  EXPECT_TRUE(FamiliesEx(dc, "", SYMBOL_CHARSET).empty());
  struct Case {
    const char* face;
    BYTE asked;
    std::multiset<int> charsets;   // one per entry
  } cases[] = {
      {"Loma", DEFAULT_CHARSET, {0, 0, 0, 0, 222, 222, 222, 222}},
      {"Loma", THAI_CHARSET, {222, 222, 222, 222}},
      {"Tahoma", DEFAULT_CHARSET, {0, 0}},   // its files are Latin; Thai comes from the fallback
      {"Tahoma", THAI_CHARSET, {}},
      {"Arial", DEFAULT_CHARSET, {0, 0, 0, 0}},
      {"Arial", THAI_CHARSET, {}},
  };
  for (const Case& c : cases) {
    std::multiset<int> charsets;
    for (const Listed& e : FamiliesEx(dc, c.face, c.asked)) {
      charsets.insert(e.font.lfCharSet);
      const bool isThai = e.font.lfCharSet == THAI_CHARSET;
      EXPECT_STREQ(e.ex.elfScript, isThai ? "Thai" : "Western");
      EXPECT_EQ(e.metrics.ntmTm.tm.tmCharSet, e.font.lfCharSet);
      EXPECT_EQ((e.metrics.ntmFontSig.fsCsb[0] >> 16) & 1, std::string(c.face) == "Loma" ? 1u : 0u) << c.face;
    }
    EXPECT_EQ(charsets, c.charsets) << c.face << " asked " << int(c.asked);
  }
  // The older calls list each style once, as Thai when it covers Thai.
  for (const Listed& e : Families(dc, "Loma")) EXPECT_EQ(e.font.lfCharSet, THAI_CHARSET);
}

int CollectWide(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
  reinterpret_cast<std::vector<std::u16string>*>(param)->emplace_back(font->lfFaceName);
  return 1;
}

TEST(FontEnumeration, CallbackResultsStopTheListingAndAreReturned) {
  DisplayDc display;
  HDC dc = display.dc();
  Listing listing;
  EXPECT_EQ(EnumFontsA(dc, "Arial", Collect, reinterpret_cast<LPARAM>(&listing)), 7) << "the last result";
  EXPECT_EQ(listing.entries.size(), 4u);
  listing = {{}, 2};
  EXPECT_EQ(EnumFontFamiliesA(dc, nullptr, Collect, reinterpret_cast<LPARAM>(&listing)), 0);
  EXPECT_EQ(listing.entries.size(), 2u);
  listing = {};
  EXPECT_EQ(EnumFontsA(dc, "@Arial", Collect, reinterpret_cast<LPARAM>(&listing)), 1) << "nothing listed";
  EXPECT_EQ(EnumFontsA(nullptr, "Arial", Collect, 0), 0);
  EXPECT_EQ(EnumFontsA(dc, "Arial", nullptr, 0), 0);
  EXPECT_EQ(EnumFontFamiliesExA(dc, nullptr, Collect, 0, 0), 0);
  // The W calls list the same, in UTF-16.
  std::vector<std::u16string> wideFaces;
  EXPECT_EQ(EnumFontFamiliesW(dc, nullptr, CollectWide, reinterpret_cast<LPARAM>(&wideFaces)), 1);
  std::set<std::string> narrow;
  for (const std::u16string& f : wideFaces) narrow.insert(Utf16ToCp874(f));
  EXPECT_EQ(narrow, Faces(Families(dc, nullptr)));
}

}  // namespace
