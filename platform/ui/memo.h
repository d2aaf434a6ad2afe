// TCustomMemo and TMemo: a multi-line edit over the EDIT window class (ES_MULTILINE).
//
// Lines is a TStrings that reads and edits the window's text (memo_strings.h); with WordWrap the
// window wraps at its width and Lines counts the wrapped lines, as the window does.  WordWrap
// (which drops ES_AUTOHSCROLL), ScrollBars and Alignment are window styles: changing them
// re-creates the window.  WantReturns false leaves Return to the form (the default button) and
// drops the Return character; WantTabs true takes Tab as a character instead of moving the focus.
#pragma once

#include <memory>

#include "platform/ui/edit.h"
#include "platform/ui/scroll_style.h"

class TStrings;

class TCustomMemo : public TCustomEdit {
  PR_CLASS(TCustomMemo, TCustomEdit)

 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  // The caret as (column, line): the selection's end, its line (EM_LINEFROMCHAR) and its byte
  // offset in that line; setting it puts an empty selection at the line's index plus the column.
  TPoint CaretPos();
  void SetCaretPos(TPoint Value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* Value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool Value) { wantReturns_ = Value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool Value) { wantTabs_ = Value; }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);

  void Dispatch(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void KeyPress(char& Key) override;

 private:
  void WMGetDlgCode(TMessage& Message);

  std::unique_ptr<TStrings> lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = true;
};

class TMemo : public TCustomMemo {
  PR_CLASS(TMemo, TCustomMemo)

 public:
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}
};
