#include "platform/ui/inplace_edit.h"

#include <algorithm>

#include "platform/classes/publisher.h"
#include "platform/ui/custom_grid.h"
#include "platform/ui/form.h"
#include "platform/user/focus.h"
#include "platform/user/message_beep.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"

PR_IMPLEMENT_CLASS(TInplaceEdit)

namespace {

constexpr char kCtrlH = 0x08, kCtrlV = 0x16, kCtrlX = 0x18, kEscape = 0x1B;

}  // namespace

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
  SetAutoSize(false);
}

void TInplaceEdit::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style |= ES_MULTILINE;
}

void TInplaceEdit::Deselect() { SendMessageA(Handle(), EM_SETSEL, 0x7FFFFFFF, LPARAM(-1)); }

bool TInplaceEdit::IsShown() { return HandleAllocated() && IsWindowVisible(Handle()); }

void TInplaceEdit::Invalidate() {
  // The editor's own window and the part of the grid under it.
  if (!HandleAllocated()) return;
  InvalidateRect(Handle(), nullptr, TRUE);
  if (grid_ != nullptr && grid_->HandleAllocated()) {
    const TRect under = BoundsRect();
    InvalidateRect(grid_->Handle(), &under, FALSE);
  }
}

void TInplaceEdit::Hide() {
  if (!IsShown()) return;
  if (Focused()) ::SetFocus(grid_->Handle());
  Invalidate();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOREDRAW);
}

void TInplaceEdit::InternalMove(const TRect& Loc, bool Redraw) {
  if (Loc.Right <= Loc.Left || Loc.Bottom <= Loc.Top) return Hide();
  HandleNeeded();
  Redraw = Redraw || !IsWindowVisible(Handle());
  Invalidate();
  SetWindowPos(Handle(), HWND_TOP, Loc.Left, Loc.Top, Loc.Right - Loc.Left, Loc.Bottom - Loc.Top,
               SWP_SHOWWINDOW | SWP_NOREDRAW);
  BoundsChanged();
  if (Redraw) Invalidate();
  if (grid_->Focused()) ::SetFocus(Handle());
}

void TInplaceEdit::Move(const TRect& Loc) { InternalMove(Loc, true); }

void TInplaceEdit::UpdateLoc(const TRect& Loc) { InternalMove(Loc, false); }

bool TInplaceEdit::PosEqual(const TRect& Rect) { return BoundsRect() == Rect; }

void TInplaceEdit::SetFocus() {
  if (IsShown()) ::SetFocus(Handle());
}

void TInplaceEdit::BoundsChanged() {
  TRect format{2, 2, Width() - 2, Height()};
  SendMessageA(Handle(), EM_SETRECTNP, 0, LPARAM(&format));
  SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

void TInplaceEdit::UpdateContents() {
  SetText("");
  SetEditMask(grid_->GetEditMask(grid_->Col(), grid_->Row()));
  SetText(grid_->GetEditText(grid_->Col(), grid_->Row()));
  SetMaxLength(std::max<Integer>(grid_->GetEditLimit(), 0));
  loadedText_ = EditText();
}

void TInplaceEdit::RestoreContents() { SetEditText(loadedText_); }

bool TInplaceEdit::EditCanModify() { return grid_->CanEditModify(); }

// ---- Keys ----

// Positions count in the window's text (the masked text, literals and blanks included).
bool TInplaceEdit::AtTextStart() {
  const Integer start = SelStart(), end = start + SelLength();
  return start == 0 && (end == 0 || end == Integer(EditText().size()));
}

bool TInplaceEdit::AtTextEnd() {
  const Integer start = SelStart(), end = start + SelLength();
  return (start == 0 || end == start) && end == Integer(EditText().size());
}

bool TInplaceEdit::SendsToGrid(Word Key, TShiftState Shift) {
  // Left and Right leave the text only when the editor stays open from cell to cell.
  const bool walks = grid_->Options().Contains(goAlwaysShowEditor);
  const bool ctrl = Shift.Contains(ssCtrl);
  switch (Key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_ESCAPE: return true;
    case VK_INSERT: return Shift.Empty();
    case VK_LEFT: case VK_HOME: return walks && (ctrl || AtTextStart());
    case VK_RIGHT: case VK_END: return walks && (ctrl || AtTextEnd());
    case VK_TAB: return !Shift.Contains(ssAlt);
    case VK_DELETE: return ctrl;
    default: return false;
  }
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (SendsToGrid(Key, Shift)) {
    grid_->KeyDown(Key, Shift);
    Key = 0;
    return;
  }
  // Shift+Insert pastes and Delete deletes: neither while the grid forbids changes.
  if ((Key == VK_INSERT || Key == VK_DELETE) && !EditCanModify()) Key = 0;
  if (Key == 0) return;
  grid_->OnKeyDown(grid_, Key, Shift);
  if (Key == VK_F2) {
    Deselect();
    return;
  }
  if (Key != 0) inherited::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(char& Key) {
  grid_->KeyPress(Key);
  const unsigned char code = static_cast<unsigned char>(Key);
  if (code >= 0x20 && !grid_->CanEditAcceptKey(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  switch (Key) {
    case '\t':
    case kEscape: Key = 0; break;
    case '\r':
      // Return with the editor kept open toggles between all selected and the caret at the end.
      if (SelStart() == 0 && SelLength() == Integer(EditText().size())) Deselect();
      else SelectAll();
      Key = 0;
      break;
    case kCtrlH:
    case kCtrlV:
    case kCtrlX:
      if (!EditCanModify()) Key = 0;
      break;
    default:
      if (static_cast<unsigned char>(Key) >= 0x20 && !EditCanModify()) Key = 0;
      break;
  }
  if (Key != 0) inherited::KeyPress(Key);
}

void TInplaceEdit::KeyUp(Word& Key, TShiftState Shift) { grid_->KeyUp(Key, Shift); }

void TInplaceEdit::DblClick() { grid_->DblClick(); }

bool TInplaceEdit::DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) {
  return grid_->DoMouseWheel(Shift, WheelDelta, MousePos);
}

// ---- Messages ----

void TInplaceEdit::WndProc(TMessage& Message) {
  if (grid_ != nullptr) {
    switch (Message.Msg) {
      case WM_SETFOCUS: {
        // The grid stays the form's active control while its editor has the focus.
        TCustomForm* form = GetParentForm(this);
        if (form == nullptr || form->SetFocusedControl(grid_)) Dispatch(Message);
        return;
      }
      case WM_KILLFOCUS:
        inherited::WndProc(Message);
        grid_->EditorFocusLost(reinterpret_cast<HWND>(Message.WParam));
        return;
      case WM_LBUTTONDOWN:
        if (GetMessageTime() - clickTime_ < GetDoubleClickTime()) Message.Msg = WM_LBUTTONDBLCLK;
        clickTime_ = 0;
        break;
      default: break;
    }
  }
  inherited::WndProc(Message);
}

void TInplaceEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_SHOWINGCHANGED: return;   // shown and hidden by placement only
    case WM_GETDLGCODE:
      inherited::Dispatch(Message);
      if (grid_ != nullptr && grid_->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
      return;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      if (!EditCanModify()) return;
      break;
    default: break;
  }
  inherited::Dispatch(Message);
}
