// TCustomEdit and TEdit: a single-line edit over the platform's EDIT window class (edit_window.h).
//
// The properties live in the window while it exists and in the control while it does not:
// MaxLength (EM_LIMITTEXT, 0 = no limit), PasswordChar (EM_SETPASSWORDCHAR), ReadOnly
// (EM_SETREADONLY), Modified (EM_GETMODIFY, kept across a re-created window), the selection
// (EM_GETSEL / EM_SETSEL / EM_REPLACESEL).  CharCase, HideSelection and BorderStyle are window
// styles: changing them re-creates the window (CharCase then converts the text).  EN_CHANGE
// reflected as CN_COMMAND runs Change, which fires OnChange; setting Text before the window
// exists fires it too.  AutoSelect selects the whole text when the focus arrives other than by a
// click.  AutoSize keeps the height at the font's height plus 8 pixels (6 without Ctl3D).
#pragma once

#include "platform/ui/win_control.h"

PR_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)

class TCustomEdit : public TWinControl {
  PR_CLASS(TCustomEdit, TWinControl)

 public:
  explicit TCustomEdit(TComponent* AOwner);

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool Value) { autoSelect_ = Value; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase Value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool Value);
  Integer MaxLength() const { return maxLength_; }
  void SetMaxLength(Integer Value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char Value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);
  bool Modified();
  void SetModified(bool Value);

  Integer SelStart();
  void SetSelStart(Integer Value);
  Integer SelLength();
  void SetSelLength(Integer Value);
  std::string SelText();
  void SetSelText(const std::string& Value);

  bool CanUndo();
  void Undo();
  void ClearUndo();
  void Clear();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void SelectAll();

  void Dispatch(TMessage& Message) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();
  // The length limit the window gets (EM_LIMITTEXT): MaxLength here; a masked edit's mask width.
  virtual Integer WindowMaxLength() { return maxLength_; }
  void AdjustHeight();

 private:
  void CNCommand(TMessage& Message);
  void CMEnter(TMessage& Message);
  void CMTextChanged(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void WMSetFont(TMessage& Message);
  bool IsMultiLineWindow();

  Integer maxLength_ = 0;
  TBorderStyle borderStyle_ = bsSingle;
  char passwordChar_ = 0;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  TEditCharCase charCase_ = ecNormal;
  bool modified_ = false;
  bool creating_ = false;
};

class TEdit : public TCustomEdit {
  PR_CLASS(TEdit, TCustomEdit)

 public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};
