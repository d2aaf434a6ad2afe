// Edit styles (unit kxEdit): the container style with six values about an editor's embedded buttons
// and popup (10 ButtonStyle, 11 ButtonTransparency, 12 PopupBorderStyle, 13 GradientButtons,
// 14 Gradient, 15 GradientDirection), the published TkxEditStyle every editor uses, and
// TkxEditStyleController, the component whose four edit styles many editors share.
//
// An edit value is looked up like a container value: the style's own when its bit is assigned,
// else the same-state style of the active controller (and on up), else the style's default, which
// for a state style is the normal (base) style's current value.  Values 11 to 15 belong to the base
// style alone: their writers on a state style write the base style.  The popup close button has no
// value bit: it lives in the base style only.
//
// The default edit style controller: made at the unit's start and freed at its end; from start to
// end it is also the container unit's default controller, so every standalone editor falls back to
// it.  In-place editors' styles and styles in direct access have no default controller.
#pragma once

#include <string>

#include "controls/editors/kx_edit_buttons.h"
#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_container_style.h"
#include "platform/core/units.h"

PR_ENUM(TkxEditButtonTransparency, ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected)
PR_ENUM(TkxEditPopupBorderStyle, epbsDefault, epbsSingle, epbsFrame3D, epbsFlat)
// The border style of editors, value for value the container's.
PR_ENUM(TkxEditBorderStyle, ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11)
PR_ENUM_TYPEINFO(TkxDirection, dirNone, dirLeft, dirRight, dirUp, dirDown)
// dirLeft to dirDown.
using TkxEditGradientDirection = TkxDirection;

inline constexpr Integer esvButtonStyle = 10, esvButtonTransparency = 11, esvPopupBorderStyle = 12,
                         esvGradientButtons = 13, esvGradient = 14, esvGradientDirection = 15;

class TkxCustomEditStyle : public TkxContainerStyle {
  PR_CLASS(TkxCustomEditStyle, TkxContainerStyle)

 public:
  TkxCustomEditStyle(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle, bool ADirectAccess);
  static TkxContainerStyle* Create(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                   bool ADirectAccess) {
    return new TkxCustomEditStyle(AOwner, AState, AParentStyle, ADirectAccess);
  }

  // From another edit style: the seven edit fields, then the container's values, one report.
  void Assign(TPersistent* Source) override;
  // None in direct access or for an in-place editor; else the default edit style controller.
  TkxStyleController* GetDefaultStyleController() const override;
  TkxContainerStyleValues GetUnpublishedExtendedValues() const override;
  Integer GetStyleValueCount() const override { return 16; }
  std::string GetStyleValueName(Integer Index) const override;

  // The base style answers constants; a state style the base style's current value.
  virtual TkxEditButtonStyle DefaultButtonStyle() const;
  virtual TkxEditButtonTransparency DefaultButtonTransparency() const;
  virtual bool DefaultGradient() const;
  virtual bool DefaultGradientButtons() const;
  virtual TkxEditGradientDirection DefaultGradientDirection() const;
  virtual TkxEditPopupBorderStyle DefaultPopupBorderStyle() const;

  TkxEditButtonStyle ButtonStyle() const;
  void SetButtonStyle(TkxEditButtonStyle Value);
  TkxEditButtonTransparency GetButtonTransparency() const;
  void SetButtonTransparency(TkxEditButtonTransparency Value);
  bool Gradient() const;
  void SetGradient(bool Value);
  // No writer: the field stays False, so it answers False wherever its bit is assigned.
  bool GradientButtons() const;
  TkxEditGradientDirection GradientDirection() const;
  // A value outside dirLeft to dirDown is ignored.
  void SetGradientDirection(TkxEditGradientDirection Value);
  TkxEditPopupBorderStyle PopupBorderStyle() const;
  void SetPopupBorderStyle(TkxEditPopupBorderStyle Value);
  bool PopupCloseButton() const { return Base()->popupCloseButton_; }
  void SetPopupCloseButton(bool Value);
  TkxEditBorderStyle GetBorderStyle() const { return TkxEditBorderStyle(BorderStyle()); }
  using TkxContainerStyle::SetBorderStyle;
  void SetBorderStyle(TkxEditBorderStyle Value) { SetBorderStyle(TkxContainerBorderStyle(Value)); }

  bool ButtonStyleStored() const { return IsValueStored(esvButtonStyle); }
  bool ButtonTransparencyStored() const { return IsValueStored(esvButtonTransparency); }
  bool GradientStored() const { return IsValueStored(esvGradient); }
  bool GradientDirectionStored() const { return IsValueStored(esvGradientDirection); }
  bool PopupBorderStyleStored() const { return IsValueStored(esvPopupBorderStyle); }

 private:
  const TkxCustomEditStyle* Base() const { return baseStyle_ != nullptr ? baseStyle_ : this; }
  TkxCustomEditStyle* Base() { return baseStyle_ != nullptr ? baseStyle_ : this; }
  // This style when it assigns the value, else the same-state style up the active controllers
  // that does; null when none.  In direct access only the own bit counts.
  const TkxCustomEditStyle* FindAssigningEditStyle(Integer Index) const;
  template <class T>
  T ReadValue(Integer Index, T TkxCustomEditStyle::*Field, T (TkxCustomEditStyle::*Default)() const) const;
  // Stores the value, sets its bit and reports, unless the bit is set and the value equal.
  template <class T>
  void WriteValue(Integer Index, T TkxCustomEditStyle::*Field, T Value);

  TkxCustomEditStyle* baseStyle_;   // null for the normal style
  TkxEditButtonStyle buttonStyle_ = btsDefault;
  TkxEditButtonTransparency buttonTransparency_ = ebtNone;
  bool gradient_ = false;
  bool gradientButtons_ = false;
  TkxEditGradientDirection gradientDirection_ = dirDown;
  TkxEditPopupBorderStyle popupBorderStyle_ = epbsDefault;
  bool popupCloseButton_ = true;
};

// The published edit style of every editor.
class TkxEditStyle : public TkxCustomEditStyle {
  PR_CLASS(TkxEditStyle, TkxCustomEditStyle)

 public:
  using TkxCustomEditStyle::TkxCustomEditStyle;
  static TkxContainerStyle* Create(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                   bool ADirectAccess) {
    return new TkxEditStyle(AOwner, AState, AParentStyle, ADirectAccess);
  }
};

class TkxEditStyleController : public TkxStyleController {
  PR_CLASS(TkxEditStyleController, TkxStyleController)

 public:
  explicit TkxEditStyleController(TComponent* AOwner);

  TkxContainerStyleClass GetContainerStyleClass() const override { return &TkxEditStyle::Create; }
  // The style of a state (0 normal, 1 focused, 2 disabled, 3 hot).
  TkxEditStyle* GetStyleForState(Byte AState) const;

  TkxEditStyle* Style() const { return GetStyleForState(kxStyleNormal); }
  void SetStyle(TkxEditStyle* Value) { Styles()->SetStyleOfState(kxStyleNormal, Value); }
  TkxEditStyle* StyleFocused() const { return GetStyleForState(kxStyleFocused); }
  void SetStyleFocused(TkxEditStyle* Value) { Styles()->SetStyleOfState(kxStyleFocused, Value); }
  TkxEditStyle* StyleDisabled() const { return GetStyleForState(kxStyleDisabled); }
  void SetStyleDisabled(TkxEditStyle* Value) { Styles()->SetStyleOfState(kxStyleDisabled, Value); }
  TkxEditStyle* StyleHot() const { return GetStyleForState(kxStyleHot); }
  void SetStyleHot(TkxEditStyle* Value) { Styles()->SetStyleOfState(kxStyleHot, Value); }
};

// The default edit style controller; null outside the unit's life.
TkxEditStyleController* GetDefaultEditStyleController();

// Start: the default edit style controller is made and becomes the container unit's default.
// End: the container unit's default is cleared and the controller freed.
extern const Unit kxEditStylesUnit;
