// Drawing a COMBOBOX window: the sunken edge, the drop-down button (DrawFrameControl's combo box
// arrow, pushed while the mouse holds it open), and, in the drop-down list style, the selected
// item in the field (highlighted with a focus frame while the combo box has the focus and is
// closed) or WM_DRAWITEM with ODS_COMBOBOXEDIT for owner-drawn combo boxes.
#pragma once

#include "platform/user/user_types.h"

class ComboBoxState;

void PaintComboBox(HWND Window, HDC DC, const ComboBoxState& State);
