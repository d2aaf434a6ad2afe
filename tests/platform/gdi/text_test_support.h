// Helpers of the text tests: fonts by face and height, and measuring through the public calls.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "platform/core/cp874.h"
#include "platform/gdi/fonts.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_extent.h"
#include "platform/gdi/text_out.h"
#include "tests/support/gdi/test_canvas.h"

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

using Ink = std::set<std::pair<int, int>>;   // (x, y) of every pixel that is not the background

inline Ink InkOf(const TestCanvas& c, COLORREF background = kWhite) {
  Ink ink;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (c.At(x, y) != background) ink.insert({x, y});
  return ink;
}

inline Ink Shifted(const Ink& ink, int dx, int dy) {
  Ink out;
  for (auto [x, y] : ink) out.insert({x + dx, y + dy});
  return out;
}

inline TRect Box(const Ink& ink) {
  TRect r{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
  for (auto [x, y] : ink) r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
  return r;
}

// Draws with a fresh canvas, a font and transparent background; returns the ink.
template <class Draw>
Ink Drawn(const FontSpec& font, Draw draw, int width = 160, int height = 60) {
  TestCanvas c(width, height);
  WithFont f(c.dc(), font);
  SetBkMode(c.dc(), TRANSPARENT);
  draw(c.dc());
  return InkOf(c);
}

inline void Out(HDC dc, int x, int y, std::string_view bytes) { TextOutA(dc, x, y, bytes.data(), int(bytes.size())); }

