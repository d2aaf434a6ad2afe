// TCanvas: text output and measuring.
#include "platform/ui/canvas.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/text_constants.h"
#include "platform/gdi/text_extent.h"
#include "platform/gdi/text_out.h"

void TCanvas::TextOut(Integer X, Integer Y, const std::string& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ExtTextOutA(handle_, X, Y, UINT(textFlags_), nullptr, Text.data(), UINT(Text.size()), nullptr);
  MoveToEx(handle_, X + TextWidth(Text), Y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, Integer X, Integer Y, const std::string& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED | UINT(textFlags_);
  if (brush_->Style() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutA(handle_, X, Y, options, &Rect, Text.data(), UINT(Text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(const std::string& Text) {
  RequiredState({csHandleValid, csFontValid});
  TSize size{};
  GetTextExtentPoint32A(handle_, Text.data(), Integer(Text.size()), &size);
  return size;
}
