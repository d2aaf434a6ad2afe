// Font enumeration; see font_enumeration.h.
#include "platform/gdi/font_enumeration.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/font_cache.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/font_registry.h"
#include "platform/gdi/font_system.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/text_constants.h"

using namespace gdi;

namespace {

struct Entry {
  ENUMLOGFONTEXW font{};
  NEWTEXTMETRICEXW metrics{};
};

// What a call asks for: a face ("" for every family) and a character set (DEFAULT_CHARSET: each
// one a style covers); `once` gives every style a single entry, as the older calls do.
struct Query {
  std::u16string face;
  BYTE charset = DEFAULT_CHARSET;
  bool once = false;
};

constexpr BYTE kCharsets[] = {ANSI_CHARSET, THAI_CHARSET};
// The cell height every entry asks for.  The entry gives the request itself, not the realized
// tmHeight: whole-pixel rounding makes a request for a cell of tmHeight pixels a smaller font.
constexpr LONG kListedCellHeight = 16;

template <class Char, std::size_t N>
void CopyName(std::basic_string_view<Char> name, Char (&out)[N]) {
  const std::size_t n = std::min(name.size(), N - 1);
  std::copy_n(name.data(), n, out);
  out[n] = 0;
}

std::u16string FaceOf(const LOGFONTW& lf) {
  std::u16string face;
  for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) face += lf.lfFaceName[i];
  return face;
}

bool Covers(const FamilyStyle& style, BYTE charset) { return charset == THAI_CHARSET ? style.thai : style.latin; }

// The style a family is listed in when no face is asked for: upright, nearest to normal weight.
const FamilyStyle& RegularStyle(const std::vector<FamilyStyle>& styles) {
  return *std::min_element(styles.begin(), styles.end(), [](const FamilyStyle& a, const FamilyStyle& b) {
    if (a.italic != b.italic) return b.italic;
    return std::abs(a.weight - FW_NORMAL) < std::abs(b.weight - FW_NORMAL);
  });
}

std::u16string FullName(std::u16string_view face, const FamilyStyle& style) {
  if (style.name.empty() || style.name == u"Regular" || style.name == u"Book") return std::u16string(face);
  return std::u16string(face) + u" " + style.name;
}

DWORD StyleFlags(const FamilyStyle& style) {
  DWORD flags = 0;
  if (style.italic) flags |= NTM_ITALIC;
  if (style.weight >= FW_SEMIBOLD) flags |= NTM_BOLD;
  return flags ? flags : NTM_REGULAR;
}

// The pitch and family a LOGFONT asks for, read back from the realized font's metrics.
BYTE PitchAndFamily(const TEXTMETRICW& tm) {
  return BYTE((tm.tmPitchAndFamily & 0xF0) | (tm.tmPitchAndFamily & TMPF_FIXED_PITCH ? VARIABLE_PITCH : FIXED_PITCH));
}

// With the font system locked.
Entry MakeEntry(std::u16string_view face, const FamilyStyle& style, BYTE charset) {
  LOGFONTW request{};
  request.lfHeight = kListedCellHeight;
  request.lfWeight = style.weight;
  request.lfItalic = style.italic;
  request.lfCharSet = charset;
  CopyName(face, request.lfFaceName);
  const std::shared_ptr<RealizedFont> font = AcquireRealizedFont(request);
  const TEXTMETRICW& tm = font->Metrics();
  Entry e;
  LOGFONTW& lf = e.font.elfLogFont;
  lf = request;
  lf.lfOutPrecision = OUT_STROKE_PRECIS;
  lf.lfClipPrecision = CLIP_STROKE_PRECIS;
  lf.lfQuality = DRAFT_QUALITY;
  lf.lfPitchAndFamily = PitchAndFamily(tm);
  CopyName<char16_t>(FullName(face, style), e.font.elfFullName);
  CopyName<char16_t>(style.name, e.font.elfStyle);
  CopyName<char16_t>(charset == THAI_CHARSET ? u"Thai" : u"Western", e.font.elfScript);
  NEWTEXTMETRICW& ntm = e.metrics.ntmTm;
  ntm.tm = tm;
  ntm.ntmFlags = StyleFlags(style);
  ntm.ntmSizeEM = UINT(font->PixelsPerEm());
  ntm.ntmCellHeight = UINT(tm.tmHeight);
  ntm.ntmAvgWidth = UINT(tm.tmAveCharWidth);
  FONTSIGNATURE& sig = e.metrics.ntmFontSig;
  sig.fsUsb[0] = (style.latin ? 1u : 0u) | (style.thai ? 1u << 24 : 0u);   // Basic Latin, Thai
  sig.fsCsb[0] = (style.latin ? 1u : 0u) | (style.thai ? 1u << 16 : 0u);   // code pages 1252, 874
  return e;
}

void AddStyle(const Query& q, std::u16string_view face, const FamilyStyle& style, std::vector<Entry>& out) {
  if (q.once) {
    out.push_back(MakeEntry(face, style, style.thai ? THAI_CHARSET : ANSI_CHARSET));
    return;
  }
  for (BYTE charset : kCharsets)
    if ((q.charset == DEFAULT_CHARSET || q.charset == charset) && Covers(style, charset))
      out.push_back(MakeEntry(face, style, charset));
}

std::vector<Entry> Collect(const Query& q) {
  auto lock = FontSystem::Instance().Lock();
  std::vector<Entry> entries;
  if (q.face.empty()) {
    for (const std::u16string& family : InstalledFamilies()) {
      const std::vector<FamilyStyle> styles = FamilyStyles(family);
      if (!styles.empty()) AddStyle(q, family, RegularStyle(styles), entries);
    }
    return entries;
  }
  if (q.face.front() == u'@') return entries;   // no vertical faces are installed
  for (const FamilyStyle& style : FamilyStyles(ResolvedFamily(q.face))) AddStyle(q, q.face, style, entries);
  return entries;
}

// Lists the entries through the callback, which gets them with no lock held.
template <class Call>
int Run(HDC dc, const Query& q, Call call) {
  if (!FindDC(dc)) return 0;
  int result = 1;
  for (const Entry& e : Collect(q))
    if (!(result = call(e))) break;
  return result;
}

int RunW(HDC dc, const Query& q, FONTENUMPROCW proc, LPARAM param) {
  if (!proc) return 0;
  return Run(dc, q, [&](const Entry& e) { return proc(&e.font.elfLogFont, &e.metrics.ntmTm.tm, TRUETYPE_FONTTYPE, param); });
}

template <std::size_t N>
void CopyAnsi(const WCHAR (&from)[N], char (&to)[N]) {
  CopyName<char>(Utf16ToCp874(std::u16string_view(from)), to);
}

int RunA(HDC dc, const Query& q, FONTENUMPROCA proc, LPARAM param) {
  if (!proc) return 0;
  return Run(dc, q, [&](const Entry& e) {
    ENUMLOGFONTEXA font{};
    font.elfLogFont = ToLogFontA(e.font.elfLogFont);
    CopyAnsi(e.font.elfFullName, font.elfFullName);
    CopyAnsi(e.font.elfStyle, font.elfStyle);
    CopyAnsi(e.font.elfScript, font.elfScript);
    NEWTEXTMETRICEXA metrics{};
    const NEWTEXTMETRICW& w = e.metrics.ntmTm;
    metrics.ntmTm = {ToTextMetricA(w.tm), w.ntmFlags, w.ntmSizeEM, w.ntmCellHeight, w.ntmAvgWidth};
    metrics.ntmFontSig = e.metrics.ntmFontSig;
    return proc(&font.elfLogFont, &metrics.ntmTm.tm, TRUETYPE_FONTTYPE, param);
  });
}

std::u16string AnsiFace(const char* face) { return face ? Cp874ToUtf16(face) : std::u16string(); }
std::u16string WideFace(const char16_t* face) { return face ? std::u16string(face) : std::u16string(); }

}  // namespace

int EnumFontFamiliesExW(HDC dc, const LOGFONTW* logFont, FONTENUMPROCW proc, LPARAM param, DWORD) {
  if (!logFont) return 0;
  return RunW(dc, {FaceOf(*logFont), logFont->lfCharSet, false}, proc, param);
}

int EnumFontFamiliesExA(HDC dc, const LOGFONTA* logFont, FONTENUMPROCA proc, LPARAM param, DWORD) {
  if (!logFont) return 0;
  return RunA(dc, {FaceOf(ToLogFontW(*logFont)), logFont->lfCharSet, false}, proc, param);
}

int EnumFontFamiliesW(HDC dc, const char16_t* family, FONTENUMPROCW proc, LPARAM param) {
  return RunW(dc, {WideFace(family), DEFAULT_CHARSET, true}, proc, param);
}

int EnumFontFamiliesA(HDC dc, const char* family, FONTENUMPROCA proc, LPARAM param) {
  return RunA(dc, {AnsiFace(family), DEFAULT_CHARSET, true}, proc, param);
}

// The older call lists what EnumFontFamilies lists.
int EnumFontsW(HDC dc, const char16_t* face, FONTENUMPROCW proc, LPARAM param) {
  return EnumFontFamiliesW(dc, face, proc, param);
}

int EnumFontsA(HDC dc, const char* face, FONTENUMPROCA proc, LPARAM param) {
  return EnumFontFamiliesA(dc, face, proc, param);
}
