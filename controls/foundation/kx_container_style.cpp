#include "controls/foundation/kx_container_style.h"

#include <algorithm>

#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "platform/classes/filer.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/core/ansi_strings.h"
#include "platform/ui/colors.h"

PR_IMPLEMENT_CLASS(TkxContainerStyles)

PR_PUBLISH(TkxContainerStyle) {
  using S = TkxContainerStyle;
  p.Property("AssignedValues", &S::AssignedValues, &S::SetAssignedValues).Stored(false);
  p.Property("BorderColor", &S::BorderColor, &S::SetBorderColor).Type(ColorTypeInfo()).NoDefault().Stored(&S::BorderColorStored);
  p.Property("BorderStyle", &S::BorderStyle, &S::SetBorderStyle).NoDefault().Stored(&S::BorderStyleStored);
  p.Property("Color", &S::Color, &S::SetColor).Type(ColorTypeInfo()).NoDefault().Stored(&S::ColorStored);
  p.Property("Edges", &S::Edges, &S::SetEdges).NoDefault().Stored(&S::EdgesStored);
  p.Property("Font", &S::Font, &S::SetFont).Stored(&S::FontStored);
  p.Property("HotTrack", &S::HotTrack, &S::SetHotTrack).NoDefault().Stored(&S::HotTrackStored);
  p.Property("LookAndFeel", &S::LookAndFeel, &S::SetLookAndFeel);
  p.Property("Shadow", &S::Shadow, &S::SetShadow).NoDefault().Stored(&S::ShadowStored);
  p.Property("StyleController", &S::StyleController, &S::SetStyleController).Stored(&S::StyleControllerStored);
  p.Property("TextColor", &S::TextColor, &S::SetTextColor).Type(ColorTypeInfo()).NoDefault().Stored(&S::TextColorStored);
  p.Property("TextStyle", &S::TextStyle, &S::SetTextStyle).NoDefault().Stored(&S::TextStyleStored);
  p.Property("TransparentBorder", &S::TransparentBorder, &S::SetTransparentBorder)
      .NoDefault()
      .Stored(&S::TransparentBorderStored);
}

PR_PUBLISH(TkxStyleController) {
  p.Property("FakeStyleController", &TkxStyleController::FakeStyleController,
             &TkxStyleController::SetFakeStyleController)
      .Stored(false);
}

namespace {

constexpr const char* kStyleValueNames[] = {"BorderColor", "BorderStyle", "Color",     "Edges",     "Font",
                                            "HotTrack",    "Shadow",      "TextColor", "TextStyle", "TransparentBorder"};

// The default border style of a focused or hot style (row 1 and 3) by the normal style's.
constexpr TkxContainerBorderStyle kDeepenedBorderStyle[] = {cbsFlat, cbsThick,     cbsThick,   cbs3D,
                                                            cbs3D,   cbsUltraFlat, cbsOffice11};

}  // namespace

// --- Construction ---

TkxContainerStyle::TkxContainerStyle(TPersistent* AOwner, Byte AState, TkxContainerStyle* AParentStyle,
                                     bool ADirectAccess)
    : TkxInterfacedPersistent(AOwner),
      directAccess_(ADirectAccess),
      owner_(AOwner),
      parentStyle_(AState != kxStyleNormal ? AParentStyle : nullptr),
      state_(AState),
      effectiveFont_(std::make_unique<TFont>()) {
  if (directAccess_)
    assignedValues_ = StyleValueBit(csvColor) | StyleValueBit(csvFont) | StyleValueBit(csvTextColor) |
                      StyleValueBit(csvTextStyle);
  if (!IsRootStyle()) return;
  if (!directAccess_) {
    ownedFont_ = std::make_unique<TFont>();
    font_ = ownedFont_.get();
    font_->OnChange = [this](TObject* Sender) { FontChanged(Sender); };
  }
  lookAndFeel_ = std::make_unique<TkxLookAndFeel>(this);
  lookAndFeel_->OnChanged = [this](TkxLookAndFeel*, TkxLookAndFeelValues) { MarkChanged(); };
  SetStyleController(nullptr);
}

TkxContainerStyle::~TkxContainerStyle() {
  destroying_ = true;
  if (IsRootStyle() && styleController_ != nullptr) styleController_->DetachStyle(this);
  if (font_ != nullptr && ownedFont_ != nullptr) font_->OnChange = nullptr;
}

// --- Change reporting ---

void TkxContainerStyle::EndUpdate() {
  if (updateCount_ == 0) return;
  --updateCount_;
  RaisePendingChange();
}

void TkxContainerStyle::RaisePendingChange() {
  if (!modified_ || updateCount_ != 0) return;
  modified_ = false;
  if (!destroying_ && !directAccess_) OnChange(this);
}

void TkxContainerStyle::MarkChanged() {
  modified_ = true;
  RaisePendingChange();
}

void TkxContainerStyle::FontChanged(TObject*) {
  if (fontAssignedLock_ == 0) assignedValues_ |= StyleValueBit(csvFont);
  MarkChanged();
}

void TkxContainerStyle::LockFontAssignment(bool Lock) {
  if (Lock) ++fontAssignedLock_;
  else if (fontAssignedLock_ > 0) --fontAssignedLock_;
}

// --- Controllers ---

void TkxContainerStyle::StyleControllerChanged(TkxStyleController*) {
  ReloadFont();
  MarkChanged();
}

void TkxContainerStyle::StyleControllerFreed(TkxStyleController* AController) {
  if (AController == Root()->styleController_) SetStyleController(nullptr);
}

TkxStyleController* TkxContainerStyle::StyleController() const {
  TkxStyleController* controller = Root()->styleController_;
  return controller == GetDefaultStyleController() ? nullptr : controller;
}

void TkxContainerStyle::SetStyleController(TkxStyleController* Value) {
  TkxContainerStyle* root = Root();
  if (root != this) return root->SetStyleController(Value);
  TkxStyleController* defaultController = GetDefaultStyleController();
  if (defaultController != nullptr && defaultController == owner_) return;
  if (Value == nullptr) Value = defaultController;
  for (TkxStyleController* c = Value; c != nullptr; c = c->Styles()->GetNormalStyle()->styleController_)
    if (c->Styles()->GetNormalStyle() == this) return;   // a cycle
  if (Value == styleController_) return;
  if (styleController_ != nullptr) styleController_->DetachStyle(this);
  styleController_ = Value;
  if (styleController_ != nullptr) styleController_->AttachStyle(this);
  StyleControllerChanged(styleController_);
}

const TkxContainerStyle* TkxContainerStyle::FindAssigningStyle(Integer Index) const {
  if (HasOwnBit(Index)) return this;
  for (TkxStyleController* c = Root()->styleController_; c != nullptr;
       c = c->Styles()->GetNormalStyle()->styleController_) {
    const TkxContainerStyle* style = c->GetStyleOfState(state_);
    if (style->HasOwnBit(Index)) return style;
  }
  return nullptr;
}

bool TkxContainerStyle::IsValueAssigned(Integer Index) const {
  return Index >= 0 && Index < GetStyleValueCount() && FindAssigningStyle(Index) != nullptr;
}

// --- Names ---

std::string TkxContainerStyle::GetStyleValueName(Integer Index) const {
  return Index >= 0 && Index < 10 ? kStyleValueNames[Index] : std::string();
}

Integer TkxContainerStyle::FindStyleValue(const std::string& Name) const {
  const std::string upper = AnsiUpperCase(Name);
  for (Integer i = 0; i < GetStyleValueCount(); ++i)
    if (AnsiUpperCase(GetStyleValueName(i)) == upper) return i;
  return -1;
}

TkxContainerStyleValues TkxContainerStyle::GetUnpublishedExtendedValues() const {
  return StyleValueBit(csvEdges) | StyleValueBit(csvFont) | StyleValueBit(csvHotTrack) | StyleValueBit(csvShadow) |
         StyleValueBit(csvTransparentBorder);
}

bool TkxContainerStyle::IsStateStylePropertyPublished(const std::string& Name) const {
  if (Name == "LookAndFeel" || Name == "StyleController") return false;
  const Integer index = FindStyleValue(Name);
  return index < 0 || (GetUnpublishedExtendedValues() & StyleValueBit(index)) == 0;
}

TkxContainer* TkxContainerStyle::GetOwnerContainer() const { return dynamic_cast<TkxContainer*>(owner_); }

bool TkxContainerStyle::IsValueStored(Integer Index) const {
  if (!HasOwnBit(Index)) return false;
  TkxContainer* container = GetOwnerContainer();
  return container == nullptr || container->IsStylePropertySupported(GetStyleValueName(Index), !IsRootStyle());
}

// --- Defaults ---

TColor TkxContainerStyle::DefaultBorderColor() const {
  switch (state_) {
    case kxStyleDisabled: return clBtnShadow;
    case kxStyleNormal: return clWindowFrame;
    default: return Root()->BorderColor();
  }
}

TkxContainerBorderStyle TkxContainerStyle::DefaultBorderStyle() const {
  if (IsRootStyle()) {
    static constexpr TkxContainerBorderStyle kByKind[] = {cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11};
    return kByKind[LookAndFeel()->Kind()];
  }
  const TkxContainerBorderStyle normal = Root()->BorderStyle();
  const bool deepened = (state_ == kxStyleFocused || state_ == kxStyleHot) && HotTrack();
  return deepened ? kDeepenedBorderStyle[normal] : normal;
}

TColor TkxContainerStyle::DefaultColor() const {
  TkxContainer* container = GetOwnerContainer();
  const bool parentColorByDefault = container == nullptr || container->UsesParentColorByDefault();
  if (IsRootStyle()) return parentColorByDefault ? clBtnFace : clWindow;
  if (state_ == kxStyleDisabled && container != nullptr && !container->UsesParentColorByDefault()) return clBtnFace;
  return Root()->GetColor();
}

TColor TkxContainerStyle::DefaultTextColor() const {
  switch (state_) {
    case kxStyleDisabled: return clBtnShadow;
    case kxStyleNormal: return Font()->Color();
    default: return Root()->TextColor();
  }
}

TFontStyles TkxContainerStyle::DefaultTextStyle() const {
  return IsRootStyle() ? Font()->Style() : Root()->TextStyle();
}

// --- Reading ---

TkxContainerStyleValues TkxContainerStyle::AssignedValues() const {
  if (!directAccess_) return assignedValues_;
  return (TkxContainerStyleValues(1) << GetStyleValueCount()) - 1;
}

TColor TkxContainerStyle::BorderColor() const {
  if (directAccess_) return clDefault;
  const TkxContainerStyle* s = FindAssigningStyle(csvBorderColor);
  return s != nullptr ? s->borderColor_ : DefaultBorderColor();
}

TkxContainerBorderStyle TkxContainerStyle::BorderStyle() const {
  if (directAccess_) return HasOwnBit(csvBorderStyle) ? borderStyle_ : DefaultBorderStyle();
  const TkxContainerStyle* s = FindAssigningStyle(csvBorderStyle);
  return s != nullptr ? s->borderStyle_ : DefaultBorderStyle();
}

// The normal style of a container with ParentColor on and a parent shows the parent's colour.
bool TkxContainerStyle::ParentColorApplies() const {
  TkxContainer* container = GetOwnerContainer();
  return IsRootStyle() && container != nullptr && container->ParentColor() && container->Parent() != nullptr;
}

TColor TkxContainerStyle::GetColor() const {
  if (directAccess_) return color_;
  if (ParentColorApplies()) return GetOwnerContainer()->Parent()->Color();
  const TkxContainerStyle* s = FindAssigningStyle(csvColor);
  return s != nullptr ? s->color_ : DefaultColor();
}

TColor TkxContainerStyle::GetBackgroundColor() const {
  if (directAccess_) return color_;
  if (const TkxContainerStyle* s = FindAssigningStyle(csvColor)) return s->color_;
  if (ParentColorApplies() && !GetOwnerContainer()->IsInPlaceMode()) return GetOwnerContainer()->Parent()->Color();
  return DefaultColor();
}

TkxBorders TkxContainerStyle::Edges() const {
  if (directAccess_) return TkxBorders{};
  if (!IsRootStyle()) return Root()->Edges();
  const TkxContainerStyle* s = FindAssigningStyle(csvEdges);
  return s != nullptr ? s->edges_ : DefaultEdges();
}

bool TkxContainerStyle::HotTrack() const {
  if (directAccess_) return HasOwnBit(csvHotTrack) ? hotTrack_ : true;
  if (!IsRootStyle()) return Root()->HotTrack();
  const TkxContainerStyle* s = FindAssigningStyle(csvHotTrack);
  return s != nullptr ? s->hotTrack_ : DefaultHotTrack();
}

bool TkxContainerStyle::Shadow() const {
  if (directAccess_) return false;
  if (!IsRootStyle()) return Root()->Shadow();
  const TkxContainerStyle* s = FindAssigningStyle(csvShadow);
  return s != nullptr ? s->shadow_ : DefaultShadow();
}

bool TkxContainerStyle::TransparentBorder() const {
  if (directAccess_) return true;
  if (!IsRootStyle()) return Root()->TransparentBorder();
  const TkxContainerStyle* s = FindAssigningStyle(csvTransparentBorder);
  return s != nullptr ? s->transparentBorder_ : DefaultTransparentBorder();
}

TColor TkxContainerStyle::GetTextColor() const {
  if (directAccess_) return textColor_;
  const TkxContainerStyle* s = FindAssigningStyle(csvTextColor);
  return s != nullptr ? s->textColor_ : DefaultTextColor();
}

TFontStyles TkxContainerStyle::GetTextStyle() const {
  if (directAccess_) return Font() != nullptr ? Font()->Style() : textStyle_;
  const TkxContainerStyle* s = FindAssigningStyle(csvTextStyle);
  return s != nullptr ? s->textStyle_ : DefaultTextStyle();
}

bool TkxContainerStyle::HasBorder() const { return IsRootStyle() ? true : Root()->HasBorder(); }

TFont* TkxContainerStyle::GetEffectiveFont() {
  effectiveFont_->Assign(Font());
  effectiveFont_->SetColor(GetTextColor());
  effectiveFont_->SetStyle(GetTextStyle());
  return effectiveFont_.get();
}

// --- Writing ---

template <class T>
void TkxContainerStyle::StoreValue(T& Field, const T& Value, Integer Index, bool Equal) {
  if (HasOwnBit(Index) && Equal) return;
  Field = Value;
  assignedValues_ |= StyleValueBit(Index);
  MarkChanged();
}

void TkxContainerStyle::SetAssignedValues(TkxContainerStyleValues Value) {
  if (Value == assignedValues_) return;
  assignedValues_ = Value;
  if (IsRootStyle()) ReloadFont();
  MarkChanged();
}

void TkxContainerStyle::SetBorderColor(TColor Value) {
  StoreValue(borderColor_, Value, csvBorderColor, borderColor_ == Value);
}

void TkxContainerStyle::SetBorderStyle(TkxContainerBorderStyle Value) {
  StoreValue(borderStyle_, Value, csvBorderStyle, borderStyle_ == Value);
}

void TkxContainerStyle::SetColor(TColor Value) { StoreValue(color_, Value, csvColor, color_ == Value); }

void TkxContainerStyle::SetEdges(TkxBorders Value) {
  TkxContainerStyle* root = Root();
  root->StoreValue(root->edges_, Value, csvEdges, root->edges_ == Value);
}

void TkxContainerStyle::SetHotTrack(bool Value) {
  TkxContainerStyle* root = Root();
  root->StoreValue(root->hotTrack_, Value, csvHotTrack, root->hotTrack_ == Value);
}

void TkxContainerStyle::SetShadow(bool Value) {
  TkxContainerStyle* root = Root();
  root->StoreValue(root->shadow_, Value, csvShadow, root->shadow_ == Value);
}

void TkxContainerStyle::SetTransparentBorder(bool Value) {
  TkxContainerStyle* root = Root();
  root->StoreValue(root->transparentBorder_, Value, csvTransparentBorder, root->transparentBorder_ == Value);
}

void TkxContainerStyle::SetTextColor(TColor Value) {
  StoreValue(textColor_, Value, csvTextColor, GetTextColor() == Value);
}

void TkxContainerStyle::SetTextStyle(TFontStyles Value) {
  StoreValue(textStyle_, Value, csvTextStyle, GetTextStyle() == Value);
}

void TkxContainerStyle::SetFont(TFont* Value) {
  TkxContainerStyle* root = Root();
  if (root->directAccess_) {
    root->font_ = Value;
    return;
  }
  root->BeginUpdate();
  root->font_->Assign(Value);
  root->assignedValues_ |= StyleValueBit(csvFont);
  root->MarkChanged();
  root->EndUpdate();
}

void TkxContainerStyle::SetLookAndFeel(TkxLookAndFeel* Value) { LookAndFeel()->Assign(Value); }

void TkxContainerStyle::ReloadFont() {
  if (directAccess_ || !IsRootStyle() || HasOwnBit(csvFont)) return;
  LockFontAssignment(true);
  const TkxContainerStyle* source = FindAssigningStyle(csvFont);
  TkxContainer* container = GetOwnerContainer();
  if (source != nullptr) font_->Assign(source->Font());
  else if (container == nullptr || !container->ParentFont()) ResetFontToDefaults(font_);
  LockFontAssignment(false);
}

void TkxContainerStyle::ResetFontToDefaults(TFont* AFont) {
  TFont defaults;
  AFont->Assign(&defaults);
}

void TkxContainerStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxContainerStyle*>(Source);
  if (source == nullptr) return TkxInterfacedPersistent::Assign(Source);
  BeginUpdate();
  if (IsRootStyle()) {
    SetStyleController(source->StyleController());
    LookAndFeel()->Assign(source->LookAndFeel());
  }
  borderColor_ = source->borderColor_;
  borderStyle_ = source->borderStyle_;
  edges_ = source->edges_;
  hotTrack_ = source->hotTrack_;
  shadow_ = source->shadow_;
  transparentBorder_ = source->transparentBorder_;
  color_ = source->color_;
  if (directAccess_) {
    font_ = source->Font();
    textColor_ = source->GetTextColor();
  } else {
    if (IsRootStyle() && source->Font() != nullptr) {
      LockFontAssignment(true);
      font_->Assign(source->Font());
      if (source->directAccess_) font_->SetColor(source->textColor_);
      LockFontAssignment(false);
    }
    textColor_ = source->GetTextColor();
    textStyle_ = source->GetTextStyle();
  }
  assignedValues_ = source->assignedValues_;
  MarkChanged();
  EndUpdate();
}

void TkxContainerStyle::RestoreDefaults() {
  BeginUpdate();
  assignedValues_ = 0;
  TkxContainer* container = GetOwnerContainer();
  if (IsRootStyle()) {
    LookAndFeel()->ResetAssignedValues();
    if (container != nullptr) {
      container->SetParentColor(false);
      container->SetParentFont(true);
    } else if (!directAccess_) {
      LockFontAssignment(true);
      ResetFontToDefaults(font_);
      LockFontAssignment(false);
    }
  }
  if (container != nullptr && container->UsesParentColorByDefault()) {
    TkxStyleController* controller = GetEffectiveController();
    if (controller == nullptr || !controller->GetStyleOfState(kxStyleNormal)->HasOwnBit(csvColor))
      container->SetParentColor(true);
  }
  MarkChanged();
  EndUpdate();
}

void TkxContainerStyle::DefineProperties(TFiler* Filer) {
  TkxInterfacedPersistent::DefineProperties(Filer);
  Filer->DefineProperty(
      "IsFontAssigned",
      [this](TReader* Reader) {
        Reader->ReadBoolean();
        SetAssignedValues(assignedValues_ | StyleValueBit(csvFont));
      },
      [](TWriter* Writer) { Writer->WriteBoolean(true); }, FontStored());
}

// --- The four styles ---

TkxContainerStyles::TkxContainerStyles(TPersistent* AOwner, TkxContainerStyleClass AStyleClass) {
  for (Byte state = kxStyleNormal; state <= kxStyleHot; ++state)
    styles_[state] = AStyleClass(AOwner, state, state == kxStyleNormal ? nullptr : styles_[kxStyleNormal], false);
}

TkxContainerStyles::~TkxContainerStyles() {
  for (Integer state = kxStyleHot; state >= kxStyleNormal; --state) delete styles_[state];
}

void TkxContainerStyles::SetChangeHandler(std::function<void(TObject*)> Handler) {
  for (TkxContainerStyle* style : styles_) {
    if (Handler) style->OnChange = Handler;
    else style->OnChange = nullptr;
  }
}

// --- The style controller ---

TkxStyleController::TkxStyleController(TComponent* AOwner) : TComponent(AOwner) { RecreateStyles(); }

void TkxStyleController::RecreateStyles() {
  if (styles_ != nullptr) styles_->SetChangeHandler(nullptr);
  styles_.reset(GetContainerStylesClass()(this, GetContainerStyleClass()));
  styles_->SetChangeHandler([this](TObject* Sender) { StylesChanged(Sender); });
}

TkxStyleController::~TkxStyleController() {
  destroying_ = true;
  while (!listeners_.empty()) {
    TkxContainerStyle* style = listeners_.back();
    style->StyleControllerFreed(this);
    DetachStyle(style);   // a style that did not let go is dropped all the same
  }
  styles_->SetChangeHandler(nullptr);
  styles_.reset();
}

void TkxStyleController::AttachStyle(TkxContainerStyle* AStyle) {
  if (AStyle == nullptr || std::find(listeners_.begin(), listeners_.end(), AStyle) != listeners_.end()) return;
  listeners_.push_back(AStyle);
  AStyle->LookAndFeel()->SetMaster(styles_->GetNormalStyle()->LookAndFeel());
}

void TkxStyleController::DetachStyle(TkxContainerStyle* AStyle) {
  const auto it = std::find(listeners_.begin(), listeners_.end(), AStyle);
  if (it == listeners_.end()) return;
  listeners_.erase(it);
  AStyle->LookAndFeel()->SetMaster(nullptr);
}

void TkxStyleController::Loaded() {
  TComponent::Loaded();
  NotifyListeners();
}

void TkxStyleController::NotifyListeners() {
  OnStyleChanged(this);
  if (destroying_) return;
  const std::vector<TkxContainerStyle*> listeners = listeners_;
  for (TkxContainerStyle* style : listeners) style->StyleControllerChanged(this);
}

TkxStyleController* TkxStyleController::FakeStyleController() const {
  return styles_->GetNormalStyle()->StyleController();
}
