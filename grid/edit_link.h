// TEditLink: how an application puts a control of its own into a string grid's edCustom cells, in
// place over the cell or on a borderless popup form ("gridform").  The grid drives a link through
// its virtual operations: when a cell opens, BuildEditor, PlaceEditor, SetEditorVisible(true),
// ApplyCellLook, ApplyEditorProperties, (OnGetEditorProp), WriteEditorValue, FocusEditor(true); when
// it closes, ReadEditorValue, SetEditorVisible(false) for an in-place link and ReleaseEditControl.
// The base class has no control: a descendant returns its control from EditorControl and fills the
// operations that need to know it.
//
// HandleEditorKey is for the descendant to route its control's key-downs to: the grid keys (Tab,
// Return, Escape, PageUp, PageDown, End and the arrows, less those the Want* switches keep) close the
// edit into the cell.  A value the grid's validation refused reopens the editor on the next grid key;
// an accepted Return advances (with AdvanceOnEnter) and reopens the editor on the next cell.
//
// While the link's control is focused, the link puts its own window procedure in front of the
// control's: WM_GETDLGCODE answers "arrows and Tab" when the grid has goTabs, everything else goes
// to the procedure it kept.  A second FocusEditor keeps the first kept procedure (the link never
// wraps its own procedure); ReleaseEditControl puts it back.
//
// The popup form closes with the edit when the user clicks elsewhere (PopupDeactivate): the value
// is stored, the popup hidden and the grid's next focus gain skipped once (the grid clears its
// PopupClosed mark there).  An edit the grid closes (a grid key, leaving the cell) hides the popup
// too: left standing, its later deactivation would store its stale value into whatever cell is
// current by then.  A popup form freed by someone else (a second link's "gridform") is
// forgotten; the link frees its own popup form when it goes.
#pragma once

#include <string>

#include "grid/pro_string_grid_types.h"
#include "platform/classes/component.h"
#include "platform/classes/type_info.h"
#include "platform/ui/control.h"

class TForm;
class TFont;
class TProStringGrid;

PR_ENUM(TEditStyle, esInplace, esPopup)

class TEditLink : public TComponent {
  PR_CLASS(TEditLink, TComponent)

 public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;

  // Set by the grid before each edit.
  TProStringGrid* Grid() const { return grid_; }
  void SetGrid(TProStringGrid* Value);
  // The cell being edited (real column), set by the grid.
  Integer EditCol() const { return editCol_; }
  Integer EditRow() const { return editRow_; }
  void SetEditCell(Integer ACol, Integer ARow) {
    editCol_ = ACol;
    editRow_ = ARow;
  }
  // The popup form of an esPopup link (nullptr until its first popup edit); the grid makes it.
  TForm* PopupForm() const { return popupForm_; }
  void SetPopupForm(TForm* Value);

  bool WantKeyLeftRight() const { return wantKeyLeftRight_; }
  void SetWantKeyLeftRight(bool Value) { wantKeyLeftRight_ = Value; }
  bool WantKeyUpDown() const { return wantKeyUpDown_; }
  void SetWantKeyUpDown(bool Value) { wantKeyUpDown_ = Value; }
  bool WantKeyHomeEnd() const { return wantKeyHomeEnd_; }
  void SetWantKeyHomeEnd(bool Value) { wantKeyHomeEnd_ = Value; }
  bool WantKeyPriorNext() const { return wantKeyPriorNext_; }
  void SetWantKeyPriorNext(bool Value) { wantKeyPriorNext_ = Value; }
  bool WantKeyReturn() const { return wantKeyReturn_; }
  void SetWantKeyReturn(bool Value) { wantKeyReturn_ = Value; }
  bool WantKeyEscape() const { return wantKeyEscape_; }
  void SetWantKeyEscape(bool Value) { wantKeyEscape_ = Value; }
  TEditStyle EditStyle() const { return editStyle_; }
  void SetEditStyle(TEditStyle Value) { editStyle_ = Value; }
  Integer PopupWidth() const { return popupWidth_; }
  void SetPopupWidth(Integer Value) { popupWidth_ = Value; }
  Integer PopupHeight() const { return popupHeight_; }
  void SetPopupHeight(Integer Value) { popupHeight_ = Value; }
  // The grid makes PopupWidth the cell's width.
  bool AutoPopupWidth() const { return autoPopupWidth_; }
  void SetAutoPopupWidth(bool Value) { autoPopupWidth_ = Value; }
  // The popup's screen position; -1 in either: the cell's top-left corner on the screen.
  Integer PopupLeft() const { return popupLeft_; }
  void SetPopupLeft(Integer Value) { popupLeft_ = Value; }
  Integer PopupTop() const { return popupTop_; }
  void SetPopupTop(Integer Value) { popupTop_ = Value; }

  // The key rule (see above); the signature of a control's OnKeyDown.
  virtual void HandleEditorKey(TObject* Sender, Word& Key, TShiftState Shift);
  // The descendant's control; none here.
  virtual TWinControl* EditorControl() { return nullptr; }
  // Makes the control on AParent (the popup form, or the grid for an in-place link).
  virtual void BuildEditor(TWinControl* /*AParent*/) {}
  // Called when a popup edit has ended, before the popup form hides.
  virtual void PopupEditEnded() {}
  // On: the control shown, enabled and focused; off: the grid takes the focus.  Either way the
  // link's window procedure stands in front of the control's.
  virtual void FocusEditor(bool On);
  // The control at R's top-left, R's size less the grid's line width each way.
  virtual void PlaceEditor(const TRect& R);
  virtual void SetEditorVisible(bool Visible);
  virtual void ApplyEditorProperties() {}
  virtual void ApplyCellLook(TColor /*Color*/, TFont* /*Font*/) {}
  virtual std::string ReadEditorValue() { return std::string(); }
  virtual void WriteEditorValue(const std::string& /*Value*/) {}

  // The popup form's OnDeactivate.
  void PopupDeactivate(TObject* Sender);
  // FinishEdit; then, for a popup, PopupEditEnded and the popup form hidden.
  void FinishPopupEdit();
  // The control's value stored in the current cell, the grid's edit hidden, the control released.
  void FinishEdit();
  // Value into the grid's current cell (real column) through the grid's StoreEditValue.
  void StoreValue(const std::string& Value);
  // The control's own window procedure put back and its window hidden.
  void ReleaseEditControl();
  // The popup form hidden as the end of an edit the grid closed (a grid key): nothing more is
  // stored when it loses activation.
  void HidePopup();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool IsGridKey(Word Key) const;
  // The grid takes the focus with the forced-exit flag set for the moment.
  void FocusGridForced();
  void EditControlWndProc(TMessage& Message);

  TProStringGrid* grid_ = nullptr;
  bool wantKeyLeftRight_ = false;
  bool wantKeyUpDown_ = false;
  bool wantKeyHomeEnd_ = false;
  bool wantKeyPriorNext_ = false;
  bool wantKeyReturn_ = false;
  bool wantKeyEscape_ = false;
  TEditStyle editStyle_ = esInplace;
  TForm* popupForm_ = nullptr;
  Integer popupWidth_ = 0;
  Integer popupHeight_ = 0;
  bool forcedExit_ = false;
  Integer editCol_ = 0;
  Integer editRow_ = 0;
  bool autoPopupWidth_ = false;
  Integer popupLeft_ = -1;
  Integer popupTop_ = -1;
  // The control whose window procedure the link stands in front of, and that procedure.
  TWinControl* hookedControl_ = nullptr;
  TWndMethod keptWndProc_;
};
