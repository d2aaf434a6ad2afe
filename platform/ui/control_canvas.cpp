#include "platform/ui/control_canvas.h"

#include <algorithm>
#include <vector>

#include "platform/classes/publisher.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/clip.h"
#include "platform/gdi/dc.h"
#include "platform/ui/win_control.h"
#include "platform/user/window_dc.h"

PR_IMPLEMENT_CLASS(TControlCanvas)

namespace {

constexpr Integer kEtoRtlReading = 0x80;
constexpr std::size_t kCanvasCacheSize = 4;

// The canvases holding a fetched context, oldest first (interface thread only).
std::vector<TControlCanvas*>& Holders() {
  static std::vector<TControlCanvas*> holders;
  return holders;
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* Value) {
  if (control_ == Value) return;
  FreeHandle();
  control_ = Value;
}

void TControlCanvas::FreeHandle() {
  if (fetched_ == nullptr) return;
  Lock();
  SetHandle(nullptr);
  ReleaseDC(window_, fetched_);
  fetched_ = nullptr;
  window_ = nullptr;
  std::erase(Holders(), this);
  Unlock();
}

void TControlCanvas::FreeDeviceContexts(HWND Window) {
  std::vector<TControlCanvas*> holders = Holders();
  for (TControlCanvas* canvas : holders)
    if (canvas->window_ == Window) canvas->FreeHandle();
}

void TControlCanvas::CreateHandle() {
  if (control_ == nullptr) return;
  if (fetched_ == nullptr) {
    if (Holders().size() >= kCanvasCacheSize) Holders().front()->FreeHandle();
    auto* window = dynamic_cast<TWinControl*>(control_);
    const bool graphic = window == nullptr;
    if (graphic) {
      if (control_->Parent() == nullptr)
        throw EInvalidOperation("Control '" + control_->Name() + "' has no parent window");
      window = control_->Parent();
    }
    window_ = window->Handle();
    fetched_ = GetDC(window_);
    if (fetched_ == nullptr) throw EOutOfResources("Error creating window device context");
    if (graphic) {
      SetViewportOrgEx(fetched_, control_->Left(), control_->Top(), nullptr);
      IntersectClipRect(fetched_, 0, 0, control_->Width(), control_->Height());
    }
    Holders().push_back(this);
  }
  SetHandle(fetched_);
  UpdateTextFlags();
}

void TControlCanvas::UpdateTextFlags() {
  if (control_ == nullptr) return;
  if (control_->UseRightToLeftReading())
    SetTextFlags(TextFlags() | kEtoRtlReading);
  else
    SetTextFlags(TextFlags() & ~kEtoRtlReading);
}

void TControlCanvas::PaintOn(HDC DC, TFunctionRef<void()> Paint) {
  Lock();
  FreeHandle();
  SetHandle(DC);
  try {
    UpdateTextFlags();
    Paint();
  } catch (...) {
    SetHandle(nullptr);
    Unlock();
    throw;
  }
  SetHandle(nullptr);
  Unlock();
}
