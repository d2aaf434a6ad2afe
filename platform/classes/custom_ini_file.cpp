#include "platform/classes/custom_ini_file.h"

#include "platform/classes/memory_stream.h"
#include "platform/classes/publisher.h"
#include "platform/classes/string_list.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_text.h"
#include "platform/core/float_text.h"
#include "platform/core/int_text.h"

PR_IMPLEMENT_CLASS(TCustomIniFile)

namespace {

// The stored text converted by tryConvert, or the default when missing or not convertible.
template <class T, class Try>
T ReadConverted(TCustomIniFile& ini, const std::string& section, const std::string& ident, T def, Try tryConvert) {
  const std::string text = ini.ReadString(section, ident, "");
  T value = def;
  if (text.empty() || !tryConvert(text, value)) return def;
  return value;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool TCustomIniFile::SectionExists(const std::string& Section) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.IndexOf(Ident) >= 0;
}

Integer TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident, Integer Default) {
  std::string text = ReadString(Section, Ident, "");
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  return StrToIntDef(text, Default);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident, Integer Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& Section, const std::string& Ident, double Default) {
  return ReadConverted(*this, Section, Ident, Default,
                       [](const std::string& s, double& v) { return TryStrToFloat(s, v); });
}

void TCustomIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TCustomIniFile::ReadDate(const std::string& Section, const std::string& Ident, TDateTime Default) {
  return ReadConverted(*this, Section, Ident, Default,
                       [](const std::string& s, TDateTime& v) { return TryStrToDate(s, v); });
}

void TCustomIniFile::WriteDate(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TCustomIniFile::ReadDateTime(const std::string& Section, const std::string& Ident, TDateTime Default) {
  return ReadConverted(*this, Section, Ident, Default,
                       [](const std::string& s, TDateTime& v) { return TryStrToDateTime(s, v); });
}

void TCustomIniFile::WriteDateTime(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

TDateTime TCustomIniFile::ReadTime(const std::string& Section, const std::string& Ident, TDateTime Default) {
  return ReadConverted(*this, Section, Ident, Default,
                       [](const std::string& s, TDateTime& v) { return TryStrToTime(s, v); });
}

void TCustomIniFile::WriteTime(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

Integer TCustomIniFile::ReadBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value) {
  const std::string text = ReadString(Section, Ident, "");
  std::string bytes;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    const int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) break;
    bytes += static_cast<char>(high << 4 | low);
  }
  Value->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  return static_cast<Integer>(bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  Byte buffer[4096];
  for (Integer n; (n = Value->Read(buffer, sizeof buffer)) > 0;) {
    for (Integer i = 0; i < n; ++i) {
      text += kHex[buffer[i] >> 4];
      text += kHex[buffer[i] & 15];
    }
  }
  WriteString(Section, Ident, text);
}
