// Known face names from the font configuration; see font_registry.h.
#include "platform/gdi/font_registry.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/core/cp874.h"
#include "platform/gdi/font_system.h"

namespace gdi {
namespace {

const FcChar8* Bytes(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

// Face names compare ignoring blanks and ASCII case.
bool SameFaceName(std::string_view a, std::string_view b) {
  auto next = [](std::string_view s, std::size_t& i) {
    while (i < s.size() && s[i] == ' ') ++i;
    if (i == s.size()) return -1;
    const char c = s[i++];
    return int(c >= 'A' && c <= 'Z' ? c + 32 : static_cast<unsigned char>(c));
  };
  std::size_t i = 0, j = 0;
  for (;;) {
    const int x = next(a, i), y = next(b, j);
    if (x != y) return false;
    if (x < 0) return true;
  }
}

std::vector<std::string> ListFamilies() {
  std::vector<std::string> names;
  FcPattern* all = FcPatternCreate();
  FcObjectSet* family = FcObjectSetBuild(FC_FAMILY, nullptr);
  if (FcFontSet* set = FcFontList(FontSystem::Instance().Config(), all, family)) {
    for (int i = 0; i < set->nfont; ++i) {
      FcChar8* name = nullptr;
      if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch)
        names.emplace_back(reinterpret_cast<const char*>(name));
    }
    FcFontSetDestroy(set);
  }
  FcObjectSetDestroy(family);
  FcPatternDestroy(all);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return FcStrCmpIgnoreCase(Bytes(a), Bytes(b)) < 0; });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) { return SameFaceName(a, b); }),
              names.end());
  return names;
}

const std::vector<std::string>& FamiliesUtf8() {
  static const std::vector<std::string> families = ListFamilies();
  return families;
}

const std::string* FindInstalled(const std::string& name) {
  for (const std::string& family : FamiliesUtf8())
    if (SameFaceName(family, name)) return &family;
  return nullptr;
}

// The first family the configuration's substitutions put in front of the name.
std::string Substituted(const std::string& name) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, Bytes(name));
  FcConfigSubstitute(FontSystem::Instance().Config(), pattern, FcMatchPattern);
  FcChar8* first = nullptr;
  std::string result;
  if (FcPatternGetString(pattern, FC_FAMILY, 0, &first) == FcResultMatch) result = reinterpret_cast<const char*>(first);
  FcPatternDestroy(pattern);
  return result;
}

FamilyStyle StyleOf(FcPattern* font) {
  FamilyStyle style;
  FcChar8* name = nullptr;
  if (FcPatternGetString(font, FC_STYLE, 0, &name) == FcResultMatch)
    style.name = Utf8ToUtf16(reinterpret_cast<const char*>(name));
  int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  style.weight = std::clamp(FcWeightToOpenType(weight), 100, 1000);
  style.italic = slant != FC_SLANT_ROMAN;
  FcCharSet* chars = nullptr;
  if (FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) == FcResultMatch) {
    style.latin = FcCharSetHasChar(chars, 'A') && FcCharSetHasChar(chars, 'z');
    style.thai = FcCharSetHasChar(chars, 0x0E01) && FcCharSetHasChar(chars, 0x0E48);
  }
  return style;
}

bool StyleOrder(const FamilyStyle& a, const FamilyStyle& b) {
  if (a.italic != b.italic) return b.italic;
  return a.weight != b.weight ? a.weight < b.weight : a.name < b.name;
}

// Condensed and expanded cuts share their family name with the normal one (DejaVu's); only the
// normal width counts as the family's style.
bool NormalWidth(FcPattern* font) {
  int width = FC_WIDTH_NORMAL;
  FcPatternGetInteger(font, FC_WIDTH, 0, &width);
  return width == FC_WIDTH_NORMAL;
}

}  // namespace

std::vector<FamilyStyle> FamilyStyles(std::u16string_view family) {
  const std::string name = Utf16ToUtf8(family);
  const std::string* installed = FindInstalled(name);
  if (!installed) return {};
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, Bytes(*installed));
  FcObjectSet* objects = FcObjectSetBuild(FC_STYLE, FC_WEIGHT, FC_SLANT, FC_WIDTH, FC_CHARSET, nullptr);
  std::vector<FamilyStyle> styles;
  if (FcFontSet* set = FcFontList(FontSystem::Instance().Config(), pattern, objects)) {
    for (int i = 0; i < set->nfont; ++i)
      if (NormalWidth(set->fonts[i])) styles.push_back(StyleOf(set->fonts[i]));
    FcFontSetDestroy(set);
  }
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  std::sort(styles.begin(), styles.end(), StyleOrder);
  std::vector<FamilyStyle> merged;   // files of one style (say TrueType and OpenType) count once
  for (const FamilyStyle& style : styles) {
    if (merged.empty() || merged.back().weight != style.weight || merged.back().italic != style.italic) {
      merged.push_back(style);
      continue;
    }
    merged.back().latin |= style.latin;
    merged.back().thai |= style.thai;
  }
  return merged;
}

const std::vector<std::u16string>& InstalledFamilies() {
  static const std::vector<std::u16string> families = [] {
    std::vector<std::u16string> wide;
    for (const std::string& f : FamiliesUtf8()) wide.push_back(Utf8ToUtf16(f));
    return wide;
  }();
  return families;
}

std::u16string ResolvedFamily(std::u16string_view face) {
  const std::string name = Utf16ToUtf8(face);
  if (name.empty()) return {};
  if (const std::string* installed = FindInstalled(name)) return Utf8ToUtf16(*installed);
  if (const std::string* mapped = FindInstalled(Substituted(name))) return Utf8ToUtf16(*mapped);
  return {};
}

}  // namespace gdi
