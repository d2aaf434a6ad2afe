// The small value types of the control layer: alignment, anchors, control styles and states, mouse
// buttons, shift states, bidirectional modes, cursors and drag modes, and the event signatures
// controls publish.
#pragma once

#include "platform/classes/enum_set.h"
#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/gdi/geometry.h"

PR_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
using TAlignSet = TSet<TAlign>;
PR_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
inline constexpr TAnchors AnchorAlign[] = {{akLeft, akTop},           {akLeft, akTop, akRight},
                                           {akLeft, akRight, akBottom}, {akLeft, akTop, akBottom},
                                           {akRight, akTop, akBottom}, {akLeft, akTop, akRight, akBottom},
                                           {akLeft, akTop}};

PR_ENUM(TControlStyleItem, csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed,
        csSetCaption, csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
        csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents,
        csNeedsBorderPaint, csParentBackground)
using TControlStyle = TSet<TControlStyleItem>;
PR_ENUM(TControlStateItem, csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
        csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking)
using TControlState = TSet<TControlStateItem>;

PR_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
PR_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
PR_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;

PR_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
PR_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
// The border of a control: bsNone or bsSingle only.
using TBorderStyle = TFormBorderStyle;
PR_ENUM(TDragMode, dmManual, dmAutomatic)
PR_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
PR_ENUM(TDragKind, dkDrag, dkDock)

using TCursor = SmallInt;
using TModalResult = Integer;
using TCaption = std::string;

class TObject;
class TDragObject;

using TMouseEvent = Event<void(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y)>;
using TMouseMoveEvent = Event<void(TObject* Sender, TShiftState Shift, Integer X, Integer Y)>;
using TMouseWheelEvent =
    Event<void(TObject* Sender, TShiftState Shift, Integer WheelDelta, TPoint MousePos, bool& Handled)>;
using TKeyEvent = Event<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = Event<void(TObject* Sender, char& Key)>;
using TCanResizeEvent = Event<void(TObject* Sender, Integer& NewWidth, Integer& NewHeight, bool& Resize)>;
using TConstrainedResizeEvent =
    Event<void(TObject* Sender, Integer& MinWidth, Integer& MinHeight, Integer& MaxWidth, Integer& MaxHeight)>;
using TContextPopupEvent = Event<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TDragOverEvent =
    Event<void(TObject* Sender, TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)>;
using TDragDropEvent = Event<void(TObject* Sender, TObject* Source, Integer X, Integer Y)>;
using TStartDragEvent = Event<void(TObject* Sender, TDragObject*& DragObject)>;
using TEndDragEvent = Event<void(TObject* Sender, TObject* Target, Integer X, Integer Y)>;

// Shift states from the MK_ flags of a mouse message, and from a key message's key data (the
// Alt bit) together with the current Shift and Ctrl keys.
TShiftState KeysToShiftState(Word Keys);
TShiftState KeyDataToShiftState(Integer KeyData);
// The keyboard's state now (GetKeyState), as the class library's KeyboardStateToShiftState.
TShiftState CurrentShiftState();
