#include "controls/editors/kx_edit_styles.h"

#include <memory>

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "platform/classes/publisher.h"
#include "platform/ui/colors.h"

PR_IMPLEMENT_CLASS(TkxCustomEditStyle)

PR_PUBLISH(TkxEditStyle) {
  using S = TkxEditStyle;
  p.Property("BorderStyle", &S::GetBorderStyle, static_cast<void (S::*)(TkxEditBorderStyle)>(&S::SetBorderStyle))
      .NoDefault()
      .Stored(&S::BorderStyleStored);
  p.Property("ButtonStyle", &S::ButtonStyle, &S::SetButtonStyle).NoDefault().Stored(&S::ButtonStyleStored);
  p.Property("ButtonTransparency", &S::GetButtonTransparency, &S::SetButtonTransparency)
      .NoDefault()
      .Stored(&S::ButtonTransparencyStored);
  p.Property("Gradient", &S::Gradient, &S::SetGradient).NoDefault().Stored(&S::GradientStored);
  p.Property("GradientDirection", &S::GradientDirection, &S::SetGradientDirection)
      .NoDefault()
      .Stored(&S::GradientDirectionStored);
  p.Property("PopupBorderStyle", &S::PopupBorderStyle, &S::SetPopupBorderStyle)
      .NoDefault()
      .Stored(&S::PopupBorderStyleStored);
}

PR_PUBLISH(TkxEditStyleController) {
  using C = TkxEditStyleController;
  p.Property("Style", &C::Style, &C::SetStyle);
  p.Property("StyleDisabled", &C::StyleDisabled, &C::SetStyleDisabled);
  p.Property("StyleFocused", &C::StyleFocused, &C::SetStyleFocused);
  p.Property("StyleHot", &C::StyleHot, &C::SetStyleHot);
  p.Property("OnStyleChanged", &C::OnStyleChanged);
}

namespace {

constexpr const char* kEditValueNames[] = {"ButtonStyle", "ButtonTransparency", "PopupBorderStyle",
                                           "GradientButtons", "Gradient",   "GradientDirection"};

std::unique_ptr<TkxEditStyleController>& DefaultController() {
  static std::unique_ptr<TkxEditStyleController> controller;
  return controller;
}

}  // namespace

// --- TkxCustomEditStyle ---

TkxCustomEditStyle::TkxCustomEditStyle(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                       bool ADirectAccess)
    : TkxContainerStyle(AOwner, AState, AParentStyle, ADirectAccess),
      baseStyle_(AState != kxStyleNormal ? dynamic_cast<TkxCustomEditStyle*>(AParentStyle) : nullptr) {
  // The container style chose its controller with its own default; ours may differ (an in-place
  // editor has none).
  if (IsRootStyle()) SetStyleController(nullptr);
}

TkxStyleController* TkxCustomEditStyle::GetDefaultStyleController() const {
  if (DirectAccess()) return nullptr;
  TkxContainer* container = GetOwnerContainer();
  if (container != nullptr && container->IsInPlaceMode()) return nullptr;
  return GetDefaultEditStyleController();
}

TkxContainerStyleValues TkxCustomEditStyle::GetUnpublishedExtendedValues() const {
  return inherited::GetUnpublishedExtendedValues() | StyleValueBit(esvButtonTransparency) |
         StyleValueBit(esvPopupBorderStyle) | StyleValueBit(esvGradientButtons) | StyleValueBit(esvGradient) |
         StyleValueBit(esvGradientDirection);
}

std::string TkxCustomEditStyle::GetStyleValueName(Integer Index) const {
  if (Index >= esvButtonStyle && Index < GetStyleValueCount()) return kEditValueNames[Index - esvButtonStyle];
  return inherited::GetStyleValueName(Index);
}

void TkxCustomEditStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxCustomEditStyle*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  BeginUpdate();
  buttonStyle_ = source->buttonStyle_;
  buttonTransparency_ = source->buttonTransparency_;
  gradient_ = source->gradient_;
  gradientButtons_ = source->gradientButtons_;
  gradientDirection_ = source->gradientDirection_;
  popupBorderStyle_ = source->popupBorderStyle_;
  popupCloseButton_ = source->popupCloseButton_;
  inherited::Assign(Source);
  MarkChanged();
  EndUpdate();
}

// --- Lookup ---

const TkxCustomEditStyle* TkxCustomEditStyle::FindAssigningEditStyle(Integer Index) const {
  if (HasOwnBit(Index)) return this;
  if (DirectAccess()) return nullptr;
  TkxStyleController* controller = GetEffectiveController();
  if (controller == nullptr) return nullptr;
  auto* style = dynamic_cast<const TkxCustomEditStyle*>(controller->GetStyleOfState(State()));
  return style != nullptr ? style->FindAssigningEditStyle(Index) : nullptr;
}

template <class T>
T TkxCustomEditStyle::ReadValue(Integer Index, T TkxCustomEditStyle::*Field,
                                T (TkxCustomEditStyle::*Default)() const) const {
  const TkxCustomEditStyle* style = FindAssigningEditStyle(Index);
  return style != nullptr ? style->*Field : (this->*Default)();
}

template <class T>
void TkxCustomEditStyle::WriteValue(Integer Index, T TkxCustomEditStyle::*Field, T Value) {
  if (HasOwnBit(Index) && this->*Field == Value) return;
  this->*Field = Value;
  IncludeAssignedValue(Index);
  MarkChanged();
}

// --- Defaults ---

TkxEditButtonStyle TkxCustomEditStyle::DefaultButtonStyle() const {
  return IsRootStyle() ? btsDefault : Base()->ButtonStyle();
}
TkxEditButtonTransparency TkxCustomEditStyle::DefaultButtonTransparency() const {
  return IsRootStyle() ? ebtNone : Base()->GetButtonTransparency();
}
bool TkxCustomEditStyle::DefaultGradient() const { return IsRootStyle() ? false : Base()->Gradient(); }
bool TkxCustomEditStyle::DefaultGradientButtons() const { return IsRootStyle() ? false : Base()->GradientButtons(); }
TkxEditGradientDirection TkxCustomEditStyle::DefaultGradientDirection() const {
  return IsRootStyle() ? dirDown : Base()->GradientDirection();
}
TkxEditPopupBorderStyle TkxCustomEditStyle::DefaultPopupBorderStyle() const {
  return IsRootStyle() ? epbsDefault : Base()->PopupBorderStyle();
}

// --- Readers ---

TkxEditButtonStyle TkxCustomEditStyle::ButtonStyle() const {
  return ReadValue(esvButtonStyle, &TkxCustomEditStyle::buttonStyle_, &TkxCustomEditStyle::DefaultButtonStyle);
}
TkxEditButtonTransparency TkxCustomEditStyle::GetButtonTransparency() const {
  return ReadValue(esvButtonTransparency, &TkxCustomEditStyle::buttonTransparency_,
                   &TkxCustomEditStyle::DefaultButtonTransparency);
}
bool TkxCustomEditStyle::Gradient() const {
  return ReadValue(esvGradient, &TkxCustomEditStyle::gradient_, &TkxCustomEditStyle::DefaultGradient);
}
bool TkxCustomEditStyle::GradientButtons() const {
  return ReadValue(esvGradientButtons, &TkxCustomEditStyle::gradientButtons_,
                   &TkxCustomEditStyle::DefaultGradientButtons);
}
TkxEditGradientDirection TkxCustomEditStyle::GradientDirection() const {
  return ReadValue(esvGradientDirection, &TkxCustomEditStyle::gradientDirection_,
                   &TkxCustomEditStyle::DefaultGradientDirection);
}
TkxEditPopupBorderStyle TkxCustomEditStyle::PopupBorderStyle() const {
  return ReadValue(esvPopupBorderStyle, &TkxCustomEditStyle::popupBorderStyle_,
                   &TkxCustomEditStyle::DefaultPopupBorderStyle);
}

// --- Writers ---

void TkxCustomEditStyle::SetButtonStyle(TkxEditButtonStyle Value) {
  WriteValue(esvButtonStyle, &TkxCustomEditStyle::buttonStyle_, Value);
}
void TkxCustomEditStyle::SetButtonTransparency(TkxEditButtonTransparency Value) {
  Base()->WriteValue(esvButtonTransparency, &TkxCustomEditStyle::buttonTransparency_, Value);
}
void TkxCustomEditStyle::SetGradient(bool Value) { Base()->WriteValue(esvGradient, &TkxCustomEditStyle::gradient_, Value); }
void TkxCustomEditStyle::SetGradientDirection(TkxEditGradientDirection Value) {
  if (Value < dirLeft || Value > dirDown) return;
  Base()->WriteValue(esvGradientDirection, &TkxCustomEditStyle::gradientDirection_, Value);
}
void TkxCustomEditStyle::SetPopupBorderStyle(TkxEditPopupBorderStyle Value) {
  Base()->WriteValue(esvPopupBorderStyle, &TkxCustomEditStyle::popupBorderStyle_, Value);
}
void TkxCustomEditStyle::SetPopupCloseButton(bool Value) {
  TkxCustomEditStyle* base = Base();
  if (base->popupCloseButton_ == Value) return;
  base->popupCloseButton_ = Value;
  base->MarkChanged();
}

// --- TkxEditStyleController ---

TkxEditStyleController::TkxEditStyleController(TComponent* AOwner) : TkxStyleController(AOwner) { RecreateStyles(); }

TkxEditStyle* TkxEditStyleController::GetStyleForState(Byte AState) const {
  return static_cast<TkxEditStyle*>(GetStyleOfState(AState));
}

// --- The default controller ---

TkxEditStyleController* GetDefaultEditStyleController() { return DefaultController().get(); }

const Unit kxEditStylesUnit = {"kxEditStyles",
                               [] {
                                 DefaultController() = std::make_unique<TkxEditStyleController>(nullptr);
                                 SetUnitDefaultStyleController(DefaultController().get());
                               },
                               [] {
                                 SetUnitDefaultStyleController(nullptr);
                                 DefaultController().reset();
                               }};
