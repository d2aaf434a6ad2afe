// TkxCustomEditViewInfo (unit kxEdit): the paint record of an editor.  It extends the container's
// view info with what the editor view data lays out (the inner-edit rectangle, the editor's state,
// its font and text colour) and one TkxEditButtonViewInfo per visible embedded button, and paints
// the editor's background, border and buttons: classic border styles or the visual style, and the
// button styles 3-D, flat, simple, hot-flat, ultra-flat and Office 2003, each in every state.
//
// Button states: ebsDisabled, ebsNormal, ebsPressed and ebsSelected (hot).  A simple button that is
// pressed or hot is drawn as a flat one; the default style draws as 3-D.  A button whose NativeState
// is not 0 is drawn by the theme ("Button", or "ComboBox" for the combo-box look).
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "controls/editors/kx_edit_buttons.h"
#include "controls/editors/kx_edit_styles.h"
#include "controls/foundation/kx_container_view_info.h"
#include "platform/classes/event.h"

class TFont;
class TkxCustomEdit;
class TWinControl;

// Host paint hooks; each sets AHandled when it painted.  Asked with a null canvas, a hook answers
// whether it would paint.
using TkxEditCustomBackgroundEvent = Event<void(TObject* Sender, TkxCanvas* ACanvas, bool& AHandled)>;
using TkxEditCustomButtonEvent =
    Event<void(TObject* Sender, TkxCanvas* ACanvas, Integer AButtonVisibleIndex, bool& AHandled)>;
using TkxEditCustomButtonBackgroundEvent =
    Event<void(TObject* Sender, TkxCanvas* ACanvas, const TRect& ARect, Integer AButtonVisibleIndex, bool& AHandled)>;
using TkxEditCustomButtonBorderEvent = Event<void(TObject* Sender, TkxCanvas* ACanvas, Integer AButtonVisibleIndex,
                                                  TRect& ABackgroundRect, TRect& AContentRect, bool& AHandled)>;
using TkxEditBeforePaintEvent = Event<void(TObject* Sender, TkxCanvas* ACanvas)>;
// The last word on a button's state as the view data computed it.
using TkxEditButtonStateEvent = Event<void(TObject* Sender, Integer AButtonVisibleIndex, TkxEditButtonState& AState)>;

// Stands for the class of the button view infos: makes one.
using TkxEditButtonViewInfoClass = TkxEditButtonViewInfo* (*)();

class TkxCustomEditViewInfo : public TkxContainerViewInfo {
  PR_CLASS(TkxCustomEditViewInfo, TkxContainerViewInfo)

 public:
  TkxCustomEditViewInfo();
  ~TkxCustomEditViewInfo() override;

  virtual TkxEditButtonViewInfoClass GetButtonViewInfoClass() const;
  // Frees surplus button view infos from the end or makes the missing ones.
  void SetButtonCount(Integer ACount);
  Integer ButtonCount() const { return Integer(ButtonsInfo.size()); }
  TkxEditButtonViewInfo& Button(Integer AIndex) const { return *ButtonsInfo[std::size_t(AIndex)]; }

  // DrawEditBackground with the content filled, background kind 0.
  void PaintBackgroundAndBorder(TkxCanvas& Canvas) override;
  // BeforePaintHandler first.
  void PaintTo(TkxCanvas& Canvas) override;
  void SetCustomBackgroundHandler(TkxEditCustomBackgroundEvent AHandler) {
    CustomBackgroundHandler = std::move(AHandler);
  }
  // In place only: whether CustomBackgroundHandler painted (with a null canvas: would paint).
  bool RunBackgroundHandler(TkxCanvas* Canvas);
  bool HasBackgroundHandler() { return RunBackgroundHandler(nullptr); }
  // Whether a button border, background or whole-button hook would paint the button.
  bool IsButtonCustomPainted(Integer AIndex);
  // Unless they are being painted already: PaintButtonAt for every button in order.
  void PaintButtons(TkxCanvas& Canvas);
  // CustomButtonHandler or PaintButton, clipped to the part of the button inside the border rectangle when it sticks out.
  void PaintButtonAt(TkxCanvas& Canvas, Integer AIndex);
  // Border, then background and content where their rectangles are not empty.  The content moves by
  // one pixel when pressed only at an editor's request (none here).
  virtual void PaintButton(TkxCanvas& Canvas, Integer AIndex);
  // CustomButtonBorderHandler, else the border in the button's look; answers the background and content colours and rectangles.
  void PaintButtonBorder(TkxCanvas& Canvas, Integer AIndex, TColor& BackgroundColor, TColor& ContentColor,
                         TRect& ContentRect, TRect& BackgroundRect);
  void PaintButtonBorder3D(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TColor& BackgroundColor,
                           TRect& R);
  void PaintButtonBorderFlat(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TColor& BackgroundColor,
                             TRect& R);
  void PaintButtonBorderSimple(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TColor& BackgroundColor,
                               TRect& R);
  void PaintButtonBorderHotFlat(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TColor& BackgroundColor,
                                TColor& ContentColor, TRect& R);
  // Ultra-flat and Office 2003; the content rectangle is one more pixel narrower on each side.
  void PaintButtonBorderUltraFlat(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, bool IsOffice11,
                                  TColor& BackgroundColor, TRect& ContentRect, TRect& BackgroundRect);
  // The background rectangle is the bounds; the content the theme's content rectangle of "Button"
  // (empty for the combo-box look, the background rectangle for a custom-painted button).
  void PaintNativeButtonFrame(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TRect& ContentRect,
                              TRect& BackgroundRect);
  // CustomButtonBackgroundHandler, else the theme's background or PaintButtonFill.
  void PaintButtonBackground(TkxCanvas& Canvas, Integer AIndex, TColor AColor, const TRect& R);
  void PaintNativeButtonBackground(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, const TRect& R);
  // An Office 2003 gradient (normal, pressed or hot pair, top to bottom over the border rectangle's
  // height) for an enabled opaque btsOffice11 button with Gradient; else a solid fill.
  void PaintButtonFill(TkxCanvas& Canvas, const TkxEditButtonViewInfo& AButton, TColor AColor, const TRect& R);
  // Ellipsis dots, down arrow, glyph or caption inside R; a disabled button's ellipsis, arrow and
  // caption are embossed (clBtnHighlight one pixel right and below, then clBtnShadow).
  void PaintButtonContent(TkxCanvas& Canvas, Integer AIndex, bool PressedOffset, TColor BackgroundColor,
                          TColor ContentColor, const TRect& R);
  // The visual-style background of the editor: AKind 0 the editor, 1 and 2 the drop-down and popup
  // looks of descendants.
  void DrawNativeBackground(TkxCanvas& Canvas, bool FillContent, TColor ABrushColor, Integer AKind);
  // The classic border (and shadow) and fill.
  void PaintClassicEditBackground(TkxCanvas& Canvas, bool AFillContent);
  // What PaintBackground paints.  In place: 0 the host's background handler, 2 nothing (transparent,
  // the view info's or the editor's), else 3; a control: 4 the parent's image when transparent, 5 the
  // parent's background when the editor uses it, 1 the editor background when not native, else 3.
  // 3 is a fill of the background colour.
  Integer GetBackgroundKind();
  // Kinds other than the editor background and the fill.
  bool HasTransparentBackground();
  // The background under R by kind, inside a saved DC; unless NoExclude, AExcludeRect leaves the clip.
  void PaintBackground(TkxCanvas& Canvas, const TRect& R, bool NoExclude, const TRect& AExcludeRect);
  // True when some button is hot.
  bool IsHotTrackEnabled() const;
  // P moved back by the left and top offsets lies in some button's bounds.
  bool IsPointOverButton(TPoint P) const;
  void OffsetRects(Integer DX, Integer DY) override;

  // --- Repainting ---

  // A change of the container state alone repaints the frame.
  virtual bool RepaintsOnStateChange() const { return true; }
  // From an editor view info: background and border colours, border style, container and native
  // states, the button view infos, pressed and hot buttons, then the client rectangle.
  void Assign(TObject* Source) override;
  // Against an editor view info of the same border style and colour, button count and native
  // state: the union of the buttons whose look changed; otherwise the whole bounds.
  std::unique_ptr<TkxRegion> GetRepaintRegion(TkxContainerViewInfo* AOldViewInfo) override;
  // Invalidates on AControl's window what differs from AOld (moved by the left and top offsets),
  // leaving out AInnerRect (the inner edit's bounds, clipped to the client rectangle):
  // a new native state, background colour, container state or button count repaints the frame
  // down to AInnerRect; a new border colour or style the frame outside the border rectangle; then
  // each button whose look changed (equal counts).  Without AOld the frame is invalidated and the
  // answer is False; otherwise the answer is whether anything was invalidated.
  bool RepaintExceptRect(TWinControl* AControl, const TRect& AInnerRect, const TkxCustomEditViewInfo* AOld);
  bool Repaint(TWinControl* AControl, const TkxCustomEditViewInfo* AOld) {
    return RepaintExceptRect(AControl, TRect{}, AOld);
  }

  TkxEditCustomBackgroundEvent CustomBackgroundHandler;
  TkxEditCustomButtonEvent CustomButtonHandler;
  TkxEditCustomButtonBackgroundEvent CustomButtonBackgroundHandler;
  TkxEditCustomButtonBorderEvent CustomButtonBorderHandler;
  TkxEditBeforePaintEvent BeforePaintHandler;
  TkxEditButtonStateEvent ButtonStateHandler;

  std::vector<std::unique_ptr<TkxEditButtonViewInfo>> ButtonsInfo;
  bool Enabled = true;
  // The erase flag of invalidations: the editor lets WM_ERASEBKGND through.
  bool EraseBackground = false;
  bool Focused = false;
  TFont* Font = nullptr;   // not owned; null keeps the canvas font
  bool HasInplaceBorderExtent = false;
  TRect InnerEditRect;
  bool IsInplace = false;
  Integer LeftOffset = 0;
  // Bit 4: a host set a client extent (ultra-flat hot buttons of an in-place editor then draw
  // separators only).
  Byte PaintOptions = 0;
  Integer PressedButton = -1;
  Integer HotButton = -1;
  TColor TextColor = clWindowText;
  Integer TopOffset = 0;
  bool Transparent = false;
  // What the view data computes besides the paint record: the editor laid out (null for a host's
  // layout), its window, the hot-track value (0 off, 1 on but neither focused nor hot, 2 focused
  // or hot), whether a button is pressed by a real press or by the editor, the popup border style
  // of drop-down descendants and whether a host paints the editor in a selected cell.
  TkxCustomEdit* Edit = nullptr;
  HWND WindowHandle = nullptr;
  Integer HotTrackValue = 0;
  bool ReallyPressed = false;
  TkxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  bool Selected = false;

 private:
  bool paintingButtons_ = false;
};

// The editor background: with buttons whose first is not partially transparent the buttons are
// left out of the clip; the visual style's background when native, else the classic one; then
// the buttons.
void DrawEditBackground(TkxCanvas& Canvas, TkxCustomEditViewInfo& AViewInfo, bool AFillContent, Integer AKind);
