#include "controls/foundation/kx_look_and_feel.h"

#include <algorithm>

#include "controls/foundation/kx_classic_painters.h"
#include "controls/foundation/kx_native_painter.h"
#include "controls/foundation/kx_office11_painter.h"
#include "controls/foundation/kx_system_palette.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TkxLookAndFeel) {
  p.Property("AssignedValues", &TkxLookAndFeel::AssignedValues, &TkxLookAndFeel::SetAssignedValues).Stored(false);
  p.Property("Kind", &TkxLookAndFeel::Kind, &TkxLookAndFeel::SetKind)
      .NoDefault()
      .Stored(&TkxLookAndFeel::KindStored);
  p.Property("NativeStyle", &TkxLookAndFeel::NativeStyle, &TkxLookAndFeel::SetNativeStyle)
      .NoDefault()
      .Stored(&TkxLookAndFeel::NativeStyleStored);
  p.Property("SkinName", &TkxLookAndFeel::SkinName, &TkxLookAndFeel::SetSkinName)
      .Stored(&TkxLookAndFeel::SkinNameStored);
}

PR_PUBLISH(TkxLookAndFeelController) {
  p.Property("Kind", &TkxLookAndFeelController::Kind, &TkxLookAndFeelController::SetKind).Default(lfUltraFlat);
  p.Property("NativeStyle", &TkxLookAndFeelController::NativeStyle, &TkxLookAndFeelController::SetNativeStyle)
      .Default(false);
  p.Property("SkinName", &TkxLookAndFeelController::SkinName, &TkxLookAndFeelController::SetSkinName)
      .Stored(&TkxLookAndFeelController::SkinNameStored);
}

namespace {

TkxLookAndFeel* root = nullptr;
Integer controllerCount = 0;

}  // namespace

TkxLookAndFeel* SharedRootLookAndFeel() { return root; }
Integer RootLookAndFeelControllerCount() { return controllerCount; }

TkxLookAndFeelPainterClass PainterClassOfKind(TkxLookAndFeelKind Kind) {
  switch (Kind) {
    case lfFlat: return TkxFlatLookAndFeelPainter::Class();
    case lfStandard: return TkxStandardLookAndFeelPainter::Class();
    case lfOffice11: return TkxOffice11LookAndFeelPainter::Class();
    default: return TkxUltraFlatLookAndFeelPainter::Class();
  }
}

TkxLookAndFeel::TkxLookAndFeel(TPersistent* AOwner) : TkxInterfacedPersistent(AOwner) {
  current_ = data_;
  paletteNotifier_ = std::make_unique<TkxSystemPaletteChangedNotifier>(false);
  paletteNotifier_->OnSystemPaletteChanged = [this] { SystemPaletteChanged(); };
  if (root != nullptr) {
    root->RegisterListener(this);
    current_.Kind = GetEffectiveKind();
    current_.NativeStyle = GetEffectiveNativeStyle();
    current_.SkinName = GetEffectiveSkinName();
    skinPainter_ = current_.NativeStyle ? nullptr : GetEffectiveSkinPainter();
  }
  current_.Painter = SelectPainterClass();
}

TkxLookAndFeel::~TkxLookAndFeel() {
  if (TkxExtendedStylePainters* registry = GetSkinPainterRegistry()) registry->DetachListener(this);
  paletteNotifier_.reset();
  destroying_ = true;
  for (std::size_t i = 0; i < listeners_.size(); ++i) listeners_[i]->MasterDestroying(this);
  destroying_ = false;
  listeners_.clear();
  if (TkxLookAndFeel* master = GetMaster()) master->UnregisterListener(this);
  if (isRoot_) {
    root = nullptr;
    isRoot_ = false;
  }
}

void TkxLookAndFeel::MakeRoot() {
  auto* created = new TkxLookAndFeel(nullptr);
  created->isRoot_ = true;
  root = created;
}

void TkxLookAndFeel::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TkxLookAndFeel*>(Source);
  if (source == nullptr) return TkxInterfacedPersistent::Assign(Source);
  RememberState();
  data_ = source->data_;
  assigned_ = source->assigned_;
  SetMaster(source->GetMaster());
  ReportStateChanges();
}

// Effective values.

const TkxLookAndFeel* TkxLookAndFeel::Source() const { return GetMaster(); }

TkxLookAndFeelKind TkxLookAndFeel::GetEffectiveKind() const {
  return assigned_.Contains(lfvKind) ? data_.Kind : InheritedKind();
}
bool TkxLookAndFeel::GetEffectiveNativeStyle() const {
  return assigned_.Contains(lfvNativeStyle) ? data_.NativeStyle : InheritedNativeStyle();
}
std::string TkxLookAndFeel::GetEffectiveSkinName() const {
  return assigned_.Contains(lfvSkinName) ? data_.SkinName : InheritedSkinName();
}
TkxLookAndFeelPainterClass TkxLookAndFeel::GetEffectiveSkinPainter() const {
  return assigned_.Contains(lfvSkinName) ? FindSkinPainter(data_.SkinName) : InheritedSkinPainter();
}

TkxLookAndFeelKind TkxLookAndFeel::InheritedKind() const {
  const TkxLookAndFeel* source = Source();
  return source != nullptr ? source->Kind() : lfUltraFlat;
}
bool TkxLookAndFeel::InheritedNativeStyle() const {
  const TkxLookAndFeel* source = Source();
  return source != nullptr && source->NativeStyle();
}
std::string TkxLookAndFeel::InheritedSkinName() const {
  const TkxLookAndFeel* source = Source();
  return source != nullptr ? source->SkinName() : std::string();
}
TkxLookAndFeelPainterClass TkxLookAndFeel::InheritedSkinPainter() const {
  const TkxLookAndFeel* source = Source();
  return source != nullptr ? source->FindSkinPainter(source->SkinName()) : nullptr;
}

TkxLookAndFeelPainterClass TkxLookAndFeel::FindSkinPainter(const std::string& Name) const {
  TkxLookAndFeelPainterClass painter = nullptr;
  const TkxExtendedStylePainters* registry = GetSkinPainterRegistry();
  if (Name.empty() || registry == nullptr || !registry->FindPainterByName(Name, painter)) return nullptr;
  return painter;
}

TkxLookAndFeel* TkxLookAndFeel::GetMaster() const {
  if (isRoot_) return nullptr;
  return master_ != nullptr ? master_ : root;
}

TkxLookAndFeelPainterClass TkxLookAndFeel::SelectPainterClassForType(ThemedObjectType Type) const {
  if (current_.NativeStyle && IsThemeTypeAvailable(Type)) return TkxWinXPLookAndFeelPainter::Class();
  return skinPainter_ != nullptr ? skinPainter_ : PainterClassOfKind(current_.Kind);
}

TkxLookAndFeelPainterClass TkxLookAndFeel::SelectPainterClass(ThemedObjectTypes Types) const {
  if (current_.NativeStyle && AreVisualStylesAvailable(Types)) return TkxWinXPLookAndFeelPainter::Class();
  return skinPainter_ != nullptr ? skinPainter_ : PainterClassOfKind(current_.Kind);
}

// Changing values.

void TkxLookAndFeel::SetKind(TkxLookAndFeelKind Value) {
  const TkxLookAndFeelKind before = current_.Kind;
  assigned_.Include(lfvKind);
  data_.Kind = Value;
  if (GetEffectiveKind() != before) NotifyChanged({lfvKind});
}

void TkxLookAndFeel::SetNativeStyle(bool Value) {
  const bool before = current_.NativeStyle;
  assigned_.Include(lfvNativeStyle);
  data_.NativeStyle = Value;
  if (GetEffectiveNativeStyle() != before) NotifyChanged({lfvNativeStyle});
}

void TkxLookAndFeel::SetSkinName(const std::string& Value) {
  const std::string before = current_.SkinName;
  assigned_.Include(lfvSkinName);
  data_.SkinName = Value;
  if (GetEffectiveSkinName() != before) NotifyChanged({lfvSkinName});
}

void TkxLookAndFeel::SetAssignedValues(TkxLookAndFeelValues Value) {
  if (Value == assigned_) return;
  RememberState();
  assigned_ = Value;
  ReportStateChanges();
}

void TkxLookAndFeel::SetMaster(TkxLookAndFeel* Value) {
  if (isRoot_ || Value == this || Value == GetMaster()) return;
  RememberState();
  if (TkxLookAndFeel* old = GetMaster()) old->UnregisterListener(this);
  master_ = Value;
  if (TkxLookAndFeel* now = GetMaster()) now->RegisterListener(this);
  ReportStateChanges();
}

void TkxLookAndFeel::RememberState() { saved_ = current_; }

void TkxLookAndFeel::ReportStateChanges() {
  TkxLookAndFeelValues changed;
  if (GetEffectiveKind() != saved_.Kind) changed.Include(lfvKind);
  if (GetEffectiveNativeStyle() != saved_.NativeStyle) changed.Include(lfvNativeStyle);
  if (GetEffectiveSkinName() != saved_.SkinName) changed.Include(lfvSkinName);
  NotifyChanged(changed);
}

void TkxLookAndFeel::SystemPaletteChanged() { NotifyChanged({lfvNativeStyle}); }

// Listeners.

void TkxLookAndFeel::RegisterListener(IkxLookAndFeelChangeListener* Listener) {
  if (Listener == nullptr) return;
  const bool controller = dynamic_cast<TkxLookAndFeelController*>(Listener->GetObject()) != nullptr;
  if (controller && !isRoot_) return;
  if (std::find(listeners_.begin(), listeners_.end(), Listener) != listeners_.end()) return;
  listeners_.push_back(Listener);
  if (controller) ++controllerCount;
}

void TkxLookAndFeel::UnregisterListener(IkxLookAndFeelChangeListener* Listener) {
  if (Listener == nullptr) return;
  const auto it = std::find(listeners_.begin(), listeners_.end(), Listener);
  if (it == listeners_.end()) return;
  const bool controller = dynamic_cast<TkxLookAndFeelController*>(Listener->GetObject()) != nullptr;
  if (!destroying_) listeners_.erase(it);
  if (isRoot_ && controller && --controllerCount == 0) ResetAssignedValues();
}

void TkxLookAndFeel::MasterChanged(TkxLookAndFeel*, TkxLookAndFeelValues Values) {
  NotifyChanged(Values - assigned_);
}

void TkxLookAndFeel::MasterDestroying(TkxLookAndFeel*) { SetMaster(nullptr); }

void TkxLookAndFeel::SkinPaintersChanged() { NotifyChanged(kxLookAndFeelValuesAll); }

void TkxLookAndFeel::RefreshCurrentState() {
  current_.Kind = GetEffectiveKind();
  current_.NativeStyle = GetEffectiveNativeStyle();
  current_.SkinName = GetEffectiveSkinName();
  skinPainter_ = current_.NativeStyle ? nullptr : GetEffectiveSkinPainter();
  current_.Painter = SelectPainterClass();
}

void TkxLookAndFeel::NotifyChanged(TkxLookAndFeelValues Values) {
  if (Values.Empty() || destroying_) return;
  RefreshCurrentState();
  if (TkxExtendedStylePainters* registry = GetSkinPainterRegistry()) {
    if (skinPainter_ != nullptr)
      registry->AttachListener(this);
    else
      registry->DetachListener(this);
  }
  // A listener that leaves the list during its call does not make the next one miss its turn.
  std::size_t i = 0;
  while (i < listeners_.size()) {
    const std::size_t count = listeners_.size();
    listeners_[i]->MasterChanged(this, Values);
    if (listeners_.size() == count) ++i;
  }
  OnChanged(this, Values);
}

// Controller.

TkxLookAndFeelController::TkxLookAndFeelController(TComponent* AOwner) : TComponent(AOwner) {
  if (root != nullptr) root->RegisterListener(this);
}

TkxLookAndFeelController::~TkxLookAndFeelController() {
  if (root != nullptr) root->UnregisterListener(this);
}

TkxLookAndFeelKind TkxLookAndFeelController::Kind() const { return root != nullptr ? root->Kind() : lfUltraFlat; }
void TkxLookAndFeelController::SetKind(TkxLookAndFeelKind Value) {
  if (root != nullptr) root->SetKind(Value);
}
bool TkxLookAndFeelController::NativeStyle() const { return root != nullptr && root->NativeStyle(); }
void TkxLookAndFeelController::SetNativeStyle(bool Value) {
  if (root != nullptr) root->SetNativeStyle(Value);
}
std::string TkxLookAndFeelController::SkinName() const { return root != nullptr ? root->SkinName() : std::string(); }
void TkxLookAndFeelController::SetSkinName(const std::string& Value) {
  if (root != nullptr) root->SetSkinName(Value);
}

namespace {

void InitializeLookAndFeels() { TkxLookAndFeel::MakeRoot(); }
void FinalizeLookAndFeels() { delete root; }

}  // namespace

const Unit kxLookAndFeelsUnit = {"kxLookAndFeels", InitializeLookAndFeels, FinalizeLookAndFeels};
