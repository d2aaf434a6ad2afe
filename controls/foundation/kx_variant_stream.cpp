#include "controls/foundation/kx_variant_stream.h"

#include <bit>
#include <cstring>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/core/extended80.h"

static_assert(std::endian::native == std::endian::little, "stream values are written in host order");

namespace {

enum Tag : Byte {
  tagNull = 0, tagArray = 1, tagInt8 = 2, tagInt16 = 3, tagInt32 = 4, tagExtended = 5, tagString = 6,
  tagFalse = 8, tagTrue = 9, tagLongString = 12, tagEmpty = 13, tagSingle = 15, tagCurrency = 16, tagDate = 17,
  tagWideString = 18, tagInt64 = 19
};

[[noreturn]] void RaiseReadError() { throw EReadError(classes_text::kReadError); }
[[noreturn]] void RaiseWriteError() { throw EWriteError(classes_text::kWriteError); }

template <class T>
void WriteValue(TStream* stream, T value) {
  stream->WriteBuffer(&value, Integer(sizeof value));
}

template <class T>
T ReadValue(TStream* stream) {
  T value;
  stream->ReadBuffer(&value, Integer(sizeof value));
  return value;
}

Int64 BytesLeft(TStream* stream) { return stream->Size() - stream->Position(); }

// A length or count of items of itemSize bytes each must fit in what the stream still holds.
Integer CheckedLength(TStream* stream, Integer length, Int64 itemSize) {
  if (length < 0 || Int64(length) * itemSize > BytesLeft(stream)) RaiseReadError();
  return length;
}

void WriteTag(TStream* stream, Tag tag) { WriteStreamByte(stream, tag); }

void WriteIntegerValue(TStream* stream, Int64 v) {
  if (v >= -128 && v <= 127) {
    WriteTag(stream, tagInt8);
    WriteValue<ShortInt>(stream, ShortInt(v));
  } else if (v >= -32768 && v <= 32767) {
    WriteTag(stream, tagInt16);
    WriteStreamSmallInt(stream, SmallInt(v));
  } else if (v < INT32_MIN || v > INT32_MAX) {
    WriteTag(stream, tagInt64);
    WriteStreamInt64(stream, v);
  } else {
    WriteTag(stream, tagInt32);
    WriteStreamInteger(stream, Integer(v));
  }
}

void WriteText(TStream* stream, const std::string& text) {
  if (text.size() > 255) {
    WriteTag(stream, tagLongString);
    WriteStreamString(stream, text);
  } else {
    WriteTag(stream, tagString);
    WriteStreamByte(stream, Byte(text.size()));
    stream->WriteBuffer(text.data(), Integer(text.size()));
  }
}

void WriteVariant(TStream* stream, const Variant& v, Integer depth);

// Arrays nested deeper than a reader accepts are refused here too, so what is written reads back.
void WriteArray(TStream* stream, const Variant& v, Integer depth) {
  if (VarArrayDimCount(v) != 1 || depth >= kMaxVariantArrayNesting) RaiseWriteError();
  const Integer low = VarArrayLowBound(v, 1), high = VarArrayHighBound(v, 1);
  WriteTag(stream, tagArray);
  WriteIntegerValue(stream, Int64(high) - low + 1);
  for (Integer i = low; i <= high; ++i) WriteVariant(stream, v.Get({i}), depth + 1);
}

// A value of a type the encoding has no tag for: a time stamp as its date, anything else as text.
void WriteOther(TStream* stream, const Variant& v) {
  try {
    if (v.VarType() == varSQLTimeStamp) {
      WriteTag(stream, tagDate);
      WriteStreamDateTime(stream, v.AsDateTime());
    } else {
      WriteText(stream, v.AsString());
    }
  } catch (const EVariantError&) {
    RaiseWriteError();
  } catch (const EConvertError&) {
    RaiseWriteError();
  }
}

Int64 ReadIntegerOfTag(TStream* stream, Byte tag) {
  switch (tag) {
    case tagInt8: return ReadValue<ShortInt>(stream);
    case tagInt16: return ReadStreamSmallInt(stream);
    case tagInt32: return ReadStreamInteger(stream);
    default: return ReadStreamInt64(stream);
  }
}

Variant ReadVariant(TStream* stream, Integer depth);

// Every element takes at least its tag byte, so a count beyond the bytes left cannot be true.
Variant ReadArray(TStream* stream, Integer depth) {
  if (depth >= kMaxVariantArrayNesting) RaiseReadError();
  const Int64 count = ReadIntegerOfTag(stream, ReadStreamByte(stream));
  if (count < 0 || count > INT32_MAX || count > BytesLeft(stream)) RaiseReadError();
  Variant array = VarArrayCreate({{0, Integer(count - 1)}}, varVariant);
  for (Integer i = 0; i < Integer(count); ++i) array.Put({i}, ReadVariant(stream, depth + 1));
  return array;
}

std::string ReadBytes(TStream* stream, Integer length) {
  std::string text(std::size_t(length), '\0');
  stream->ReadBuffer(text.data(), length);
  return text;
}

Variant ReadVariant(TStream* stream, Integer depth) {
  const Byte tag = ReadStreamByte(stream);
  switch (tag) {
    case tagNull: return Null();
    case tagArray: return ReadArray(stream, depth);
    case tagInt8: return Variant::FromInteger(varShortInt, ReadIntegerOfTag(stream, tag));
    case tagInt16: return Variant::FromInteger(varSmallint, ReadIntegerOfTag(stream, tag));
    case tagInt32: return Variant(ReadStreamInteger(stream));
    case tagExtended: return Variant(ReadStreamExtended(stream));
    case tagString: return Variant(ReadBytes(stream, ReadStreamByte(stream)));
    case tagFalse: return Variant(false);
    case tagTrue: return Variant(true);
    case tagLongString: return Variant(ReadStreamString(stream));
    case tagEmpty: return Unassigned();
    case tagSingle: return Variant(ReadValue<float>(stream));
    case tagCurrency: return Variant(ReadStreamCurrency(stream));
    case tagDate: return Variant::FromDateTime(ReadStreamDateTime(stream));
    case tagWideString: return Variant(ReadStreamWideString(stream));
    case tagInt64: return Variant::FromInteger(varInt64, ReadStreamInt64(stream));
    default: RaiseReadError();
  }
}

void WriteVariant(TStream* Stream, const Variant& V, Integer depth) {
  if (V.IsArray()) return WriteArray(Stream, V, depth);
  const TVarType type = V.VarType();
  switch (type) {
    case varEmpty: return WriteTag(Stream, tagEmpty);
    case varNull: return WriteTag(Stream, tagNull);
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord:
    case varInt64:
      return WriteIntegerValue(Stream, V.AsInt64());
    case varSingle:
      WriteTag(Stream, tagSingle);
      return WriteValue<float>(Stream, float(V.AsDouble()));
    case varDouble:
      WriteTag(Stream, tagExtended);
      return WriteStreamExtended(Stream, V.AsDouble());
    case varCurrency:
      WriteTag(Stream, tagCurrency);
      return WriteStreamCurrency(Stream, V.AsCurrency());
    case varDate:
      WriteTag(Stream, tagDate);
      return WriteStreamDateTime(Stream, V.AsDateTime());
    case varOleStr:
      WriteTag(Stream, tagWideString);
      return WriteStreamWideString(Stream, V.AsWideString());
    case varBoolean: return WriteTag(Stream, V.AsBoolean() ? tagTrue : tagFalse);
    case varString: return WriteText(Stream, V.AsString());
    default: return WriteOther(Stream, V);
  }
}

}  // namespace

void WriteStreamVariant(TStream* Stream, const Variant& V) { WriteVariant(Stream, V, 0); }

Variant ReadStreamVariant(TStream* Stream) { return ReadVariant(Stream, 0); }

void WriteStreamString(TStream* Stream, const std::string& S) {
  WriteStreamInteger(Stream, Integer(S.size()));
  Stream->WriteBuffer(S.data(), Integer(S.size()));
}

std::string ReadStreamString(TStream* Stream) {
  return ReadBytes(Stream, CheckedLength(Stream, ReadStreamInteger(Stream), 1));
}

void WriteStreamWideString(TStream* Stream, const std::u16string& S) {
  WriteStreamInteger(Stream, Integer(S.size()));
  for (char16_t c : S) WriteStreamWord(Stream, Word(c));
}

std::u16string ReadStreamWideString(TStream* Stream) {
  const Integer count = CheckedLength(Stream, ReadStreamInteger(Stream), 2);
  std::u16string text(std::size_t(count), u'\0');
  for (char16_t& c : text) c = char16_t(ReadStreamWord(Stream));
  return text;
}

void WriteStreamByte(TStream* Stream, Byte Value) { WriteValue(Stream, Value); }
Byte ReadStreamByte(TStream* Stream) { return ReadValue<Byte>(Stream); }
void WriteStreamSmallInt(TStream* Stream, SmallInt Value) { WriteValue(Stream, Value); }
SmallInt ReadStreamSmallInt(TStream* Stream) { return ReadValue<SmallInt>(Stream); }
void WriteStreamWord(TStream* Stream, Word Value) { WriteValue(Stream, Value); }
Word ReadStreamWord(TStream* Stream) { return ReadValue<Word>(Stream); }
void WriteStreamInteger(TStream* Stream, Integer Value) { WriteValue(Stream, Value); }
Integer ReadStreamInteger(TStream* Stream) { return ReadValue<Integer>(Stream); }
void WriteStreamInt64(TStream* Stream, Int64 Value) { WriteValue(Stream, Value); }
Int64 ReadStreamInt64(TStream* Stream) { return ReadValue<Int64>(Stream); }
void WriteStreamCurrency(TStream* Stream, Currency Value) { WriteValue(Stream, Value.Raw()); }
Currency ReadStreamCurrency(TStream* Stream) { return Currency::FromRaw(ReadValue<Int64>(Stream)); }
void WriteStreamDateTime(TStream* Stream, TDateTime Value) { WriteValue(Stream, Value); }
TDateTime ReadStreamDateTime(TStream* Stream) { return ReadValue<double>(Stream); }

void WriteStreamExtended(TStream* Stream, double Value) {
  const Extended80 extended = DoubleToExtended80(Value);
  Stream->WriteBuffer(extended.bytes.data(), Integer(Extended80::kSize));
}

double ReadStreamExtended(TStream* Stream) {
  Extended80 extended;
  Stream->ReadBuffer(extended.bytes.data(), Integer(Extended80::kSize));
  return Extended80ToDouble(extended);
}
