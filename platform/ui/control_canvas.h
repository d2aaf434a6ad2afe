// TControlCanvas: the canvas of a control: its context is the control's window's (a graphic
// control draws on its parent's window, with the origin moved to its corner and the drawing
// clipped to its bounds), fetched on first use and given back by FreeHandle.
//
// Fetched contexts are a scarce resource: at most four canvases keep one at a time (the oldest
// gives its back when a fifth needs one), and every canvas gives back a context of a window that
// is being destroyed (FreeDeviceContexts).
#pragma once

#include "platform/core/function_ref.h"
#include "platform/ui/canvas.h"
#include "platform/user/user_types.h"

class TControl;

class TControlCanvas : public TCanvas {
  PR_CLASS(TControlCanvas, TCanvas)

 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* Control() const { return control_; }
  void SetControl(TControl* Value);
  // Gives back a context this canvas fetched itself.
  void FreeHandle();
  // ETO_RTLREADING in TextFlags when the control reads right to left.
  void UpdateTextFlags();
  // Runs Paint with the canvas drawing on DC (a paint's context), locked; afterwards the canvas
  // has no context again.
  void PaintOn(HDC DC, TFunctionRef<void()> Paint);
  // Every canvas that holds a context of Window gives it back.
  static void FreeDeviceContexts(HWND Window);

 protected:
  void CreateHandle() override;

 private:
  TControl* control_ = nullptr;
  HDC fetched_ = nullptr;     // a context from GetDCEx, released by FreeHandle
  HWND window_ = nullptr;     // the window it came from
};
