#include "platform/ui/screen.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/os/thread.h"
#include "platform/ui/cursors.h"
#include "platform/ui/font.h"
#include "platform/ui/font_handle.h"
#include "platform/ui/form.h"
#include "platform/user/cursor.h"
#include "platform/user/non_client_metrics.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/window_dc.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_tree.h"

PR_IMPLEMENT_CLASS(TMonitor)
PR_IMPLEMENT_CLASS(TScreen)

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner), menuFont_(std::make_unique<TFont>()) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  menuFont_->SetData(FontDataOf(metrics.lfMenuFont));
  menuFont_->SetColor(clMenuText);
  HDC dc = GetDC(nullptr);
  pixelsPerInch_ = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  if (pixelsPerInch_ <= 0) pixelsPerInch_ = 96;
  HMONITOR monitor = ::MonitorFromPoint(TPoint{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
  GetMonitorInfoA(monitor, &info);
  monitors_.push_back(std::make_unique<TMonitor>(monitor, 0, info.rcMonitor, info.rcWork));
}

TScreen::~TScreen() = default;

Integer TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

Integer TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const {
  TRect area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

Integer TScreen::MonitorCount() const { return Integer(monitors_.size()); }

TMonitor* TScreen::Monitors(Integer Index) const { return monitors_.at(std::size_t(Index)).get(); }

TMonitor* TScreen::MonitorOf(HMONITOR Handle) const {
  for (const auto& monitor : monitors_)
    if (monitor->Handle() == Handle) return monitor.get();
  return monitors_.front().get();
}

TMonitor* TScreen::MonitorFromPoint(TPoint Point) const {
  return MonitorOf(::MonitorFromPoint(Point, MONITOR_DEFAULTTONEAREST));
}

TMonitor* TScreen::MonitorFromRect(const TRect& Rect) const {
  return MonitorOf(::MonitorFromRect(&Rect, MONITOR_DEFAULTTONEAREST));
}

TMonitor* TScreen::MonitorFromWindow(HWND Window) const {
  return MonitorOf(::MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST));
}

// --- cursors ---

void TScreen::SetCursor(TCursor Value) {
  if (Value != cursor_) {
    cursor_ = Value;
    if (Value == crDefault) {
      // The window under the mouse picks its own cursor again.
      TPoint p{};
      GetCursorPos(&p);
      HWND window = WindowFromPoint(p);
      if (window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
        SendMessageA(window, WM_SETCURSOR, WPARAM(window), MAKELPARAM(int(hit), WM_MOUSEMOVE));
      }
    } else {
      ::SetCursor(Cursors(Value));
    }
  }
  ++cursorCount_;
}

HCURSOR TScreen::Cursors(Integer Index) const {
  auto it = cursors_.find(Index);
  if (it != cursors_.end()) return it->second;
  return SystemCursor(Index);
}

void TScreen::SetCursors(Integer Index, HCURSOR Handle) {
  if (Index == crDefault) return;
  if (Handle == nullptr) cursors_.erase(Index);
  else cursors_[Index] = Handle;
}

// --- forms and focus ---

void TScreen::AddForm(TCustomForm* Form) {
  customForms_.push_back(Form);
  if (auto* form = dynamic_cast<TForm*>(Form)) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(customForms_, Form);
  // The form may be half destroyed: compare addresses only.
  std::erase_if(forms_, [Form](TForm* f) { return static_cast<const void*>(f) == static_cast<const void*>(Form); });
  ForgetSavedFocus(Form);
  if (focusedForm_ == Form) focusedForm_ = nullptr;
  if (lastActiveForm_ == Form) lastActiveForm_ = nullptr;
  if (activeCustomForm_ == Form) {
    activeCustomForm_ = nullptr;
    activeForm_ = nullptr;
    activeControl_ = nullptr;
    OnActiveFormChange(this);
  }
}

void TScreen::MoveToFront(TCustomForm* Form) {
  std::erase(customForms_, Form);
  customForms_.insert(customForms_.begin(), Form);
  if (auto* form = dynamic_cast<TForm*>(Form)) {
    std::erase(forms_, form);
    forms_.insert(forms_.begin(), form);
  }
}

void TScreen::SetFocusedForm(TCustomForm* Form, TWinControl* Control) {
  const bool controlChanged = activeControl_ != Control;
  const bool formChanged = activeCustomForm_ != Form;
  activeControl_ = Control;
  activeCustomForm_ = Form;
  activeForm_ = dynamic_cast<TForm*>(Form);
  MoveToFront(Form);
  if (controlChanged) OnActiveControlChange(this);
  if (formChanged) OnActiveFormChange(this);
}

void TScreen::SaveFocusedForm(TCustomForm* Modal) {
  savedFocus_.insert(savedFocus_.begin(), focusedForm_);
  focusedForm_ = Modal;
}

void TScreen::RestoreFocusedForm() {
  if (savedFocus_.empty()) return;
  focusedForm_ = savedFocus_.front();
  savedFocus_.erase(savedFocus_.begin());
}

void TScreen::ForgetSavedFocus(TCustomForm* Form) { std::replace(savedFocus_.begin(), savedFocus_.end(), Form, static_cast<TCustomForm*>(nullptr)); }

void TScreen::UpdateLastActive() {
  if (activeCustomForm_ != lastActiveForm_) lastActiveForm_ = activeCustomForm_;
}
