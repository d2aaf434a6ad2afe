#include "controls/editors/kx_edit_styles.h"

#include <memory>

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_container_routines.h"
#include "platform/classes/publisher.h"

PR_IMPLEMENT_CLASS(TkxCustomEditStyle)

namespace {

// The editors' names for the container's border styles, as their form images write them.
const TTypeInfo* EditBorderStyleTypeInfo() {
  static const TTypeInfo info =
      MakeEnumTypeInfo("TkxEditBorderStyle", "ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11");
  return &info;
}

}  // namespace

PR_PUBLISH(TkxEditStyle) {
  using S = TkxEditStyle;
  p.Property("BorderStyle", &S::BorderStyle, &S::SetBorderStyle)
      .Type(EditBorderStyleTypeInfo())
      .NoDefault()
      .Stored(&S::BorderStyleStored);
  p.Property("ButtonStyle", &S::ButtonStyle, &S::SetButtonStyle).NoDefault().Stored(&S::ButtonStyleStored);
  p.Property("ButtonTransparency", &S::ButtonTransparency, &S::SetButtonTransparency)
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

std::unique_ptr<TkxEditStyleController>& DefaultController() {
  static std::unique_ptr<TkxEditStyleController> controller;
  return controller;
}

constexpr const char* kEditStyleValueNames[] = {"ButtonStyle",     "ButtonTransparency", "PopupBorderStyle",
                                                "GradientButtons", "Gradient",           "GradientDirection"};

}  // namespace

TkxCustomEditStyle::TkxCustomEditStyle(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                       bool ADirectAccess)
    : TkxContainerStyle(AOwner, AState, AParentStyle, ADirectAccess) {
  // The container style chose its controller with the container's default; ours may differ (an
  // in-place editor has none).
  if (IsRootStyle()) SetStyleController(nullptr);
}

void TkxCustomEditStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxCustomEditStyle*>(Source);
  if (source == nullptr) return TkxContainerStyle::Assign(Source);
  BeginUpdate();
  buttonStyle_ = source->buttonStyle_;
  buttonTransparency_ = source->buttonTransparency_;
  gradient_ = source->gradient_;
  gradientButtons_ = source->gradientButtons_;
  gradientDirection_ = source->gradientDirection_;
  popupBorderStyle_ = source->popupBorderStyle_;
  popupCloseButton_ = source->popupCloseButton_;
  TkxContainerStyle::Assign(Source);
  MarkChanged();
  EndUpdate();
}

TkxStyleController* TkxCustomEditStyle::GetDefaultStyleController() const {
  if (DirectAccess()) return nullptr;
  TkxContainer* container = GetOwnerContainer();
  if (container != nullptr && container->IsInPlaceMode()) return nullptr;
  return GetDefaultEditStyleController();
}

TkxContainerStyleValues TkxCustomEditStyle::GetUnpublishedExtendedValues() const {
  return TkxContainerStyle::GetUnpublishedExtendedValues() | StyleValueBit(esvButtonTransparency) |
         StyleValueBit(esvPopupBorderStyle) | StyleValueBit(esvGradientButtons) | StyleValueBit(esvGradient) |
         StyleValueBit(esvGradientDirection);
}

std::string TkxCustomEditStyle::GetStyleValueName(Integer Index) const {
  if (Index >= esvButtonStyle && Index <= esvGradientDirection) return kEditStyleValueNames[Index - esvButtonStyle];
  return TkxContainerStyle::GetStyleValueName(Index);
}

bool TkxCustomEditStyle::IsValueAssigned(Integer Index) const {
  if (Index >= esvButtonStyle && Index <= esvGradientDirection) return FindEditValue(Index) != nullptr;
  return TkxContainerStyle::IsValueAssigned(Index);
}

const TkxCustomEditStyle* TkxCustomEditStyle::BaseEditStyle() const {
  return static_cast<const TkxCustomEditStyle*>(Root());
}

TkxCustomEditStyle* TkxCustomEditStyle::BaseEditStyle() { return static_cast<TkxCustomEditStyle*>(Root()); }

const TkxCustomEditStyle* TkxCustomEditStyle::FindEditValue(Integer Index) const {
  if (DirectAccess()) return HasOwnBit(Index) ? this : nullptr;
  return dynamic_cast<const TkxCustomEditStyle*>(FindAssigningStyle(Index));
}

// --- Defaults ---

TkxEditButtonStyle TkxCustomEditStyle::DefaultButtonStyle() const {
  return IsRootStyle() ? btsDefault : BaseEditStyle()->ButtonStyle();
}

TkxEditButtonTransparency TkxCustomEditStyle::DefaultButtonTransparency() const {
  return IsRootStyle() ? ebtNone : BaseEditStyle()->ButtonTransparency();
}

bool TkxCustomEditStyle::DefaultGradient() const { return IsRootStyle() ? false : BaseEditStyle()->Gradient(); }

bool TkxCustomEditStyle::DefaultGradientButtons() const {
  return IsRootStyle() ? false : BaseEditStyle()->GradientButtons();
}

TkxEditGradientDirection TkxCustomEditStyle::DefaultGradientDirection() const {
  return IsRootStyle() ? dirDown : BaseEditStyle()->GradientDirection();
}

TkxEditPopupBorderStyle TkxCustomEditStyle::DefaultPopupBorderStyle() const {
  return IsRootStyle() ? epbsDefault : BaseEditStyle()->PopupBorderStyle();
}

// --- Readers ---

TkxEditButtonStyle TkxCustomEditStyle::ButtonStyle() const {
  const TkxCustomEditStyle* s = FindEditValue(esvButtonStyle);
  return s != nullptr ? s->buttonStyle_ : DefaultButtonStyle();
}

TkxEditButtonTransparency TkxCustomEditStyle::ButtonTransparency() const {
  const TkxCustomEditStyle* s = FindEditValue(esvButtonTransparency);
  return s != nullptr ? s->buttonTransparency_ : DefaultButtonTransparency();
}

bool TkxCustomEditStyle::Gradient() const {
  const TkxCustomEditStyle* s = FindEditValue(esvGradient);
  return s != nullptr ? s->gradient_ : DefaultGradient();
}

bool TkxCustomEditStyle::GradientButtons() const {
  const TkxCustomEditStyle* s = FindEditValue(esvGradientButtons);
  return s != nullptr ? s->gradientButtons_ : DefaultGradientButtons();
}

TkxEditGradientDirection TkxCustomEditStyle::GradientDirection() const {
  const TkxCustomEditStyle* s = FindEditValue(esvGradientDirection);
  return s != nullptr ? s->gradientDirection_ : DefaultGradientDirection();
}

TkxEditPopupBorderStyle TkxCustomEditStyle::PopupBorderStyle() const {
  const TkxCustomEditStyle* s = FindEditValue(esvPopupBorderStyle);
  return s != nullptr ? s->popupBorderStyle_ : DefaultPopupBorderStyle();
}

// --- Writers ---

template <class T>
void TkxCustomEditStyle::StoreEditValue(T& Field, const T& Value, Integer Index) {
  if (HasOwnBit(Index) && Field == Value) return;
  Field = Value;
  IncludeAssignedValue(Index);
  MarkChanged();
}

void TkxCustomEditStyle::SetButtonStyle(TkxEditButtonStyle Value) {
  StoreEditValue(buttonStyle_, Value, esvButtonStyle);
}

void TkxCustomEditStyle::SetButtonTransparency(TkxEditButtonTransparency Value) {
  TkxCustomEditStyle* base = BaseEditStyle();
  base->StoreEditValue(base->buttonTransparency_, Value, esvButtonTransparency);
}

void TkxCustomEditStyle::SetGradient(bool Value) {
  TkxCustomEditStyle* base = BaseEditStyle();
  base->StoreEditValue(base->gradient_, Value, esvGradient);
}

void TkxCustomEditStyle::SetGradientDirection(TkxEditGradientDirection Value) {
  if (Value < dirLeft || Value > dirDown) return;
  TkxCustomEditStyle* base = BaseEditStyle();
  base->StoreEditValue(base->gradientDirection_, Value, esvGradientDirection);
}

void TkxCustomEditStyle::SetPopupBorderStyle(TkxEditPopupBorderStyle Value) {
  TkxCustomEditStyle* base = BaseEditStyle();
  base->StoreEditValue(base->popupBorderStyle_, Value, esvPopupBorderStyle);
}

void TkxCustomEditStyle::SetPopupCloseButton(bool Value) {
  TkxCustomEditStyle* base = BaseEditStyle();
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
