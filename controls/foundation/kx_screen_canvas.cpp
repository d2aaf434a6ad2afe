#include "controls/foundation/kx_screen_canvas.h"

#include <memory>

#include "platform/classes/publisher.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

PR_IMPLEMENT_CLASS(TScreenCanvas)

namespace {

std::unique_ptr<TkxScreenCanvas>& SharedScreenCanvas() {
  static std::unique_ptr<TkxScreenCanvas> canvas;
  return canvas;
}

}  // namespace

TScreenCanvas::~TScreenCanvas() {
  if (dc_ == nullptr) return;
  SetHandle(nullptr);
  ReleaseDC(GetDesktopWindow(), dc_);
}

void TScreenCanvas::CreateHandle() {
  if (dc_ == nullptr) dc_ = GetDCEx(GetDesktopWindow(), nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
  SetHandle(dc_);
}

TkxScreenCanvas* GetSharedScreenCanvas() {
  std::unique_ptr<TkxScreenCanvas>& canvas = SharedScreenCanvas();
  if (canvas == nullptr) canvas = std::make_unique<TkxScreenCanvas>();
  return canvas.get();
}

void FreeSharedScreenCanvas() { SharedScreenCanvas().reset(); }

TSize MeasureFontText(TFont* Font, const std::string& Text, Integer PointSize) {
  TkxScreenCanvas* canvas = GetSharedScreenCanvas();
  canvas->SetFont(Font);
  if (PointSize != 0) canvas->GetFont()->SetSize(PointSize);
  return canvas->GetTextSize(Text);
}

Integer MeasureFontTextHeight(TFont* Font, const std::string& Text, Integer PointSize) {
  return MeasureFontText(Font, Text, PointSize).cy;
}

Integer MeasureFontTextWidth(TFont* Font, const std::string& Text, Integer PointSize) {
  return MeasureFontText(Font, Text, PointSize).cx;
}
