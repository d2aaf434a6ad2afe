// The types declared with the base grid: the vertical alignment and gradient direction of a cell,
// the editor kinds a cell can ask for, and the two display-text events.
#pragma once

#include <string>

#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/core/types.h"

PR_ENUM(TVAlignment, vtaTop, vtaCenter, vtaBottom)
PR_ENUM(TCellGradientDirection, GradientVertical, GradientHorizontal)

// The editor kinds of cells, in their stored order (33 values).
PR_ENUM(TEditorType, edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
        edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric, edFloat, edCapital,
        edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase, edFloatSpinEdit, edTimeSpinEdit,
        edDateSpinEdit, edNumericEditBtn, edFloatEditBtn, edCustom, edRichEdit, edNone, edUniEdit, edUniComboEdit,
        edUniComboList, edUniEditBtn, edUniMemo)

class TObject;

// The text a cell shows, 8-bit (code page 874) or UTF-16; Value comes in as stored and goes out as
// shown.  ACol and ARow name the base cell of a merged range.
using TGetDisplTextEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value)>;
using TGetDisplWideTextEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::u16string& Value)>;
