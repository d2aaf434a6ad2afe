// Variants on a stream: the tags chosen, round trips of every type, the errors, and streams that
// lie about their lengths, counts and nesting.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "controls/foundation/kx_variant_stream.h"
#include "controls/foundation/kx_variants.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/memory_stream.h"

namespace {

std::string Bytes(const Variant& v) {
  TMemoryStream stream;
  WriteStreamVariant(&stream, v);
  return std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size()));
}

Variant Read(const std::string& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), Integer(bytes.size()));
  stream.SetPosition(0);
  Variant v = ReadStreamVariant(&stream);
  EXPECT_EQ(stream.Position(), stream.Size()) << "the reader stops right after the value";
  return v;
}

std::string ReadErrorOf(const std::string& bytes) {
  try {
    Read(bytes);
  } catch (const EReadError& e) {
    return e.Message();
  }
  return "no error";
}

std::string Le32(Integer v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

Variant Nested(int depth) {
  Variant v = Variant(1);
  for (int i = 0; i < depth; ++i) {
    Variant outer = VarArrayCreate({{0, 0}}, varVariant);
    outer.Put({0}, v);
    v = outer;
  }
  return v;
}

TEST(KxVariantStream, IntegersAndTextsTakeTheSmallestTag) {
  const struct {
    Variant value;
    Byte tag;
    std::size_t size;
  } kCases[] = {
      {Variant(127), 2, 2},
      {Variant(-128), 2, 2},
      {Variant(128), 3, 3},
      {Variant(-129), 3, 3},
      {Variant(32768), 4, 5},
      {Variant(Int64(2147483648LL)), 19, 9},
      {Variant(Int64(-2147483649LL)), 19, 9},
      {Variant(std::string(255, 'a')), 6, 257},
      {Variant(std::string(256, 'a')), 12, 261},
  };
  for (const auto& c : kCases) {
    const std::string bytes = Bytes(c.value);
    EXPECT_EQ(Byte(bytes[0]), c.tag) << VarToStr(c.value).size();
    EXPECT_EQ(bytes.size(), c.size);
    EXPECT_TRUE(VariantsEqual(Read(bytes), c.value));
  }
  EXPECT_EQ(Bytes(Variant(-129)), std::string("\x03\x7F\xFF", 3));
}

TEST(KxVariantStream, EveryTypeRoundTrips) {
  Variant array = VarArrayCreate({{5, 7}}, varVariant);   // read back with bounds 0 .. 2
  array.Put({5}, Variant("a"));
  array.Put({6}, Nested(3));
  array.Put({7}, Null());
  const Variant kValues[] = {
      Variant(),
      Null(),
      Variant(false),
      Variant(true),
      Variant::FromInteger(varByte, 200),
      Variant::FromInteger(varWord, 60000),
      Variant(4000000000u),
      Variant(Int64(-5)),
      Variant(1.5f),
      Variant(Currency::FromRaw(-123456789)),
      Variant::FromDateTime(45000.25),
      Variant(u"\u0E23\u0E2B\U0001F600"),
      Variant(std::string("\0x\xFF", 3)),
      array,
  };
  for (const Variant& v : kValues) {
    SCOPED_TRACE(VarTypeAsText(v.VarType()));
    const Variant back = Read(Bytes(v));
    EXPECT_EQ(CompareVariants(back, v), 0);
    EXPECT_EQ(back.IsNull(), v.IsNull());
    EXPECT_EQ(back.IsEmpty(), v.IsEmpty());
  }
  EXPECT_EQ(VarArrayLowBound(Read(Bytes(array)), 1), 0);
  EXPECT_EQ(VarArrayHighBound(Read(Bytes(array)), 1), 2);
  EXPECT_EQ(Read(Bytes(Variant(true))).VarType(), varBoolean);
  EXPECT_EQ(Read(Bytes(Variant(u"w"))).VarType(), varOleStr);
}

TEST(KxVariantStream, DoublesAreExactThroughTheExtendedFloat) {
  for (double d : {0.1, -0.0, 1e308, 5e-324, -123.456}) {
    const std::string bytes = Bytes(Variant(d));
    ASSERT_EQ(bytes.size(), 11u);
    EXPECT_EQ(Byte(bytes[0]), 5);
    const Variant back = Read(bytes);
    EXPECT_EQ(back.VarType(), varDouble);
    EXPECT_EQ(back.AsDouble(), d);
    EXPECT_EQ(std::signbit(back.AsDouble()), std::signbit(d));
  }
}

TEST(KxVariantStream, OtherTypesGoAsTextOrDate) {
  EXPECT_EQ(Read(Bytes(Variant(StrToBcd("-12.50")))).AsString(), "-12.5");
  const Variant stamp = Read(Bytes(Variant(TSQLTimeStamp{1900, 1, 1, 12})));
  EXPECT_EQ(stamp.VarType(), varDate);
  EXPECT_EQ(stamp.AsDateTime(), 2.5);
}

TEST(KxVariantStream, WriteAndReadErrors) {
  EXPECT_EQ(ReadErrorOf("\x07"), "Stream read error");   // tag 7 is not accepted
  for (char tag : {'\x0A', '\x0B', '\x0E', '\x14', '\x15', '\xFF'}) EXPECT_EQ(ReadErrorOf(std::string(1, tag)), "Stream read error");
  try {
    Bytes(VarArrayCreate({{0, 1}, {0, 1}}, varVariant));
    ADD_FAILURE() << "a two-dimensional array was written";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Stream write error");
  }
  EXPECT_THROW(Bytes(Variant(TSQLTimeStamp{2024, 13, 1})), EWriteError);
  // A stream that ends early raises the stream's own read error.
  for (const std::string& cut : {std::string("\x04\x01\x02", 3), std::string("\x06\x05" "ab"), std::string("\x01\x02\x03\x02\x01"),
                                 std::string("\x05\x00\x00", 3), std::string()})
    EXPECT_THROW(Read(cut), EReadError);
}

TEST(KxVariantStream, LengthsAndCountsBeyondTheStreamAreRefusedBeforeAllocating) {
  const std::string kCrafted[] = {
      "\x0C" + Le32(0x7FFFFFFF) + "abc",          // a long string of 2 GB
      "\x0C" + Le32(-5),                          // a negative length
      "\x0C" + Le32(4),                           // one byte short
      "\x12" + Le32(0x40000000) + "ab",           // a wide string of 2 GB
      "\x12" + Le32(-1),
      "\x12" + Le32(2) + "ab",                    // 2 characters need 4 bytes
      std::string("\x01\x04", 2) + Le32(0x7FFFFFFF) + "\x02\x01",   // an array of 2^31 - 1 elements
      std::string("\x01\x04", 2) + Le32(-3),
      std::string("\x01\x13", 2) + std::string("\x00\x00\x00\x00\x01\x00\x00\x00", 8),   // 2^32 elements
  };
  for (const std::string& bytes : kCrafted) EXPECT_EQ(ReadErrorOf(bytes), "Stream read error") << bytes.size();

  TMemoryStream stream;
  stream.WriteBuffer((Le32(1000000000) + "xy").data(), 6);
  stream.SetPosition(0);
  EXPECT_THROW(ReadStreamString(&stream), EReadError);
  stream.SetPosition(0);
  EXPECT_THROW(ReadStreamWideString(&stream), EReadError);
}

TEST(KxVariantStream, ArraysNestAtMost100Deep) {
  EXPECT_TRUE(VariantsEqual(Read(Bytes(Nested(100))), Nested(100)));
  EXPECT_THROW(Bytes(Nested(101)), EWriteError);   // what is written always reads back
  std::string deep;
  for (int i = 0; i < 101; ++i) deep += std::string("\x01\x02\x01", 3);
  deep += std::string("\x02\x07", 2);
  EXPECT_EQ(ReadErrorOf(deep), "Stream read error");
  std::string endless;
  for (int i = 0; i < 200000; ++i) endless += std::string("\x01\x02\x01", 3);
  EXPECT_EQ(ReadErrorOf(endless), "Stream read error");
}

TEST(KxVariantStream, PlainValues) {
  TMemoryStream stream;
  WriteStreamByte(&stream, 0xAB);
  WriteStreamSmallInt(&stream, -2);
  WriteStreamWord(&stream, 65535);
  WriteStreamInteger(&stream, -3);
  WriteStreamInt64(&stream, INT64_MIN);
  WriteStreamCurrency(&stream, Currency::FromRaw(7));
  WriteStreamDateTime(&stream, 1.25);
  WriteStreamExtended(&stream, 0.1);
  WriteStreamString(&stream, "");
  WriteStreamWideString(&stream, u"ab");
  EXPECT_EQ(stream.Size(), 1 + 2 + 2 + 4 + 8 + 8 + 8 + 10 + 4 + 8);
  stream.SetPosition(0);
  EXPECT_EQ(ReadStreamByte(&stream), 0xAB);
  EXPECT_EQ(ReadStreamSmallInt(&stream), -2);
  EXPECT_EQ(ReadStreamWord(&stream), 65535);
  EXPECT_EQ(ReadStreamInteger(&stream), -3);
  EXPECT_EQ(ReadStreamInt64(&stream), INT64_MIN);
  EXPECT_EQ(ReadStreamCurrency(&stream).Raw(), 7);
  EXPECT_EQ(ReadStreamDateTime(&stream), 1.25);
  EXPECT_EQ(ReadStreamExtended(&stream), 0.1);
  EXPECT_EQ(ReadStreamString(&stream), "");
  EXPECT_EQ(ReadStreamWideString(&stream), u"ab");
  EXPECT_THROW(ReadStreamByte(&stream), EReadError);
}

}  // namespace
