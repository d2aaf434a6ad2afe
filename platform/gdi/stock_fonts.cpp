// The stock fonts; see stock_fonts.h.
#include "platform/gdi/stock_fonts.h"

#include <array>
#include <memory>

#include "platform/gdi/font_object.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/text_constants.h"

namespace gdi {
namespace {

struct StockFontSpec {
  int index;
  const char16_t* face;
  LONG height;
  LONG weight;
  BYTE charset;
  BYTE pitchAndFamily;
};

constexpr StockFontSpec kSpecs[] = {
    {OEM_FIXED_FONT, u"Terminal", 12, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN},
    {ANSI_FIXED_FONT, u"Courier", 13, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN},
    {ANSI_VAR_FONT, u"MS Sans Serif", 13, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS},
    {SYSTEM_FONT, u"System", 16, FW_BOLD, THAI_CHARSET, VARIABLE_PITCH | FF_SWISS},
    {DEVICE_DEFAULT_FONT, u"System", 16, FW_BOLD, THAI_CHARSET, VARIABLE_PITCH | FF_SWISS},
    {SYSTEM_FIXED_FONT, u"Fixedsys", 15, FW_NORMAL, THAI_CHARSET, FIXED_PITCH | FF_MODERN},
    {DEFAULT_GUI_FONT, u"MS Shell Dlg", -11, FW_NORMAL, THAI_CHARSET, VARIABLE_PITCH | FF_SWISS},
};

HGDIOBJ Create(const StockFontSpec& spec) {
  LOGFONTW lf{};
  lf.lfHeight = spec.height;
  lf.lfWeight = spec.weight;
  lf.lfCharSet = spec.charset;
  lf.lfPitchAndFamily = spec.pitchAndFamily;
  for (int i = 0; spec.face[i] && i < LF_FACESIZE - 1; ++i) lf.lfFaceName[i] = spec.face[i];
  auto font = std::make_unique<FontObject>(lf);
  font->MarkStock();
  return AddObject<HGDIOBJ>(std::move(font));
}

}  // namespace

HGDIOBJ StockFont(int index) {
  static const auto handles = [] {
    std::array<HGDIOBJ, std::size(kSpecs)> h{};
    for (std::size_t i = 0; i < h.size(); ++i) h[i] = Create(kSpecs[i]);
    return h;
  }();
  for (std::size_t i = 0; i < handles.size(); ++i)
    if (kSpecs[i].index == index) return handles[i];
  return nullptr;
}

}  // namespace gdi
