// The types TProStringGrid declares: the enumerations of its published properties and the event
// types of its 119 published events, grouped by the feature that fires them.
//
// Argument order is each event's own: most cell events take (Sender, ARow, ACol, ...), others
// (Sender, ACol, ARow, ...).  A `&` argument is the handler's answer and starts with the grid's
// own.  Classes named here only by pointer belong to later features of the grid.
#pragma once

#include <string>

#include "grid/base_grid_types.h"
#include "platform/classes/enum_set.h"
#include "platform/classes/event.h"
#include "platform/classes/type_info.h"
#include "platform/core/types.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/control_types.h"
#include "platform/ui/grid_types.h"

class TBrush;
class TCanvas;
class TEditLink;
class TGridDropTarget;
class TFont;
class TPen;
class TProHintInfo;
class TStringList;

// ---- Enumerations of published properties ----
PR_ENUM(TScrollBarAlways, saNone, saVert, saHorz, saBoth)
PR_ENUM(TScrollType, ssNormal, ssFlat, ssEncarta)
PR_ENUM(TScrollHintType, shNone, shVertical, shHorizontal, shBoth)
PR_ENUM(TGridLook, glStandard, glSoft, glClassic, glDAV, glXP, glListView)
PR_ENUM(TIntelliPan, ipVertical, ipHorizontal, ipBoth, ipNone)
// The compare styles of sorting (21 values), chosen per column through OnGetFormat.
PR_ENUM(TSortStyle, ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
        ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML, ssImages, ssCheckBox,
        ssUnicode, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase)
// The sides of a cell a border event draws.
PR_ENUM(TCellBorder, cbTop, cbLeft, cbRight, cbBottom)
using TCellBorders = TSet<TCellBorder>;
// The directions a drag near the edges scrolls in.
PR_ENUM(TDragScrollDirections, dsdUp, dsdDown, dsdLeft, dsdRight)
using TDragScrollDirection = TSet<TDragScrollDirections>;
// How the finder searches (FindCellFrom); a 16-bit set, bit numbers as listed.
PR_ENUM(TGridFindOption, fndMatchCase, fndWholeCell, fndCondition, fndRowByRow, fndMatchStart, fndCurrentRow,
        fndCurrentColumn, fndIncludeFixed, fndGotoCell, fndStripMarkup, fndBackward, fndHiddenColumns,
        fndPresetColumn, fndPresetRow)
using TGridFindOptions = TSet<TGridFindOption>;

// ---- Painting and cell look ----
using TCustomCellDrawEvent = Event<void(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow,
                                        TGridDrawState AState, TRect ARect, bool Printing)>;
using TCustomCellSizeEvent =
    Event<void(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow, TPoint& ASize, bool Printing)>;
using TGridColorEvent =
    Event<void(TObject* Sender, Integer ARow, Integer ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridBorderEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, TPen* APen, TCellBorders& Borders)>;
using TGridBorderPropEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, TPen* LeftPen, TPen* TopPen,
                                        TPen* RightPen, TPen* BottomPen)>;
using TGridAlignEvent =
    Event<void(TObject* Sender, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TWordWrapEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, bool& WordWrap)>;
using TGridFormatEvent =
    Event<void(TObject* Sender, Integer ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix)>;
using TGetCheckEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value)>;
using TIsPasswordCellEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, bool& IsPassword)>;
using TFloatFormatEvent =
    Event<void(TObject* Sender, Integer ACol, Integer ARow, bool& IsFloat, std::string& FloatFormat)>;
using TFooterPaintEvent = Event<void(TObject* Sender, Integer AColumn, TCanvas* Canvas, TRect ARect)>;

// ---- Hints ----
using TGridHintEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, std::string& hintstr)>;
using TOfficeHintEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, TProHintInfo* OfficeHint)>;
using TCellBalloonEvent =
    Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& ATitle, std::string& AText, Integer& AIcon)>;
using TScrollHintEvent = Event<void(TObject* Sender, Integer ARow, std::string& hintstr)>;

// ---- Current cell and selection ----
using TRowUpdateEvent = Event<void(TObject* Sender, Integer OldRow, Integer NewRow)>;
using TRowChangingEvent = Event<void(TObject* Sender, Integer OldRow, Integer NewRow, bool& Allow)>;
using TColChangingEvent = Event<void(TObject* Sender, Integer OldCol, Integer NewCol, bool& Allow)>;
using TCellChangingEvent =
    Event<void(TObject* Sender, Integer OldRow, Integer OldCol, Integer NewRow, Integer NewCol, bool& Allow)>;
using TAutoAdvanceEvent =
    Event<void(TObject* Sender, Integer OldRow, Integer OldCol, Integer& NewRow, Integer& NewCol, bool& Allow)>;
using TRowDisjunctSelectEvent = Event<void(TObject* Sender, Integer ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = Event<void(TObject* Sender, Integer ARow)>;
using TSelectionChangedEvent =
    Event<void(TObject* Sender, Integer ALeft, Integer ATop, Integer ARight, Integer ABottom)>;
using TSelectionResizeEvent = Event<void(TObject* Sender, TGridRect OldSelection, TGridRect NewSelection)>;

// ---- Printing (the settings stream; printing itself is not part of this system) ----
using TGridPrintPageEvent =
    Event<void(TObject* Sender, TCanvas* Canvas, Integer PageNr, Integer PageXSize, Integer PageYSize)>;
using TGridPrintStartEvent = Event<void(TObject* Sender, Integer NrOfPages, Integer& FromPage, Integer& ToPage)>;
using TGridPrintCancelEvent = Event<void(TObject* Sender, Integer PageNr, bool& Cancel)>;
using TGridFitToPageEvent = Event<void(TObject* Sender, bool& Allow)>;
using TGridPrintNewPageEvent = Event<void(TObject* Sender, Integer ARow, bool& NewPage)>;
using TGridPrintColumnWidthEvent = Event<void(TObject* Sender, Integer ACol, Integer& Width)>;
using TGridPrintRowHeightEvent = Event<void(TObject* Sender, Integer ARow, Integer& Height)>;

// ---- Rows and columns added, inserted, deleted ----
using TCanAddRowEvent = Event<void(TObject* Sender, bool& CanAdd)>;
using TAutoAddRowEvent = Event<void(TObject* Sender, Integer ARow)>;
using TCanInsertRowEvent = Event<void(TObject* Sender, Integer ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = Event<void(TObject* Sender, Integer ARow)>;
using TAutoInsertColEvent = Event<void(TObject* Sender, Integer ACol)>;
using TCanDeleteRowEvent = Event<void(TObject* Sender, Integer ARow, bool& CanDelete)>;
using TAutoDeleteRowEvent = Event<void(TObject* Sender, Integer ARow)>;

// ---- Sorting, nodes ----
using TClickSortEvent = Event<void(TObject* Sender, Integer ACol)>;
using TCanSortEvent = Event<void(TObject* Sender, Integer ACol, bool& DoSort)>;
using TCustomCompareEvent =
    Event<void(TObject* Sender, const std::string& str1, const std::string& str2, Integer& Res)>;
using TRawCompareEvent = Event<void(TObject* Sender, Integer ACol, Integer Row1, Integer Row2, Integer& Res)>;
using TNodeClickEvent = Event<void(TObject* Sender, Integer ARow, Integer ARowReal)>;
using TNodeAllowEvent = Event<void(TObject* Sender, Integer ARow, Integer ARowReal, bool& Allow)>;

// ---- Finding and filtering ----
using TSearchEditChangeEvent = Event<void(TObject* Sender, const std::string& Value, bool& DefaultSearch)>;
using TGridProgressEvent = Event<void(TObject* Sender, SmallInt progress)>;

// ---- Mouse: cells, anchors, form controls ----
using TClickCellEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol)>;
using TCanClickCellEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, bool& Allow)>;
using TAnchorClickEvent =
    Event<void(TObject* Sender, Integer ARow, Integer ACol, const std::string& Anchor, bool& AutoHandle)>;
using TAnchorEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, const std::string& Anchor)>;
using TAnchorHintEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, std::string& Anchor)>;
using TControlEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, const std::string& CtrlID,
                                 const std::string& CtrlType, const std::string& CtrlVal)>;
using TControlComboListEvent =
    Event<void(TObject* Sender, Integer ARow, Integer ACol, const std::string& CtrlID, const std::string& CtrlType,
               const std::string& CtrlVal, TStringList* Values, bool& Edit, Integer& DropCount)>;
using TColumnSizeEvent = Event<void(TObject* Sender, Integer ACol, bool& Allow)>;
using TRowSizeEvent = Event<void(TObject* Sender, Integer ARow, bool& Allow)>;
using TEndColumnSizeEvent = Event<void(TObject* Sender, Integer ACol)>;
using TEndRowSizeEvent = Event<void(TObject* Sender, Integer ARow)>;
using TUpdateColumnSizeEvent = Event<void(TObject* Sender, Integer ACol, Integer& AWidth)>;
using TDragScrollEvent =
    Event<void(TObject* Sender, Integer TopRow, Integer LeftCol, TDragScrollDirection& DragScrollDir, bool& CanScroll)>;

// ---- Clipboard ----
using TClipboardEvent = Event<void(TObject* Sender, bool& Allow)>;
using TClipboardCellEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value, bool& Allow)>;
using TClipboardWideCellEvent =
    Event<void(TObject* Sender, Integer ACol, Integer ARow, std::u16string& Value, bool& Allow)>;

// ---- Editing and validation ----
using TCanEditCellEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, bool& CanEdit)>;
using TIsFixedCellEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, bool& IsFixed)>;
using THasComboEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, bool& HasComboBox)>;
using TGetEditorTypeEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, TEditorType& AEditor)>;
using TGetEditorPropEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, TEditLink* AEditLink)>;
using TEllipsClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& S)>;
using TButtonClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TCheckBoxClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, bool State)>;
using TRadioClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, Integer AIdx)>;
using TComboChangeEvent =
    Event<void(TObject* Sender, Integer ACol, Integer ARow, Integer AItemIndex, const std::string& ASelection)>;
using TComboObjectChangeEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, Integer AItemIndex,
                                           const std::string& ASelection, TObject* AObject)>;
using TSpinClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, Integer AValue, bool UpDown)>;
using TFloatSpinClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, TDateTime AValue, bool UpDown)>;
using TEditCellDoneEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TEditChangeEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, const std::string& Value)>;
using TDateTimeChangeEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, TDateTime ADateTime)>;
using TCellValidateEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value, bool& Valid)>;
using TCellValidateWideEvent =
    Event<void(TObject* Sender, Integer ACol, Integer ARow, std::u16string& Value, bool& Valid)>;
using TGetEditWideEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::u16string& Value)>;
using TSetEditWideEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, const std::u16string& Value)>;

// ---- Cell changes, loading and saving ----
using TCellsChangedEvent = Event<void(TObject* Sender, TRect R)>;
using TCellSaveLoadEvent = Event<void(TObject* Sender, Integer ACol, Integer ARow, std::string& Value)>;

// ---- Drag and drop between programs ----
using TOleDragDropEvent =
    Event<void(TObject* Sender, Integer ARow, Integer ACol, const std::string& data, bool& Allow)>;
using TOleDroppedEvent = Event<void(TObject* Sender, TGridRect ARect)>;
using TOleDragOverEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, bool& Allow)>;
using TOleDragStartEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol)>;
using TOleDragStopEvent = Event<void(TObject* Sender, Integer OLEEffect)>;
using TOleDropColEvent = Event<void(TObject* Sender, Integer ARow, Integer ACol, Integer DropCol)>;
using TOleDropFileEvent =
    Event<void(TObject* Sender, Integer ARow, Integer ACol, const std::string& FileName, bool& Allow)>;
