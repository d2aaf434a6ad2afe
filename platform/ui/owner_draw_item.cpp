#include "platform/ui/owner_draw_item.h"

#include "platform/ui/brush.h"
#include "platform/ui/control_canvas.h"
#include "platform/ui/font.h"
#include "platform/user/owner_draw.h"
#include "platform/ui/win_control.h"

TOwnerDrawState OwnerDrawStateOf(UINT ItemState) {
  static constexpr struct {
    UINT bit;
    TOwnerDrawStateItem item;
  } kBits[] = {{ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},   {ODS_DISABLED, odDisabled},
               {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},   {ODS_DEFAULT, odDefault},
               {ODS_COMBOBOXEDIT, odComboBoxEdit}};
  TOwnerDrawState state;
  for (const auto& b : kBits)
    if ((ItemState & b.bit) != 0) state.Include(b.item);
  return state;
}

void PaintOwnerDrawItem(TControlCanvas& Canvas, TWinControl& Control, const DRAWITEMSTRUCT& Draw,
                        TFunctionRef<void(TOwnerDrawState State)> Paint) {
  const TOwnerDrawState state = OwnerDrawStateOf(Draw.itemState);
  const bool item = int(Draw.itemID) >= 0;
  Canvas.PaintOn(Draw.hDC, [&] {
    Canvas.Font()->Assign(Control.Font());
    Canvas.Brush()->Assign(Control.Brush());
    if (item && state.Contains(odSelected)) {
      Canvas.Brush()->SetColor(clHighlight);
      Canvas.Font()->SetColor(clHighlightText);
    }
    if (item)
      Paint(state);
    else
      Canvas.FillRect(Draw.rcItem);
    if (state.Contains(odFocused)) Canvas.DrawFocusRect(Draw.rcItem);
  });
}
