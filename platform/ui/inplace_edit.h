// TInplaceEdit: the grid's in-place editor, a borderless multi-line mask edit that the grid lays over
// its current cell (TCustomGrid::CreateEditor makes it, the grid owns it and is its parent).
//
// The grid fills it (UpdateContents: edit mask, text and limit of the current cell, the masked text
// kept so that Escape can restore it), places it (Move / UpdateLoc with the cell's rectangle; an
// empty rectangle hides it) and reads its text back (TCustomGrid::UpdateText: Text, the value of a
// masked text).  With a mask it edits as TCustomMaskEdit does (overwrite typing that skips the
// literals); the grid validates it before it lets go of the cell.  Its window is shown and hidden
// only by placement: Visible and the parent's showing never show it.  The text is inset by 2 pixels
// left, top and right (the formatting rectangle).
//
// Keys: Up, Down, PgUp, PgDn, Escape, Tab (without Alt), Insert alone and Ctrl+Delete go to the
// grid's KeyDown; with goAlwaysShowEditor so do Left/Home at the start of the text and Right/End at
// its end (with Ctrl always).  Every character goes to the grid's KeyPress first (Return there
// closes the editor); characters the grid refuses (CanEditAcceptKey) beep; characters that change
// the text, Delete, paste, cut and clear are dropped while the grid forbids changes (CanEditModify).
// The grid's OnKeyDown sees the keys the editor keeps.  Focus given to the editor makes the grid the
// form's active control.  A press on the editor within the double-click time of a press on the grid
// (the one that opened the editor) is a double click.
#pragma once

#include <string>

#include "platform/ui/mask_edit.h"

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
  PR_CLASS(TInplaceEdit, TCustomMaskEdit)

 public:
  explicit TInplaceEdit(TComponent* AOwner);

  TCustomGrid* Grid() const { return grid_; }

  // The caret at the end of the text, nothing selected.
  void Deselect();
  // Hides the window (repainting the cell under it); the focus goes back to the grid if the editor
  // had it.
  void Hide();
  // Shows the window on Loc (grid client coordinates) and repaints it; an empty Loc hides it.
  void Move(const TRect& Loc);
  // As Move, without repainting a window already shown there.
  void UpdateLoc(const TRect& Loc);
  // The window's rectangle in grid client coordinates equals Rect.
  bool PosEqual(const TRect& Rect);
  bool IsShown();
  void SetFocus() override;
  void Invalidate() override;

 protected:
  friend class TCustomGrid;

  void SetGrid(TCustomGrid* Value) { grid_ = Value; }
  // Loads the current cell: mask, text and limit from the grid (in that order: the mask decides
  // how the text is fitted); keeps the masked text for Escape.
  virtual void UpdateContents();
  // Sets the formatting rectangle after every placement.
  virtual void BoundsChanged();
  // Puts back the text UpdateContents loaded.
  void RestoreContents();
  bool EditCanModify() override;

  void CreateParams(TCreateParams& Params) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void DblClick() override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

 private:
  void InternalMove(const TRect& Loc, bool Redraw);
  bool SendsToGrid(Word Key, TShiftState Shift);
  bool AtTextStart();
  bool AtTextEnd();

  TCustomGrid* grid_ = nullptr;
  std::string loadedText_;   // EditText after the last UpdateContents
  DWORD clickTime_ = 0;      // when the grid was last pressed: a press that soon after is a double click
};
