// TProGridButton: the grid library's own speed button, a windowless control with a caption and
// four glyph bitmaps (Glyph, and GlyphHot, GlyphDown, GlyphDisabled falling back to Glyph), flat
// hot tracking with a grey shadow under the lifted glyph, gradient faces (16 vertical bands), a
// rounded border, an optional drop-down part (the rightmost 12 pixels) with a popup menu, a check
// style (tasCheck toggles Down at each click) and grouped exclusive buttons, and four colour
// schemes (classic, blue, olive, silver) chosen by the current visual style's colour name.
//
// State: Up, Disabled, Pressed while the left button is held on it, Exclusive while a grouped
// button is down.  A button with GroupIndex 0 and tasButton never stays down.  A grouped button
// going down sends CM_BUTTONPRESSED (WParam the group, LParam the button) to its parent's
// controls; the other down buttons of the group go up and every one takes the sender's AllowAllUp.
// Colours are TColor values; clNone ("none") leaves a gradient end or a border out.
#pragma once

#include <memory>

#include "platform/ui/button_glyph.h"
#include "platform/ui/graphic_control.h"

class TBitmap;
class TPopupMenu;

PR_ENUM(TProGridButtonStyle, tasButton, tasCheck)

class TProGridButton : public TGraphicControl {
  PR_CLASS(TProGridButton, TGraphicControl)

 public:
  enum TState : Byte { stUp, stDisabled, stPressed, stExclusive };
  // GetXPColorScheme's answers.
  enum TColorScheme : Byte { csClassicScheme, csBlueScheme, csOliveScheme, csSilverScheme };

  explicit TProGridButton(TComponent* AOwner);
  ~TProGridButton() override;

  Integer GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(Integer Value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  bool Down() const { return down_; }
  void SetDown(bool Value);
  TProGridButtonStyle Style() const { return style_; }
  void SetStyle(TProGridButtonStyle Value);

  // Glyph copies Value and, while GlyphDisabled is empty, makes it a grey copy: each pixel (r, g,
  // b) becomes the grey ((r + g + b) / 3) / 2 + 96.  The other three only copy.
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* Value);
  TBitmap* GlyphHot() const { return glyphHot_.get(); }
  void SetGlyphHot(TBitmap* Value);
  TBitmap* GlyphDown() const { return glyphDown_.get(); }
  void SetGlyphDown(TBitmap* Value);
  TBitmap* GlyphDisabled() const { return glyphDisabled_.get(); }
  void SetGlyphDisabled(TBitmap* Value);
  // The glyph's grey (0x808080) silhouette drawn under the lifted glyph of a hot button.
  TBitmap* ShadeBitmap() const { return shade_.get(); }
  bool Shaded() const { return shaded_; }
  void SetShaded(bool Value);

  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer Value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer Value);   // below -1: ignored
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value) { transparent_ = Value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool Value);
  bool Rounded() const { return rounded_; }
  void SetRounded(bool Value);
  bool DropDownButton() const { return dropDownButton_; }
  void SetDropDownButton(bool Value);
  TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool AutoXPStyle() const { return autoXPStyle_; }
  void SetAutoXPStyle(bool Value) { autoXPStyle_ = Value; }
  bool AutoThemeAdapt() const { return autoThemeAdapt_; }
  void SetAutoThemeAdapt(bool Value);

  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value);
  TColor ColorHot() const { return colorHot_; }
  void SetColorHot(TColor Value) { colorHot_ = Value; }
  TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(TColor Value) { colorHotTo_ = Value; }
  TColor ColorDown() const { return colorDown_; }
  void SetColorDown(TColor Value) { colorDown_ = Value; }
  TColor ColorDownTo() const { return colorDownTo_; }
  void SetColorDownTo(TColor Value) { colorDownTo_ = Value; }
  TColor ColorChecked() const { return colorChecked_; }
  void SetColorChecked(TColor Value);
  TColor ColorCheckedTo() const { return colorCheckedTo_; }
  void SetColorCheckedTo(TColor Value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  TColor BorderDownColor() const { return borderDownColor_; }
  void SetBorderDownColor(TColor Value) { borderDownColor_ = Value; }
  TColor BorderHotColor() const { return borderHotColor_; }
  void SetBorderHotColor(TColor Value) { borderHotColor_ = Value; }

  TState State() const { return state_; }
  bool MouseInControl() const { return mouseInControl_; }
  bool Dragging() const { return dragging_; }

  // The scheme the active visual style asks for (classic without styles or before version 5.1).
  static TColorScheme GetXPColorScheme();
  void ApplyColorScheme(TColorScheme Scheme);
  void ThemeAdapt() { ApplyColorScheme(GetXPColorScheme()); }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnDropDown;

  void Dispatch(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  bool Inside(Integer X, Integer Y) { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
  bool Hot() const { return mouseInControl_; }
  bool Designing() const;
  void UpdateExclusive();
  void UpdateTracking();
  void MakeShade();
  void Repaint() { Invalidate(); }
  void PaintButton();
  bool PaintThemed(const TRect& R);
  void PaintFlatFace(TRect& R);
  void PaintContent(const TRect& R, TPoint Offset);
  TBitmap* GlyphToDraw() const;
  void ButtonPressed(TMessage& Message);
  void MouseEntered(TMessage& Message);
  void MouseLeft(TMessage& Message);

  Integer groupIndex_ = 0;
  std::unique_ptr<TBitmap> glyph_, glyphHot_, glyphDown_, glyphDisabled_, shade_;
  bool down_ = false;
  bool dragging_ = false;
  bool allowAllUp_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  Integer spacing_ = 4;
  bool transparent_ = true;
  Integer margin_ = -1;
  bool flat_ = true;
  bool mouseInControl_ = false;
  TColor colorTo_ = clNone;
  TColor colorHot_ = TColor(13289415), colorHotTo_ = clNone;
  TColor colorDown_ = TColor(14210002), colorDownTo_ = clNone;
  TColor borderColor_ = clNone, borderDownColor_ = clNone, borderHotColor_ = clNone;
  bool shaded_ = true;
  TColor colorChecked_ = TColor(0x808080), colorCheckedTo_ = clNone;
  TProGridButtonStyle style_ = tasButton;
  bool rounded_ = false, dropDownButton_ = false, autoThemeAdapt_ = false, autoXPStyle_ = false;
  TPopupMenu* dropDownMenu_ = nullptr;   // not owned
  bool showCaption_ = true;
  TState state_ = stUp;
  bool painting_ = false;
};

// Bands of a vertical (or horizontal) gradient from From to To over R: band i takes From plus
// round-half-even(i x (To - From) / N) per channel and is drawn as a rectangle one pixel longer
// than its share; N 0 counts as 1.  Border (not clNone) frames R afterwards.
void DrawButtonGradient(TCanvas* Canvas, TColor From, TColor To, TColor Border, Integer N, const TRect& R,
                        bool Horizontal);
