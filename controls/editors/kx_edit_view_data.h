// The editor view data (unit kxEdit): TkxCustomEditViewData, the layout engine of every editor.  An
// editor, or a host painting an editor in place, makes one from the editor properties for a style,
// fills in the editor's state and calls Calculate to fill a TkxCustomEditViewInfo: state, border,
// client and inner-edit rectangles, colours, font and one button view info per visible embedded
// button with its bounds, style and state.  It also measures editors (fixed part and content
// sizes) for auto-size and for hosts.  A view data is short-lived: editors make one per layout.
//
// Button layout: the visible buttons are visited from the last collection item to the first; a
// right-aligned button is placed at the right edge of what is left and a left-aligned one at the
// left edge, each as wide as GetEditButtonWidth (visible bounds cut to the space left).  Button
// states: 0 disabled, 1 normal, 2 pressed, 3 hot (TkxEditButtonState).
//
// Stretching: the space S left between the buttons is shared among the stretchable buttons (all of
// them when none is stretchable) in proportion to their laid-out widths, which are never 0 (a
// button of natural width is as wide as its layout made it), so an editor whose buttons all have
// natural width shares its space instead of dividing by zero.  Going from the last button to the
// first, each sharing button gains width x S / T (rounded toward zero), where T is the sum of the
// sharing buttons' laid-out widths; the first sharing button takes what remains of S.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "controls/editors/kx_edit_styles.h"
#include "controls/editors/kx_edit_view_info.h"
#include "controls/foundation/kx_container_routines.h"
#include "platform/core/types.h"
#include "platform/core/variant.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/control_types.h"

class TCanvas;
class TControl;
class TkxCustomEdit;
class TkxCustomEditProperties;

// The gain of each button (0 for those that do not share); LaidOutWidths and Stretchable have one
// entry per button view info, in view-info order.  Nothing is shared when Space is not above 0.
std::vector<Integer> ShareStretchSpace(std::span<const Integer> LaidOutWidths, std::span<const bool> Stretchable,
                                       Integer Space);

// What an editor measures once and copies into every in-place view data.
struct TkxEditMetrics {
  TRect ClientExtent{};   // set by a host; not empty adds 4 to the paint options
  Integer ContentOffsetLeft = 0, ContentOffsetTop = 0, ContentOffsetRight = 0, ContentOffsetBottom = 0;
  // Bit 0 adds $10 to the paint options; bit 1 shifts a pressed button's content by a pixel.
  Byte Flags = 0;
  Integer WidthCorrection = 0;    // 3 - left offset - right offset
  Integer HeightCorrection = 0;   // 1 for a native in-place editor with buttons
};

// Hints for measuring: Width -1 is no limit, Height -1 lets the content decide.
struct TkxEditSizeProperties {
  Integer Height = -1;
  Integer MaxLineCount = 0;
  Integer Width = -1;
};

class TkxCustomEditViewData : public TPersistent {
  PR_CLASS(TkxCustomEditViewData, TPersistent)

 public:
  TkxCustomEditViewData(TkxCustomEditProperties* AProperties, TkxContainerStyle* AStyle, bool AIsInplace);

  // --- Virtual operations ---
  virtual void CalculateButtonNativeInfo(TkxEditButtonViewInfo& AButton);
  virtual bool CanPressButton(TkxCustomEditViewInfo&, Integer) { return true; }
  virtual TkxContainerStateFlags CalculateContainerState(TCanvas* Canvas, TPoint P, Integer Button, TShiftState Shift,
                                                         bool IsMouseEvent);
  // (1, 1, 1, 3) for a control, (1, 1, 1, 1) in place, as (L, T, R, B).
  virtual TRect GetContentOffsets() const;
  virtual Integer GetNativeState() const;
  virtual void ApplyPropertiesSettings();
  virtual void CalculateEditorMetrics(TkxEditMetrics& Block) const;
  virtual void ResetInplaceState();
  virtual std::string ValueToDisplayText(const Variant&) const { return std::string(); }
  // The part of an already calculated view info outside its client rectangle, and the least
  // content size the buttons need.
  virtual void GetFixedPartSize(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo, TSize& FixedSize,
                                TSize& MinContentSize);
  virtual TSize CalculateContentSize(TCanvas*, const Variant&, const TkxEditSizeProperties&) { return TSize{0, 0}; }
  virtual bool IsButtonPressedByEdit(TkxCustomEditViewInfo&, Integer) { return false; }
  virtual void Calculate(TCanvas* Canvas, const TRect& Bounds, TPoint P, Integer Button, TShiftState Shift,
                         TkxCustomEditViewInfo& AViewInfo, bool IsMouseEvent);
  virtual void PlaceButton(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo, TRect& R, Integer AIndex);
  virtual void CalculateButtonsViewInfo(TCanvas* Canvas, const TRect& Bounds, TPoint P, Integer Button,
                                        TShiftState Shift, TkxCustomEditViewInfo& AViewInfo, bool IsMouseEvent);
  // Copies the settings of the button of collection index ACollectionIndex into button view info
  // AIndex, then PlaceButton.
  virtual void FillButtonViewInfo(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo, TRect& R, Integer AIndex,
                                  Integer ACollectionIndex);
  virtual TColor GetBorderColor() const;
  virtual TRect GetBorderExtent() const;
  virtual TkxEditBorderStyle GetEffectiveBorderStyle() const;
  virtual TRect GetButtonAreaExtent(TCanvas* Canvas) const;
  virtual TRect GetClientExtent(TCanvas* Canvas, const TkxCustomEditViewInfo& AViewInfo) const;
  // Lays the editor out without limits (a temporary view info when none is given), then
  // GetFixedPartSize.
  virtual void GetEditorSize(TCanvas* Canvas, TkxCustomEditViewInfo* AViewInfo, TSize& FixedSize,
                             TSize& MinContentSize);
  virtual TSize GetContentSize(TCanvas* Canvas, const Variant& AEditValue, const TkxEditSizeProperties& ASize);
  virtual TSize GetMetricMargins() const;
  virtual bool HasShadow() const;
  virtual bool UsesNativeStyle(const TkxLookAndFeel* ALookAndFeel) const;

  // --- Other operations ---
  // The editor's size for AEditValue within the hints, clamped to a control's Constraints.
  TSize MeasureEditor(TCanvas* Canvas, const Variant& AEditValue, const TkxEditSizeProperties& ASizeProperties);
  void CalculateViewInfoGeometry(TkxCustomEditViewInfo& AViewInfo);
  TkxEditButtonStyle GetEffectiveButtonStyle() const;
  Byte ComposePaintOptions() const;
  Integer GetCapturedButtonIndex() const;
  bool IsEditorFocused() const;
  std::string MakeDisplayText(const Variant& AValue) const;
  void FireDisplayTextEvent(std::string& AText) const;
  TkxContainerStyle* GetEditStyle() const { return style_; }
  void SetEditStyle(TkxContainerStyle* Value) { style_ = Value; }
  TkxCustomEditProperties* Properties() const { return properties_; }

  // --- State a caller fills in ---
  bool IsInplace = false;
  Integer LeftSideLeftmostButtonIndex = -1, LeftSideRightmostButtonIndex = -1;
  Integer RightSideLeftmostButtonIndex = -1, RightSideRightmostButtonIndex = -1;
  // Width of a button whose Width is 0; AWidth starts at 0 and 0 keeps the natural width.
  std::function<void(TObject* Sender, Integer AIndex, Integer& AWidth)> DefaultButtonWidthHandler;
  std::function<void(TObject* Sender, std::string& AText)> DisplayTextHandler;
  TkxCustomEdit* Edit = nullptr;
  TRect Bounds{};
  bool StretchButtons = false;
  Integer VisibleButtonCount = 0;
  TkxContainerStateFlags ContainerState{cstNormal};
  TRect InplaceBorderExtent{};
  TkxEditMetrics EditorMetrics;
  bool Enabled = true;
  bool Focused = false;
  TAlignment HorzAlignment = taLeftJustify;
  TControl* HScrollBar = nullptr;
  TControl* InnerEdit = nullptr;
  bool Designing = false;
  bool Selected = false;
  Integer MaxLineCount = 0;
  bool NativeStyle = false;
  Byte OptionBits = 0;
  bool HideText = false;
  bool FocusedOrHot = false;
  Integer SelStart = 0, SelLength = 0;
  TColor SelTextColor = clDefault, SelBackgroundColor = clDefault;
  Byte VertAlignment = 0;
  TControl* VScrollBar = nullptr;
  HWND WindowHandle = nullptr;

 protected:
  TkxCustomEditStyle* EditStyle() const;

 private:
  void CalculateStateAndBorder(TCanvas* Canvas, TPoint P, Integer Button, TShiftState Shift,
                               TkxCustomEditViewInfo& AViewInfo, bool IsMouseEvent);
  void LayOutButtons(TCanvas* Canvas, TkxCustomEditViewInfo& AViewInfo);
  void StretchLaidOutButtons(TkxCustomEditViewInfo& AViewInfo, Integer Space);
  void CalculateButtonStates(TkxCustomEditViewInfo& AViewInfo, TPoint P, Integer Button, TShiftState Shift,
                             Integer Previous);
  void MarkButtonEdges(TkxCustomEditViewInfo& AViewInfo);
  TkxEditPopupBorderStyle GetPopupBorderStyle(const TkxCustomEditViewInfo& AViewInfo) const;
  TkxLookAndFeel* LookAndFeel() const;
  TkxLookAndFeelPainterClass SkinPainter() const;

  TkxCustomEditProperties* properties_;
  TkxContainerStyle* style_;
};
