// The published table of TProStringGrid: its properties with the values a new grid has, its
// settings objects and its 119 events.  The counts replace the class library's entries in place, so
// each count still streams before its fixed count.
#include "grid/background.h"
#include "grid/balloon_settings.h"
#include "grid/bands.h"
#include "grid/cell_checker.h"
#include "grid/cell_node.h"
#include "grid/column_size.h"
#include "grid/control_look.h"
#include "grid/drag_drop_settings.h"
#include "grid/drag_scroll_options.h"
#include "grid/floating_footer.h"
#include "grid/grid_filter.h"
#include "grid/grid_progress_appearance.h"
#include "grid/grouping_settings.h"
#include "grid/html_settings.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/print_settings.h"
#include "grid/pro_string_grid.h"
#include "grid/search_footer.h"
#include "grid/show_modified.h"
#include "grid/size_while_typing.h"
#include "grid/sort_settings.h"
#include "platform/classes/publisher.h"
#include "platform/classes/tstrings.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/font.h"

PR_PUBLISH(TProStringGrid) {
  // ---- Counts and default sizes ----
  p.Property("ColCount", &TCustomGrid::ColCount, &TProStringGrid::SetColCount).Default(5);
  p.Property("FixedCols", &TProStringGrid::FixedCols, &TProStringGrid::SetFixedCols).Default(1);
  p.Property("RowCount", &TCustomGrid::RowCount, &TProStringGrid::SetRowCount).Default(10);
  p.Property("FixedRows", &TProStringGrid::FixedRows, &TProStringGrid::SetFixedRows).Default(1);
  p.Property("DefaultRowHeight", &TCustomGrid::DefaultRowHeight, &TProStringGrid::SetDefaultRowHeight).Default(21);
  // ---- Properties ----
  p.Property("ActiveCellColor", &TProStringGrid::ActiveCellColor, &TProStringGrid::SetActiveCellColor)
      .Type(ColorTypeInfo())
      .Default(0x808080);
  p.Property("ActiveCellColorTo", &TProStringGrid::ActiveCellColorTo, &TProStringGrid::SetActiveCellColorTo)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("ActiveCellFont", &TProStringGrid::ActiveCellFont, &TProStringGrid::SetActiveCellFont);
  p.Property("ActiveCellShow", &TProStringGrid::ActiveCellShow, &TProStringGrid::SetActiveCellShow).Default(false);
  p.Property("AnchorHint", &TProStringGrid::AnchorHint, &TProStringGrid::SetAnchorHint).Default(false);
  p.Property("AutoNumAlign", &TProStringGrid::AutoNumAlign, &TProStringGrid::SetAutoNumAlign).Default(false);
  p.Property("AutoSize", &TProStringGrid::AutoSize, &TProStringGrid::SetAutoSize).Default(false);
  p.Property("AutoThemeAdapt", &TProStringGrid::AutoThemeAdapt, &TProStringGrid::SetAutoThemeAdapt).Default(false);
  p.Property("BackGround", &TProStringGrid::BackGround, &TProStringGrid::SetBackGround);
  p.Property("Balloon", &TProStringGrid::Balloon, &TProStringGrid::SetBalloon);
  p.Property("Bands", &TProStringGrid::Bands, &TProStringGrid::SetBands);
  p.Property("CellNode", &TProStringGrid::CellNode, &TProStringGrid::SetCellNode);
  p.Property("CellChecker", &TProStringGrid::CellChecker, &TProStringGrid::SetCellChecker);
  p.Property("ColumnHeaders", &TProStringGrid::ColumnHeaders, &TProStringGrid::SetColumnHeaders);
  p.Property("ColumnSize", &TProStringGrid::ColumnSize, &TProStringGrid::SetColumnSize);
  p.Property("ControlLook", &TProStringGrid::ControlLook, &TProStringGrid::SetControlLook);
  p.Property("DefaultEditor", &TProStringGrid::DefaultEditor, &TProStringGrid::SetDefaultEditor).Default(edNormal);
  p.Property("DragDropSettings", &TProStringGrid::DragDropSettings, &TProStringGrid::SetDragDropSettings);
  p.Property("DragScrollOptions", &TProStringGrid::DragScrollOptions, &TProStringGrid::SetDragScrollOptions);
  p.Property("EditWithTags", &TProStringGrid::EditWithTags, &TProStringGrid::SetEditWithTags).Default(false);
  p.Property("EnableBlink", &TProStringGrid::EnableBlink, &TProStringGrid::SetEnableBlink).Default(false);
  p.Property("EnableHTML", &TProStringGrid::EnableHTML, &TProStringGrid::SetEnableHTML).Default(true);
  p.Property("EnableWheel", &TProStringGrid::EnableWheel, &TProStringGrid::SetEnableWheel).Default(true);
  p.Property("EnhRowColMove", &TProStringGrid::EnhRowColMove, &TProStringGrid::SetEnhRowColMove).Default(true);
  p.Property("EnhTextSize", &TProStringGrid::EnhTextSize, &TProStringGrid::SetEnhTextSize).Default(false);
  p.Property("ExcelStyleDecimalSeparator", &TProStringGrid::ExcelStyleDecimalSeparator,
             &TProStringGrid::SetExcelStyleDecimalSeparator)
      .Default(false);
  p.Property("FixedAsButtons", &TProStringGrid::FixedAsButtons, &TProStringGrid::SetFixedAsButtons).Default(false);
  p.Property("FixedColAlways", &TProStringGrid::FixedColAlways, &TProStringGrid::SetFixedColAlways).Default(false);
  p.Property("FixedColWidth", &TProStringGrid::FixedColWidth, &TProStringGrid::SetFixedColWidth).Default(64);
  p.Property("FixedFont", &TProStringGrid::FixedFont, &TProStringGrid::SetFixedFont);
  p.Property("FixedFooters", &TProStringGrid::FixedFooters, &TProStringGrid::SetFixedFooters).Default(0);
  p.Property("FixedRightCols", &TProStringGrid::FixedRightCols, &TProStringGrid::SetFixedRightCols).Default(0);
  p.Property("FixedRowAlways", &TProStringGrid::FixedRowAlways, &TProStringGrid::SetFixedRowAlways).Default(false);
  p.Property("FixedRowHeight", &TProStringGrid::FixedRowHeight, &TProStringGrid::SetFixedRowHeight).Default(21);
  p.Property("Flat", &TProStringGrid::Flat, &TProStringGrid::SetFlat).Default(false);
  p.Property("FloatFormat", &TProStringGrid::FloatFormat, &TProStringGrid::SetFloatFormat);
  p.Property("Filter", &TProStringGrid::Filter, &TProStringGrid::SetFilter);
  p.Property("FloatingFooter", &TProStringGrid::FloatingFooter, &TProStringGrid::SetFloatingFooter);
  p.Property("SearchFooter", &TProStringGrid::SearchFooter, &TProStringGrid::SetSearchFooter);
  p.Property("GridImages", &TProStringGrid::GridImages, &TProStringGrid::SetGridImages);
  p.Property("Grouping", &TProStringGrid::Grouping, &TProStringGrid::SetGrouping);
  p.Property("HTMLHint", &TProStringGrid::HTMLHint, &TProStringGrid::SetHTMLHint).Default(false);
  p.Property("HTMLSettings", &TProStringGrid::HTMLSettings, &TProStringGrid::SetHTMLSettings);
  p.Property("HideFocusRect", &TProStringGrid::HideFocusRect, &TProStringGrid::SetHideFocusRect).Default(false);
  p.Property("HintColor", &TProStringGrid::HintColor, &TProStringGrid::SetHintColor)
      .Type(ColorTypeInfo())
      .Default(clInfoBk);
  p.Property("HintShowCells", &TProStringGrid::HintShowCells, &TProStringGrid::SetHintShowCells).Default(false);
  p.Property("HintShowLargeText", &TProStringGrid::HintShowLargeText, &TProStringGrid::SetHintShowLargeText)
      .Default(false);
  p.Property("HintShowSizing", &TProStringGrid::HintShowSizing, &TProStringGrid::SetHintShowSizing).Default(false);
  p.Property("Hovering", &TProStringGrid::Hovering, &TProStringGrid::SetHovering).Default(false);
  p.Property("IntegralHeight", &TProStringGrid::IntegralHeight, &TProStringGrid::SetIntegralHeight).Default(false);
  p.Property("IntelliPan", &TProStringGrid::IntelliPan, &TProStringGrid::SetIntelliPan).Default(ipVertical);
  p.Property("IntelliZoom", &TProStringGrid::IntelliZoom, &TProStringGrid::SetIntelliZoom).Default(true);
  p.Property("Look", &TProStringGrid::Look, &TProStringGrid::SetLook).Default(glXP);
  p.Property("Lookup", &TProStringGrid::Lookup, &TProStringGrid::SetLookup).Default(false);
  p.Property("LookupCaseSensitive", &TProStringGrid::LookupCaseSensitive, &TProStringGrid::SetLookupCaseSensitive)
      .Default(false);
  p.Property("LookupHistory", &TProStringGrid::LookupHistory, &TProStringGrid::SetLookupHistory).Default(false);
  p.Property("LookupItems", &TProStringGrid::LookupItems, &TProStringGrid::SetLookupItems);
  p.Property("MaxEditLength", &TProStringGrid::MaxEditLength, &TProStringGrid::SetMaxEditLength).Default(0);
  p.Property("MouseActions", &TProStringGrid::MouseActions, &TProStringGrid::SetMouseActions);
  p.Property("Multilinecells", &TProStringGrid::Multilinecells, &TProStringGrid::SetMultilinecells).Default(false);
  p.Property("Navigation", &TProStringGrid::Navigation, &TProStringGrid::SetNavigation);
  p.Property("OemConvert", &TProStringGrid::OemConvert, &TProStringGrid::SetOemConvert).Default(false);
  p.Property("PrintSettings", &TProStringGrid::PrintSettings, &TProStringGrid::SetPrintSettings);
  p.Property("ProgressAppearance", &TProStringGrid::ProgressAppearance, &TProStringGrid::SetProgressAppearance);
  p.Property("RowHeaders", &TProStringGrid::RowHeaders, &TProStringGrid::SetRowHeaders);
  p.Property("RowIndicator", &TProStringGrid::RowIndicator, &TProStringGrid::SetRowIndicator);
  p.Property("ScrollBarAlways", &TProStringGrid::ScrollBarAlways, &TProStringGrid::SetScrollBarAlways).Default(saNone);
  p.Property("ScrollColor", &TProStringGrid::ScrollColor, &TProStringGrid::SetScrollColor)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("ScrollHints", &TProStringGrid::ScrollHints, &TProStringGrid::SetScrollHints).Default(shNone);
  p.Property("ScrollProportional", &TProStringGrid::ScrollProportional, &TProStringGrid::SetScrollProportional)
      .Default(false);
  p.Property("ScrollSynch", &TProStringGrid::ScrollSynch, &TProStringGrid::SetScrollSynch).Default(false);
  p.Property("ScrollType", &TProStringGrid::ScrollType, &TProStringGrid::SetScrollType).Default(ssNormal);
  p.Property("ScrollWidth", &TProStringGrid::ScrollWidth, &TProStringGrid::SetScrollWidth).Default(17);
  p.Property("SelectionColor", &TProStringGrid::SelectionColor, &TProStringGrid::SetSelectionColor)
      .Type(ColorTypeInfo())
      .Default(0xEACAB6);
  p.Property("SelectionColorTo", &TProStringGrid::SelectionColorTo, &TProStringGrid::SetSelectionColorTo)
      .Type(ColorTypeInfo())
      .Default(clNone);
  p.Property("SelectionRTFKeep", &TProStringGrid::SelectionRTFKeep, &TProStringGrid::SetSelectionRTFKeep)
      .Default(false);
  p.Property("SelectionRectangle", &TProStringGrid::SelectionRectangle, &TProStringGrid::SetSelectionRectangle)
      .Default(false);
  p.Property("SelectionResizer", &TProStringGrid::SelectionResizer, &TProStringGrid::SetSelectionResizer)
      .Default(false);
  p.Property("SelectionTextColor", &TProStringGrid::SelectionTextColor, &TProStringGrid::SetSelectionTextColor)
      .Type(ColorTypeInfo())
      .Default(clBlack);
  p.Property("ShowModified", &TProStringGrid::ShowModified, &TProStringGrid::SetShowModified);
  p.Property("ShowSelection", &TProStringGrid::ShowSelection, &TProStringGrid::SetShowSelection).Default(true);
  p.Property("SizeWhileTyping", &TProStringGrid::SizeWhileTyping, &TProStringGrid::SetSizeWhileTyping);
  p.Property("SizeWithForm", &TProStringGrid::SizeWithForm, &TProStringGrid::SetSizeWithForm).Default(false);
  p.Property("SortSettings", &TProStringGrid::SortSettings, &TProStringGrid::SetSortSettings);
  p.Property("URLColor", &TProStringGrid::URLColor, &TProStringGrid::SetURLColor)
      .Type(ColorTypeInfo())
      .Default(0xFF0000);
  p.Property("URLEdit", &TProStringGrid::URLEdit, &TProStringGrid::SetURLEdit).Default(false);
  p.Property("URLFull", &TProStringGrid::URLFull, &TProStringGrid::SetURLFull).Default(false);
  p.Property("URLShow", &TProStringGrid::URLShow, &TProStringGrid::SetURLShow).Default(false);
  p.Property("VAlignment", &TProStringGrid::VAlignment, &TProStringGrid::SetVAlignment).Default(vtaTop);
  p.Property("Version", &TProStringGrid::Version, &TProStringGrid::SetVersion);
  p.Property("WordWrap", &TProStringGrid::WordWrap, &TProStringGrid::SetWordWrap).Default(true);
  // ---- Events ----
  p.Property("OnAnchorClick", &TProStringGrid::OnAnchorClick);
  p.Property("OnAnchorEnter", &TProStringGrid::OnAnchorEnter);
  p.Property("OnAnchorExit", &TProStringGrid::OnAnchorExit);
  p.Property("OnAnchorHint", &TProStringGrid::OnAnchorHint);
  p.Property("OnAutoAddRow", &TProStringGrid::OnAutoAddRow);
  p.Property("OnAutoAdvance", &TProStringGrid::OnAutoAdvance);
  p.Property("OnAutoDeleteRow", &TProStringGrid::OnAutoDeleteRow);
  p.Property("OnAutoInsertCol", &TProStringGrid::OnAutoInsertCol);
  p.Property("OnAutoInsertRow", &TProStringGrid::OnAutoInsertRow);
  p.Property("OnBeforeContractNode", &TProStringGrid::OnBeforeContractNode);
  p.Property("OnBeforeExpandNode", &TProStringGrid::OnBeforeExpandNode);
  p.Property("OnButtonClick", &TProStringGrid::OnButtonClick);
  p.Property("OnCanAddRow", &TProStringGrid::OnCanAddRow);
  p.Property("OnCanClickCell", &TProStringGrid::OnCanClickCell);
  p.Property("OnCanDeleteRow", &TProStringGrid::OnCanDeleteRow);
  p.Property("OnCanEditCell", &TProStringGrid::OnCanEditCell);
  p.Property("OnCanInsertRow", &TProStringGrid::OnCanInsertRow);
  p.Property("OnCanSort", &TProStringGrid::OnCanSort);
  p.Property("OnCellBalloon", &TProStringGrid::OnCellBalloon);
  p.Property("OnCellChanging", &TProStringGrid::OnCellChanging);
  p.Property("OnCellValidate", &TProStringGrid::OnCellValidate);
  p.Property("OnCellValidateWide", &TProStringGrid::OnCellValidateWide);
  p.Property("OnCellsChanged", &TProStringGrid::OnCellsChanged);
  p.Property("OnCheckBoxClick", &TProStringGrid::OnCheckBoxClick);
  p.Property("OnCheckBoxMouseUp", &TProStringGrid::OnCheckBoxMouseUp);
  p.Property("OnClickCell", &TProStringGrid::OnClickCell);
  p.Property("OnClickSort", &TProStringGrid::OnClickSort);
  p.Property("OnClipboardBeforePasteCell", &TProStringGrid::OnClipboardBeforePasteCell);
  p.Property("OnClipboardBeforePasteWideCell", &TProStringGrid::OnClipboardBeforePasteWideCell);
  p.Property("OnClipboardCopy", &TProStringGrid::OnClipboardCopy);
  p.Property("OnClipboardCut", &TProStringGrid::OnClipboardCut);
  p.Property("OnClipboardPaste", &TProStringGrid::OnClipboardPaste);
  p.Property("OnColChanging", &TProStringGrid::OnColChanging);
  p.Property("OnColumnMove", &TProStringGrid::OnColumnMove);
  p.Property("OnColumnSize", &TProStringGrid::OnColumnSize);
  p.Property("OnComboChange", &TProStringGrid::OnComboChange);
  p.Property("OnComboCloseUp", &TProStringGrid::OnComboCloseUp);
  p.Property("OnComboObjectChange", &TProStringGrid::OnComboObjectChange);
  p.Property("OnContractNode", &TProStringGrid::OnContractNode);
  p.Property("OnControlClick", &TProStringGrid::OnControlClick);
  p.Property("OnControlComboList", &TProStringGrid::OnControlComboList);
  p.Property("OnControlEditDone", &TProStringGrid::OnControlEditDone);
  p.Property("OnCustomCellDraw", &TProStringGrid::OnCustomCellDraw);
  p.Property("OnCustomCellSize", &TProStringGrid::OnCustomCellSize);
  p.Property("OnCustomCompare", &TProStringGrid::OnCustomCompare);
  p.Property("OnDatePickerCloseUp", &TProStringGrid::OnDatePickerCloseUp);
  p.Property("OnDateSpinClick", &TProStringGrid::OnDateSpinClick);
  p.Property("OnDateTimeChange", &TProStringGrid::OnDateTimeChange);
  p.Property("OnDblClickCell", &TProStringGrid::OnDblClickCell);
  p.Property("OnDragScroll", &TProStringGrid::OnDragScroll);
  p.Property("OnEditCellDone", &TProStringGrid::OnEditCellDone);
  p.Property("OnEditChange", &TProStringGrid::OnEditChange);
  p.Property("OnEditingDone", &TProStringGrid::OnEditingDone);
  p.Property("OnEllipsClick", &TProStringGrid::OnEllipsClick);
  p.Property("OnEndColumnSize", &TProStringGrid::OnEndColumnSize);
  p.Property("OnEndRowSize", &TProStringGrid::OnEndRowSize);
  p.Property("OnExpandNode", &TProStringGrid::OnExpandNode);
  p.Property("OnFileProgress", &TProStringGrid::OnFileProgress);
  p.Property("OnFilterProgress", &TProStringGrid::OnFilterProgress);
  p.Property("OnFitToPage", &TProStringGrid::OnFitToPage);
  p.Property("OnFloatSpinClick", &TProStringGrid::OnFloatSpinClick);
  p.Property("OnFooterPaint", &TProStringGrid::OnFooterPaint);
  p.Property("OnGetAlignment", &TProStringGrid::OnGetAlignment);
  p.Property("OnGetCellBorder", &TProStringGrid::OnGetCellBorder);
  p.Property("OnGetCellBorderProp", &TProStringGrid::OnGetCellBorderProp);
  p.Property("OnGetCellColor", &TProStringGrid::OnGetCellColor);
  p.Property("OnGetCellPrintBorder", &TProStringGrid::OnGetCellPrintBorder);
  p.Property("OnGetCellPrintColor", &TProStringGrid::OnGetCellPrintColor);
  p.Property("OnGetCheckFalse", &TProStringGrid::OnGetCheckFalse);
  p.Property("OnGetCheckTrue", &TProStringGrid::OnGetCheckTrue);
  p.Property("OnGetEditWideText", &TProStringGrid::OnGetEditWideText);
  p.Property("OnGetEditorProp", &TProStringGrid::OnGetEditorProp);
  p.Property("OnGetEditorType", &TProStringGrid::OnGetEditorType);
  p.Property("OnGetFloatFormat", &TProStringGrid::OnGetFloatFormat);
  p.Property("OnGetFormat", &TProStringGrid::OnGetFormat);
  p.Property("OnGetWordWrap", &TProStringGrid::OnGetWordWrap);
  p.Property("OnGridHint", &TProStringGrid::OnGridHint);
  p.Property("OnHasComboBox", &TProStringGrid::OnHasComboBox);
  p.Property("OnIsFixedCell", &TProStringGrid::OnIsFixedCell);
  p.Property("OnIsPasswordCell", &TProStringGrid::OnIsPasswordCell);
  p.Property("OnLoadCell", &TProStringGrid::OnLoadCell);
  p.Property("OnOfficeHint", &TProStringGrid::OnOfficeHint);
  p.Property("OnOleDrag", &TProStringGrid::OnOleDrag);
  p.Property("OnOleDragOver", &TProStringGrid::OnOleDragOver);
  p.Property("OnOleDragStart", &TProStringGrid::OnOleDragStart);
  p.Property("OnOleDragStop", &TProStringGrid::OnOleDragStop);
  p.Property("OnOleDrop", &TProStringGrid::OnOleDrop);
  p.Property("OnOleDropCol", &TProStringGrid::OnOleDropCol);
  p.Property("OnOleDropFile", &TProStringGrid::OnOleDropFile);
  p.Property("OnOleDropped", &TProStringGrid::OnOleDropped);
  p.Property("OnPrintCancel", &TProStringGrid::OnPrintCancel);
  p.Property("OnPrintNewPage", &TProStringGrid::OnPrintNewPage);
  p.Property("OnPrintPage", &TProStringGrid::OnPrintPage);
  p.Property("OnPrintPageDone", &TProStringGrid::OnPrintPageDone);
  p.Property("OnPrintSetColumnWidth", &TProStringGrid::OnPrintSetColumnWidth);
  p.Property("OnPrintSetRowHeight", &TProStringGrid::OnPrintSetRowHeight);
  p.Property("OnPrintStart", &TProStringGrid::OnPrintStart);
  p.Property("OnRadioClick", &TProStringGrid::OnRadioClick);
  p.Property("OnRadioMouseUp", &TProStringGrid::OnRadioMouseUp);
  p.Property("OnRawCompare", &TProStringGrid::OnRawCompare);
  p.Property("OnResize", &TControl::OnResize);
  p.Property("OnRichEditSelectionChange", &TProStringGrid::OnRichEditSelectionChange);
  p.Property("OnRightClickCell", &TProStringGrid::OnRightClickCell);
  p.Property("OnRowChanging", &TProStringGrid::OnRowChanging);
  p.Property("OnRowDisjunctSelect", &TProStringGrid::OnRowDisjunctSelect);
  p.Property("OnRowDisjunctSelected", &TProStringGrid::OnRowDisjunctSelected);
  p.Property("OnRowMove", &TProStringGrid::OnRowMove);
  p.Property("OnRowSize", &TProStringGrid::OnRowSize);
  p.Property("OnRowUpdate", &TProStringGrid::OnRowUpdate);
  p.Property("OnSaveCell", &TProStringGrid::OnSaveCell);
  p.Property("OnScrollHint", &TProStringGrid::OnScrollHint);
  p.Property("OnSearchEditChange", &TProStringGrid::OnSearchEditChange);
  p.Property("OnSelectionChanged", &TProStringGrid::OnSelectionChanged);
  p.Property("OnSelectionResize", &TProStringGrid::OnSelectionResize);
  p.Property("OnSelectionResized", &TProStringGrid::OnSelectionResized);
  p.Property("OnSetEditWideText", &TProStringGrid::OnSetEditWideText);
  p.Property("OnSpinClick", &TProStringGrid::OnSpinClick);
  p.Property("OnTimeSpinClick", &TProStringGrid::OnTimeSpinClick);
  p.Property("OnUpdateColumnSize", &TProStringGrid::OnUpdateColumnSize);
}
