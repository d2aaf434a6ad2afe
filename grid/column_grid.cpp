#include "grid/column_grid.h"

#include "platform/classes/class_registry.h"
#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/ui/font.h"
#include "platform/ui/menu.h"
#include "platform/ui/pen.h"

PR_PUBLISH(TGridColumnItem) {
  p.Property("Alignment", &TGridColumnItem::Alignment, &TGridColumnItem::SetAlignment).Default(taLeftJustify);
  p.Property("AutoMinSize", &TGridColumnItem::AutoMinSize, &TGridColumnItem::SetAutoMinSize).Default(0);
  p.Property("AutoMaxSize", &TGridColumnItem::AutoMaxSize, &TGridColumnItem::SetAutoMaxSize).Default(0);
  p.Property("Borders", &TGridColumnItem::Borders, &TGridColumnItem::SetBorders);
  p.Property("BorderPen", &TGridColumnItem::BorderPen, &TGridColumnItem::SetBorderPen);
  p.Property("CheckFalse", &TGridColumnItem::CheckFalse, &TGridColumnItem::SetCheckFalse);
  p.Property("CheckTrue", &TGridColumnItem::CheckTrue, &TGridColumnItem::SetCheckTrue);
  p.Property("Color", &TGridColumnItem::Color, &TGridColumnItem::SetColor);
  p.Property("ColumnPopup", &TGridColumnItem::ColumnPopup, &TGridColumnItem::SetColumnPopup);
  p.Property("ColumnPopupType", &TGridColumnItem::ColumnPopupType, &TGridColumnItem::SetColumnPopupType)
      .Default(cpFixedCellsRClick);
  p.Property("ComboItems", &TGridColumnItem::ComboItems, &TGridColumnItem::SetComboItems);
  p.Property("DropDownCount", &TGridColumnItem::DropDownCount, &TGridColumnItem::SetDropDownCount).Default(8);
  p.Property("EditLength", &TGridColumnItem::EditLength, &TGridColumnItem::SetEditLength).Default(0);
  p.Property("EditMask", &TGridColumnItem::EditMask, &TGridColumnItem::SetEditMask);
  p.Property("Editor", &TGridColumnItem::Editor, &TGridColumnItem::SetEditor).Default(edNormal);
  p.Property("Filter", &TGridColumnItem::Filter, &TGridColumnItem::SetFilter);
  p.Property("FilterCaseSensitive", &TGridColumnItem::FilterCaseSensitive, &TGridColumnItem::SetFilterCaseSensitive)
      .Default(false);
  p.Property("Fixed", &TGridColumnItem::Fixed, &TGridColumnItem::SetFixed).Default(false);
  p.Property("FloatFormat", &TGridColumnItem::FloatFormat, &TGridColumnItem::SetFloatFormat);
  p.Property("Font", &TGridColumnItem::Font, &TGridColumnItem::SetFont);
  p.Property("Header", &TGridColumnItem::Header, &TGridColumnItem::SetHeader);
  p.Property("HeaderAlignment", &TGridColumnItem::HeaderAlignment, &TGridColumnItem::SetHeaderAlignment)
      .Default(taLeftJustify);
  p.Property("HeaderFont", &TGridColumnItem::HeaderFont, &TGridColumnItem::SetHeaderFont);
  p.Property("MaxSize", &TGridColumnItem::MaxSize, &TGridColumnItem::SetMaxSize).Default(0);
  p.Property("MinSize", &TGridColumnItem::MinSize, &TGridColumnItem::SetMinSize).Default(0);
  p.Property("Name", &TGridColumnItem::Name, &TGridColumnItem::SetName);
  p.Property("Password", &TGridColumnItem::Password, &TGridColumnItem::SetPassword).Default(false);
  p.Property("PrintBorders", &TGridColumnItem::PrintBorders, &TGridColumnItem::SetPrintBorders);
  p.Property("PrintBorderPen", &TGridColumnItem::PrintBorderPen, &TGridColumnItem::SetPrintBorderPen);
  p.Property("PrintBorderCustom", &TGridColumnItem::PrintBorderCustom, &TGridColumnItem::SetPrintBorderCustom)
      .Default(true);
  p.Property("PrintColor", &TGridColumnItem::PrintColor, &TGridColumnItem::SetPrintColor).Default(clWhite);
  p.Property("PrintFont", &TGridColumnItem::PrintFont, &TGridColumnItem::SetPrintFont);
  p.Property("PrintFontCustom", &TGridColumnItem::PrintFontCustom, &TGridColumnItem::SetPrintFontCustom)
      .Default(true);
  p.Property("ReadOnly", &TGridColumnItem::ReadOnly, &TGridColumnItem::SetReadOnly).Default(false);
  p.Property("ShowBands", &TGridColumnItem::ShowBands, &TGridColumnItem::SetShowBands).Default(false);
  p.Property("SortStyle", &TGridColumnItem::SortStyle, &TGridColumnItem::SetSortStyle).Default(ssAutomatic);
  p.Property("SortPrefix", &TGridColumnItem::SortPrefix, &TGridColumnItem::SetSortPrefix);
  p.Property("SortSuffix", &TGridColumnItem::SortSuffix, &TGridColumnItem::SetSortSuffix);
  p.Property("SpinMax", &TGridColumnItem::SpinMax, &TGridColumnItem::SetSpinMax).Default(0);
  p.Property("SpinMin", &TGridColumnItem::SpinMin, &TGridColumnItem::SetSpinMin).Default(0);
  p.Property("SpinStep", &TGridColumnItem::SpinStep, &TGridColumnItem::SetSpinStep).Default(1);
  p.Property("Tag", &TGridColumnItem::Tag, &TGridColumnItem::SetTag).Default(0);
  p.Property("Width", &TGridColumnItem::Width, &TGridColumnItem::SetWidth);
}

PR_IMPLEMENT_CLASS(TGridColumnCollection)

PR_PUBLISH(TProColumnGrid) { p.Property("Columns", &TProColumnGrid::Columns, &TProColumnGrid::SetColumns); }

// ---- TGridColumnItem ----

TGridColumnItem::TGridColumnItem(TCollection* Collection)
    : TCollectionItem(Collection),
      color_(clWindow),
      font_(std::make_unique<TFont>()),
      headerFont_(std::make_unique<TFont>()),
      printFont_(std::make_unique<TFont>()),
      borderPen_(std::make_unique<TPen>()),
      printBorderPen_(std::make_unique<TPen>()),
      comboItems_(std::make_unique<TStringList>()),
      filter_(std::make_unique<TStringList>()) {
  borderPen_->SetColor(clSilver);
  printBorderPen_->SetColor(clBlack);
  TProColumnGrid* grid = Grid();
  if (grid == nullptr) return;
  color_ = grid->Color();
  font_->Assign(grid->Font());
  headerFont_->Assign(grid->Font());
  printFont_->Assign(grid->Font());
  font_->OnChange.Bind(this, &TGridColumnItem::FontChanged);
  headerFont_->OnChange.Bind(this, &TGridColumnItem::FontChanged);
  borderPen_->OnChange.Bind(this, &TGridColumnItem::FontChanged);
  filter_->OnChange.Bind(this, &TGridColumnItem::FilterChanged);
}

TGridColumnItem::~TGridColumnItem() = default;

TProColumnGrid* TGridColumnItem::Grid() const {
  auto* columns = dynamic_cast<TGridColumnCollection*>(Collection());
  return columns == nullptr ? nullptr : columns->Grid();
}

void TGridColumnItem::Update() {
  if (Collection() != nullptr) Changed(false);
}

void TGridColumnItem::InvalidateGrid() {
  if (TProColumnGrid* grid = Grid()) grid->Invalidate();
}

void TGridColumnItem::FontChanged(TObject*) { Update(); }
void TGridColumnItem::FilterChanged(TObject*) { InvalidateGrid(); }

void TGridColumnItem::CopyLook(TGridColumnItem* Source) {
  alignment_ = Source->alignment_;
  headerAlignment_ = Source->headerAlignment_;
  borderPen_->Assign(Source->borderPen_.get());
  borders_ = Source->borders_;
  CheckFalse_ = Source->CheckFalse_;
  CheckTrue_ = Source->CheckTrue_;
  EditLength_ = Source->EditLength_;
  EditLink_ = Source->EditLink_;
  EditMask_ = Source->EditMask_;
  editor_ = Source->editor_;
  fixed_ = Source->fixed_;
  password_ = Source->password_;
  printBorderPen_->Assign(Source->printBorderPen_.get());
  PrintBorders_ = Source->PrintBorders_;
  PrintColor_ = Source->PrintColor_;
  printFont_->Assign(Source->printFont_.get());
  ReadOnly_ = Source->ReadOnly_;
  SortPrefix_ = Source->SortPrefix_;
  SortStyle_ = Source->SortStyle_;
  SortSuffix_ = Source->SortSuffix_;
  SpinMax_ = Source->SpinMax_;
  SpinMin_ = Source->SpinMin_;
  SpinStep_ = Source->SpinStep_;
  ColumnPopup_ = Source->ColumnPopup_;
  showBands_ = Source->showBands_;
  MinSize_ = Source->MinSize_;
  MaxSize_ = Source->MaxSize_;
  AutoMinSize_ = Source->AutoMinSize_;
  AutoMaxSize_ = Source->AutoMaxSize_;
  filter_->Assign(Source->filter_.get());
  FilterCaseSensitive_ = Source->FilterCaseSensitive_;
  defaultIndex_ = Source->defaultIndex_;
  floatFormat_ = Source->floatFormat_;
}

void TGridColumnItem::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TGridColumnItem*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  CopyLook(source);
  color_ = source->color_;
  comboItems_->Assign(source->comboItems_.get());
  DropDownCount_ = source->DropDownCount_;
  font_->Assign(source->font_.get());
  header_ = source->header_;
  Name_ = source->Name_;
  Tag_ = source->Tag_;
}

void TGridColumnItem::CopyColumnLook(TGridColumnItem* Previous) {
  CopyLook(Previous);
  if (TProColumnGrid* grid = Grid()) {
    color_ = grid->Color();
    font_->Assign(grid->Font());
  }
}

std::string TGridColumnItem::DisplayName() const {
  const std::string index = std::to_string(Index());
  return Name_.empty() ? "Column " + index : "Col " + index + ": " + Name_;
}

Integer TGridColumnItem::Width() const {
  TProColumnGrid* grid = Grid();
  return grid == nullptr ? 0 : grid->GetRealColWidth(Index());
}

void TGridColumnItem::SetWidth(Integer Value) {
  if (TProColumnGrid* grid = Grid()) grid->SetRealColWidth(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  Update();
}

void TGridColumnItem::SetColor(TColor Value) {
  color_ = Value;
  Update();
}

void TGridColumnItem::SetShowBands(bool Value) {
  showBands_ = Value;
  Update();
}

void TGridColumnItem::SetFixed(bool Value) {
  fixed_ = Value;
  Update();
}

void TGridColumnItem::SetPassword(bool Value) {
  password_ = Value;
  Update();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  borders_ = Value;
  Update();
}

void TGridColumnItem::SetFont(TFont* Value) {
  font_->Assign(Value);
  Update();
}

void TGridColumnItem::SetBorderPen(TPen* Value) {
  borderPen_->Assign(Value);
  Update();
}

void TGridColumnItem::SetHeader(const std::string& Value) {
  header_ = Value;
  TProColumnGrid* grid = Grid();
  if (grid == nullptr) return;
  if (grid->FixedRows() > 0 && !grid->HeaderWriteLock()) {
    grid->SetCellText(Index(), 0, Value);
    Update();
  }
  grid->RebuildColumnHeaders();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  if (Value == editor_) return;
  const bool repaint = editor_ == edDataCheckBox || Value == edDataCheckBox;
  editor_ = Value;
  if (repaint) InvalidateGrid();
}

void TGridColumnItem::SetFloatFormat(const std::string& Value) {
  floatFormat_ = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  headerAlignment_ = Value;
  InvalidateGrid();
}

void TGridColumnItem::SetHeaderFont(TFont* Value) {
  headerFont_->Assign(Value);
  InvalidateGrid();
}

void TGridColumnItem::SetComboItems(TStrings* Value) { comboItems_->Assign(Value); }
void TGridColumnItem::SetPrintFont(TFont* Value) { printFont_->Assign(Value); }
void TGridColumnItem::SetPrintBorderPen(TPen* Value) { printBorderPen_->Assign(Value); }
void TGridColumnItem::SetFilter(TStrings* Value) { filter_->Assign(Value); }

// ---- TGridColumnCollection ----

TGridColumnCollection::TGridColumnCollection(TProColumnGrid* AGrid)
    : TCollection(TGridColumnItem::StaticClass()), grid_(AGrid) {}

TPersistent* TGridColumnCollection::GetOwner() const { return grid_; }

void TGridColumnCollection::Update(TCollectionItem* Item) {
  TCollection::Update(Item);
  if (UpdateCount() > 0 || noRecursion_ || grid_->ComponentState().Contains(csLoading)) return;
  const Integer columns = Count() - grid_->NumHiddenColumns();
  if (columns != grid_->ColCount() && columns > grid_->FixedCols()) grid_->ApplyColumnCount(columns);
  grid_->SyncColumnHeaders();
  grid_->Invalidate();
}

// ---- TProColumnGrid ----

TProColumnGrid::TProColumnGrid(TComponent* AOwner)
    : TProStringGrid(AOwner), columns_(std::make_unique<TGridColumnCollection>(this)) {
  columns_->SetNoRecursion(true);
  SyncColumnItems();
  columns_->SetNoRecursion(false);
}

TProColumnGrid::~TProColumnGrid() {
  // Items read the grid while they go.
  columns_->SetNoRecursion(true);
  columns_.reset();
}

void TProColumnGrid::SetColumns(TGridColumnCollection* Value) { columns_->Assign(Value); }

void TProColumnGrid::ApplyColumnCount(Integer Count) {
  SetColCount(Count);
  columns_->SetNoRecursion(true);
  SyncColumnItems();
  columns_->SetNoRecursion(false);
}

void TProColumnGrid::SyncColumnItems() {
  while (columns_->Count() < AllColCount()) AddColumnItem();
  while (columns_->Count() > AllColCount()) columns_->Delete(columns_->Count() - 1);
  if (!ComponentState().Contains(csDesigning)) return;
  for (Integer col = 0; col < ColCount(); ++col) SetCellText(col, FixedRows(), "Column " + std::to_string(col));
}

void TProColumnGrid::AddColumnItem() {
  TGridColumnItem* item = columns_->Add();
  if (columns_->Count() > 1) item->CopyColumnLook(columns_->Items(columns_->Count() - 2));
}

// Items without a header take the text of their header cell; the header list follows the items.
void TProColumnGrid::SyncColumnHeaders() {
  if (FixedRows() <= 0) return;
  for (Integer i = 0; i < columns_->Count() && i < ColCount(); ++i) {
    TGridColumnItem* item = ColumnItem(i);
    const std::string cell = GetCellText(i, 0);
    if (item != nullptr && item->Header().empty() && !cell.empty()) item->SetHeaderText(cell);
  }
  RebuildColumnHeaders();
}

void TProColumnGrid::RebuildColumnHeaders() {
  TStrings* headers = ColumnHeaders();
  headers->BeginUpdate();
  headers->Clear();
  for (Integer i = 0; i < columns_->Count(); ++i)
    if (TGridColumnItem* item = ColumnItem(i)) headers->Add(item->Header());
  headers->EndUpdate();
}

// An item still being made (its own constructor not run yet) is no column item yet.
TGridColumnItem* TProColumnGrid::ColumnItem(Integer Index) const {
  return dynamic_cast<TGridColumnItem*>(columns_->TCollection::Items(Index));
}

// ---- The unit ----

namespace {

void InitializeProColumnGrid() {
  RegisterClasses({TGridColumnItem::StaticClass(), TGridColumnCollection::StaticClass(),
                   TProColumnGrid::StaticClass()});
}

void FinalizeProColumnGrid() {
  UnRegisterClass(TProColumnGrid::StaticClass());
  UnRegisterClass(TGridColumnCollection::StaticClass());
  UnRegisterClass(TGridColumnItem::StaticClass());
}

}   // namespace

const Unit ProColumnGridUnit{"ProColumnGrid", InitializeProColumnGrid, FinalizeProColumnGrid};
