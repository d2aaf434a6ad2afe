// What every text call starts with: the device context, the font system's lock and the realized
// font selected into the context (the stock system font when none is).
#pragma once

#include <mutex>

#include "platform/gdi/gdi_types.h"
#include "platform/gdi/text_run.h"

namespace gdi {

class DeviceContext;
class RealizedFont;

class TextCall {
 public:
  explicit TextCall(HDC dc);
  TextCall(const TextCall&) = delete;
  TextCall& operator=(const TextCall&) = delete;

  explicit operator bool() const { return dc_ != nullptr; }
  DeviceContext& Dc() const { return *dc_; }
  RealizedFont& Font() const { return *font_; }
  // The context's character extra and justification.
  RunSpacing Spacing() const;

 private:
  DeviceContext* dc_;
  std::unique_lock<std::mutex> lock_;
  RealizedFont* font_ = nullptr;
};

}  // namespace gdi
