// TCustomGrid's in-place editor: when it may show, loading it from the current cell, keeping it on
// the cell's rectangle, writing its text back, and the keys, characters, clicks and focus changes
// that open and close it.
//
// The editor is loaded from one cell (inplaceCell_) and writes back only to that cell, once: when
// it is hidden (another cell becomes current, EditorMode goes off, Return, the focus leaves the
// grid and its editor, or the grid's lines change).  Escape restores the loaded text first.
// Before it lets go, a masked text is validated (TCustomMaskEdit::ValidateEdit): an incomplete one
// raises EDBEditError before anything changes, and the editor keeps its cell, its text and the
// focus.  The focus leaving the grid's window for another one (another form, a message box) is no
// exit: a text the mask refuses then stays in the editor, unwritten, until the grid is back.
#include <utility>

#include "platform/ui/custom_grid.h"
#include "platform/ui/form.h"
#include "platform/ui/inplace_edit.h"
#include "platform/user/focus.h"
#include "platform/user/post_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

constexpr TGridCoord kNoCell{-1, -1};

}  // namespace

TCustomGrid::~TCustomGrid() {
  // The editor, a child window freed with the grid's children, stops calling this grid now.
  if (inplaceEdit_ != nullptr) std::exchange(inplaceEdit_, nullptr)->SetGrid(nullptr);
}

bool TCustomGrid::IsActiveControl() {
  if (TCustomForm* form = GetParentForm(this)) return form->ActiveControl() == this;
  for (HWND h = GetFocus(); h != nullptr; h = GetParent(h))
    if (h == WindowHandle()) return true;
  return false;
}

bool TCustomGrid::CanEditShow() {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && editorMode_ &&
         !ComponentState().Contains(csDesigning) && HandleAllocated() &&
         (options_.Contains(goAlwaysShowEditor) || IsActiveControl());
}

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

void TCustomGrid::LoadEditor() {
  inplaceCell_ = current_;
  inplaceEdit_->UpdateContents();
  canEditModify_ = GetEditLimit() != -1;
  inplaceEdit_->SelectAll();
}

void TCustomGrid::UpdateEdit() {
  if (!CanEditShow()) return;
  if (inplaceEdit_ == nullptr) {
    inplaceEdit_ = CreateEditor();
    inplaceEdit_->SetGrid(this);
    inplaceEdit_->SetParent(this);
    LoadEditor();
  } else if (inplaceCell_ != current_) {
    HideEdit();
    LoadEditor();
  }
  if (CanEditShow()) inplaceEdit_->Move(CellRect(Col(), Row()));
}

void TCustomGrid::PlaceEditor() {
  if (editorMode_ && inplaceEdit_ != nullptr && inplaceCell_ == current_) inplaceEdit_->UpdateLoc(CellRect(Col(), Row()));
}

void TCustomGrid::UpdateText() {
  if (inplaceCell_ == kNoCell) return;
  // An untouched masked text goes nowhere: it would put the mask's blanks and literals into a cell
  // the user did not change (an empty cell opened and closed, or Escape).
  if (inplaceEdit_->IsMasked() && !inplaceEdit_->Modified()) return;
  writingBack_ = true;
  try {
    SetEditText(inplaceCell_.X, inplaceCell_.Y, inplaceEdit_->Text());
  } catch (...) {
    writingBack_ = false;
    throw;
  }
  writingBack_ = false;
}

void TCustomGrid::EditedCellChanged(Integer ACol, Integer ARow) {
  if (writingBack_ || inplaceEdit_ == nullptr || inplaceCell_ != TGridCoord{ACol, ARow}) return;
  if (inplaceEdit_->Text() != GetEditText(ACol, ARow)) InvalidateEditor();
}

void TCustomGrid::ValidateEditorLeaving(TGridCoord Target) {
  if (inplaceCell_ != kNoCell && inplaceCell_ != Target) inplaceEdit_->ValidateEdit();
}

void TCustomGrid::HideEdit() {
  if (inplaceEdit_ == nullptr) return;
  ValidateEditorLeaving(kNoCell);
  // The editor lets go of its cell even when writing the text back fails.
  auto forget = [this] {
    inplaceCell_ = kNoCell;
    inplaceEdit_->Hide();
  };
  try {
    UpdateText();
  } catch (...) {
    forget();
    throw;
  }
  forget();
}

void TCustomGrid::ShowEditor() {
  editorMode_ = true;
  UpdateEdit();
}

void TCustomGrid::HideEditor() {
  ValidateEditorLeaving(kNoCell);   // EditorMode stays on for a text that may not leave
  editorMode_ = false;
  HideEdit();
}

void TCustomGrid::SetEditorMode(bool Value) {
  if (!Value) return HideEditor();
  ShowEditor();
  if (inplaceEdit_ != nullptr && inplaceEdit_->IsShown()) inplaceEdit_->Deselect();
}

void TCustomGrid::ShowEditorChar(char Ch) {
  ShowEditor();
  if (inplaceEdit_ != nullptr && inplaceEdit_->IsShown())
    PostMessageA(inplaceEdit_->Handle(), WM_CHAR, static_cast<unsigned char>(Ch), 0);
}

void TCustomGrid::InvalidateEditor() {
  inplaceCell_ = kNoCell;
  UpdateEdit();
}

// F2 opens the editor (caret at the end); Escape puts back the text it was opened with and closes
// it, or only selects that text when the editor stays open from cell to cell.
void TCustomGrid::EditorKey(Word& Key) {
  if (Key == VK_F2) {
    SetEditorMode(true);
    Key = 0;
  } else if (Key == VK_ESCAPE && inplaceEdit_ != nullptr && inplaceEdit_->IsShown()) {
    inplaceEdit_->RestoreContents();
    if (options_.Contains(goAlwaysShowEditor)) inplaceEdit_->SelectAll();
    else HideEditor();
    Key = 0;
  }
}

// Return opens and closes the editor unless it stays open anyway.
void TCustomGrid::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key != '\r' || options_.Contains(goAlwaysShowEditor)) return;
  if (editorMode_) HideEditor();
  else ShowEditor();
  Key = 0;
}

// With goEditing a typed character (or Backspace) opens the editor and goes into it.
void TCustomGrid::TypedChar(TMessage& Message) {
  const auto code = static_cast<unsigned char>(Message.WParam);
  if (options_.Contains(goEditing) && (code == 0x08 || code >= 0x20)) return ShowEditorChar(char(code));
  inherited::Dispatch(Message);
}

void TCustomGrid::GridFocusChanged(TMessage& Message, bool Gained) {
  inherited::Dispatch(Message);
  const HWND other = reinterpret_cast<HWND>(Message.WParam);
  const bool fromOrToEditor = inplaceEdit_ != nullptr && other == inplaceEdit_->WindowHandle();
  if (fromOrToEditor) return;
  if (Gained) {
    InvalidateGridRect(Selection());
    UpdateEdit();
  } else {
    FocusLeftGrid(other);
  }
}

void TCustomGrid::EditorFocusLost(HWND NewFocus) {
  if (inplaceEdit_ == nullptr || NewFocus == WindowHandle()) return;
  FocusLeftGrid(NewFocus);
}

void TCustomGrid::FocusLeftGrid(HWND NewFocus) {
  InvalidateGridRect(Selection());
  if (inplaceEdit_ == nullptr) return;
  const bool sameWindow = NewFocus != nullptr && GetAncestor(NewFocus, GA_ROOT) == GetAncestor(WindowHandle(), GA_ROOT);
  if (sameWindow || inplaceEdit_->EditIsValid()) HideEdit();
}
