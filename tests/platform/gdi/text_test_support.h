// Helpers of the text tests: fonts by face and height, and measuring through the public calls.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/cp874.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_extent.h"
#include "test_canvas.h"

// A font request with the fields the tests vary; the rest stay zero.
struct FontSpec {
  const char* face;
  LONG height;
  LONG weight = FW_NORMAL;
  BYTE italic = 0;
  LONG escapement = 0;
  BYTE charset = DEFAULT_CHARSET;
  BYTE pitchAndFamily = 0;
  LONG width = 0;
  BYTE underline = 0;
  BYTE strikeOut = 0;
};

inline HFONT MakeFont(const FontSpec& s) {
  return CreateFontA(s.height, s.width, s.escapement, s.escapement, s.weight, s.italic, s.underline, s.strikeOut,
                     s.charset, 0, 0, 0, s.pitchAndFamily, s.face);
}

// Selects a new font into a context for the guard's life, then deletes it.
class WithFont : public Selected {
 public:
  WithFont(HDC dc, const FontSpec& spec) : Selected(dc, MakeFont(spec)) {}
};

inline int Width(HDC dc, std::string_view bytes) {
  TSize size{};
  GetTextExtentPoint32A(dc, bytes.data(), int(bytes.size()), &size);
  return size.cx;
}

inline TEXTMETRICA Metrics(HDC dc) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  return tm;
}

// The display context, for measuring without pixels.
class DisplayDc {
 public:
  DisplayDc() : dc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {}
  ~DisplayDc() { DeleteDC(dc_); }
  DisplayDc(const DisplayDc&) = delete;
  DisplayDc& operator=(const DisplayDc&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
};
