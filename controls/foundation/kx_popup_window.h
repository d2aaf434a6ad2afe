// TkxPopupWindow (unit kxControls): a borderless stay-on-top form that opens beside, above or
// below an owner rectangle, keeps inside the work area of the monitor there and sizes itself to
// its child controls (docs/controls-foundation.md, "Popup windows").
//
// Placement (ComputePopupPosition): the owner rectangle in screen coordinates O, the popup's size
// W x H.  Centred axes give (O.Left + O.Right - W) div 2 (truncated toward zero); otherwise
// PlacementAxis 1 opens below (VertPlacement 2) or above (0) O, aligned to its left (HorzPlacement
// 0) or right (2) edge; PlacementAxis 0 opens right (2) or left (0) of O, aligned to its top (0)
// or bottom (2) edge.  A popup that runs past the work area on the opening side flips to the
// other side when that side has more room; the position is then clamped into the work area on the
// aligned axis (and on a centred one), never on the opening axis.
#pragma once

#include <memory>

#include "controls/foundation/kx_canvas.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/form.h"

class TkxPopupWindow : public TForm {
  PR_CLASS(TkxPopupWindow, TForm)

 public:
  explicit TkxPopupWindow(TComponent* AOwner = nullptr);
  ~TkxPopupWindow() override;

  virtual TPoint ComputePopupPosition();
  // Only with AutoFitToControls: every child moves right and down by the side spaces (each call
  // again), and the popup takes the size of the children's extent taken before the move plus the
  // side spaces.  A popup without children keeps its size.
  virtual void FitSizeToControls();
  // Side 0 left, 1 top, 2 right, 3 bottom: the frame width plus ContentMargin.
  virtual Integer GetSideSpace(Integer Side);
  virtual TRect GetInnerBounds();
  // 1 for frame styles 1 and 2, 2 for style 3, else 0; the same on every side.
  virtual Integer GetFrameWidth(Integer Side);
  virtual TRect GetOwnerScreenBounds();
  virtual void TakeOwnerFont();
  // Style 1 a line in BorderLineColor, 2 a raised inner edge, 3 a raised outer edge around a
  // raised inner one; 0 nothing.
  virtual void PaintFrame();
  virtual void ClosePopup();
  virtual void OpenPopup();

  bool AutoFitToControls = true;
  Byte HorzPlacement = 0;   // 0 left, 1 centred, 2 right
  Byte VertPlacement = 2;   // 0 top or above, 1 centred, 2 bottom or below
  Integer ContentMargin = 0;
  Byte PlacementAxis = 1;   // 0 beside the owner rectangle, 1 above or below it
  TColor BorderLineColor = clWindowText;
  TRect OwnerRect;          // in client coordinates of OwnerHost
  TControl* OwnerHost = nullptr;
  HWND PreviousActiveWindow = nullptr;

  Byte PopupBorderStyle() const { return popupBorderStyle_; }
  // Moves every child back by the current style's left and top spaces, then keeps the value.
  void SetPopupBorderStyle(Byte Value);
  TkxCanvas* PaintCanvas() const { return paintCanvas_.get(); }

  void Dispatch(TMessage& Message) override;

 protected:
  void Deactivate() override;
  void Paint() override;
  virtual void VisibilityChanged() {}

 private:
  void WMActivate(TMessage& Message);
  void WMActivateApp(TMessage& Message);

  Byte popupBorderStyle_ = 0;
  std::unique_ptr<TkxCanvas> paintCanvas_;
};
