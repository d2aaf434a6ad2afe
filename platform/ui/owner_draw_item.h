// What owner-drawn lists and combo boxes share in the class library: the item states, the draw
// and measure events, and painting one item on the control's canvas from a DRAWITEMSTRUCT.
#pragma once

#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/core/function_ref.h"
#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

class TControlCanvas;
class TWinControl;
struct DRAWITEMSTRUCT;

PR_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TDrawItemEvent = Event<void(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = Event<void(TWinControl* Control, Integer Index, Integer& Height)>;

TOwnerDrawState OwnerDrawStateOf(UINT ItemState);   // the ODS_ bits as a set

// Paints the item of Draw on Canvas: the control's font and brush (highlight colours for a
// selected item), then Paint (only a fill for item -1, an empty combo box field), then a focus
// frame round a focused item.
void PaintOwnerDrawItem(TControlCanvas& Canvas, TWinControl& Control, const DRAWITEMSTRUCT& Draw,
                        TFunctionRef<void(TOwnerDrawState State)> Paint);
