// TProInplaceEdit; see pro_inplace_edit.h.
#include "grid/pro_inplace_edit.h"

#include <algorithm>

#include "grid/cell_line_breaks.h"
#include "grid/cell_text_kinds.h"
#include "grid/control_chars.h"
#include "grid/edit_char_rules.h"
#include "grid/grid_text_routines.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "grid/size_while_typing.h"
#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/canvas.h"
#include "platform/user/clipboard.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/cursor.h"
#include "platform/user/key_state.h"
#include "platform/user/message_beep.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "platform/window_classes/edit_window.h"

PR_PUBLISH(TProInplaceEdit) {
  p.Property("LengthLimit", &TProInplaceEdit::LengthLimit, &TProInplaceEdit::SetLengthLimit);
  p.Property("VAlign", &TProInplaceEdit::VAlign, &TProInplaceEdit::SetVAlign);
  p.Property("WordWrap", &TProInplaceEdit::WordWrap, &TProInplaceEdit::SetWordWrap);
}

namespace {

using namespace grid_chars;
// The key data bit of a character typed on the numeric keypad.
constexpr LPARAM kKeypadBit = LPARAM(1) << 22;

bool IsKeyDown(int VirtualKey) { return GetKeyState(VirtualKey) < 0; }

bool IsFreeTextKind(TEditorType Kind) {
  return Kind == edNormal || Kind == edCapital || Kind == edMixedCase || Kind == edLowerCase || Kind == edUpperCase;
}

// Switches Navigation.AdvanceDirection to adLeftRight for a scope.
}   // namespace

TProInplaceEdit::TProInplaceEdit(TComponent* AOwner)
    : TInplaceEdit(AOwner), proGrid_(dynamic_cast<TProStringGrid*>(AOwner)) {}

void TProInplaceEdit::SetVAlign(bool Value) {
  if (vAlign_ == Value) return;
  vAlign_ = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TProInplaceEdit::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  if (HandleAllocated()) RecreateWnd();
}

// ---- Window, contents and placement ----

void TProInplaceEdit::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (vAlign_) Params.Style |= ES_RIGHT;
  if (proGrid_->ActiveEditorType() == edPassword) {
    Params.Style |= ES_PASSWORD;
    Params.Style &= ~DWORD(ES_MULTILINE);
  }
  wordWrap_ = proGrid_->WordWrap();
  if (wordWrap_) Params.Style &= ~DWORD(ES_AUTOHSCROLL);
  Params.Style |= ES_WANTRETURN;
  lookupArmed_ = true;
}

void TProInplaceEdit::CreateWnd() {
  inherited::CreateWnd();
  if (proGrid_->ActiveEditorType() == edPassword) SendMessageA(Handle(), EM_SETPASSWORDCHAR, '*', 0);
  lengthLimit_ = static_cast<SmallInt>(proGrid_->GetEditLimit());
}

// Besides the text, the editor takes the current cell's look: its background colour and a copy of
// its font, as the grid's cell style gives them (selection colours left out).
void TProInplaceEdit::UpdateContents() {
  inherited::UpdateContents();
  TCanvas* canvas = proGrid_->Canvas();
  TGridDrawState state;
  TColor colorTo = clNone;
  TAlignment alignment = taLeftJustify;
  TVAlignment vAlignment = vtaTop;
  bool wordWrap = proGrid_->WordWrap();
  TCellGradientDirection direction = GradientVertical;
  proGrid_->GetCellStyle(proGrid_->Col(), proGrid_->Row(), state, false, false, true, canvas->Brush(), colorTo,
                         canvas->Font(), alignment, vAlignment, wordWrap, direction);
  SetColor(canvas->Brush()->Color());
  Font()->Assign(canvas->Font());
  editCol_ = proGrid_->Col();
  editRow_ = proGrid_->Row();
}

// The editor covers the current cell's whole merged range, less one pixel right and below.
void TProInplaceEdit::BoundsChanged() {
  const TRect r = proGrid_->CellSpanRect(proGrid_->Col(), proGrid_->Row());
  const Integer left = r.Left + (proGrid_->UseRightToLeftAlignment() ? 1 : 0);
  SetWindowPos(Handle(), nullptr, left, r.Top, r.Right - r.Left - 1, r.Bottom - r.Top - 1,
               SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOZORDER);
  TRect format{2, 2, Width() - 2, Height()};
  SendMessageA(Handle(), EM_SETRECTNP, 0, LPARAM(&format));
}

void TProInplaceEdit::Change() {
  inherited::Change();
  if (!proGrid_->SuppressEditChange()) proGrid_->OnEditChange(proGrid_, proGrid_->Col(), proGrid_->Row(), Text());
}

// ---- Typed characters ----

bool TProInplaceEdit::AcceptKindChar(char& Ch) {
  switch (proGrid_->ActiveEditorType()) {
    case edNormal:
    case edPassword:
    case edMixedCase: return true;
    case edNumeric: return AcceptNumericChar(*this, Ch, true);
    case edPositiveNumeric: return AcceptNumericChar(*this, Ch, false);
    case edFloat: return AcceptFloatChar(*this, Ch);
    case edCapital:
    case edUpperCase: Ch = AnsiUpperCase(std::string(1, Ch))[0]; return true;
    case edLowerCase: Ch = AnsiLowerCase(std::string(1, Ch))[0]; return true;
    default: return false;
  }
}

bool TProInplaceEdit::AcceptChar(char& Ch, LPARAM KeyData) {
  TNavigation* navigation = proGrid_->Navigation();
  if (Ch == '.' && (KeyData & kKeypadBit) != 0 && proGrid_->ExcelStyleDecimalSeparator())
    Ch = FormatSettings.DecimalSeparator;
  if (Ch == kLineFeed && IsKeyDown(VK_CONTROL) && !navigation->AllowCtrlEnter()) return false;
  if (lengthLimit_ > 0 && Integer(Text().size()) == lengthLimit_ && SelLength() == 0 && Ch != kBackspace &&
      Ch != kEscape && Ch != kReturn)
    return false;
  if (Ch == kReturn && navigation->LineFeedOnEnter() && IsFreeTextKind(proGrid_->ActiveEditorType())) return true;
  return AcceptKindChar(Ch);
}

// ---- Clipboard ----

bool TProInplaceEdit::AllowClipboard(bool Cut) {
  bool allow = true;
  if (Cut)
    proGrid_->OnClipboardCut(this, allow);
  else
    proGrid_->OnClipboardCopy(this, allow);
  return allow;
}

void TProInplaceEdit::Paste() {
  if (!IsClipboardFormatAvailable(CF_TEXT)) return;
  std::string value = ClipboardText(Handle());
  bool allow = true;
  proGrid_->OnClipboardPaste(this, allow);
  if (allow) proGrid_->OnClipboardBeforePasteCell(this, proGrid_->Col(), proGrid_->Row(), value, allow);
  if (!allow) return;
  if (lengthLimit_ > 0 && Integer(value.size()) > lengthLimit_) return;
  const std::string text = Text();
  const Integer start = SelStart();
  const Integer selected = SelLength();
  std::string pasted = text.substr(0, start) + value + text.substr(start + selected);
  if (lengthLimit_ > 0 && Integer(pasted.size()) > lengthLimit_) return;
  switch (proGrid_->ActiveEditorType()) {
    case edNumeric:
    case edPositiveNumeric:
      if (NumberTextKind(pasted) != ntkInteger) return;
      break;
    case edFloat:
      if (NumberTextKind(pasted) != ntkInteger && NumberTextKind(pasted) != ntkDecimal) return;
      break;
    case edMixedCase: pasted = NameCaseText(pasted); break;
    case edLowerCase: pasted = AnsiLowerCase(pasted); break;
    case edUpperCase: pasted = AnsiUpperCase(pasted); break;
    default: break;
  }
  SetText(pasted);
  proGrid_->SetCurrentEditText(Text());
  if (selected > 0) {
    SetSelStart(start);
    SetSelLength(Integer(value.size()));
  } else {
    SetSelStart(start + Integer(value.size()));
  }
}

// ---- Keys ----

void TProInplaceEdit::StayAfterRefusal(Integer Position) {
  proGrid_->editorOpen_ = true;   // the edit goes on: the next attempt to leave validates again
  PlaceCaret(Position);
}

void TProInplaceEdit::PlaceCaret(Integer Position) {
  if (proGrid_->Navigation()->EditSelectAll())
    SelectAll();
  else
    SetSelStart(Position);
}

bool TProInplaceEdit::CaretOnFirstLine() { return SendMessageA(Handle(), EM_LINEFROMCHAR, WPARAM(SelStart()), 0) == 0; }

bool TProInplaceEdit::CaretOnLastLine() {
  const LRESULT caretLine = SendMessageA(Handle(), EM_LINEFROMCHAR, WPARAM(SelStart()), 0);
  return caretLine == SendMessageA(Handle(), EM_LINEFROMCHAR, WPARAM(Text().size()), 0);
}

bool TProInplaceEdit::StoreAndValidate() {
  const std::string formerAccepted = proGrid_->keptCellText_;
  const std::string text = Text();
  proGrid_->validating_ = true;
  proGrid_->SetCurrentCellText(text);
  proGrid_->validating_ = false;
  if (proGrid_->ValidateCell(text)) return true;
  SetText(formerAccepted);
  StayAfterRefusal(Integer(text.size()));
  Invalidate();
  proGrid_->keptCellText_ = formerAccepted;
  return false;
}

bool TProInplaceEdit::KeyDownRules(Word Key) {
  TNavigation* navigation = proGrid_->Navigation();
  const bool ctrl = IsKeyDown(VK_CONTROL);
  const bool shift = IsKeyDown(VK_SHIFT);
  const Integer caret = SelStart();
  const Integer length = Integer(Text().size());
  rowChangeRemembered_ = false;
  if (Key == VK_ESCAPE) {
    SetText(proGrid_->keptCellText_);
    proGrid_->HideCellEdit();
  }
  if (Key == VK_RETURN && ctrl && !navigation->AllowCtrlEnter()) return true;
  if (Key == VK_TAB && proGrid_->Options().Contains(goTabs)) {
    if (proGrid_->ValidateCell(Text())) {
      proGrid_->HideCellEdit();
      proGrid_->HandleTabKey(shift);
    } else {
      SetText(proGrid_->GetCurrentCellText());
      StayAfterRefusal(Integer(Text().size()));
    }
    return true;
  }
  const bool walkLeft = Key == VK_LEFT && shift && caret == 0;
  const bool walkRight = Key == VK_RIGHT && shift && caret == length;
  if ((walkLeft || walkRight) && navigation->CursorWalkEditor()) {
    if (StoreAndValidate()) {
      SetText(proGrid_->LastEditedText());
      proGrid_->HideCellEdit();
      proGrid_->SetFocus();
    }
    return true;
  }
  if ((Key == VK_UP && CaretOnFirstLine()) || (Key == VK_DOWN && CaretOnLastLine())) {
    if (!StoreAndValidate()) return true;
    SetText(proGrid_->LastEditedText());
    rowChangeRemembered_ = true;
    return false;
  }
  if (Key == VK_RETURN && !navigation->LineFeedOnEnter() && !ctrl) {
    const std::string formerAccepted = proGrid_->keptCellText_;
    if (!proGrid_->ValidateCell(Text())) {
      SetText(formerAccepted);
      StayAfterRefusal(length);
      proGrid_->keptCellText_ = formerAccepted;
      return true;
    }
    SetText(proGrid_->GetCurrentCellText());
  }
  if ((Key == VK_HOME || Key == VK_END) && !ctrl && !shift) SetSelStart(Key == VK_HOME ? 0 : Integer(Text().size()));
  if (Key == VK_RETURN && ctrl && navigation->LineFeedOnEnter()) {
    char ch = kReturn;
    KeyPress(ch);
    return true;
  }
  return false;
}

void TProInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  keyDownCaret_ = SelStart();
  if (Key == VK_BACK || Key == VK_DELETE) lookupArmed_ = false;
  if (Key == VK_RETURN && !proGrid_->Navigation()->AllowCtrlEnter()) proGrid_->editorOpen_ = false;
  if (Key == VK_RETURN && (Shift.Contains(ssCtrl) || Shift.Contains(ssShift))) GrowRowForNewLine();
  if ((Key == VK_UP && !CaretOnFirstLine()) || (Key == VK_DOWN && !CaretOnLastLine())) {
    TCustomMaskEdit::KeyDown(Key, Shift);   // a line move inside the text: the grid does not see it
    return;
  }
  if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN && Key != VK_BACK && Key != VK_DELETE) lookupArmed_ = true;
  inherited::KeyDown(Key, Shift);
}

void TProInplaceEdit::KeyPress(char& Key) {
  if (Key == kReturn && !proGrid_->Navigation()->LineFeedOnEnter() && !proGrid_->ValidateCell(Text())) {
    SetText(proGrid_->GetCurrentCellText());
    proGrid_->editorOpen_ = true;
    Key = 0;
    return;
  }
  inherited::KeyPress(Key);
  if (proGrid_->Navigation()->AdvanceAuto() && IsMasked() && Text().find(' ') == std::string::npos &&
      SelStart() == Integer(Text().size())) {
    char enter = kReturn;
    proGrid_->KeyPress(enter);
  }
}

// Left at the start (the caret already there before the key) goes back one cell without an editor;
// Right at the end goes on one cell and opens its editor.  Next to a clickable graphic the column
// only moves after an accepted validation.
void TProInplaceEdit::WalkOut(Word& Key) {
  const bool nothingSelected = SelLength() == 0;
  TNavigation* navigation = proGrid_->Navigation();
  const Integer col = proGrid_->Col();
  const Integer row = proGrid_->Row();
  if (Key == VK_LEFT && nothingSelected && SelStart() == 0 && keyDownCaret_ == 0) {
    Key = 0;
    const Integer target = proGrid_->ClickableWalkTarget(false);
    if (target >= 0) {
      if (proGrid_->ValidateCell(Text())) {
        proGrid_->HideCellEdit();
        proGrid_->SetCol(target);
      }
      return;
    }
    if (proGrid_->ValidateCell(Text())) proGrid_->HideCellEdit();
    LeftRightAdvance leftRight(navigation);
    proGrid_->AdvanceToNextCell(col, row, false, false, false, true, true);
    Key = VK_RETURN;
  } else if (Key == VK_RIGHT && nothingSelected && SelStart() == Integer(Text().size())) {
    Key = 0;
    const Integer target = proGrid_->ClickableWalkTarget(true);
    if (target >= 0) {
      if (proGrid_->ValidateCell(Text())) {
        proGrid_->HideCellEdit();
        proGrid_->SetCol(target);
      }
      return;
    }
    LeftRightAdvance leftRight(navigation);
    proGrid_->AdvanceToNextCell(col, row, true, false, true, true, true);
    Key = VK_RETURN;
  }
}

void TProInplaceEdit::KeyUp(Word& Key, TShiftState Shift) {
  const bool modifier = Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt);
  if (proGrid_->Navigation()->CursorWalkEditor() && !modifier) {
    WalkOut(Key);
    if (Key == VK_LEFT || Key == VK_RIGHT) return;
  }
  inherited::KeyUp(Key, Shift);
  CompleteFromLookup();
  FitCellWhileTyping();
}

// Ctrl+Return or Shift+Return about to add a line: the row takes the lines the text will have.
void TProInplaceEdit::GrowRowForNewLine() {
  if (!proGrid_->SizeWhileTyping()->Height() || !proGrid_->Multilinecells()) return;
  const Integer row = proGrid_->Row();
  const Integer lines = CountTextLines(Text() + "\r\n ", true);
  if (lines < proGrid_->RowLineCount(row))
    proGrid_->FitRowHeight(row);
  else
    proGrid_->SetRowHeightForLines(row, lines, 2 * proGrid_->YMargin());
  proGrid_->OnEndRowSize(proGrid_, row);
}

// After each key: the column grows to the text with SizeWhileTyping.Width; the row fits the
// wrapped text with SizeWhileTyping.Height and WordWrap.
void TProInplaceEdit::FitCellWhileTyping() {
  const TSizeWhileTyping* sizing = proGrid_->SizeWhileTyping();
  if (sizing->Width()) proGrid_->FitColumnWidth(proGrid_->Col(), true);
  if (sizing->Height() && proGrid_->WordWrap()) {
    proGrid_->FitRowHeight(proGrid_->Row());
    proGrid_->OnEndRowSize(proGrid_, proGrid_->Row());
  }
}

// The typed prefix completed from the first lookup entry that begins with it; the completed part
// selected.
void TProInplaceEdit::CompleteFromLookup() {
  if (!lookupArmed_ || SelLength() != 0 || !proGrid_->Lookup()) return;
  TStrings* items = proGrid_->LookupItems();
  const bool caseSensitive = proGrid_->LookupCaseSensitive();
  const std::string text = Text();
  const std::string typed = text.substr(0, SelStart());
  const std::string prefix = caseSensitive ? typed : AnsiUpperCase(typed);
  if (prefix.empty()) return;
  for (Integer i = 0; i < items->Count(); ++i) {
    const std::string& entry = items->Strings(i);
    if (!(caseSensitive ? entry : AnsiUpperCase(entry)).starts_with(prefix)) continue;
    const std::string completed = typed + entry.substr(prefix.size(), 255);
    SetText(completed);
    SetSelStart(Integer(prefix.size()));
    SetSelLength(Integer(completed.size() - prefix.size()));
    return;
  }
}

// ---- Focus ----

void TProInplaceEdit::FocusGained(TMessage& Message) {
  inherited::WndProc(Message);
  proGrid_->SetSuppressEditChange(false);
  if (IsMasked() && !proGrid_->CaretToMouse() && proGrid_->Navigation()->ImproveMaskSel()) {
    SetSelStart(0);
    SetSelLength(1);
  } else {
    if (!proGrid_->Navigation()->EditSelectAll()) Deselect();
    if (proGrid_->CaretToMouse()) PutCaretUnderMouse();
  }
}

// The caret goes to the character under the mouse pointer, nothing selected, and the grid's
// CaretToMouse is used up; a pointer outside the editor or over no character changes nothing.
void TProInplaceEdit::PutCaretUnderMouse() {
  TPoint mouse{};
  if (!GetCursorPos(&mouse)) return;
  mouse = ScreenToClient(mouse);
  const TRect client = ClientRect();
  if (!PtInRect(&client, mouse)) return;
  const LRESULT at = SendMessageA(Handle(), EM_CHARFROMPOS, 0, PointToLParam(mouse));
  if (at == -1) return;
  SetSelStart(LOWORD(at));
  SetSelLength(0);
  proGrid_->SetCaretToMouse(false);
}

void TProInplaceEdit::FocusLost(TMessage& Message) {
  const HWND newFocus = reinterpret_cast<HWND>(Message.WParam);
  proGrid_->SetEditStartKey(0);
  TStrings* items = proGrid_->LookupItems();
  if (proGrid_->LookupHistory() && items->IndexOf(Text()) < 0) items->Add(Text());
  proGrid_->EditFormulaMode(false);
  inherited::WndProc(Message);
  const HWND gridWindow = proGrid_->Handle();
  const bool otherWindow = newFocus == nullptr || GetAncestor(newFocus, GA_ROOT) != GetAncestor(gridWindow, GA_ROOT);
  if (otherWindow) {
    proGrid_->editorOpen_ = false;   // closed unvalidated: re-selecting the cell must not validate
    proGrid_->HideCellEdit();
    proGrid_->EditCaretMoved(Text(), TPoint{-1, -1}, -1);
    proGrid_->NotifyEditingDone(editCol_, editRow_);
    return;
  }
  if (newFocus != gridWindow) {
    proGrid_->ValidateCell(Text());
    SetText(proGrid_->GetCurrentCellText());
    proGrid_->HideCellEdit();
    proGrid_->editorOpen_ = false;
    proGrid_->editorActive_ = false;
    proGrid_->SelectCell(editCol_, editRow_);
  }
  proGrid_->SetSuppressEditChange(true);
  SetText(proGrid_->GetCurrentCellText());
  proGrid_->SetSuppressEditChange(false);
  proGrid_->EditCaretMoved(Text(), TPoint{-1, -1}, -1);
  proGrid_->NotifyEditingDone(editCol_, editRow_);
}

// ---- Messages ----

void TProInplaceEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR: {
      char ch = static_cast<char>(Message.WParam);
      if (!AcceptChar(ch, Message.LParam)) {
        Message.Result = 0;
        return;
      }
      Message.WParam = static_cast<unsigned char>(ch);
      inherited::WndProc(Message);
      if (proGrid_->ActiveEditorType() == edMixedCase && static_cast<unsigned char>(ch) >= 0x20) {
        const Integer caret = SelStart();
        SetText(NameCaseText(Text()));
        SetSelStart(caret);
      }
      return;
    }
    case WM_KEYDOWN:
      if (KeyDownRules(static_cast<Word>(Message.WParam))) {
        Message.Result = 0;
        return;
      }
      inherited::WndProc(Message);
      if (rowChangeRemembered_ && proGrid_->MouseActions()->DisjunctRowSelect()) {
        proGrid_->ClearDisjunctRowSelection();
        proGrid_->SetDisjunctRowSelected(proGrid_->Row(), true);
      }
      return;
    case WM_KEYUP:
      inherited::WndProc(Message);
      if (SelStart() > 0) {
        const LRESULT pos = SendMessageA(Handle(), EM_POSFROMCHAR, WPARAM(SelStart() - 1), 0);
        proGrid_->EditCaretMoved(Text(), TPoint{SmallInt(LOWORD(pos)), SmallInt(HIWORD(pos))}, SelStart());
      }
      proGrid_->EditFormulaMode(Text().starts_with("="));
      return;
    case WM_PASTE: Paste(); return;
    case WM_CUT:
    case WM_COPY:
      if (!AllowClipboard(Message.Msg == WM_CUT)) return;
      break;
    case WM_SETFOCUS: FocusGained(Message); return;
    case WM_KILLFOCUS: FocusLost(Message); return;
    case WM_LBUTTONDBLCLK:
      inherited::WndProc(Message);
      proGrid_->OnDblClickCell(proGrid_, proGrid_->Row(), proGrid_->Col());
      return;
    default: break;
  }
  inherited::WndProc(Message);
}
