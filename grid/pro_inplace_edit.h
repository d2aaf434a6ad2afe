// TProInplaceEdit: the string grid's own in-place editor, shown over the current cell for the plain
// text kinds (edNormal, edNumeric, edPositiveNumeric, edFloat, edCapital, edMixedCase, edPassword,
// edLowerCase, edUpperCase).  It works for exactly one TProStringGrid (its owner) and reads that
// grid's settings when it needs them.
//
// What it adds to the class library's editor: the character rules of each kind (refused characters
// beep through MessageBeep where the kind says so), the length limit, paste with the grid's
// clipboard events and the kind's rules, validation before the caret leaves the cell (Return, Tab
// with goTabs, Up on the first line, Down on the last, Shift+Left at 0, Shift+Right at the end),
// walking to the neighbour cell with CursorWalkEditor, completion from the grid's lookup list, and
// the hand-back to the grid when the focus leaves (OnEditingDone and "GridEditDone").  A refused
// value never leaves the editor: its text is restored and the key that tried to leave is swallowed.
#pragma once

#include <string>

#include "platform/ui/inplace_edit.h"

class TProStringGrid;

class TProInplaceEdit : public TInplaceEdit {
  PR_CLASS(TProInplaceEdit, TInplaceEdit)

 public:
  explicit TProInplaceEdit(TComponent* AOwner);

  // The longest text; 0 or less: no limit.  Taken from the grid's edit limit with each window.
  SmallInt LengthLimit() const { return lengthLimit_; }
  void SetLengthLimit(SmallInt Value) { lengthLimit_ = Value; }
  // Right-aligned text; writing recreates the window.
  bool VAlign() const { return vAlign_; }
  void SetVAlign(bool Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  // The cell the editor was last filled for.
  Integer EditCol() const { return editCol_; }
  Integer EditRow() const { return editRow_; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void UpdateContents() override;
  void BoundsChanged() override;
  void Change() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void WndProc(TMessage& Message) override;

 private:
  TProStringGrid* ProGrid() const { return proGrid_; }
  // The character rules; false: the character is dropped.
  bool AcceptChar(char& Ch, LPARAM KeyData);
  bool AcceptKindChar(char& Ch);
  void Paste();
  bool AllowClipboard(bool Cut);
  // The WM_KEYDOWN rules before the class library's key handling; true: the key stops here.
  bool KeyDownRules(Word Key);
  // Stores the text, validates it and on refusal puts the former accepted text back; true when
  // accepted.
  bool StoreAndValidate();
  // After a refused value: all selected with EditSelectAll, else the caret at Position.
  void PlaceCaret(Integer Position);
  // A refused value keeps the editor: the edit stays started and the caret is placed.
  void StayAfterRefusal(Integer Position);
  void WalkOut(Word& Key);
  void CompleteFromLookup();
  void GrowRowForNewLine();
  void FitCellWhileTyping();
  void FocusGained(TMessage& Message);
  void PutCaretUnderMouse();
  void FocusLost(TMessage& Message);
  bool CaretOnFirstLine();
  bool CaretOnLastLine();

  TProStringGrid* proGrid_;
  Integer keyDownCaret_ = 0;
  SmallInt lengthLimit_ = 0;
  bool vAlign_ = false;
  bool wordWrap_ = false;
  bool lookupArmed_ = false;
  bool rowChangeRemembered_ = false;
  Integer editCol_ = -1;
  Integer editRow_ = -1;
};
