#include "controls/editors/kx_custom_value_types.h"

#include "controls/editors/value_buffer.h"

using namespace value_buffer;

Integer TkxFMTBcdValueType::GetBufferSize() const { return Integer(sizeof(TBcd)); }

void TkxFMTBcdValueType::ReadBufferValue(const void* Buffer, Variant& Value) const { Value = Variant(Load<TBcd>(Buffer)); }

void TkxFMTBcdValueType::StoreValue(void* Buffer, const Variant& Value) const { Store(Buffer, Value.AsBcd()); }

Integer TkxFMTBcdValueType::CompareData(const void* Data1, const void* Data2) const {
  return BcdCompare(Load<TBcd>(Data1), Load<TBcd>(Data2));
}

Integer TkxSQLTimeStampValueType::GetBufferSize() const { return Integer(sizeof(TSQLTimeStamp)); }

void TkxSQLTimeStampValueType::ReadBufferValue(const void* Buffer, Variant& Value) const {
  TDateTime dateTime;
  Value = TrySQLTimeStampToDateTime(Load<TSQLTimeStamp>(Buffer), dateTime) ? Variant::FromDateTime(dateTime) : Null();
}

void TkxSQLTimeStampValueType::StoreValue(void* Buffer, const Variant& Value) const {
  Store(Buffer, Value.AsSQLTimeStamp());
}

Integer TkxSQLTimeStampValueType::CompareData(const void* Data1, const void* Data2) const {
  return CompareSQLTimeStamps(Load<TSQLTimeStamp>(Data1), Load<TSQLTimeStamp>(Data2));
}
