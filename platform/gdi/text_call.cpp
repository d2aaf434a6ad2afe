// The common start of the text calls; see text_call.h.
#include "platform/gdi/text_call.h"

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/font_system.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/stock_fonts.h"
#include "platform/gdi/text_constants.h"

namespace gdi {

TextCall::TextCall(HDC dc) : dc_(FindDC(dc)) {
  if (!dc_) return;
  GdiObject* selected = dc_->State().font;
  FontObject* font = selected && selected->Kind() == ObjectKind::Font ? static_cast<FontObject*>(selected)
                                                                      : FindObject<FontObject>(StockFont(SYSTEM_FONT));
  lock_ = FontSystem::Instance().Lock();
  font_ = &font->Realized();
}

RunSpacing TextCall::Spacing() const {
  RunSpacing s;
  const DcState& state = dc_->State();
  s.charExtra = state.charExtra;
  s.breakExtra = state.breakExtra;
  s.breakCount = state.breakCount;
  return s;
}

}  // namespace gdi
