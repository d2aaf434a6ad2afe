#include "controls/foundation/kx_text_flags.h"

#include "platform/gdi/draw_text.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_extent.h"
#include "platform/gdi/text_out.h"

namespace {

struct FlagMapping {
  TkxTextFlags flag;
  UINT drawFlags;
};

constexpr FlagMapping kMappings[] = {
    {tfAlignRight, DT_RIGHT},       {tfAlignHCenter, DT_CENTER},      {tfAlignBottom, DT_BOTTOM},
    {tfAlignVCenter, DT_VCENTER},   {tfSingleLine, DT_SINGLELINE},    {tfNoClip, DT_NOCLIP},
    {tfExpandTabs, DT_EXPANDTABS},  {tfEndEllipsis, DT_END_ELLIPSIS}, {tfCalcOnly, DT_CALCRECT},
    {tfPathEllipsis, DT_PATH_ELLIPSIS}};

int CountOf(std::string_view Text, int Count) { return Count < 0 ? int(Text.size()) : Count; }

}  // namespace

UINT TextFlagsToDrawFlags(TkxTextFlags Flags) {
  UINT result = DT_NOPREFIX;
  for (const FlagMapping& m : kMappings)
    if ((Flags & m.flag) != 0) result |= m.drawFlags;
  if ((Flags & tfShowPrefix) != 0) result &= ~DT_NOPREFIX;
  if ((Flags & tfWordBreak) != 0) {
    result |= DT_WORDBREAK;
    if ((Flags & tfKeepWordsWhole) == 0) result |= DT_EDITCONTROL;
  }
  return result;
}

int DrawTextString(HDC DC, std::string_view Text, TRect& R, int Count, UINT Flags) {
  return DrawTextA(DC, Text.data(), CountOf(Text, Count), &R, Flags);
}

bool ExtTextOutString(HDC DC, std::string_view Text, TPoint P, UINT Options, const TRect* ClipRect, int Count) {
  return ExtTextOutA(DC, P.X, P.Y, Options, ClipRect, Text.data(), UINT(CountOf(Text, Count)), nullptr) != 0;
}

bool GetTextExtentString(HDC DC, std::string_view Text, TSize& Size, int Count) {
  return GetTextExtentPoint32A(DC, Text.data(), CountOf(Text, Count), &Size) != 0;
}
