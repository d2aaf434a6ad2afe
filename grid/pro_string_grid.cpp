// TProStringGrid: construction, loading, assignment, destruction, bounds, the settings objects'
// setters and the look properties.
#include "grid/pro_string_grid.h"

#include <algorithm>
#include <iterator>

#include "grid/arrow_window.h"
#include "grid/background.h"
#include "grid/balloon_settings.h"
#include "grid/cell_checker.h"
#include "grid/bands.h"
#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/column_size.h"
#include "grid/control_list.h"
#include "grid/control_look.h"
#include "grid/drag_drop_settings.h"
#include "grid/drag_scroll_options.h"
#include "grid/edit_link.h"
#include "grid/file_version_ms.h"
#include "grid/floating_footer.h"
#include "grid/grid_editor_controls.h"
#include "grid/grid_filter.h"
#include "grid/grid_progress_appearance.h"
#include "grid/grouping_settings.h"
#include "grid/html_hint_window.h"
#include "grid/html_settings.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/popup_button.h"
#include "grid/print_settings.h"
#include "grid/pro_rich_edit.h"
#include "grid/search_footer.h"
#include "grid/show_modified.h"
#include "grid/size_while_typing.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "grid/theme_api.h"
#include "grid/windows_version.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/string_list.h"
#include "platform/core/store_if_changed.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/custom_image_list.h"
#include "platform/ui/font.h"
#include "platform/ui/inplace_edit.h"
#include "platform/ui/timer.h"
#include "platform/user/message_ids.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"

namespace {

constexpr Integer kVersionNumber = 0x03050301;
constexpr Integer kInitialRowHeight = 21;
constexpr Integer kLoadedMinColWidth = 10;
constexpr TColor kDAVGradientFrom = 0xC0C0C0;

}   // namespace

TProStringGrid::TProStringGrid(TComponent* AOwner) : TBaseGrid(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  footerPanel_ = new TFooterPanel(this);
  searchPanel_ = new TSearchPanel(this);
  richEdit_ = new TProRichEdit(this);
  richEditor_ = new TProRichEdit(this);
  CreateSettings();
  BindSearchFooter();
  SetRowCount(10);
  SetBounds(Left(), Top(), 400, 250);
  maxColCount_ = ColCount();
  SetScrollWidth(GetSystemMetrics(SM_CXVSCROLL));
  SetDefaultRowHeight(kInitialRowHeight);
  fixedGradientFrom_ = ColorToRGB(clWhite);
  fixedGradientTo_ = ColorToRGB(clBtnFace);
  ReadPlatformFacts();
  rowCheckGraphic_ = std::make_unique<TCellGraphic>();
  CreateMoveIndicators();
  InstallFormFitting();
}

void TProStringGrid::CreateMoveIndicators() {
  if (ComponentState().Contains(csDesigning)) return;
  for (Byte direction = 0; direction < 4; ++direction) arrows_[direction] = new TArrowWindow(this, direction);
  popupButton_ = new TPopupButton(this);
  popupButton_->SetVisible(false);
  popupButton_->SetParent(this);
  popupButton_->SetEnabled(false);
}

void TProStringGrid::HideMoveArrows() {
  for (TArrowWindow* arrow : arrows_)
    if (arrow != nullptr) arrow->SetVisible(false);
}

void TProStringGrid::CreateSettings() {
  floatingFooter_ = std::make_unique<TFloatingFooter>(this, footerPanel_);
  searchFooter_ = std::make_unique<TSearchFooter>();
  printSettings_ = std::make_unique<TPrintSettings>(this);
  htmlSettings_ = std::make_unique<THTMLSettings>();
  sortSettings_ = std::make_unique<TSortSettings>(this);
  dragDropSettings_ = std::make_unique<TDragDropSettings>(this);
  dragScrollOptions_ = std::make_unique<TDragScrollOptions>();
  controlLook_ = std::make_unique<TControlLook>(this);
  navigation_ = std::make_unique<TNavigation>();
  columnSize_ = std::make_unique<TColumnSize>(this);
  cellNode_ = std::make_unique<TCellNode>(this);
  bands_ = std::make_unique<TBands>(this);
  sizeWhileTyping_ = std::make_unique<TSizeWhileTyping>();
  mouseActions_ = std::make_unique<TMouseActions>(this);
  grouping_ = std::make_unique<TGrouping>();
  columnHeaders_ = std::make_unique<TStringList>();
  columnHeaders_->OnChange.Bind(this, &TProStringGrid::ColumnHeadersChanged);
  fixedFont_ = std::make_unique<TFont>();
  fixedFont_->SetName("Tahoma");
  fixedFont_->SetStyle(TFontStyles{fsBold});
  fixedFont_->OnChange.Bind(this, &TProStringGrid::Repaint);
  activeCellFont_ = std::make_unique<TFont>();
  activeCellFont_->SetStyle(TFontStyles{fsBold});
  if (ComponentState().Contains(csDesigning)) activeCellFont_->SetName("Tahoma");
  activeCellFont_->OnChange.Bind(this, &TProStringGrid::Repaint);
  rowHeaders_ = std::make_unique<TStringList>();
  rowHeaders_->OnChange.Bind(this, &TProStringGrid::RowHeadersChanged);
  lookupItems_ = std::make_unique<TStringList>();
  rowSelect_ = std::make_unique<TIntList>(-1, -1);
  selectedRows_ = std::make_unique<TIntList>(-1, -1);
  colSelect_ = std::make_unique<TIntList>(-1, -1);
  modifiedRows_ = std::make_unique<TIntList>(-1, -1);
  mergeColumns_ = std::make_unique<TIntList>(0, 0);
  hiddenRows_ = std::make_unique<TCollection>(TGridItem::StaticClass());
  filter_ = std::make_unique<TFilter>(this);
  sortIndex_ = std::make_unique<TSortIndexList>();
  rowOrder_ = std::make_unique<TIntList>(-1, -1);
  std::fill(std::begin(visibleCols_), std::end(visibleCols_), true);
  backGround_ = std::make_unique<TBackGround>(this);
  cellControls_ = std::make_unique<TControlList>();
  progressAppearance_ = std::make_unique<TGridProgressAppearance>();
  progressAppearance_->OnChange.Bind(this, &TProStringGrid::Repaint);
  balloon_ = std::make_unique<TBalloonSettings>();
  showModified_ = std::make_unique<TShowModified>();
  showModified_->OnChange.Bind(this, &TProStringGrid::ShowModifiedChanged);
  rowIndicator_ = std::make_unique<TBitmap>();
}

// The visual-style flag, the common-controls flag and the wheel: read once, at construction.
void TProStringGrid::ReadPlatformFacts() {
  const IsThemeActiveProc themeActive = VerUZED::IsThemeActive();
  isWinXP_ = IsWindowsXPOrLater() && themeActive != nullptr && themeActive() != FALSE;
  // An unreadable version (-1) has every bit set and so counts as above 5.
  isComCtl6_ = ((GetFileVersionMS("COMCTL32.DLL") >> 16) & 0xFF) > 5;
  // The wheel driver window of early systems does not exist on a system of this version.
  wheelMessage_ = WM_MOUSEWHEEL;
  UINT lines = 0;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  wheelScrollLines_ = static_cast<Integer>(lines);
}

TProStringGrid::~TProStringGrid() {
  destroying_ = true;
  ReleaseOleDropTarget();
  RemoveFormFitting();
  // A destructor cannot pass the store's error on: the widths are then not saved.
  if (columnSize_->Save()) {
    try {
      SaveColumnSizes();
    } catch (const std::exception&) {
    }
  }
  editorControls_.reset();
  FreeHiddenRows();
  // A shrinking grid frees the properties of the cells it cuts off, so the cells of the current
  // counts are every cell that can still hold any.
  ClearRange(0, 0, ColCount() - 1, RowCount() - 1);
}

void TProStringGrid::Repaint(TObject*) { Invalidate(); }

// ---- Window, loading, assignment ----

void TProStringGrid::CreateWnd() {
  if (destroying_ || ComponentState().Contains(csDestroying)) return;
  inherited::CreateWnd();
  StartGridTimer();
  if (dragDropSettings_->OleDropTarget() && !ComponentState().Contains(csDesigning)) UpdateOleDropTarget();
  if (Parent() != nullptr) {
    footerPanel_->SetVisible(floatingFooter_->Visible());
    footerPanel_->SetParent(this);
    searchPanel_->SetParent(this);
    ParentRenderingRichEdit();
    if (columnSize_->Save()) LoadColumnSizes();
  }
  const bool newInDesigner = ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading) &&
                             !ComponentState().Contains(csReading);
  if (newInDesigner) Font()->SetName("Tahoma");
}

void TProStringGrid::Loaded() {
  inherited::Loaded();
  ApplyColumnHeaders();
  ApplyRowHeaders();
  if (look_ == glDAV) {
    fixedGradientFrom_ = kDAVGradientFrom;
    fixedGradientTo_ = ColorToRGB(clWhite);
    if (popupButton_ != nullptr) {
      popupButton_->SetGradFrom(kDAVGradientFrom);
      popupButton_->SetGradTo(clWhite);
    }
  }
  if (columnSize_->Save()) LoadColumnSizes();
  searchFooter_->SetAutoThemeAdapt(autoThemeAdapt_);
  loadedFixedRows_ = FixedRows();
  loadedFixedCols_ = FixedCols();
  minRowHeight_ = DefaultRowHeight();
  minColWidth_ = kLoadedMinColWidth;
  loadedRowCount_ = RowCount();
  savedFixedRows_ = FixedRows();
  savedFixedCols_ = FixedCols();
  maxRowCount_ = RowCount();
  loaded_ = true;
  if (Options().Contains(goAlwaysShowEditor)) {
    SetOptions(Options() - TGridOptions{goAlwaysShowEditor});
    navigation_->SetAlwaysEdit(true);
  }
  const bool runTime = !ComponentState().Contains(csDesigning);
  if (runTime && !isWinXP_ && controlLook_->ControlStyle() == ProGrid::csTheme)
    controlLook_->SetControlStyle(ProGrid::csClassic);
  UpdateScrollBarsAlways(false);
}

void TProStringGrid::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TProStringGrid*>(Source);
  if (source == nullptr) return;
  Font()->Assign(source->Font());
  SetActiveCellColor(source->activeCellColor_);
  SetActiveCellColorTo(source->activeCellColorTo_);
  SetActiveCellFont(source->ActiveCellFont());
  SetActiveCellShow(source->activeCellShow_);
  SetActiveRowShow(source->ActiveRowShow());
  SetAlign(source->Align());
  SetAnchorHint(source->AnchorHint());
  SetAutoNumAlign(source->AutoNumAlign());
  autoSize_ = source->autoSize_;
  SetAutoThemeAdapt(source->AutoThemeAdapt());
  searchFooter_->Assign(source->SearchFooter());
  AssignSettings(source);
  filter_->Assign(source->Filter());
  SetColCount(source->ColCount());
  SetRowCount(source->RowCount());
  SetFixedRows(source->FixedRows());
  SetFixedCols(source->FixedCols());
  SetDefaultColWidth(source->DefaultColWidth());
  SetDefaultRowHeight(source->DefaultRowHeight());
  SetOptions(source->Options());
  auto stream = std::make_unique<TMemoryStream>();
  source->WriteGridText(stream.get());
  stream->SetPosition(0);
  ReadGridText(stream.get());
}

void TProStringGrid::AssignSettings(TProStringGrid* Source) {
  mouseActions_->Assign(Source->MouseActions());
  navigation_->Assign(Source->Navigation());
  grouping_->Assign(Source->Grouping());
  printSettings_->Assign(Source->PrintSettings());
  htmlSettings_->Assign(Source->HTMLSettings());
  bands_->Assign(Source->Bands());
  cellNode_->Assign(Source->CellNode());
  sortSettings_->Assign(Source->SortSettings());
  dragScrollOptions_->Assign(Source->DragScrollOptions());
  progressAppearance_->Assign(Source->ProgressAppearance());
}

void TProStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == gridImages_) gridImages_ = nullptr;
  if (Operation == opRemove && AComponent == cellChecker_) cellChecker_ = nullptr;
  if (Operation == opRemove && AComponent == editLink_) editLink_ = nullptr;
  inherited::Notification(AComponent, Operation);
}

// ---- Bounds and repainting ----

void TProStringGrid::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  // Whole default rows fit: the height becomes s + 2b plus the largest multiple of the row height
  // that fits in AHeight - s - b (b: 2 with a single border; s: the horizontal bar while not every
  // column shows).
  const Integer rowHeight = DefaultRowHeight();
  if (integralHeight_ && updateCount_ == 0 && rowHeight > 0) {
    const Integer border = BorderStyle() == bsSingle ? 2 : 0;
    const bool allColumnsShow = VisibleColCount() + FixedCols() >= ColCount();
    const Integer bar = allColumnsShow ? 0 : GetSystemMetrics(SM_CYHSCROLL);
    AHeight = AHeight + border - ((AHeight - bar - border) % rowHeight);
  }
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TProStringGrid::Invalidate() {
  inherited::Invalidate();
  if (floatingFooter_ != nullptr && floatingFooter_->Visible() && !ComponentState().Contains(csLoading))
    floatingFooter_->Invalidate();
}

void TProStringGrid::Resize() {
  inherited::Resize();
  if (columnSize_->Stretch() && scrollBarAlways_ == saNone) StretchColumn(columnSize_->StretchColumn());
  const TBackGroundDisplay display = backGround_->Display();
  const bool gradient = display == bdGradientHorz || display == bdGradientVert;
  if (gradient && backGround_->ColorTo() != clNone) Invalidate();
  UpdateScrollBarsAlways(false);
}

void TProStringGrid::GetInitialCellStyle(Integer ACol, Integer ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo,
                                         TAlignment& Alignment, TVAlignment& VAlignment, bool& WordWrap,
                                         TCellGradientDirection& GradientDirection) {
  inherited::GetInitialCellStyle(ACol, ARow, AFont, ABrush, ColorTo, Alignment, VAlignment, WordWrap,
                                 GradientDirection);
  if (!bands_->Active()) return;
  ABrush->SetColor(clNone);
  ColorTo = clNone;
}

void TProStringGrid::UpdateScrollBarsAlways(bool HideWhenFitting) {
  if (!HandleAllocated()) return;
  const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
  const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
  if (scrollBarAlways_ == saNone) {
    if (!HideWhenFitting) return;
    if (rowsFit) ShowScrollBar(WindowHandle(), SB_VERT, FALSE);
    if (colsFit) ShowScrollBar(WindowHandle(), SB_HORZ, FALSE);
    return;
  }
  auto apply = [this](int bar, bool fits, bool asked) {
    if (fits) {
      ShowScrollBar(WindowHandle(), bar, asked ? TRUE : FALSE);
      EnableScrollBar(WindowHandle(), static_cast<UINT>(bar), ESB_DISABLE_BOTH);
    } else {
      EnableScrollBar(WindowHandle(), static_cast<UINT>(bar), ESB_ENABLE_BOTH);
    }
  };
  apply(SB_VERT, rowsFit, scrollBarAlways_ == saVert || scrollBarAlways_ == saBoth);
  apply(SB_HORZ, colsFit, scrollBarAlways_ == saHorz || scrollBarAlways_ == saBoth);
}

// ---- Version ----

Integer TProStringGrid::GetVersionNumber() const { return kVersionNumber; }

std::string TProStringGrid::GetVersionText() const {
  const auto version = static_cast<Cardinal>(GetVersionNumber());
  return std::to_string(version >> 24) + "." + std::to_string((version >> 16) & 0xFF) + "." +
         std::to_string((version >> 8) & 0xFF) + "." + std::to_string(version & 0xFF);
}

// ---- Settings objects: setting one copies the given object ----

void TProStringGrid::SetFloatingFooter(TFloatingFooter* Value) { floatingFooter_->Assign(Value); }

void TProStringGrid::SetSearchFooter(TSearchFooter* Value) { searchFooter_->Assign(Value); }

void TProStringGrid::SetAutoThemeAdapt(bool Value) {
  autoThemeAdapt_ = Value;
  searchFooter_->SetAutoThemeAdapt(Value);
}
void TProStringGrid::SetPrintSettings(TPrintSettings* Value) { printSettings_->Assign(Value); }
void TProStringGrid::SetHTMLSettings(THTMLSettings* Value) { htmlSettings_->Assign(Value); }
void TProStringGrid::SetSortSettings(TSortSettings* Value) { sortSettings_->Assign(Value); }
void TProStringGrid::SetDragDropSettings(TDragDropSettings* Value) { dragDropSettings_->Assign(Value); }
void TProStringGrid::SetDragScrollOptions(TDragScrollOptions* Value) { dragScrollOptions_->Assign(Value); }
void TProStringGrid::SetControlLook(TControlLook* Value) { controlLook_->Assign(Value); }
void TProStringGrid::SetNavigation(TNavigation* Value) { navigation_->Assign(Value); }
void TProStringGrid::SetColumnSize(TColumnSize* Value) { columnSize_->Assign(Value); }
void TProStringGrid::SetCellNode(TCellNode* Value) { cellNode_->Assign(Value); }
void TProStringGrid::SetBands(TBands* Value) { bands_->Assign(Value); }
void TProStringGrid::SetSizeWhileTyping(TSizeWhileTyping* Value) { sizeWhileTyping_->Assign(Value); }
void TProStringGrid::SetMouseActions(TMouseActions* Value) { mouseActions_->Assign(Value); }
void TProStringGrid::SetGrouping(TGrouping* Value) { grouping_->Assign(Value); }
void TProStringGrid::SetProgressAppearance(TGridProgressAppearance* Value) { progressAppearance_->Assign(Value); }
void TProStringGrid::SetBalloon(TBalloonSettings* Value) { balloon_->Assign(Value); }
void TProStringGrid::SetShowModified(TShowModified* Value) { showModified_->Assign(Value); }

void TProStringGrid::ShowModifiedChanged(TObject* /*Sender*/) {
  const Integer last = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
  for (Integer row = 0; row < FixedRows(); ++row) InvalidateCell(0, row);
  for (Integer row = TopRow(); row <= last; ++row) InvalidateCell(0, row);
}

void TProStringGrid::SetBackGround(TBackGround* Value) {
  backGround_->Assign(Value);
  Invalidate();
}

void TProStringGrid::SetFixedFont(TFont* Value) {
  fixedFont_->Assign(Value);
  Invalidate();
}

void TProStringGrid::SetActiveCellFont(TFont* Value) {
  activeCellFont_->Assign(Value);
  Invalidate();
}

TStrings* TProStringGrid::LookupItems() const { return lookupItems_.get(); }

void TProStringGrid::SetLookupItems(TStrings* Value) {
  if (Value != nullptr) lookupItems_->Assign(Value);
}

void TProStringGrid::SetRowIndicator(TBitmap* Value) {
  rowIndicator_->Assign(Value);
  if (FixedCols() > 0) RepaintCell(0, Row());
}

void TProStringGrid::SetEditLink(TEditLink* Value) {
  if (Value == editLink_) return;
  if (editLink_ != nullptr) editLink_->RemoveFreeNotification(this);
  editLink_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TProStringGrid::SetGridImages(TCustomImageList* Value) {
  if (Value == gridImages_) return;
  gridImages_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

// ---- Look properties ----

void TProStringGrid::SetSelectionColor(TColor Value) {
  if (StoreIfChanged(selectionColor_, Value)) Invalidate();
}

void TProStringGrid::SetSelectionColorTo(TColor Value) {
  if (StoreIfChanged(selectionColorTo_, Value)) Invalidate();
}

void TProStringGrid::SetSelectionTextColor(TColor Value) {
  if (StoreIfChanged(selectionTextColor_, Value)) Invalidate();
}

void TProStringGrid::SetSelectionRectangle(bool Value) {
  if (StoreIfChanged(selectionRectangle_, Value)) Invalidate();
}

void TProStringGrid::SetSelectionResizer(bool Value) {
  if (StoreIfChanged(selectionResizer_, Value)) Invalidate();
}

void TProStringGrid::SetShowSelection(bool Value) {
  if (StoreIfChanged(showSelection_, Value)) Invalidate();
}

void TProStringGrid::SetActiveCellShow(bool Value) {
  activeCellShow_ = Value;
  Invalidate();
}

void TProStringGrid::SetActiveCellColor(TColor Value) {
  activeCellColor_ = Value;
  Invalidate();
}

void TProStringGrid::SetActiveCellColorTo(TColor Value) {
  activeCellColorTo_ = Value;
  Invalidate();
}

void TProStringGrid::SetURLShow(bool Value) {
  urlShow_ = Value;
  Invalidate();
}

void TProStringGrid::SetURLColor(TColor Value) {
  urlColor_ = Value;
  if (urlShow_) Invalidate();
}

void TProStringGrid::SetURLFull(bool Value) {
  urlFull_ = Value;
  if (urlShow_) Invalidate();
}

void TProStringGrid::SetLook(TGridLook Value) {
  if (!StoreIfChanged(look_, Value)) return;
  Invalidate();
  RedrawFrame();
  if (!ComponentState().Contains(csLoading)) floatingFooter_->Invalidate();
}

void TProStringGrid::SetFlat(bool Value) {
  flat_ = Value;
  if (ComponentState().Contains(csLoading)) return;
  Invalidate();
  RedrawFrame();
}

void TProStringGrid::SetVAlignment(TVAlignment Value) {
  vAlignment_ = Value;
  vAlignFlag_ = Value == vtaCenter ? DT_VCENTER : Value == vtaBottom ? DT_BOTTOM : DT_TOP;
  if (updateCount_ == 0) Invalidate();
}

void TProStringGrid::SetMaxEditLength(Integer Value) {
  maxEditLength_ = Value;
  if (InplaceEditor() != nullptr) InplaceEditor()->SetMaxLength(Value);
}

// Switching on fits every normal column and widens it by 10 pixels.
void TProStringGrid::SetAutoSize(bool Value) {
  autoSize_ = Value;
  if (Value) AutoSizeColumns(false, 10);
}

void TProStringGrid::SetIntegralHeight(bool Value) {
  integralHeight_ = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TProStringGrid::SetFixedGradientFrom(TColor Value) {
  fixedGradientFrom_ = ColorToRGB(Value);
  Invalidate();
}

void TProStringGrid::SetFixedGradientTo(TColor Value) {
  fixedGradientTo_ = ColorToRGB(Value);
  Invalidate();
}
