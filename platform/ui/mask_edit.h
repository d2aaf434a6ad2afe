// TCustomMaskEdit and TMaskEdit: a single-line edit whose input follows an edit mask
// (parsed_mask.h for the mask language).
//
// While EditMask is not empty the window's text is the masked text (EditText): exactly one byte per
// mask position, literals in place, the blank character where nothing was typed; the window's
// length limit is the mask's width.  Text is the value (blanks as spaces, literals only when the
// mask saves them); setting it fits the value into the mask.  Input overwrites: the character at
// the caret is selected, typing replaces it and moves on to the next editable position, the caret
// keys skip literals, Delete, Backspace and cut blank positions instead of removing them, paste
// types the clipboard text from the caret.  Refused input beeps.  Every change is one EM_REPLACESEL
// (one EN_CHANGE, one undo step).
//
// Leaving the control (CM_EXIT) validates a modified text: an incomplete one puts the focus back,
// selects the first wrong position, beeps and raises EDBEditError; Escape puts back the text the
// control had when it got the focus.
#pragma once

#include <string>

#include "platform/core/exceptions.h"
#include "platform/ui/edit.h"
#include "platform/ui/parsed_mask.h"

PR_DECLARE_EXCEPTION(EDBEditError, Exception);

class TCustomMaskEdit : public TCustomEdit {
  PR_CLASS(TCustomMaskEdit, TCustomEdit)

 public:
  explicit TCustomMaskEdit(TComponent* AOwner);

  const std::string& EditMask() const { return editMask_; }
  void SetEditMask(const std::string& Value);
  bool IsMasked() const { return !editMask_.empty(); }
  std::string EditText() const { return GetText(); }
  void SetEditText(const std::string& Value);
  std::string Text() const;
  void SetText(const std::string& Value);

  virtual void ValidateEdit();
  // ValidateEdit would pass: no mask, an unmodified text or a complete one.
  bool EditIsValid();
  virtual void Reset();

  void Dispatch(TMessage& Message) override;

 protected:
  Integer WindowMaxLength() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  virtual bool EditCanModify() { return true; }
  virtual void ValidateError();
  // Selects the character at Pos (the overwrite caret); at the end, an empty selection there.
  void SetCursor(Integer Pos);
  // Widens an empty selection of the focused control to the overwrite caret.
  void CheckCursor();

 private:
  struct Selection {
    int start, end;
  };
  Selection GetSelection();
  bool CanModify();
  void ArrowKey(Word Key, TShiftState Shift);
  void HomeEndKey(Word Key, TShiftState Shift);
  void DeleteKey(Word Key);
  void CharKey(char Key);
  void BlankSelection();
  // Puts Masked into the window by replacing the bytes that differ from EditText.
  void Apply(const std::string& Masked);
  void CMEnter(TMessage& Message);
  void CMExit(TMessage& Message);
  void WMPaste(TMessage& Message);
  void WMCut(TMessage& Message);
  void WMClear(TMessage& Message);
  void WMLButtonUp(TMessage& Message);

  std::string editMask_;
  edit::ParsedMask mask_;
  std::string oldValue_;    // EditText when the focus came
  bool reEnter_ = false;    // the focus comes back after a failed validation
  int cursor_ = -1;         // the position SetCursor selected, -1 once Shift or the mouse moved on
};

class TMaskEdit : public TCustomMaskEdit {
  PR_CLASS(TMaskEdit, TCustomMaskEdit)

 public:
  explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
};
