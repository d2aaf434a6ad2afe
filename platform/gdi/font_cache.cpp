// The shared cache of realized fonts; see font_cache.h.
#include "platform/gdi/font_cache.h"

#include <array>
#include <string>
#include <unordered_map>

#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

constexpr std::size_t kRecentCount = 32;
constexpr std::size_t kPruneAbove = 256;   // entries whose fonts are gone are dropped past this

std::u16string KeyOf(const LOGFONTW& lf) {
  std::u16string key;
  for (LONG v : {lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfWeight}) {
    key += char16_t(std::uint32_t(v) & 0xFFFF);
    key += char16_t(std::uint32_t(v) >> 16);
  }
  for (BYTE b : {lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfPitchAndFamily}) key += char16_t(b);
  for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) {
    const char16_t c = lf.lfFaceName[i];
    key += c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
  }
  return key;
}

struct Cache {
  std::unordered_map<std::u16string, std::weak_ptr<RealizedFont>> fonts;
  std::array<std::shared_ptr<RealizedFont>, kRecentCount> recent;
  std::size_t next = 0;

  void Remember(const std::shared_ptr<RealizedFont>& font) {
    for (const auto& r : recent)
      if (r == font) return;
    recent[next] = font;
    next = (next + 1) % kRecentCount;
  }

  void Prune() {
    if (fonts.size() <= kPruneAbove) return;
    std::erase_if(fonts, [](const auto& entry) { return entry.second.expired(); });
  }
};

Cache& TheCache() {
  static Cache* cache = new Cache;   // never freed, like the font system it belongs to
  return *cache;
}

}  // namespace

std::shared_ptr<RealizedFont> AcquireRealizedFont(const LOGFONTW& request) {
  Cache& cache = TheCache();
  cache.Prune();
  std::weak_ptr<RealizedFont>& slot = cache.fonts[KeyOf(request)];
  std::shared_ptr<RealizedFont> font = slot.lock();
  if (!font) {
    font = std::make_shared<RealizedFont>(request);
    slot = font;
  }
  cache.Remember(font);
  return font;
}

}  // namespace gdi
