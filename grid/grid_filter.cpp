#include "grid/grid_filter.h"

#include "grid/pro_string_grid.h"
#include "platform/classes/publisher.h"

PR_PUBLISH(TFilterData) {
  p.Property("Column", &TFilterData::Column, &TFilterData::SetColumn).Default(0);
  p.Property("Condition", &TFilterData::Condition, &TFilterData::SetCondition);
  p.Property("CaseSensitive", &TFilterData::CaseSensitive, &TFilterData::SetCaseSensitive).Default(true);
  p.Property("Data", &TFilterData::Data, &TFilterData::SetData).Default(fcVirtual);
  p.Property("Prefix", &TFilterData::Prefix, &TFilterData::SetPrefix);
  p.Property("Suffix", &TFilterData::Suffix, &TFilterData::SetSuffix);
  p.Property("Operation", &TFilterData::Operation, &TFilterData::SetOperation).Default(foSHORT);
}

PR_IMPLEMENT_CLASS(TFilter)

PR_PUBLISH(TGridItem) {
  p.Property("Idx", &TGridItem::Idx, &TGridItem::SetIdx);
  p.Property("Height", &TGridItem::Height, &TGridItem::SetHeight);
  p.Property("Items", &TGridItem::Items, &TGridItem::SetItems);
}

void TFilterData::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFilterData*>(Source);
  if (source == nullptr) return inherited::Assign(Source);
  column_ = source->column_;
  condition_ = source->condition_;
  caseSensitive_ = source->caseSensitive_;
  data_ = source->data_;
  prefix_ = source->prefix_;
  suffix_ = source->suffix_;
  operation_ = source->operation_;
}

TFilter::TFilter(TProStringGrid* AGrid) : TCollection(TFilterData::StaticClass()), grid_(AGrid) {}

TPersistent* TFilter::GetOwner() const { return grid_; }

TGridItem::TGridItem(TCollection* Collection)
    : TCollectionItem(Collection), items_(std::make_unique<TStringList>()) {}

TGridItem::~TGridItem() = default;
