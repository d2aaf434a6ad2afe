// Font creation, face names, metrics and character widths; see fonts.h.
#include "platform/gdi/fonts.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/core/cp874.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/font_registry.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/realized_font.h"
#include "platform/gdi/symbol_encoding.h"
#include "platform/gdi/text_call.h"
#include "platform/gdi/text_constants.h"

using namespace gdi;

namespace {

// Characters first .. last of a range the calls accept (at most 64 Ki at once).
bool ValidRange(UINT first, UINT last, const int* widths) { return widths && first <= last && last - first < 0x10000; }

template <class ToChar>
BOOL CharWidths(HDC dc, UINT first, UINT last, int* widths, ToChar toChar) {
  if (!ValidRange(first, last, widths)) return 0;
  TextCall call(dc);
  if (!call) return 0;
  for (UINT c = first; c <= last; ++c) *widths++ = call.Font().Char(toChar(call.Font().Request(), c)).advance;
  return 1;
}

char32_t AnsiCodePoint(const LOGFONTW& font, UINT c) {
  if (c > 0xFF) return char32_t(c);
  const auto byte = static_cast<unsigned char>(c);
  return IsSymbolFace(font) ? SymbolToUnicode(byte) : Cp874ToUnicode(byte);
}
char32_t WideCodePoint(const LOGFONTW&, UINT c) { return char32_t(c); }

// The face name GetTextFace reports, as UTF-16.
std::u16string TextFace(HDC dc) {
  TextCall call(dc);
  if (!call) return {};
  const LOGFONTW& lf = call.Font().Request();
  std::u16string requested;
  for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) requested += lf.lfFaceName[i];
  return !requested.empty() && IsKnownFace(requested) ? requested : call.Font().ActualFamily();
}

template <class Char>
int CopyFace(const std::basic_string<Char>& face, int count, Char* out) {
  if (!out) return int(face.size()) + 1;
  if (count <= 0) return 0;
  const std::size_t n = std::min(face.size(), std::size_t(count - 1));
  std::copy_n(face.data(), n, out);
  out[n] = 0;
  return int(n) + 1;
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
  if (!logFont) return nullptr;
  LOGFONTW lf = *logFont;
  lf.lfFaceName[LF_FACESIZE - 1] = 0;
  return AddObject<HFONT>(std::make_unique<FontObject>(lf));
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
  if (!logFont) return nullptr;
  const LOGFONTW lf = ToLogFontW(*logFont);
  return CreateFontIndirectW(&lf);
}

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char16_t* face) {
  LOGFONTW lf{height, width, escapement, orientation, weight, BYTE(italic), BYTE(underline), BYTE(strikeOut),
              BYTE(charSet), BYTE(outPrecision), BYTE(clipPrecision), BYTE(quality), BYTE(pitchAndFamily), {}};
  for (int i = 0; face && face[i] && i < LF_FACESIZE - 1; ++i) lf.lfFaceName[i] = face[i];
  return CreateFontIndirectW(&lf);
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* face) {
  const std::u16string wide = face ? Cp874ToUtf16(face) : std::u16string();
  return CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                     outPrecision, clipPrecision, quality, pitchAndFamily, wide.c_str());
}

int GetTextFaceW(HDC dc, int count, char16_t* face) {
  const std::u16string name = TextFace(dc);
  return name.empty() ? 0 : CopyFace(name, count, face);
}

int GetTextFaceA(HDC dc, int count, char* face) {
  const std::u16string name = TextFace(dc);
  return name.empty() ? 0 : CopyFace(Utf16ToCp874(name), count, face);
}

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics) {
  if (!metrics) return 0;
  TextCall call(dc);
  if (!call) return 0;
  *metrics = call.Font().Metrics();
  return 1;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
  TEXTMETRICW w;
  if (!metrics || !GetTextMetricsW(dc, &w)) return 0;
  *metrics = ToTextMetricA(w);
  return 1;
}

int GetTextCharset(HDC dc) {
  TEXTMETRICW w;
  return GetTextMetricsW(dc, &w) ? w.tmCharSet : DEFAULT_CHARSET;
}

BOOL GetCharWidthA(HDC dc, UINT first, UINT last, int* widths) { return CharWidths(dc, first, last, widths, AnsiCodePoint); }
BOOL GetCharWidthW(HDC dc, UINT first, UINT last, int* widths) { return CharWidths(dc, first, last, widths, WideCodePoint); }
BOOL GetCharWidth32A(HDC dc, UINT first, UINT last, int* widths) {
  return CharWidths(dc, first, last, widths, AnsiCodePoint);
}
BOOL GetCharWidth32W(HDC dc, UINT first, UINT last, int* widths) {
  return CharWidths(dc, first, last, widths, WideCodePoint);
}
