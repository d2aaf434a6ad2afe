// TkxCustomButton and TkxButton (unit kxButtons): the push button of the tool's forms, an owner-drawn
// BUTTON window (BS_OWNERDRAW; WM_DRAWITEM comes back as CN_DRAWITEM) painted by the look-and-feel
// painter of its own TkxLookAndFeel.  Clicks, Default, Cancel, ModalResult and keyboard activation
// stay the platform button's; this class draws the states (default, normal, hot, pressed,
// disabled) in per-state colours (TkxButtonColors) with a glyph (kx_button_glyph.h), hot-tracks
// under painters that ask for it, and drops a menu down (kxbkDropDown: the whole button;
// kxbkDropDownButton: the arrow part, the right-most 15 pixels).
//
// The drop-down cycle: a press on the arrow part (or Alt/Shift + Up/Down) sets the arrow-pressed
// flag and posts KXM_DROPDOWNMENU; its handler shows DropDownMenu modally (the button paints
// pressed), and posts KXM_DROPDOWNMENUCLOSED, whose handler clears the flags.  The menu clicks the
// chosen item before Popup returns: an item may free the button or its form, so the handler holds
// a weak link to the button and touches nothing once it reads nil.  A press while the menu shows
// closes it and swallows the click that follows.  Interface thread only.
#pragma once

#include <memory>

#include "controls/foundation/kx_button_glyph.h"
#include "controls/foundation/kx_mouse_tracking.h"
#include "controls/foundation/kx_painter.h"
#include "platform/ui/button.h"
#include "platform/ui/menu.h"

class TControlCanvas;
class TkxCustomButton;
class TkxLookAndFeel;

// Posted to the button to drop the menu down, and by the drop-down handler once the menu closed.
inline constexpr UINT KXM_DROPDOWNMENU = 0x8190;
inline constexpr UINT KXM_DROPDOWNMENUCLOSED = 0x8191;

PR_ENUM(TkxButtonKind, kxbkStandard, kxbkDropDown, kxbkDropDownButton)

// The five state colours; clDefault leaves the painter's own face colour.
class TkxButtonColors : public TPersistent {
  PR_CLASS(TkxButtonColors, TPersistent)

 public:
  explicit TkxButtonColors(TkxCustomButton* AOwner = nullptr) : button_(AOwner) {}
  void Assign(TPersistent* Source) override;

  // The state's colour when assigned; an unassigned normal state takes the default state's colour,
  // any other unassigned state the normal one's.
  TColor GetEffectiveColor(TkxButtonState State) const;
  TColor StateColor(TkxButtonState State) const { return colors_[State]; }
  // clNone or clDefault unassigns the state.
  void SetStateColor(TkxButtonState State, TColor Value);
  Byte AssignedColors() const { return assigned_; }
  bool IsAssigned(TkxButtonState State) const { return (assigned_ & (1u << State)) != 0; }
  // Acts only while the button is being designed.
  void SetAssignedColors(Byte Value);
  bool AnyAssigned() const { return assigned_ != 0; }

  // The published colours.
  TColor Default() const { return colors_[kxbsDefault]; }
  void SetDefault(TColor Value) { SetStateColor(kxbsDefault, Value); }
  TColor Normal() const { return colors_[kxbsNormal]; }
  void SetNormal(TColor Value) { SetStateColor(kxbsNormal, Value); }
  TColor Hot() const { return colors_[kxbsHot]; }
  void SetHot(TColor Value) { SetStateColor(kxbsHot, Value); }
  TColor Pressed() const { return colors_[kxbsPressed]; }
  void SetPressed(TColor Value) { SetStateColor(kxbsPressed, Value); }
  TColor Disabled() const { return colors_[kxbsDisabled]; }
  void SetDisabled(TColor Value) { SetStateColor(kxbsDisabled, Value); }
  bool DefaultStored() const { return IsAssigned(kxbsDefault); }
  bool NormalStored() const { return IsAssigned(kxbsNormal); }
  bool HotStored() const { return IsAssigned(kxbsHot); }
  bool PressedStored() const { return IsAssigned(kxbsPressed); }
  bool DisabledStored() const { return IsAssigned(kxbsDisabled); }

 private:
  void Changed();

  TkxCustomButton* button_;
  Byte assigned_ = 0;   // bit n: state n
  TColor colors_[5] = {clDefault, clDefault, clDefault, clDefault, clDefault};
};

using TkxDropDownMenuPopupEvent = Event<void(TObject* Sender, TPopupMenu*& PopupMenu, bool& Handled)>;
using TkxButtonGetDrawParamsEvent =
    Event<void(TObject* Sender, TkxButtonState AState, TColor& AColor, TFont* AFont)>;

class TkxCustomButton : public TButton, public IkxMouseTrackingCaller {
  PR_CLASS(TkxCustomButton, TButton)

 public:
  explicit TkxCustomButton(TComponent* AOwner);
  ~TkxCustomButton() override;

  TkxButtonColors* Colors() const { return colors_.get(); }
  void SetColors(TkxButtonColors* Value) { colors_->Assign(Value); }
  bool ColorsStored() const { return colors_->AnyAssigned(); }
  TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* Value);
  TBitmap* Glyph() const { return glyph_->Glyph(); }
  void SetGlyph(TBitmap* Value) { glyph_->SetGlyph(Value); }
  Integer NumGlyphs() const { return glyph_->NumGlyphs(); }
  void SetNumGlyphs(Integer Value) { glyph_->SetNumGlyphs(Value); }
  TkxButtonGlyph* ButtonGlyph() const { return glyph_.get(); }
  TkxButtonKind Kind() const { return kind_; }
  void SetKind(TkxButtonKind Value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  TkxLookAndFeel* LookAndFeel() const { return lookAndFeel_.get(); }
  void SetLookAndFeel(TkxLookAndFeel* Value);
  Integer Margin() const { return margin_; }
  // Values below -1 are ignored.
  void SetMargin(Integer Value);
  TPopupAlignment PopupAlignment() const { return popupAlignment_; }
  void SetPopupAlignment(TPopupAlignment Value) { popupAlignment_ = Value; }
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer Value);
  bool UseSystemPaint() const { return useSystemPaint_; }
  void SetUseSystemPaint(bool Value);

  // The state the button paints in now.
  TkxButtonState GetButtonState() const;
  bool IsHot() const { return hot_; }
  bool IsMenuVisible() const { return menuVisible_; }
  // Caption (accelerators stripped) plus three "R"s wide, MulDiv("Wg" high, 14, 8) high.
  virtual TSize CalcOptimalSize();
  // The painter a button of this look-and-feel paints with (an Office 2003 look paints buttons in
  // the visual style when it is available, else in the standard look).
  static TkxLookAndFeelPainterClass GetButtonPainterClass(TkxLookAndFeel* LookAndFeel);

  TkxDropDownMenuPopupEvent OnDropDownMenuPopup;
  TkxButtonGetDrawParamsEvent OnGetDrawParams;

  void Click() override;
  void Dispatch(TMessage& Message) override;

  // IkxMouseTrackingCaller: the pointer has left the button.  Uncounted.
  Integer _AddRef() override { return -1; }
  Integer _Release() override { return -1; }
  void MouseLeave() override;

 protected:
  virtual bool DoDropDownMenuPopup(TPopupMenu*& Menu);
  virtual TkxLookAndFeelPainterClass GetPainterClass() const { return GetButtonPainterClass(lookAndFeel_.get()); }
  virtual bool IsSystemPainted() const { return false; }
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWindowHandle() override;
  void SetButtonStyle(bool ADefault) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void PaintContent();

 private:
  bool IsHotTrackEnabled() const;
  bool InArrowPart(Integer X) const;
  bool IsCursorOverButton();
  TRect GetContentRect(TkxButtonState State) const;
  void DoDropDown();
  void DrawItem(TMessage& Message);
  void HandleDropDownMessage();
  void HandleMenuClosedMessage();
  TPoint GetMenuPosition(TPopupMenu* Menu) const;
  TPopupAlignment GetMenuAlignment(TPoint P, TPopupAlignment Alignment) const;
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void LookAndFeelChanged();
  void InvalidateIfShown();

  bool pressed_ = false;
  bool focused_ = false;
  std::unique_ptr<TkxButtonColors> colors_;
  std::unique_ptr<TControlCanvas> canvas_;
  std::unique_ptr<TkxCanvas> kxCanvas_;
  bool arrowPressed_ = false;
  TPopupMenu* dropDownMenu_ = nullptr;
  bool isDefault_ = false;
  bool menuJustClosed_ = false;
  TkxButtonKind kind_ = kxbkStandard;
  std::unique_ptr<TkxLookAndFeel> lookAndFeel_;
  TPopupAlignment popupAlignment_ = paLeft;
  bool useSystemPaint_ = false;
  std::unique_ptr<TkxButtonGlyph> glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  Integer margin_ = -1;
  bool menuVisible_ = false;
  bool hot_ = false;
  Integer spacing_ = 4;
  TPopupMenu* shownMenu_ = nullptr;   // the menu on screen, cleared when it is freed
};

class TkxButton : public TkxCustomButton {
  PR_CLASS(TkxButton, TkxCustomButton)

 public:
  using TkxCustomButton::TkxCustomButton;
};
