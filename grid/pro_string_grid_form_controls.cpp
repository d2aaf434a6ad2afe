// TProStringGrid: the form controls inside markup cells.  A press on a field may edit it: a CHECK
// field toggles between "TRUE" and "FALSE", an EDIT, PASSWORD or MASK field opens the grid's
// TControlEdit over it; the edited value is written back into the field's tag in the cell text.
#include "grid/draw_markup.h"
#include "grid/grid_control_edit.h"
#include "grid/markup_controls.h"
#include "grid/navigation.h"
#include "grid/pro_string_grid.h"
#include "platform/ui/canvas.h"

namespace {

bool IsEditField(const std::string& Type) { return Type == "EDIT" || Type == "PASSWORD" || Type == "MASK"; }

}   // namespace

TControlEdit* TProStringGrid::ControlEditor() {
  if (controlEditor_ == nullptr) {
    controlEditor_ = new TControlEdit(this);
    controlEditor_->SetParent(this);
  }
  return controlEditor_;
}

// The markup of the cell hit-tested at the point (or, with Out.ControlID set, for that field
// wherever it lies) in the cell rectangle moved in by the margins + 1 and a check box's width.
bool TProStringGrid::MarkupHit(Integer ACol, Integer ARow, Integer X, Integer Y, TDrawMarkupOutput& Out) {
  if (!HandleAllocated()) return false;
  const Integer realCol = DisplToRealCol(ACol);
  TRect rect = CellRect(ACol, ARow);
  Integer shift = xMargin_ + 1;
  if (IsCheckBoxCell(realCol, ARow)) {
    TPoint box{};
    GetCellGraphicSize(realCol, ARow, box);
    shift += box.X;
  }
  OffsetRect(&rect, shift, yMargin_ + 1);
  Canvas()->Font()->Assign(Font());
  TDrawMarkupInput in;
  in.Canvas = Canvas();
  in.Text = GetCellText(realCol, ARow);
  in.DrawRect = rect;
  in.Images = gridImages_;
  in.MouseX = X;
  in.MouseY = Y;
  in.HitTestOnly = true;
  in.WordWrap = !EnhTextSize();
  in.WindowHandle = WindowHandle();
  return DrawMarkup(in, Out);
}

// A pressed field the cell handler lets be edited; false (the press is an anchor click then) when
// the handler refuses it.
bool TProStringGrid::ClickFormControl(Integer ACol, Integer ARow, const TDrawMarkupOutput& Hit) {
  const Integer realCol = DisplToRealCol(ACol);
  bool mayEdit = true;
  DoCanEditCell(realCol, ARow, mayEdit);
  if (!mayEdit) return false;
  ControlEditDone();
  std::string value = Hit.ControlValue;
  if (Hit.ControlType == "CHECK") {
    value = value == "TRUE" ? "FALSE" : "TRUE";
    std::string text = GetCellText(realCol, ARow);
    SetControlValue(text, Hit.ControlID, value);
    SetCellText(realCol, ARow, text);
  }
  OnControlClick(this, ARow, realCol, Hit.ControlID, Hit.ControlType, value);
  StartControlEdit(GetCellText(realCol, ARow), Hit.ControlType, Hit.ControlID, value, Hit.ControlRect, ACol, realCol,
                   ARow);
  return true;
}

void TProStringGrid::StartControlEdit(const std::string& CellText, const std::string& CtrlType,
                                      const std::string& CtrlID, const std::string& CtrlValue, const TRect& CtrlRect,
                                      Integer ACol, Integer ARealCol, Integer ARow) {
  if (!IsEditField(CtrlType)) return;
  pendingControl_ = TPendingControlEdit{ACol, ARealCol, ARow, CtrlID, CtrlType};
  TControlEdit* edit = ControlEditor();
  edit->SetPasswordChar(CtrlType == "PASSWORD" ? '*' : '\0');
  edit->SetEditMask(CtrlType == "MASK" ? GetControlProp(CellText, CtrlID) : std::string());
  edit->SetText(CtrlValue);
  edit->SetBounds(CtrlRect.Left + 1, CtrlRect.Top + 4, CtrlRect.Right - CtrlRect.Left - 4,
                  CtrlRect.Bottom - CtrlRect.Top - 4);
  edit->Show();
  edit->BringToFront();
  if (edit->CanFocus()) edit->SetFocus();
}

// The pending edit is cleared first: hiding the edit takes its focus away, and that exit must find
// nothing left to store.
void TProStringGrid::ControlEditDone() {
  if (pendingControl_.ID.empty() || controlEditor_ == nullptr) return;
  const TPendingControlEdit done = pendingControl_;
  pendingControl_ = TPendingControlEdit{};
  const std::string value = controlEditor_->Text();
  std::string text = GetCellText(done.RealCol, done.Row);
  SetControlValue(text, done.ID, value);
  SetCellText(done.RealCol, done.Row, text);
  controlEditor_->Hide();
  OnControlEditDone(this, done.Row, done.RealCol, done.ID, done.Type, value);
}

void TProStringGrid::EndControlEditByKey(bool Tab) {
  const TPendingControlEdit ended = pendingControl_;
  ControlEditDone();
  if (!Tab) {
    if (CanFocus()) SetFocus();
  } else if (navigation_->AdvanceAuto()) {
    AdvanceToNextCell(Col(), Row(), true, false, true, false, true);
  } else {
    FocusNextCellControl(ended.Col, ended.Row, ended.ID);
  }
}

void TProStringGrid::FocusNextCellControl(Integer ACol, Integer ARow, const std::string& CtrlID) {
  const Integer realCol = DisplToRealCol(ACol);
  const std::string text = GetCellText(realCol, ARow);
  const std::string next = NextEditableControlID(text, CtrlID);
  TDrawMarkupOutput field;
  field.ControlID = next;
  if (next.empty() || !MarkupHit(ACol, ARow, -1, -1, field) || field.ControlID != next) {
    if (CanFocus()) SetFocus();
    return;
  }
  StartControlEdit(text, field.ControlType, next, field.ControlValue, field.ControlRect, ACol, realCol, ARow);
}
