// The string grid's side of its custom editor link (edit_link.h): opening the link's control over an
// edCustom cell or on the link's popup form, and closing it into the cell.
#include "grid/edit_link.h"
#include "grid/grid_editor_controls.h"
#include "grid/pro_string_grid.h"
#include "platform/ui/application.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/user/post_message.h"

namespace {

constexpr const char* kPopupFormName = "gridform";

// The link's popup form: made on its first popup edit (any application component of that name
// freed first), then placed at the cell (or the link's own position), sized and shown.
TForm* ShowPopupForm(TProStringGrid* Grid, TEditLink* Link, const TRect& Cell) {
  TForm* form = Link->PopupForm();
  if (form == nullptr) {
    delete Application->FindComponent(kPopupFormName);
    form = new TForm(Application);
    form->SetName(kPopupFormName);
    form->SetBorderStyle(bsNone);
    Link->SetPopupForm(form);
  }
  TPoint place{Link->PopupLeft(), Link->PopupTop()};
  if (place.X == -1 || place.Y == -1) place = Grid->ClientToScreen(TPoint{Cell.Left, Cell.Top});
  form->OnDeactivate = [Link](TObject* Sender) { Link->PopupDeactivate(Sender); };
  form->SetBounds(place.X, place.Y, Link->PopupWidth(), Link->PopupHeight());
  form->Show();
  form->SetBounds(place.X, place.Y, Link->PopupWidth(), Link->PopupHeight());
  return form;
}

}  // namespace

bool TGridEditorControls::OpenLink(Integer ACol, Integer ARow, const TRect& Cell, TColor Color, const std::string& Value) {
  TProStringGrid* grid = grid_;
  TEditLink* link = grid->EditLink();
  if (link == nullptr) return false;
  TFont* font = grid->Canvas()->Font();   // the cell style's font, left there by EditorCellColor
  grid->SetEditorActive(true);
  link->SetGrid(grid);
  link->SetEditCell(grid->RealColIndex(ACol), ARow);
  TRect bounds = Cell;
  if (link->EditStyle() == esPopup) {
    if (link->AutoPopupWidth()) link->SetPopupWidth(Cell.Right - Cell.Left);
    link->BuildEditor(ShowPopupForm(grid, link, Cell));
    bounds = TRect{0, 0, link->PopupWidth(), link->PopupHeight()};
  } else {
    link->BuildEditor(grid);
  }
  link->PlaceEditor(bounds);
  link->SetEditorVisible(true);
  link->ApplyCellLook(Color, font);
  link->ApplyEditorProperties();
  grid->OnGetEditorProp(grid, ACol, ARow, link);
  link->WriteEditorValue(Value);
  link->FocusEditor(true);
  TWinControl* control = link->EditorControl();
  if (control != nullptr && grid->EditStartKey() != 0)
    PostMessage(control->Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(grid->EditStartKey())), 0);
  grid->activeEditControl_ = control;
  return true;
}

bool TGridEditorControls::CloseLink(Integer RealCol, Integer ARow) {
  TProStringGrid* grid = grid_;
  TEditLink* link = grid->EditLink();
  if (link == nullptr) return false;
  grid->StoreEditValue(RealCol, ARow, link->ReadEditorValue());
  grid->SetEditorActive(false);
  if (link->EditStyle() != esPopup) link->SetEditorVisible(false);
  link->ReleaseEditControl();
  if (link->EditStyle() == esPopup) link->HidePopup();
  return true;
}
