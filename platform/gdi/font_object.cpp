// Font objects; see font_object.h.
#include "platform/gdi/font_object.h"

#include <algorithm>
#include <cstring>

#include "platform/core/cp874.h"
#include "platform/gdi/font_cache.h"
#include "platform/gdi/font_system.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

// Copies every field but the face name, which the two forms hold in different units.
template <class To, class From>
To CopyFields(const From& from) {
  To to{};
  to.lfHeight = from.lfHeight;
  to.lfWidth = from.lfWidth;
  to.lfEscapement = from.lfEscapement;
  to.lfOrientation = from.lfOrientation;
  to.lfWeight = from.lfWeight;
  to.lfItalic = from.lfItalic;
  to.lfUnderline = from.lfUnderline;
  to.lfStrikeOut = from.lfStrikeOut;
  to.lfCharSet = from.lfCharSet;
  to.lfOutPrecision = from.lfOutPrecision;
  to.lfClipPrecision = from.lfClipPrecision;
  to.lfQuality = from.lfQuality;
  to.lfPitchAndFamily = from.lfPitchAndFamily;
  return to;
}

}  // namespace

TEXTMETRICA ToTextMetricA(const TEXTMETRICW& w) {
  TEXTMETRICA a{};
  a.tmHeight = w.tmHeight;
  a.tmAscent = w.tmAscent;
  a.tmDescent = w.tmDescent;
  a.tmInternalLeading = w.tmInternalLeading;
  a.tmExternalLeading = w.tmExternalLeading;
  a.tmAveCharWidth = w.tmAveCharWidth;
  a.tmMaxCharWidth = w.tmMaxCharWidth;
  a.tmWeight = w.tmWeight;
  a.tmOverhang = w.tmOverhang;
  a.tmDigitizedAspectX = w.tmDigitizedAspectX;
  a.tmDigitizedAspectY = w.tmDigitizedAspectY;
  a.tmFirstChar = 0x20;
  a.tmLastChar = 0xFF;
  a.tmDefaultChar = 0x1F;
  a.tmBreakChar = 0x20;
  a.tmItalic = w.tmItalic;
  a.tmUnderlined = w.tmUnderlined;
  a.tmStruckOut = w.tmStruckOut;
  a.tmPitchAndFamily = w.tmPitchAndFamily;
  a.tmCharSet = w.tmCharSet;
  return a;
}

LOGFONTA ToLogFontA(const LOGFONTW& lf) {
  LOGFONTA a = CopyFields<LOGFONTA>(lf);
  for (int i = 0; i < LF_FACESIZE - 1 && lf.lfFaceName[i]; ++i) a.lfFaceName[i] = UnicodeToCp874(lf.lfFaceName[i]);
  return a;
}

LOGFONTW ToLogFontW(const LOGFONTA& lf) {
  LOGFONTW w = CopyFields<LOGFONTW>(lf);
  for (int i = 0; i < LF_FACESIZE - 1 && lf.lfFaceName[i]; ++i)
    w.lfFaceName[i] = Cp874ToUnicode(static_cast<unsigned char>(lf.lfFaceName[i]));
  return w;
}

FontObject::~FontObject() {
  if (!realized_) return;
  auto lock = FontSystem::Instance().Lock();
  realized_.reset();
}

RealizedFont& FontObject::Realized() {
  if (!realized_) realized_ = AcquireRealizedFont(logFont_);
  return *realized_;
}

int FontObject::GetObjectData(int size, void* out, bool wide) const {
  const int full = wide ? int(sizeof(LOGFONTW)) : int(sizeof(LOGFONTA));
  if (!out) return full;
  const int n = std::clamp(size, 0, full);
  if (wide) {
    std::memcpy(out, &logFont_, std::size_t(n));
  } else {
    const LOGFONTA a = ToLogFontA(logFont_);
    std::memcpy(out, &a, std::size_t(n));
  }
  return n;
}

}  // namespace gdi
