// TkxCustomInnerTextEdit (unit kxTextEdit): the platform edit placed inside a text editor.  It has
// no border, hands its keys, clicks, focus changes and clipboard messages to the editor that owns
// it (its container) and answers the editor through IkxInnerTextEdit, implemented by a small
// helper object so that editors of other families can bring inner edits of their own classes.
//
// The IME counters: a WM_IME_CHAR announces a character that WM_CHAR delivers afterwards, one
// message per byte (two for a double-byte character).  Until the last byte has come, the
// selection the editor reads and writes is the one saved when the IME character was announced.
#pragma once

#include <memory>
#include <string>

#include "controls/editors/kx_inner_edit.h"
#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_interfaced_persistent.h"
#include "platform/core/variant.h"
#include "platform/ui/edit.h"

class TkxCustomEdit;
class TkxCustomInnerTextEdit;

enum TkxEditEchoMode { eemNormal, eemPassword };

// What a text editor asks of its inner edit besides.
class IkxInnerTextEdit : public IkxCustomInnerEdit {
 public:
  virtual void ClearSelection() = 0;
  virtual void CopyToClipboard() = 0;
  virtual TAlignment GetAlignment() = 0;
  virtual bool GetAutoSelect() = 0;
  virtual TEditCharCase GetCharCase() = 0;
  virtual TkxEditEchoMode GetEchoMode() = 0;
  virtual bool GetHideSelection() = 0;
  // The trail byte of a double-byte IME character still to come, else #0.
  virtual char GetImeLastChar() = 0;
  virtual bool GetKeyConsumed() = 0;
  virtual Integer GetMaxLength() = 0;
  virtual bool GetMultiLine() = 0;
  virtual TNotifyEvent GetOnSelChange() = 0;
  virtual char GetPasswordChar() = 0;
  virtual Integer GetSelLength() = 0;
  virtual Integer GetSelStart() = 0;
  virtual std::string GetSelText() = 0;
  virtual void SelectAll() = 0;
  virtual void SetAlignment(TAlignment Value) = 0;
  virtual void SetAutoSelect(bool Value) = 0;
  virtual void SetCharCase(TEditCharCase Value) = 0;
  virtual void SetEchoMode(TkxEditEchoMode Value) = 0;
  virtual void SetHideSelection(bool Value) = 0;
  virtual void SetKeyConsumed(bool Value) = 0;
  virtual void SetMaxLength(Integer Value) = 0;
  virtual void SetOnSelChange(TNotifyEvent Value) = 0;
  virtual void SetPasswordChar(char Value) = 0;
  virtual void SetSelLength(Integer Value) = 0;
  virtual void SetSelStart(Integer Value) = 0;
  virtual void SetSelText(const std::string& Value) = 0;

 protected:
  ~IkxInnerTextEdit() = default;
};

// Text and selection of an inner edit before a key, to tell afterwards whether the key changed them.
struct TkxCustomInnerTextEditPrevState {
  bool TextSaved = false;
  std::string PrevText;
  Integer PrevSelLength = 0;
  Integer PrevSelStart = 0;
};

void SaveInnerEditState(IkxInnerTextEdit* Edit, bool ASaveText, TkxCustomInnerTextEditPrevState& State);
// True without a window, when the selection moved, or when the saved text differs (ignoring case).
bool HasInnerEditStateChanged(IkxInnerTextEdit* Edit, const TkxCustomInnerTextEditPrevState& State);

class TkxCustomInnerTextEditHelper : public TkxInterfacedPersistent, public IkxInnerTextEdit {
  PR_CLASS(TkxCustomInnerTextEditHelper, TkxInterfacedPersistent)

 public:
  explicit TkxCustomInnerTextEditHelper(TkxCustomInnerTextEdit* AEdit);

  TWinControl* GetInnerControlOwnControl() override;
  TkxContainer* GetInnerControlContainer() override;

  LRESULT CallDefWndProc(UINT Msg, WPARAM WParam, LPARAM LParam) override;
  Variant GetEditValue() override;
  TNotifyEvent GetOnChange() override;
  bool GetReadOnly() override;
  void LockBounds(bool ALock) override;
  void SafelySetFocus() override;
  void SetEditValue(const Variant& Value) override;
  void SetParent(TWinControl* AParent) override;
  void SetOnChange(const TNotifyEvent& Value) override;
  void SetReadOnly(bool Value) override;

  void ClearSelection() override;
  void CopyToClipboard() override;
  TAlignment GetAlignment() override;
  bool GetAutoSelect() override;
  TEditCharCase GetCharCase() override;
  TkxEditEchoMode GetEchoMode() override;
  bool GetHideSelection() override;
  char GetImeLastChar() override;
  bool GetKeyConsumed() override;
  Integer GetMaxLength() override;
  bool GetMultiLine() override { return false; }
  TNotifyEvent GetOnSelChange() override;
  char GetPasswordChar() override;
  Integer GetSelLength() override;
  Integer GetSelStart() override;
  std::string GetSelText() override;
  void SelectAll() override;
  void SetAlignment(TAlignment Value) override;
  void SetAutoSelect(bool Value) override;
  void SetCharCase(TEditCharCase Value) override;
  void SetEchoMode(TkxEditEchoMode Value) override;
  void SetHideSelection(bool Value) override;
  void SetKeyConsumed(bool Value) override;
  void SetMaxLength(Integer Value) override;
  void SetOnSelChange(TNotifyEvent Value) override;
  void SetPasswordChar(char Value) override;
  void SetSelLength(Integer Value) override;
  void SetSelStart(Integer Value) override;
  void SetSelText(const std::string& Value) override;

  // The selection as it was when the pending IME character was announced.
  void SaveSelection();
  Integer SavedSelStart() const { return savedSelStart_; }
  Integer SavedSelLength() const { return savedSelLength_; }

 private:
  TkxCustomInnerTextEdit* edit_;
  Integer savedSelLength_ = 0;
  Integer savedSelStart_ = 0;
};

class TkxCustomInnerTextEdit : public TCustomEdit, public IkxContainerInnerControl, public IkxInnerEditProvider {
  PR_CLASS(TkxCustomInnerTextEdit, TCustomEdit)

 public:
  // AOwner is the editor that contains the control.
  explicit TkxCustomInnerTextEdit(TComponent* AOwner);
  ~TkxCustomInnerTextEdit() override;

  TWinControl* GetInnerControlOwnControl() override { return this; }
  TkxContainer* GetInnerControlContainer() override;
  // What the editor drives: the helper.
  IkxCustomInnerEdit* GetInnerEdit() override { return helper_.get(); }

  TkxCustomEdit* GetContainer() const;
  TkxCustomInnerTextEditHelper* GetHelper() const { return helper_.get(); }
  // The character index of the caret; 0 in an empty text.
  Integer GetCaretCharIndex();

  bool CanFocus() override;
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  // After every EM_SETSEL.
  TNotifyEvent OnSelChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void Click() override;
  void DblClick() override;
  bool DoMouseWheel(TShiftState, Integer, TPoint) override { return false; }
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  // Left margin 0, right margin 1.
  virtual void UpdateMargins();

 private:
  friend class TkxCustomInnerTextEditHelper;

  // The platform password character for the echo mode: none, or the own one ("*" for #0).
  void UpdateEchoMode();
  void WMKeyDown(TMessage& Message);
  void WMChar(TMessage& Message);
  void WMImeChar(TMessage& Message);
  void WMGetDlgCode(TMessage& Message);
  void WMFocus(TMessage& Message);
  void EditingMessage(TMessage& Message);

  TAlignment alignment_ = taLeftJustify;
  TkxEditEchoMode echoMode_ = eemNormal;
  std::unique_ptr<TkxCustomInnerTextEditHelper> helper_;
  Integer imeCharCount_ = 0;
  char imeLastChar_ = 0;
  bool keyConsumed_ = false;
  bool creating_ = true;
  Integer lockBoundsCount_ = 0;
  char passwordChar_ = 0;
};
