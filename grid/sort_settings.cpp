// TSortSettings; see sort_settings.h.
#include "grid/sort_settings.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"
#include "platform/ui/bitmap.h"

PR_PUBLISH(TSortSettings) {
  p.Property("AutoColumnMerge", &TSortSettings::AutoColumnMerge, &TSortSettings::SetAutoColumnMerge).Default(false);
  p.Property("AutoFormat", &TSortSettings::AutoFormat, &TSortSettings::SetAutoFormat).Default(true);
  p.Property("AutoSortForGrouping", &TSortSettings::AutoSortForGrouping, &TSortSettings::SetAutoSortForGrouping)
      .Default(true);
  p.Property("BlankPos", &TSortSettings::BlankPos, &TSortSettings::SetBlankPos).Default(blFirst);
  p.Property("Column", &TSortSettings::Column, &TSortSettings::SetColumn).Default(0);
  p.Property("Direction", &TSortSettings::Direction, &TSortSettings::SetDirection).Default(sdAscending);
  p.Property("DownGlyph", &TSortSettings::DownGlyph, &TSortSettings::SetDownGlyph);
  p.Property("FixedCols", &TSortSettings::FixedCols, &TSortSettings::SetFixedCols).Default(false);
  p.Property("Full", &TSortSettings::Full, &TSortSettings::SetFull).Default(true);
  p.Property("IgnoreBlanks", &TSortSettings::IgnoreBlanks, &TSortSettings::SetIgnoreBlanks).Default(false);
  p.Property("IndexColor", &TSortSettings::IndexColor, &TSortSettings::SetIndexColor)
      .Type(ColorTypeInfo())
      .Default(clYellow);
  p.Property("IndexDownGlyph", &TSortSettings::IndexDownGlyph, &TSortSettings::SetIndexDownGlyph);
  p.Property("IndexShow", &TSortSettings::IndexShow, &TSortSettings::SetIndexShow).Default(false);
  p.Property("IndexUpGlyph", &TSortSettings::IndexUpGlyph, &TSortSettings::SetIndexUpGlyph);
  p.Property("InitSortDirection", &TSortSettings::InitSortDirection, &TSortSettings::SetInitSortDirection)
      .Default(sdAscending);
  p.Property("NormalCellsOnly", &TSortSettings::NormalCellsOnly, &TSortSettings::SetNormalCellsOnly).Default(false);
  p.Property("Row", &TSortSettings::Row, &TSortSettings::SetRow).Default(0);
  p.Property("Show", &TSortSettings::Show, &TSortSettings::SetShow).Default(false);
  p.Property("SingleColumn", &TSortSettings::SingleColumn, &TSortSettings::SetSingleColumn).Default(false);
  p.Property("UndoSort", &TSortSettings::UndoSort, &TSortSettings::SetUndoSort).Default(false);
  p.Property("UpGlyph", &TSortSettings::UpGlyph, &TSortSettings::SetUpGlyph);
}

TSortSettings::TSortSettings(TProStringGrid* AGrid)
    : grid_(AGrid),
      upGlyph_(std::make_unique<TBitmap>()),
      downGlyph_(std::make_unique<TBitmap>()),
      indexUpGlyph_(std::make_unique<TBitmap>()),
      indexDownGlyph_(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::SetShow(bool Value) {
  if (Value == show_) return;
  show_ = Value;
  grid_->Invalidate();
}

void TSortSettings::SetRow(Integer Value) {
  if (Value >= grid_->FixedRows()) throw Exception(SSortRowTooLarge);
  row_ = Value;
}

void TSortSettings::SetUpGlyph(TBitmap* Value) { upGlyph_->Assign(Value); }
void TSortSettings::SetDownGlyph(TBitmap* Value) { downGlyph_->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(TBitmap* Value) { indexUpGlyph_->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(TBitmap* Value) { indexDownGlyph_->Assign(Value); }

void TSortSettings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TSortSettings*>(Source);
  if (source == nullptr) return;
  AutoSortForGrouping_ = source->AutoSortForGrouping_;
  AutoColumnMerge_ = source->AutoColumnMerge_;
  Column_ = source->Column_;
  IndexShow_ = source->IndexShow_;
  IndexColor_ = source->IndexColor_;
  Full_ = source->Full_;
  SingleColumn_ = source->SingleColumn_;
  IgnoreBlanks_ = source->IgnoreBlanks_;
  BlankPos_ = source->BlankPos_;
  AutoFormat_ = source->AutoFormat_;
  Direction_ = source->Direction_;
  InitSortDirection_ = source->InitSortDirection_;
  FixedCols_ = source->FixedCols_;
  NormalCellsOnly_ = source->NormalCellsOnly_;
  UndoSort_ = source->UndoSort_;
  show_ = source->show_;
  row_ = source->row_;
  SetUpGlyph(source->UpGlyph());
  SetDownGlyph(source->DownGlyph());
  SetIndexUpGlyph(source->IndexUpGlyph());
  SetIndexDownGlyph(source->IndexDownGlyph());
}
