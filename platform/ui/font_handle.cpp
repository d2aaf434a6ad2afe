#include "platform/ui/font_handle.h"

#include <algorithm>

#include "platform/gdi/font_types.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/text_constants.h"

namespace {

BYTE PitchBits(TFontPitch pitch) {
  switch (pitch) {
    case fpVariable: return VARIABLE_PITCH;
    case fpFixed: return FIXED_PITCH;
    default: return DEFAULT_PITCH;
  }
}

TFontPitch PitchOf(BYTE bits) {
  switch (bits & 0x3) {
    case VARIABLE_PITCH: return fpVariable;
    case FIXED_PITCH: return fpFixed;
    default: return fpDefault;
  }
}

}  // namespace

HFONT CreateFontHandle(const TFontData& Data) {
  LOGFONTA lf{};
  lf.lfHeight = Data.Height;
  lf.lfEscapement = lf.lfOrientation = Data.Orientation;
  lf.lfWeight = Data.Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = Data.Style.Contains(fsItalic);
  lf.lfUnderline = Data.Style.Contains(fsUnderline);
  lf.lfStrikeOut = Data.Style.Contains(fsStrikeOut);
  lf.lfCharSet = Data.Charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = PitchBits(Data.Pitch);
  // "Default" asks for the system's face: an empty face name leaves the choice to the font system.
  if (Data.Name != "Default") {
    const std::size_t n = std::min(Data.Name.size(), sizeof lf.lfFaceName - 1);
    std::copy_n(Data.Name.data(), n, lf.lfFaceName);
  }
  return CreateFontIndirectA(&lf);
}

TFontData FontDataOf(const LOGFONTA& Font) {
  TFontData data;
  data.Name = Font.lfFaceName[0] != '\0' ? std::string(Font.lfFaceName) : std::string("Default");
  data.Height = Font.lfHeight;
  data.Orientation = Font.lfOrientation;
  if (Font.lfWeight >= FW_SEMIBOLD) data.Style.Include(fsBold);
  if (Font.lfItalic) data.Style.Include(fsItalic);
  if (Font.lfUnderline) data.Style.Include(fsUnderline);
  if (Font.lfStrikeOut) data.Style.Include(fsStrikeOut);
  data.Charset = Font.lfCharSet;
  data.Pitch = PitchOf(Font.lfPitchAndFamily);
  return data;
}
