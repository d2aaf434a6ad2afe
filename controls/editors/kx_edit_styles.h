// Edit styles (unit kxEdit): TkxCustomEditStyle adds to the container style the six values of an
// editor's embedded buttons and popups (button style, button transparency, popup border style,
// gradient buttons, gradient, gradient direction) and the popup close button; TkxEditStyle is the
// published class every editor uses.
//
// The added values take the numbers 10 to 15 of the assigned-value set, after the container's ten.
// Only the normal (base) style owns 11 to 15: on the focused, disabled and hot styles those setters
// write the base style and their bits are never stored there.  The button style (10) may differ per
// state.  A value not assigned on the style itself comes from the same-state style of its style
// controller, else from the style's default, which for a state style is the base style's value.
//
// TkxEditStyleController is the component whose four edit styles many editors share.  The default
// edit style controller is made at the unit's start and freed at its end; from start to end it is
// also the container unit's default controller, so every standalone editor falls back to it.
// In-place editors' styles and styles in direct access have no default controller.
#pragma once

#include "controls/editors/kx_edit_buttons.h"
#include "controls/foundation/kx_classes.h"
#include "controls/foundation/kx_container_style.h"
#include "platform/core/units.h"

PR_ENUM(TkxEditButtonTransparency, ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected)
PR_ENUM(TkxEditPopupBorderStyle, epbsDefault, epbsSingle, epbsFrame3D, epbsFlat)
PR_ENUM_TYPEINFO(TkxDirection, dirNone, dirLeft, dirRight, dirUp, dirDown)
// dirLeft to dirDown.
using TkxEditGradientDirection = TkxDirection;

// The border style of editors is the container's, under the editors' names.
using TkxEditBorderStyle = TkxContainerBorderStyle;
inline constexpr TkxEditBorderStyle ebsNone = cbsNone, ebsSingle = cbsSingle, ebsThick = cbsThick, ebsFlat = cbsFlat,
                                    ebs3D = cbs3D, ebsUltraFlat = cbsUltraFlat, ebsOffice11 = cbsOffice11;

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

  // From another edit style the seven added fields first, then the container's values.
  void Assign(TPersistent* Source) override;
  // None in direct access and for an in-place editor's style.
  TkxStyleController* GetDefaultStyleController() const override;
  TkxContainerStyleValues GetUnpublishedExtendedValues() const override;
  Integer GetStyleValueCount() const override { return 16; }
  std::string GetStyleValueName(Integer Index) const override;
  bool IsValueAssigned(Integer Index) const override;

  // The base style's constants; a state style answers the base style's current value.
  virtual TkxEditButtonStyle DefaultButtonStyle() const;
  virtual TkxEditButtonTransparency DefaultButtonTransparency() const;
  virtual bool DefaultGradient() const;
  virtual bool DefaultGradientButtons() const;
  virtual TkxEditGradientDirection DefaultGradientDirection() const;
  virtual TkxEditPopupBorderStyle DefaultPopupBorderStyle() const;

  TkxEditButtonStyle ButtonStyle() const;
  void SetButtonStyle(TkxEditButtonStyle Value);
  TkxEditButtonTransparency ButtonTransparency() const;
  void SetButtonTransparency(TkxEditButtonTransparency Value);
  bool Gradient() const;
  void SetGradient(bool Value);
  // No writer: assigned through AssignedValues only, and then False.
  bool GradientButtons() const;
  TkxEditGradientDirection GradientDirection() const;
  // A value outside dirLeft to dirDown is ignored.
  void SetGradientDirection(TkxEditGradientDirection Value);
  TkxEditPopupBorderStyle PopupBorderStyle() const;
  void SetPopupBorderStyle(TkxEditPopupBorderStyle Value);
  bool PopupCloseButton() const { return BaseEditStyle()->popupCloseButton_; }
  void SetPopupCloseButton(bool Value);

  bool ButtonStyleStored() const { return IsValueStored(esvButtonStyle); }
  bool ButtonTransparencyStored() const { return IsValueStored(esvButtonTransparency); }
  bool GradientStored() const { return IsValueStored(esvGradient); }
  bool GradientDirectionStored() const { return IsValueStored(esvGradientDirection); }
  bool PopupBorderStyleStored() const { return IsValueStored(esvPopupBorderStyle); }

 private:
  const TkxCustomEditStyle* BaseEditStyle() const;
  TkxCustomEditStyle* BaseEditStyle();
  // The edit style that assigns the value (this or a controller's), null when none.
  const TkxCustomEditStyle* FindEditValue(Integer Index) const;
  template <class T>
  void StoreEditValue(T& Field, const T& Value, Integer Index);

  TkxEditButtonStyle buttonStyle_ = btsDefault;
  TkxEditButtonTransparency buttonTransparency_ = ebtNone;
  bool gradient_ = false;
  bool gradientButtons_ = false;
  TkxEditGradientDirection gradientDirection_ = dirDown;
  TkxEditPopupBorderStyle popupBorderStyle_ = epbsDefault;
  bool popupCloseButton_ = true;
};

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
