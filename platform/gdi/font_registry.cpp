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

}  // namespace

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
