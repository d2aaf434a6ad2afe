// Editor properties (unit kxEdit): TkxCustomEditProperties, the settings object of every editor
// (alignment, embedded buttons, read-only and value bounds, shortcuts, validation and change
// events) and the class factory of its editor family; its assigned-value flags
// TkxCustomEditPropertiesValues, its alignment TkxEditAlignment, the default-values source
// (IkxEditDefaultValuesProvider and its base TkxCustomEditDefaultValuesProvider) and the registry of
// properties classes.
//
// A change reaches the editor only through the settings-changed handler that the owning editor
// sets, once per change: inside BeginUpdate/EndUpdate(True) any number of changes collapse into
// one; while changes are locked, or while the owning component is being destroyed, the change is
// kept pending.  A bound (MaxValue, MinValue, ReadOnly) has a value only while its assigned flag is
// set; otherwise the values provider (or a constant) answers for it.  Every live properties object
// is in EditPropertiesInstances.  The class factories of the editor, its view data and view info,
// and validation through the editor join with the editor control base.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/kx_edit_buttons.h"
#include "controls/foundation/kx_container_style.h"
#include "controls/foundation/kx_interfaced_persistent.h"
#include "controls/foundation/kx_registered_classes.h"
#include "platform/classes/event.h"
#include "platform/core/variant.h"
#include "platform/ui/shortcuts.h"

class TCanvas;
class TComponent;
class TkxContainerViewInfo;
class TkxCustomEdit;
class TkxCustomEditProperties;
class TkxCustomEditViewData;
struct TkxEditSizeProperties;
class TkxFreeNotificator;

PR_ENUM(TkxEditVertAlignment, taTopJustify, taBottomJustify, taVCenter)

// (Sender, var DisplayValue, var ErrorText, var Error)
using TkxEditValidateEvent = Event<void(TObject* Sender, Variant& DisplayValue, std::string& ErrorText, bool& Error)>;
// (Sender, the reason the drop-down editor closed its popup)
using TkxEditClosePopupEvent = Event<void(TObject* Sender, Byte AReason)>;

// The source of an editor's defaults (a data binding's answers when no value is assigned).
// Identifier {AE727882-6FDF-4E3A-AB35-E58AB28EFE7B}.
class IkxEditDefaultValuesProvider : public IInterface {
 public:
  virtual bool CanEnterEditMode() = 0;
  // Every properties object that uses this provider drops it.
  virtual void DetachFromAllProperties() = 0;
  virtual TAlignment GetDefaultHorzAlignment() = 0;
  virtual Byte GetDefaultBlobFormat() = 0;
  virtual bool AllowsModification() = 0;
  virtual void GetDefaultDisplayFormatText(std::string& Text) = 0;
  virtual void GetDefaultEditFormatText(std::string& Text) = 0;
  virtual void GetDefaultMaskText(std::string& Text) = 0;
  virtual bool IsDefaultFloat() = 0;
  virtual Integer GetDefaultTextLimit() = 0;
  virtual double GetDefaultUpperBound() = 0;
  virtual double GetDefaultLowerBound() = 0;
  virtual Integer GetDefaultDigits() = 0;
  virtual bool IsDefaultReadOnly() = 0;
  virtual bool ReservedQuery() = 0;
  virtual TObject* GetProviderObject() = 0;
  virtual bool IsStorageBacked() = 0;
  virtual bool IsBlobData() = 0;
  virtual bool IsCurrencyData() = 0;
  virtual bool HasAvailableData() = 0;
  virtual bool HasDisplayFormat(bool AEditing) = 0;
  virtual bool HasGetTextHandler() = 0;
  virtual bool HasSetTextHandler() = 0;
  virtual bool AcceptsChar(char Key) = 0;

 protected:
  ~IkxEditDefaultValuesProvider() = default;
};

// The base provider: constant answers (no descendant exists in this system).  Destroying it makes
// every properties object that uses it drop it.
class TkxCustomEditDefaultValuesProvider : public TkxInterfacedPersistent, public IkxEditDefaultValuesProvider {
  PR_CLASS(TkxCustomEditDefaultValuesProvider, TkxInterfacedPersistent)

 public:
  explicit TkxCustomEditDefaultValuesProvider(TPersistent* AOwner) : TkxInterfacedPersistent(AOwner) {}
  ~TkxCustomEditDefaultValuesProvider() override;

  Integer _AddRef() override { return TkxInterfacedPersistent::_AddRef(); }
  Integer _Release() override { return TkxInterfacedPersistent::_Release(); }

  bool CanEnterEditMode() override { return true; }
  void DetachFromAllProperties() override;
  TAlignment GetDefaultHorzAlignment() override { return taLeftJustify; }
  Byte GetDefaultBlobFormat() override { return 3; }
  bool AllowsModification() override { return true; }
  void GetDefaultDisplayFormatText(std::string& Text) override { Text.clear(); }
  void GetDefaultEditFormatText(std::string& Text) override { Text.clear(); }
  void GetDefaultMaskText(std::string& Text) override { Text.clear(); }
  bool IsDefaultFloat() override { return false; }
  Integer GetDefaultTextLimit() override { return 0; }
  double GetDefaultUpperBound() override { return 0.0; }
  double GetDefaultLowerBound() override { return 0.0; }
  Integer GetDefaultDigits() override { return 15; }
  bool IsDefaultReadOnly() override { return false; }
  bool ReservedQuery() override { return false; }
  TObject* GetProviderObject() override { return this; }
  bool IsStorageBacked() override { return false; }
  bool IsBlobData() override { return false; }
  bool IsCurrencyData() override { return false; }
  bool HasAvailableData() override { return true; }
  bool HasDisplayFormat(bool) override { return false; }
  bool HasGetTextHandler() override { return false; }
  bool HasSetTextHandler() override { return false; }
  bool AcceptsChar(char) override { return true; }
};

// Which bounds of the owner are assigned.  Its own setters (used by streaming, Assign and
// RestoreDefaults) change a flag only when it differs and then report through the owner's Changed.
class TkxCustomEditPropertiesValues : public TPersistent {
  PR_CLASS(TkxCustomEditPropertiesValues, TPersistent)

 public:
  explicit TkxCustomEditPropertiesValues(TkxCustomEditProperties* AOwner) : owner_(AOwner) {}

  void Assign(TPersistent* Source) override;
  virtual void RestoreDefaults();

  bool MaxValue() const { return maxValue_; }
  void SetMaxValue(bool Value);
  bool MinValue() const { return minValue_; }
  void SetMinValue(bool Value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);

  // Stored rule of a descendant that publishes the two bound flags: the flag is set, the owner's
  // bound reads 0 (so the owner's own property is not written) and the owner publishes it.
  bool IsMaxValueStored() const;
  bool IsMinValueStored() const;

 protected:
  TPersistent* GetOwner() const override;
  TkxCustomEditProperties* Properties() const { return owner_; }
  void BeginOwnerUpdate();
  void EndOwnerUpdate();
  void NotifyOwnerChanged();

 private:
  friend class TkxCustomEditProperties;
  void SetFlag(bool& Flag, bool Value);

  TkxCustomEditProperties* owner_;
  bool maxValue_ = false;
  bool minValue_ = false;
  bool readOnly_ = false;
};

using TkxCustomEditPropertiesValuesClass = TkxCustomEditPropertiesValues* (*)(TkxCustomEditProperties* AOwner);

class TkxEditAlignment : public TPersistent {
  PR_CLASS(TkxEditAlignment, TPersistent)

 public:
  explicit TkxEditAlignment(TPersistent* AOwner) : owner_(AOwner) {}

  // Vert, Horz and its assigned flag, then the change handler.
  void Assign(TPersistent* Source) override;
  // Horz no longer assigned; the change handler runs.
  void Reset();

  TAlignment Horz() const { return horz_; }
  void SetHorz(TAlignment Value);
  bool IsHorzAssigned() const { return isHorzAssigned_; }
  TkxEditVertAlignment Vert() const { return vert_; }
  void SetVert(TkxEditVertAlignment Value);
  bool IsHorzStored() const { return isHorzAssigned_; }
  bool IsVertStored() const { return vert_ != taTopJustify; }

  std::function<void(TObject* Sender)> OnChanged;

 protected:
  TPersistent* GetOwner() const override { return owner_; }

 private:
  friend class TkxCustomEditProperties;
  void DoChanged();

  TAlignment horz_ = taLeftJustify;
  bool isHorzAssigned_ = false;
  TkxEditVertAlignment vert_ = taTopJustify;
  TPersistent* owner_;
};

// Class references: factories standing in for the virtual constructors.
using TkxCustomEditPropertiesClass = TkxCustomEditProperties* (*)(TPersistent* AOwner);
using TkxCustomEditViewDataClass = TkxCustomEditViewData* (*)(TkxCustomEditProperties* AProperties,
                                                              TkxContainerStyle* AStyle, bool AIsInplace);
using TkxEditViewInfoClass = TkxContainerViewInfo* (*)();
using TkxEditButtonsClass = TkxEditButtons* (*)(TPersistent* AOwner, TkxEditButtonClass AButtonClass);

// The buttons view style: 0 normal, 1 buttons only, 2 buttons take their own widths.
PR_ENUM(TkxEditButtonsViewStyle, bvsNormal, bvsButtonsOnly, bvsButtonsAutoWidth)

class TkxCustomEditProperties : public TkxInterfacedPersistent {
  PR_CLASS(TkxCustomEditProperties, TkxInterfacedPersistent)

 public:
  explicit TkxCustomEditProperties(TPersistent* AOwner);
  ~TkxCustomEditProperties() override;
  static TkxCustomEditProperties* Create(TPersistent* AOwner) { return new TkxCustomEditProperties(AOwner); }

  void Assign(TPersistent* Source) override;

  // --- The virtual operations of the properties ---
  virtual void AlignmentChanged(TObject* Sender);
  virtual void SetAlignment(TkxEditAlignment* Value);
  virtual void ButtonsChanged(TObject* Sender);
  virtual bool CanValidate() const { return false; }
  virtual bool GetDefaultUseLeftAlignmentOnEditing() const { return true; }
  virtual void ReleaseDefaultValuesProvider() { provider_ = nullptr; }
  virtual void HandleFreeNotification(TComponent* AComponent);
  virtual TkxCustomEditPropertiesValuesClass GetValuesFlagsClass() const;
  virtual TAlignment GetEffectiveHorzAlignment() const;
  // Bit 0 (1): display formats may come from the provider; bit 1 (2): the provider's editing
  // format is meant.
  virtual Byte GetFormatSourceOptions() const { return 0; }
  virtual double GetMaxValueLimit() const;
  virtual double GetMinValueLimit() const;
  virtual std::string GetInvalidInputText(Integer AErrorKind) const;
  virtual bool IsDisplayFormatFromProvider(bool AEditFocused) const;
  virtual bool SplitsChangeNotifications() const { return false; }
  virtual bool KeepsTabKey() const { return false; }
  virtual bool FormatsByFocus() const { return true; }
  virtual bool ComparesOnValueSet() const { return false; }
  virtual TkxEditButtonsClass GetButtonsClass() const;
  virtual void Changed();
  virtual bool AreEditValuesEqual(const Variant& V1, const Variant& V2) const;
  // A new object of the receiver's class with no owner.
  virtual std::unique_ptr<TkxCustomEditProperties> CreateInstanceOfSameClass() const;
  virtual void FormatDisplayText(const Variant& Value, bool AEditFocused, bool AByFocus, std::string& Text) const;
  // Bits of the editor kind (picture editors 1, button groups 2, check boxes 4).
  virtual Byte GetEditKindFlags() const { return 0; }
  // 32 with at least one button; descendants add their bits.  Only 2 is read (word-wrapped
  // height growth of the text editor).
  virtual Word GetButtonsFeatureFlags() const;
  virtual bool IsToggleKey(char) const { return false; }
  virtual bool AcceptsEditValue(const Variant&, bool) const { return true; }
  virtual bool AllowsTyping() const { return false; }
  virtual void PrepareValue(const Variant& Source, Variant& Dest, bool AEditFocused) const;
  // Horz un-assigned, then the three assigned flags cleared in one update.
  virtual void RestoreDefaults();
  virtual void CopySharedItemsTo(TkxCustomEditProperties*) const {}
  virtual bool HasExternalDisplayText(bool) const { return false; }
  // The classes of the editor family's layout, paint record and styles.
  virtual TkxCustomEditViewDataClass GetViewDataClass() const;
  virtual TkxEditViewInfoClass GetViewInfoClass() const;
  virtual TkxContainerStyleClass GetStyleClass() const;
  // Without an error text the default one; then the editor's validation handlers.  Nothing when
  // the properties do not validate.
  virtual void ValidateDisplayValue(Variant& DisplayValue, std::string& ErrorText, bool& Error, TkxCustomEdit* AEdit);

  // --- Layout ---
  // A view data of GetViewDataClass for these properties; AHideText makes it show no text.
  std::unique_ptr<TkxCustomEditViewData> CreateViewData(TkxContainerStyle* AStyle, bool AIsInplace,
                                                        bool AHideText = false);
  // The size an editor of these properties takes for EditValue (a view data made for the purpose).
  TSize MeasureEditValue(TCanvas* Canvas, TkxContainerStyle* AStyle, bool AIsInplace, const Variant& EditValue,
                         const TkxEditSizeProperties& ASizeProperties);

  // --- Updates and change locking ---
  void BeginUpdate();
  // A pending change is reported at the outermost end only with AInvokeChanged.
  void EndUpdate(bool AInvokeChanged = true);
  Integer UpdateCount() const { return updateCount_; }
  // A change was requested while changes were locked or the owner was being destroyed, and has
  // not been reported since.
  bool IsChangePending() const { return changePending_; }
  bool AreChangesLocked() const { return changesLocked_ || updateCount_ > 0; }
  void SetChangesLocked(bool Value) { changesLocked_ = Value; }
  bool IsInChangeHandler() const { return changeHandlerDepth_ > 0; }
  // The editor's channel: set by the owning editor (its PropertiesChanged) or repository item.
  std::function<void(TObject* Sender)> OnPropertiesChanged;

  // --- The values provider ---
  IkxEditDefaultValuesProvider* GetDefaultValuesProvider() const { return provider_; }
  // Reports a change when the owner is an editor control (a TkxCustomEdit).
  void SetDefaultValuesProvider(IkxEditDefaultValuesProvider* Value);
  bool IsModifiable() const;
  bool UsesProviderDisplayFormat() const;

  // Runs the editor's validation handlers (AOwnProperties' OnValidate, then, when given,
  // ARepositoryProperties'), Sender being ASender.  When a handler reports an error and leaves
  // the text of DisplayValue as it was, DisplayValue becomes ACurrentDisplayText().
  static void RunValidateEvent(TObject* ASender, TkxCustomEditProperties* AOwnProperties,
                               TkxCustomEditProperties* ARepositoryProperties,
                               const std::function<std::string()>& ACurrentDisplayText, Variant& DisplayValue,
                               std::string& ErrorText, bool& Error);

  // --- Published settings ---
  TkxEditAlignment* Alignment();
  bool IsAlignmentStored() const;
  TkxCustomEditPropertiesValues* AssignedValues() const { return assignedValues_.get(); }
  void SetAssignedValues(TkxCustomEditPropertiesValues* Value) { assignedValues_->Assign(Value); }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool Value);
  bool BeepOnError() const { return beepOnError_; }
  void SetBeepOnError(bool Value) { beepOnError_ = Value; }
  TkxEditButtons* Buttons() const { return buttons_.get(); }
  void SetButtons(TkxEditButtons* Value) { buttons_->Assign(Value); }
  TkxEditButtonsViewStyle ButtonsViewStyle() const { return buttonsViewStyle_; }
  void SetButtonsViewStyle(TkxEditButtonsViewStyle Value);
  TShortCut ClearKey() const { return clearKey_; }
  void SetClearKey(TShortCut Value) { clearKey_ = Value; }
  TShortCut ClickKey() const { return clickKey_; }
  void SetClickKey(TShortCut Value) { clickKey_ = Value; }
  bool ImmediatePost() const { return immediatePost_; }
  void SetImmediatePost(bool Value) { immediatePost_ = Value; }
  double MaxValue() const { return GetMaxValueLimit(); }
  void SetMaxValue(double Value);
  bool IsMaxValueStored() const { return assignedValues_->MaxValue(); }
  double MinValue() const { return GetMinValueLimit(); }
  void SetMinValue(double Value);
  bool IsMinValueStored() const { return assignedValues_->MinValue(); }
  bool ReadOnly() const;
  void SetReadOnly(bool Value);
  bool IsReadOnlyStored() const { return assignedValues_->ReadOnly(); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  bool UseLeftAlignmentOnEditing() const { return useLeftAlignmentOnEditing_; }
  void SetUseLeftAlignmentOnEditing(bool Value);
  bool IsUseLeftAlignmentOnEditingStored() const {
    return useLeftAlignmentOnEditing_ != GetDefaultUseLeftAlignmentOnEditing();
  }
  bool UseMouseWheel() const { return useMouseWheel_; }
  void SetUseMouseWheel(bool Value);
  bool ValidateOnEnter() const { return validateOnEnter_; }
  void SetValidateOnEnter(bool Value) { validateOnEnter_ = Value; }

  TkxEditButtonClickEvent OnButtonClick;
  TNotifyEvent OnChange;
  TkxEditClosePopupEvent OnClosePopup;
  TNotifyEvent OnEditValueChanged;
  TkxEditValidateEvent OnValidate;

 protected:
  // The first component up the owner chain, starting with this object; null when none.
  TComponent* FindOwnerComponent() const;
  // Makes AssignedValues and Buttons anew from GetValuesFlagsClass and GetButtonsClass.  C++ runs
  // the base's factories in the base constructor, so a descendant that names its own flag or button
  // class calls this in its constructor.
  void RecreateValuesFlagsAndButtons();

 private:
  // Sets the assigned flag without its notification, stores the value, reports a change (nothing
  // when the flag is set and the value equal).
  template <class T>
  void SetBound(bool& Flag, T& Field, const T& Value);
  void CopyBoundFrom(const TkxCustomEditProperties& Source);
  bool IsOwnerBeingDestroyed() const;

  bool autoSelect_ = true;
  bool beepOnError_ = false;
  std::unique_ptr<TkxEditButtons> buttons_;
  TkxEditButtonsViewStyle buttonsViewStyle_ = bvsNormal;
  bool changePending_ = false;
  TShortCut clearKey_ = 0;
  TShortCut clickKey_ = 16397;   // Ctrl+Enter
  std::unique_ptr<TkxFreeNotificator> freeNotificator_;
  bool immediatePost_ = false;
  std::unique_ptr<TkxEditAlignment> storedAlignment_;
  Integer changeHandlerDepth_ = 0;
  double maxValue_ = 0;
  double minValue_ = 0;
  bool readOnly_ = false;
  bool transparent_ = false;
  Integer updateCount_ = 0;
  bool useLeftAlignmentOnEditing_ = true;
  bool useMouseWheel_ = true;
  bool validateOnEnter_ = false;
  std::unique_ptr<TkxEditAlignment> alignmentProxy_;
  std::unique_ptr<TkxCustomEditPropertiesValues> assignedValues_;
  bool changesLocked_ = false;
  IkxEditDefaultValuesProvider* provider_ = nullptr;   // not counted: the data binding owns it
};

// Every live properties object, oldest first.
const std::vector<TkxCustomEditProperties*>& EditPropertiesInstances();

// The registry of properties classes ("Name|Description" texts), kept sorted; made on first call.
TkxRegisteredClasses& GetEditPropertiesRegistry();
// Frees the registry (the unit's end); the next call makes a new one.
void FreeEditPropertiesRegistry();
