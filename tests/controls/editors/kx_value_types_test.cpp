// The value types: a table per descriptor (buffer, Variant type, caption, order, stream round
// trip), conversions, reference cells that fit a pointer, and the registration order.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/editors/kx_custom_value_types.h"
#include "controls/editors/kx_number_value_types.h"
#include "controls/editors/kx_object_value_type.h"
#include "controls/editors/kx_text_value_types.h"
#include "controls/editors/kx_value_types_unit.h"
#include "controls/editors/kx_variant_value_type.h"
#include "controls/foundation/kx_variants.h"
#include "platform/classes/memory_stream.h"

namespace {

// A raw buffer for one value of a kind, released through the kind when it goes.
class Buffer {
 public:
  explicit Buffer(TkxValueTypeClass kind) : kind_(kind), bytes_(std::size_t(kind->GetBufferSize()) + 1, 0) {}
  ~Buffer() { kind_->ReleaseBuffer(data()); }
  void* data() { return bytes_.data(); }
  Variant Read() {
    Variant value;
    kind_->ReadBufferValue(data(), value);
    return value;
  }

 private:
  TkxValueTypeClass kind_;
  std::vector<Byte> bytes_;
};

struct Descriptor {
  TkxValueTypeClass kind;
  Integer bufferSize;
  TVarType variantType;
  const char* caption;
  Variant minimum, maximum;
  std::size_t streamedSize;   // bytes SaveValue writes for `maximum`
};

std::vector<Descriptor> Descriptors() {
  return {
      {ValueTypeClassOf<TkxStringValueType>(), 8, varString, "String", Variant(""), Variant("zz"), 4 + 2},
      {ValueTypeClassOf<TkxWideStringValueType>(), 8, varOleStr, "WideString", Variant(u""), Variant(u"\u0E23z"), 4 + 4},
      {ValueTypeClassOf<TkxSmallintValueType>(), 2, varSmallint, "Smallint", Variant(-32768), Variant(32767), 2},
      {ValueTypeClassOf<TkxIntegerValueType>(), 4, varInteger, "Integer", Variant(INT32_MIN), Variant(INT32_MAX), 4},
      {ValueTypeClassOf<TkxWordValueType>(), 2, varWord, "Word", Variant(0), Variant(65535), 2},
      {ValueTypeClassOf<TkxBooleanValueType>(), 1, varBoolean, "Boolean", Variant(false), Variant(true), 1},
      {ValueTypeClassOf<TkxFloatValueType>(), 8, varDouble, "Float", Variant(-1e308), Variant(0.1), 10},
      {ValueTypeClassOf<TkxCurrencyValueType>(), 8, varCurrency, "Currency", Variant(Currency::FromRaw(INT64_MIN)),
       Variant(Currency::FromRaw(INT64_MAX)), 8},
      {ValueTypeClassOf<TkxDateTimeValueType>(), 8, varDate, "DateTime", Variant::FromDateTime(-693593),
       Variant::FromDateTime(45000.5), 8},
      {ValueTypeClassOf<TkxLargeIntValueType>(), 8, varInt64, "LargeInt", Variant(INT64_MIN), Variant(INT64_MAX), 8},
      {ValueTypeClassOf<TkxFMTBcdValueType>(), 34, varFMTBcd, "FMTBcd", Variant(StrToBcd("-1e60")),
       Variant(StrToBcd("12.5")), 1 + 1 + 4},
      {ValueTypeClassOf<TkxSQLTimeStampValueType>(), 16, varSQLTimeStamp, "SQLTimeStamp",
       Variant(TSQLTimeStamp{1, 1, 1}), Variant(TSQLTimeStamp{2024, 2, 29, 23, 59, 59, 999}), 1 + 8},
      {ValueTypeClassOf<TkxVariantValueType>(), 8, varVariant, "Variant", Null(), Variant("x"), 1 + 1 + 1},
  };
}

std::string Streamed(TkxValueTypeClass kind, void* buffer) {
  TMemoryStream stream;
  kind->SaveValue(buffer, &stream);
  return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

TEST(KxValueTypes, EachDescriptorsBufferTypeCaptionOrderAndStream) {
  for (const Descriptor& d : Descriptors()) {
    SCOPED_TRACE(d.caption);
    EXPECT_EQ(d.kind->GetBufferSize(), d.bufferSize);
    EXPECT_EQ(d.kind->GetVariantType(), d.variantType);
    EXPECT_EQ(d.kind->GetTypeCaption(), d.caption);

    Buffer low(d.kind), high(d.kind), copy(d.kind);
    d.kind->StoreValue(low.data(), d.minimum);
    d.kind->StoreValue(high.data(), d.maximum);
    EXPECT_LT(d.kind->CompareBuffers(low.data(), high.data()), 0);
    EXPECT_GT(d.kind->CompareBuffers(high.data(), low.data()), 0);
    EXPECT_EQ(d.kind->CompareBuffers(high.data(), high.data()), 0);
    EXPECT_TRUE(VariantsEqual(high.Read(), d.maximum)) << VarToStr(high.Read());

    const std::string bytes = Streamed(d.kind, high.data());
    EXPECT_EQ(bytes.size(), d.streamedSize);
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), Integer(bytes.size()));
    stream.SetPosition(0);
    d.kind->LoadValue(copy.data(), &stream);
    EXPECT_EQ(stream.Position(), stream.Size());
    EXPECT_EQ(d.kind->CompareBuffers(copy.data(), high.data()), 0);
  }
}

TEST(KxValueTypes, NoCellComesBeforeAnEmptyCell) {
  for (TkxValueTypeClass kind : {ValueTypeClassOf<TkxStringValueType>(), ValueTypeClassOf<TkxWideStringValueType>(),
                                 ValueTypeClassOf<TkxVariantValueType>()}) {
    SCOPED_TRACE(kind->ClassName());
    Buffer none(kind), empty(kind), other(kind);
    kind->StoreValue(empty.data(), Variant(""));
    EXPECT_EQ(kind->CompareBuffers(none.data(), empty.data()), -1);
    EXPECT_EQ(kind->CompareBuffers(empty.data(), none.data()), 1);
    EXPECT_EQ(kind->CompareBuffers(none.data(), other.data()), 0);
    EXPECT_TRUE(none.Read().IsNull());
    EXPECT_TRUE(kind->IsTextType() == (kind != ValueTypeClassOf<TkxVariantValueType>()));
  }
}

TEST(KxValueTypes, ReferenceCellsFitAPointerSoNeighboursStayIntact) {
  for (TkxValueTypeClass kind : {ValueTypeClassOf<TkxStringValueType>(), ValueTypeClassOf<TkxWideStringValueType>(),
                                 ValueTypeClassOf<TkxVariantValueType>(), ValueTypeClassOf<TkxObjectValueType>()}) {
    SCOPED_TRACE(kind->ClassName());
    const Integer size = kind->GetBufferSize();
    EXPECT_EQ(size, Integer(sizeof(void*)));
    if (kind == ValueTypeClassOf<TkxObjectValueType>()) continue;
    // Two records side by side, as a record buffer lays them out.
    auto records = std::make_unique<Byte[]>(std::size_t(2 * size));
    std::memset(records.get(), 0, std::size_t(2 * size));
    kind->StoreValue(records.get() + size, Variant("second"));
    kind->StoreValue(records.get(), Variant("first"));
    Variant first, second;
    kind->ReadBufferValue(records.get(), first);
    kind->ReadBufferValue(records.get() + size, second);
    EXPECT_EQ(first.AsString(), "first");
    EXPECT_EQ(second.AsString(), "second");
    kind->ReleaseBuffer(records.get());
    kind->ReleaseBuffer(records.get() + size);
  }
}

TEST(KxValueTypes, ObjectReferencesCompareAsUnsignedNumbersAndAreOwned) {
  const TkxValueTypeClass kind = ValueTypeClassOf<TkxObjectValueType>();
  EXPECT_EQ(kind->GetVariantType(), varInteger);
  EXPECT_EQ(kind->GetTypeCaption(), "Object");
  Byte low[8], high[8];
  const std::uintptr_t lowValue = 0x10, highValue = std::uintptr_t(1) << 63;   // never dereferenced
  std::memcpy(low, &lowValue, 8);
  std::memcpy(high, &highValue, 8);
  EXPECT_LT(kind->CompareBuffers(low, high), 0);
  EXPECT_GT(kind->CompareBuffers(high, low), 0);

  Buffer owned(kind);
  TObject* object = new TObject();
  std::memcpy(owned.data(), &object, sizeof object);   // freed by ReleaseBuffer (the sanitizer checks)
  EXPECT_EQ(std::uintptr_t(owned.Read().AsInt64()), reinterpret_cast<std::uintptr_t>(object));
  EXPECT_THROW(kind->StoreValue(owned.data(), Variant(1234)), EVariantTypeCastError);
  EXPECT_EQ(Streamed(kind, owned.data()), "");   // nothing is written
  TMemoryStream empty;
  kind->LoadValue(owned.data(), &empty);
}

TEST(KxValueTypes, CanConvertToTheKindsType) {
  const TkxValueTypeClass integer = ValueTypeClassOf<TkxIntegerValueType>();
  Variant text("abc");
  EXPECT_FALSE(integer->CanConvert(text));
  EXPECT_EQ(text.VarType(), varString);   // unchanged
  Variant digits("123");
  EXPECT_TRUE(integer->CanConvert(digits));
  EXPECT_EQ(digits.VarType(), varInteger);
  EXPECT_EQ(digits.AsInteger(), 123);
  Variant null = Null();
  EXPECT_TRUE(integer->CanConvert(null));
  Variant tooBig(Int64(1) << 40);
  EXPECT_FALSE(integer->CanConvert(tooBig));
  Variant anything = VarArrayCreate({{0, 0}}, varVariant);
  EXPECT_TRUE(ValueTypeClassOf<TkxVariantValueType>()->CanConvert(anything));
  EXPECT_TRUE(ValueTypeClassOf<TkxValueType>()->CanConvert(anything));
}

TEST(KxValueTypes, DisplayAndKeptTexts) {
  const TkxValueTypeClass boolean = ValueTypeClassOf<TkxBooleanValueType>();
  Buffer flag(boolean);
  boolean->StoreValue(flag.data(), Variant("true"));
  std::string text;
  boolean->FormatBufferValue(flag.data(), text);
  EXPECT_EQ(text, "True");
  const TkxValueTypeClass bcd = ValueTypeClassOf<TkxFMTBcdValueType>();
  Buffer number(bcd);
  bcd->StoreValue(number.data(), Variant("-007.50"));
  bcd->FormatBufferValue(number.data(), text);
  EXPECT_EQ(text, "-7.5");
  const TkxValueTypeClass stamp = ValueTypeClassOf<TkxSQLTimeStampValueType>();
  Buffer invalid(stamp);
  const TSQLTimeStamp month13{2024, 13, 1};
  std::memcpy(invalid.data(), &month13, sizeof month13);
  EXPECT_TRUE(invalid.Read().IsNull());
  stamp->FormatBufferValue(invalid.data(), text);
  EXPECT_EQ(text, "");

  TkxTextBuffer kept = nullptr;
  boolean->ReadBufferText(kept, text);
  EXPECT_EQ(text, "");
  boolean->StoreText(kept, "shown");
  TMemoryStream stream;
  boolean->SaveText(kept, &stream);
  boolean->ReleaseTextBuffer(kept);
  EXPECT_EQ(kept, nullptr);
  stream.SetPosition(0);
  boolean->LoadText(kept, &stream);
  boolean->ReadBufferText(kept, text);
  EXPECT_EQ(text, "shown");
  boolean->ReleaseTextBuffer(kept);
  EXPECT_EQ(ValueTypeClassOf<TkxValueType>()->GetTypeCaption(), "");
  EXPECT_EQ(ValueTypeClassOf<TkxDateTimeValueType>()->GetTypeCaption(), "DateTime");
}

TEST(KxValueTypes, TheUnitRegistersTheFourteenInOrderAndRemovesThem) {
  kxValueTypesUnit.initialize();
  TkxValueTypeClassList* list = GetValueTypeClassList();
  std::vector<std::string> captions;
  for (Integer i = 0; i < list->Count(); ++i) captions.push_back(list->Items(i)->GetTypeCaption());
  EXPECT_EQ(captions, (std::vector<std::string>{"String", "WideString", "Smallint", "Integer", "Word", "Boolean",
                                                "Float", "Currency", "DateTime", "LargeInt", "FMTBcd", "SQLTimeStamp",
                                                "Variant", "Object"}));
  list->Register(ValueTypeClassOf<TkxStringValueType>());   // already there: nothing
  EXPECT_EQ(list->Count(), 14);
  kxValueTypesUnit.finalize();
  EXPECT_EQ(GetValueTypeClassList()->Count(), 0);   // a new, empty list
  FreeValueTypeClassList();
}

}  // namespace
