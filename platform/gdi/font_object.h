// A font handle's object: the LOGFONT it was created from, realized on first use.
//
// GetObject gives the LOGFONT back exactly as given (60 bytes in the A form, face name in code
// page 874; 92 in the W form).  The realized font (font_cache.h) is shared with every other handle
// of an equal request and is released, with the font system locked, when the handle goes.
#pragma once

#include <memory>

#include "platform/gdi/font_types.h"
#include "platform/gdi/gdi_object.h"

namespace gdi {

class RealizedFont;

class FontObject : public GdiObject {
 public:
  static constexpr ObjectKind kKind = ObjectKind::Font;

  explicit FontObject(const LOGFONTW& logFont) : logFont_(logFont) {}
  ~FontObject() override;

  ObjectKind Kind() const override { return kKind; }
  int GetObjectData(int size, void* out, bool wide) const override;

  const LOGFONTW& LogFont() const { return logFont_; }
  // With the font system locked.
  RealizedFont& Realized();

 private:
  LOGFONTW logFont_;
  std::shared_ptr<RealizedFont> realized_;
};

LOGFONTA ToLogFontA(const LOGFONTW& lf);
LOGFONTW ToLogFontW(const LOGFONTA& lf);
// The A form of text metrics: the same numbers, with the code page 874 characters 0x20 .. 0xFF.
TEXTMETRICA ToTextMetricA(const TEXTMETRICW& w);

}  // namespace gdi
