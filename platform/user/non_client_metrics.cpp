#include "platform/user/non_client_metrics.h"

#include <cstddef>
#include <cstring>
#include <mutex>
#include <optional>

#include "platform/gdi/font_object.h"
#include "platform/gdi/text_constants.h"
#include "platform/user/system_metrics.h"

namespace user {

namespace {

// Sizes of the record without and with iPaddedBorderWidth.
template <typename Record>
constexpr UINT kShortSize = UINT(offsetof(Record, iPaddedBorderWidth));

template <typename Record>
bool SizeAccepted(const Record* r) {
  return r != nullptr && (r->cbSize == kShortSize<Record> || r->cbSize == sizeof(Record));
}

LOGFONTW StationFont(LONG weight) {
  LOGFONTW lf{};
  lf.lfHeight = -11;   // 8 points at 96 dpi
  lf.lfWeight = weight;
  lf.lfCharSet = THAI_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  const char16_t face[] = u"Tahoma";
  for (std::size_t i = 0; i < sizeof face / sizeof face[0]; ++i) lf.lfFaceName[i] = face[i];
  return lf;
}

NONCLIENTMETRICSW FromSystemMetrics() {
  NONCLIENTMETRICSW m{};
  m.cbSize = sizeof m;
  m.iBorderWidth = GetSystemMetrics(SM_CXBORDER);
  m.iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  m.iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
  m.iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
  m.iCaptionHeight = GetSystemMetrics(SM_CYCAPTION) - 1;   // the line under the bar is not counted
  m.lfCaptionFont = StationFont(FW_BOLD);
  m.iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
  m.iSmCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION) - 1;
  m.lfSmCaptionFont = StationFont(FW_NORMAL);
  m.iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
  m.iMenuHeight = GetSystemMetrics(SM_CYMENU) - 1;
  m.lfMenuFont = StationFont(FW_NORMAL);
  m.lfStatusFont = StationFont(FW_NORMAL);
  m.lfMessageFont = StationFont(FW_NORMAL);
  return m;
}

struct Stored {
  std::mutex mutex;
  std::optional<NONCLIENTMETRICSW> set;   // empty: derived from the system metrics
};

Stored& State() {
  static Stored stored;
  return stored;
}

NONCLIENTMETRICSW Current() {
  std::lock_guard lock(State().mutex);
  return State().set.value_or(FromSystemMetrics());
}

void Store(const NONCLIENTMETRICSW& m) {
  std::lock_guard lock(State().mutex);
  State().set = m;
  State().set->cbSize = sizeof(NONCLIENTMETRICSW);
  State().set->iPaddedBorderWidth = 0;
}

// Copies every field but the fonts, which the caller converts.
template <typename To, typename From>
void CopySizes(To& to, const From& from) {
  to.iBorderWidth = from.iBorderWidth;
  to.iScrollWidth = from.iScrollWidth;
  to.iScrollHeight = from.iScrollHeight;
  to.iCaptionWidth = from.iCaptionWidth;
  to.iCaptionHeight = from.iCaptionHeight;
  to.iSmCaptionWidth = from.iSmCaptionWidth;
  to.iSmCaptionHeight = from.iSmCaptionHeight;
  to.iMenuWidth = from.iMenuWidth;
  to.iMenuHeight = from.iMenuHeight;
}

template <typename To, typename From, typename Convert>
void CopyFonts(To& to, const From& from, Convert convert) {
  to.lfCaptionFont = convert(from.lfCaptionFont);
  to.lfSmCaptionFont = convert(from.lfSmCaptionFont);
  to.lfMenuFont = convert(from.lfMenuFont);
  to.lfStatusFont = convert(from.lfStatusFont);
  to.lfMessageFont = convert(from.lfMessageFont);
}

NONCLIENTMETRICSA Narrow(const NONCLIENTMETRICSW& w) {
  NONCLIENTMETRICSA a{};
  a.cbSize = sizeof a;
  CopySizes(a, w);
  CopyFonts(a, w, [](const LOGFONTW& f) { return gdi::ToLogFontA(f); });
  return a;
}

// The caller's record may end before iPaddedBorderWidth: only cbSize bytes are read or written.
template <typename Record>
void CopyOut(Record m, Record* out) {
  m.cbSize = out->cbSize;
  m.iPaddedBorderWidth = 0;
  std::memcpy(out, &m, out->cbSize);
}

template <typename Record>
Record CopyIn(const Record* in) {
  Record m{};
  std::memcpy(&m, in, in->cbSize);
  return m;
}

}  // namespace

NONCLIENTMETRICSA NonClientMetrics() { return Narrow(Current()); }

bool GetNonClientMetrics(NONCLIENTMETRICSA* out) {
  if (!SizeAccepted(out)) return false;
  CopyOut(NonClientMetrics(), out);
  return true;
}

bool GetNonClientMetrics(NONCLIENTMETRICSW* out) {
  if (!SizeAccepted(out)) return false;
  CopyOut(Current(), out);
  return true;
}

bool SetNonClientMetrics(const NONCLIENTMETRICSA* in) {
  if (!SizeAccepted(in)) return false;
  const NONCLIENTMETRICSA a = CopyIn(in);
  NONCLIENTMETRICSW w{};
  CopySizes(w, a);
  CopyFonts(w, a, [](const LOGFONTA& f) { return gdi::ToLogFontW(f); });
  Store(w);
  return true;
}

bool SetNonClientMetrics(const NONCLIENTMETRICSW* in) {
  if (!SizeAccepted(in)) return false;
  Store(CopyIn(in));
  return true;
}

void ResetNonClientMetrics() {
  std::lock_guard lock(State().mutex);
  State().set.reset();
}

}  // namespace user
