// The editor unit (kxEdit): TkxCustomEdit, the base of every editor control, and the unit start.
//
// An editor links a settings object (its own TkxCustomEditProperties, or the shared properties of a
// repository item: the active properties), keeps an edit value (a Variant) and shows a display
// value, and runs the editing cycle: entering saves the value of entry; typing enters edit mode
// (RequestEditing: the properties, OnEditing and the data binding may refuse); validation takes the
// display into the edit value or raises EkxEditValidationError with the error text and keeps the
// focus (a focus change stops when the exit raises); Escape restores the value of entry and
// swallows the Escape character that follows; leaving validates and posts.  Change events can be
// locked: inside LockChangeEvents(True) ... (False, True) any number of changes fire OnChange and
// OnEditValueChanged once each, with (False, False) none.  Embedded buttons are pressed and
// released through the view data's states: a release over the pressed button clicks it (OnButtonClick
// with the button's collection index); Ctrl+Enter (ClickKey) clicks the default button; an
// accelerator in a text button's caption clicks it.
//
// The classes of the family (properties, view data, view info, styles) come from the properties
// class the constructor is given: C++ runs only the base's virtual operations while the base is
// being constructed, so a descendant passes its properties class to the protected constructor.
//
// The unit start registers the editors' mouse-wheel cursor, our own picture "KXEDIT_MOUSEWHEEL"
// (32 x 32, hot spot at its centre: a disc between an up and a down arrow), in the screen's cursor
// list under crKxEditMouseWheel; no control of this system selects it.  The unit end leaves the
// cursor list to the screen.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/editors/kx_edit_errors.h"
#include "controls/editors/kx_edit_properties.h"
#include "controls/editors/kx_edit_view_data.h"
#include "controls/editors/kx_edit_view_info.h"
#include "controls/editors/kx_inner_edit.h"
#include "controls/foundation/kx_container.h"
#include "platform/core/res_string.h"
#include "platform/core/units.h"
#include "platform/core/variant.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/control_types.h"

class TkxCustomEdit;
class TkxEditDataBinding;
class TkxEditRepositoryItem;
class TkxEditRepositoryItemLink;
class TkxTimer;

using TkxEditDataBindingClass = TkxEditDataBinding* (*)(TkxCustomEdit* AEdit);

inline constexpr TCursor crKxEditMouseWheel = 4101;

// The editor unit's texts (numbers 64870 to 64879).
inline constexpr TResStringRec sEditRepositoryItemNotAcceptable = {64870, "The repository item is not acceptable"};

PR_DECLARE_EXCEPTION(EkxEditValidationError, EkxEditError);

// (Sender, var CanEdit)
using TkxEditEditingEvent = Event<void(TObject* Sender, bool& CanEdit)>;
using TkxEditKeyEvent = Event<void(TObject* Sender, Word& Key, TShiftState Shift)>;

// The lock count of an editor's change events and what became pending under it.
struct TkxEditChangeEventsCatcher {
  Integer LockCount = 0;
  bool PendingChange = false;
  bool PendingEditValueChanged = false;
};

class TkxFreeNotificator;

// Per-activation data of in-place editors, owned by their host across activations.  Clear (also
// run by the constructor) asks for a reset: the editor the data is attached to runs ClearEditData
// once, now or when it is next attached.  A freed editor is forgotten; freed data detaches itself.
class TkxCustomEditData : public TObject {
  PR_CLASS(TkxCustomEditData, TObject)

 public:
  explicit TkxCustomEditData(TkxCustomEdit* AEdit);
  ~TkxCustomEditData() override;
  void Clear();
  bool NeedsReset() const { return needsReset_; }
  TkxCustomEdit* Edit() const { return edit_; }

 private:
  friend class TkxCustomEdit;
  bool needsReset_ = false;
  TkxCustomEdit* edit_;
  std::unique_ptr<TkxFreeNotificator> editWatcher_;
};

using TkxCustomEditDataClass = TkxCustomEditData* (*)(TkxCustomEdit* AEdit);

// What every editor implements and nothing else does: code that must tell an editor from other
// controls asks a control for it (Supports).  It has no operations of its own.
class IkxEditControl {
 protected:
  ~IkxEditControl() = default;
};

class TkxCustomEdit : public TkxContainer, public IkxEditControl {
  PR_CLASS(TkxCustomEdit, TkxContainer)

 public:
  explicit TkxCustomEdit(TComponent* AOwner) : TkxCustomEdit(AOwner, false) {}
  TkxCustomEdit(TComponent* AOwner, bool AIsInplace)
      : TkxCustomEdit(AOwner, AIsInplace, &TkxCustomEditProperties::Create) {}
  ~TkxCustomEdit() override;

  // --- Settings ---
  TkxCustomEditProperties* Properties() const { return properties_.get(); }
  // The repository item's properties once an item is linked; null without.
  TkxCustomEditProperties* RepositoryProperties() const { return repositoryProperties_; }
  TkxCustomEditProperties* GetActiveProperties() const;
  virtual TkxCustomEditPropertiesClass GetPropertiesClass() const { return propertiesClass_; }
  TkxEditDataBinding* DataBinding() const { return dataBinding_.get(); }
  // The editor's side of a repository item link: the item's properties become the active ones
  // (null: the own ones again).  Properties of a class that does not inherit from the editor's
  // properties class raise EkxEditError "The repository item is not acceptable" and keep the old
  // link.  The own properties stop reporting to the editor while an item's are active.
  void LinkRepositoryProperties(TkxCustomEditProperties* ItemProperties);
  // The linked repository item; null without.  Setting one links its properties (see
  // LinkRepositoryProperties); the editor forgets an item that is freed.
  TkxEditRepositoryItem* RepositoryItem() const;
  void SetRepositoryItem(TkxEditRepositoryItem* Value);
  bool CanAcceptRepositoryProperties(const TkxCustomEditProperties* ItemProperties) const;
  // The linked item's properties changed: the editor takes them in (not while loading or destroying).
  void ItemPropertiesChanged();
  TkxCustomEditViewInfo* GetViewInfo() const { return static_cast<TkxCustomEditViewInfo*>(ViewInfo()); }
  TkxContainerStyle* GetCurrentStyle() { return GetActiveStyle(); }
  // The published Height: the window is made first when the parent chain can hold one, so that
  // auto-sizing has run (making the window is a lazy step a reader may take).
  Integer GetHeight() const;
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);

  // --- Values ---
  virtual Variant GetEditValue() const { return editValue_; }
  virtual void AssignEditValue(const Variant& Value);
  virtual void AssignEditValueQuietly(const Variant& Value);
  virtual Variant GetClearValue() const { return Null(); }
  virtual void ClearValue();
  virtual std::string ReadDisplayText() { return std::string(); }
  virtual void ApplyDisplayValue(const Variant&) {}
  virtual void SynchronizeDisplayValue() {}
  virtual void SynchronizeEditValue() {}
  virtual void UpdateDisplayText() {}
  virtual void SelectAllText() {}
  virtual Variant DisplayToEditValue() { return GetEditValue(); }
  virtual void RevertValue();
  virtual void ValidateValue();
  bool IsEditValueStored() const { return !editValue_.IsNull(); }

  // --- The editing cycle ---
  bool RequestEditing();
  virtual bool CanModifyValue();
  virtual bool CanStartEditing() { return true; }
  virtual bool IsValueReadOnly();
  // True when valid or nothing to validate; an invalid value raises with AShowError.
  bool ValidateInput(bool AShowError);
  void InternalPostEditValue(bool AValidateEdit);
  bool IsEditingActive();
  bool EditModified() const { return editModified_; }
  void SetEditModified(bool Value);
  bool ModifiedAfterEnter() const { return modifiedAfterEnter_; }
  void SetModifiedAfterEnter(bool Value);
  void SaveModifiedState();
  void RestoreModifiedState();
  bool InternalFocused() const;
  bool IsInPlaceMode() override { return inplace_; }

  // --- Change events ---
  void NotifyChange();
  void DoEditValueChanged();
  void LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock = true);
  bool AreChangeEventsLocked() const { return catcher_.LockCount > 0; }
  void LockClick(bool ALock);
  void LockEditValueChanging(bool ALock);
  void MarkUserModified();

  // --- Buttons and mouse ---
  Integer GetButtonAt(TPoint P) const;
  Integer GetDefaultButtonIndex() const;
  Integer PressedCaptureIndex() const { return pressedCaptureIndex_; }
  virtual void ClickDefaultButton();
  // AButtonIndex is a button view info's index; the events get the button's collection index.
  virtual void ButtonClicked(Integer AButtonIndex);
  virtual void ButtonPressed(Integer) {}
  virtual void ButtonReleased(Integer) {}
  virtual bool IsClickKey(Word Key, TShiftState Shift);
  bool CanProcessMouseWheel(TShiftState Shift) const;
  // Takes a host's click at (X, Y) in the parent's coordinates as a real one; a real second click
  // within the double-click time after it is a double click.
  virtual void SimulateMouseClick(TShiftState Shift, Integer X, Integer Y,
                                  std::unique_ptr<TkxCustomEditData>& EditData);
  // In-place activation; without EditData, one of GetEditDataClass is made for the host to keep.
  virtual void PrepareForClick(std::unique_ptr<TkxCustomEditData>& EditData);
  // An in-place editor activated by a key: prepared as for a click, then given the key as a
  // character (its inner control when it has one, with the inner window procedure hooked
  // meanwhile) when it forwards it.
  virtual void ActivateByKey(char Key, std::unique_ptr<TkxCustomEditData>& EditData);
  // The attached per-activation data (not owned); null for none.
  TkxCustomEditData* EditData() const { return editData_; }
  virtual TkxCustomEditDataClass GetEditDataClass() const { return nullptr; }
  // The attached data asked for a reset.
  virtual void ClearEditData() {}
  virtual bool ForwardsActivationChar(char) { return true; }
  // Clipboard hooks (text editors).
  virtual void CopyToClipboard() {}
  virtual void CutToClipboard() {}
  virtual void PasteFromClipboard() {}
  // Set while the current value change comes from the user (clipboard messages, the clear key).
  bool UserAction() const { return userAction_; }
  // The inner edit's clear and undo messages (text editors).
  virtual void ClearSelection() {}
  virtual void AfterUndo() {}
  bool DoubleClickTimerRunning() const;

  // --- Auto size ---
  virtual bool IsHeightAutomatic() { return !inplace_ && autoSize_; }
  virtual bool IsWidthAutomatic() { return GetActiveProperties()->ButtonsViewStyle() == bvsButtonsAutoWidth; }
  virtual TkxEditSizeProperties GetEditSizeProperties();
  void CalculateAutoSize(Integer& W, Integer& H);

  // --- Layout ---
  std::unique_ptr<TkxCustomEditViewData> CreateViewData();
  virtual void FillViewDataState(TkxCustomEditViewData& ViewData);
  void CalculateViewInfoAt(TPoint P, Integer Button, TShiftState Shift, bool IsMouseEvent);
  // For the screen cursor's position, no mouse button and the keyboard's shift state now.
  void RecalcViewInfoAtCursor();
  virtual void UpdateButtonStates(const TkxCustomEditViewInfo& Previous);
  virtual void PropertiesChanged(TObject* Sender);
  bool RefreshContainer(TPoint P, Integer Button, TShiftState Shift, bool IsMouseEvent) override;
  void CalculateViewInfo(TPoint P, bool AllowHot) override;
  TRect GetBorderExtent() override;
  TkxContainerStyleClass GetContainerStyleClass() const override;
  TkxContainerViewInfoClass GetViewInfoClass() const override;
  TkxContainerStyleValues GetUnsupportedStyleValues() override { return 0xFC00; }
  bool IsNativeStyle() override;
  virtual bool PaintsFromData() { return false; }
  // The editor paints its parent's background under itself.
  virtual bool UsesParentBackground() { return false; }
  using TkxContainer::UsesParentColorByDefault;

  // --- The inner edit ---
  // The inner control's interface; null for an editor without one (or once the control is freed).
  IkxCustomInnerEdit* InnerEdit() const { return innerEdit_; }
  // The class the constructor was given: C++ runs only the base's operations during construction.
  virtual TkxInnerEditClass GetInnerEditClass() const { return innerEditClass_; }
  // True while destroying, or when the editor has an inner edit class but no inner edit.
  bool IsInnerEditUnavailable() const;
  // The inner text changed: edit mode when focused, else the binding's modified state; OnChange.
  virtual void HandleTextChanged();
  // The inner control takes the view info's client rectangle.
  virtual void AdjustInnerEditPosition();
  // The inner control is read-only while the value is.
  void UpdateInnerEditReadOnly();
  // While hooked, the inner control's messages pass through InnerEditWndProc.
  virtual void HookInnerEditWndProc();
  virtual void UnhookInnerEditWndProc();
  virtual void InnerEditWndProc(TMessage& Message);
  // Through the inner edit, so that its selection stays.
  void FocusInnerControl() override;

  // --- Events ---
  TkxEditEditingEvent OnEditing;
  // For hosts: keys the editor does not use.
  TkxEditKeyEvent OnAfterKeyDown;
  TNotifyEvent OnPostEditValue;

  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void Click() override;
  void DblClick() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void DoEnter() override;
  void DoExit() override;
  void Dispatch(TMessage& Message) override;
  // The focus changed (or the application's activation): when whether the editor is focused while
  // the application is active changed, the container's handler runs, then RefreshAfterFocusChange.
  void DoFocusChanged() override;
  // The first parent the editor is given makes it take its settings in: the binding's link, the
  // own properties, the display.
  void SetParent(TWinControl* AParent) override;
  // A visible in-place editor takes its parent (the host) out of the tab order.
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  // An in-place editor keeps WM_CONTEXTMENU from its host.
  void DefaultHandler(TMessage& Message) override;

 protected:
  TkxCustomEdit(TComponent* AOwner, bool AIsInplace, TkxCustomEditPropertiesClass APropertiesClass,
                TkxInnerEditClass AInnerEditClass = nullptr);

  virtual void HandleEnter();
  void ExitEditing(bool ACallDoExit);
  virtual void DoEditKeyDown(Word& Key, TShiftState Shift);
  virtual void DoEditKeyPress(char& Key) { CanKeyPressProceed(Key); }
  virtual void DoEditKeyUp(Word&, TShiftState) {}
  virtual void BeforeTabExit(TShiftState) {}
  virtual bool CanKeyDownProceed(Word Key, TShiftState Shift);
  virtual bool CanKeyPressProceed(char& Key);
  virtual bool IsValueChangingKey(Word, TShiftState) { return false; }
  virtual bool IsValueChangingChar(char) { return false; }
  virtual bool IsValidChar(char Key);
  virtual bool WantsAfterKeyDown(Word, TShiftState) { return false; }
  virtual bool HandlesNavigationKeys() { return false; }
  virtual bool ReloadsOnFocusChange() { return true; }
  virtual bool UsesInnerEditBounds() { return false; }
  virtual bool ClicksWhileLoading() { return false; }
  virtual void ShowValidationError(const std::string& AText, bool AAbort);
  // The display follows the focus; the value is validated silently when ShouldValidateOnFocusChange.
  virtual void RefreshAfterFocusChange();
  // A modal form closing with a result other than none or Cancel, or a lone editor of a form losing
  // the focus to its own top-level window, takes what was typed: no exit will follow to take it.
  virtual bool ShouldValidateOnFocusChange();
  virtual void InternalSetEditValue(const Variant& Value);
  virtual void InternalSetDisplayValue(const Variant& Value);
  virtual void SetDisplayValueCore(const Variant&) {}
  virtual void FireChange();
  virtual void FireEditValueChanged();
  virtual TkxEditDataBindingClass GetDataBindingClass() const;
  // Creates the inner control from GetInnerEditClass and answers its interface (null: none).
  virtual IkxCustomInnerEdit* CreateInnerEdit();
  // Binds the inner control to the editor (parent, change handler, no parent hints).
  virtual void InitializeInnerEdit();
  // Forgets the inner control and the repository item when they go.
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Before and after the linked repository item changes.
  virtual void RepositoryItemChanging() {}
  virtual void RepositoryItemChanged() {}
  void RunAfterKeyDownHandler(Word& Key, TShiftState Shift);
  bool CanResize(Integer& NewWidth, Integer& NewHeight) override;
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;

 private:
  // The inner edit sets the user-action flag around clipboard messages and runs the after-key handler.
  friend class TkxCustomInnerTextEdit;

  bool HasChangeHandlers() const;
  bool HasEditValueChangedHandlers() const;
  // Runs Fire with both modified flags set for an in-place editor, restored afterwards.
  template <class F>
  void FireWithModifiedBracket(F Fire);
  void CMDialogChar(TMessage& Message);
  // WM_COPY, WM_CUT and WM_PASTE.
  void ClipboardMessage(UINT Msg);
  void DoubleClickTimerTick(TObject*);
  void ApplyAutoSize();
  friend class TkxCustomEditData;
  void AttachEditData(TkxCustomEditData* Data);
  // Runs ClearEditData when Data is the attached data and asks for a reset.
  void ResetEditData(TkxCustomEditData* Data);

  std::unique_ptr<TkxCustomEditProperties> properties_;
  TkxCustomEditPropertiesClass propertiesClass_;
  TkxCustomEditProperties* repositoryProperties_ = nullptr;
  std::unique_ptr<TkxEditRepositoryItemLink> repositoryItemLink_;   // made on the first link
  std::unique_ptr<TkxEditDataBinding> dataBinding_;
  std::unique_ptr<TkxTimer> doubleClickTimer_;
  TkxInnerEditClass innerEditClass_;
  IkxCustomInnerEdit* innerEdit_ = nullptr;
  TkxCustomEditData* editData_ = nullptr;
  TWndMethod savedInnerWndProc_;
  bool innerWndProcHooked_ = false;
  TkxEditChangeEventsCatcher catcher_;
  Variant editValue_;
  Variant valueAtEntry_;
  std::vector<std::pair<bool, bool>> modifiedStates_;
  TkxEditMetrics inplaceMetrics_;
  bool autoSize_ = true;
  bool inplace_ = false;
  bool transparent_ = false;
  bool editModified_ = false;
  bool modifiedAfterEnter_ = false;
  bool editValidated_ = false;
  bool validating_ = false;
  bool escapeHandled_ = false;
  bool userAction_ = false;
  bool editingRequest_ = false;
  bool focusingForError_ = false;
  bool isFocusedAndActive_ = false;
  bool posting_ = false;
  bool activated_ = false;
  bool creating_ = true;
  bool hadParent_ = false;
  Integer clickLock_ = 0;
  Integer editValueChangingLock_ = 0;
  Integer pressedCaptureIndex_ = -1;
  // What the refresh in progress computes the view info for.
  Integer refreshButton_ = 0;
  TShiftState refreshShift_;
  bool refreshIsMouseEvent_ = false;
};

// True when both variants have the same type and are exactly equal.
bool VarSameTypeAndValue(const Variant& A, const Variant& B);
// ssLeft, ssRight or ssMiddle for the button.
TShiftState MouseButtonToShift(TMouseButton Button);
// A's width and height become the larger of A's and B's.
void EnlargeSize(TSize& A, const TSize& B);
// Characters 0, tab, line feed, form feed, carriage return and space.
bool IsBlankChar(char Ch);
// True when the region covers nothing.
bool IsRegionEmpty(HRGN Region);
// Target becomes the union of Target and Source.
void AddRegion(HRGN Target, HRGN Source);
// WM_KEYDOWN with the key, WM_CHAR with the character, sent to the editor's window (lParam 0).
void SendKeyDownMessage(TkxCustomEdit* Edit, Word Key);
void SendCharMessage(TkxCustomEdit* Edit, char Ch);

extern const Unit kxEditUnit;
