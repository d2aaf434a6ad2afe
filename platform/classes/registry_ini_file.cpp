#include "platform/classes/registry_ini_file.h"

#include <algorithm>
#include <vector>

#include "platform/classes/publisher.h"
#include "platform/classes/stream.h"
#include "platform/classes/string_list.h"
#include "platform/core/int_text.h"

PR_IMPLEMENT_CLASS(TRegistryIniFile)

TRegistryIniFile::TRegistryIniFile(const std::string& FileName, REGSAM AAccess)
    : TCustomIniFile(FileName), registry_(AAccess) {
  registry_.OpenKey(FileName, true);
}

template <class Body>
bool TRegistryIniFile::InSection(const std::string& Section, bool create, Body body) {
  const std::string path = "\\" + registry_.CurrentPath() + (Section.empty() ? "" : "\\" + Section);
  const std::string home = "\\" + FileName();
  if (!registry_.OpenKey(path, create)) return false;
  try {
    body();
  } catch (...) {
    registry_.OpenKey(home, false);
    throw;
  }
  registry_.OpenKey(home, false);
  return true;
}

std::string TRegistryIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                         const std::string& Default) {
  std::string result = Default;
  InSection(Section, false, [&] {
    if (registry_.ValueExists(Ident)) result = registry_.ReadString(Ident);
  });
  return result;
}

void TRegistryIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  InSection(Section, true, [&] { registry_.WriteString(Ident, Value); });
}

Integer TRegistryIniFile::ReadInteger(const std::string& Section, const std::string& Ident, Integer Default) {
  Integer result = Default;
  InSection(Section, false, [&] {
    TRegDataInfo info;
    if (!registry_.GetDataInfo(Ident, info)) return;
    result = info.RegData == rdString ? StrToIntDef(registry_.ReadString(Ident), Default) : registry_.ReadInteger(Ident);
  });
  return result;
}

void TRegistryIniFile::WriteInteger(const std::string& Section, const std::string& Ident, Integer Value) {
  InSection(Section, true, [&] {
    if (registry_.GetDataType(Ident) == rdString) registry_.WriteString(Ident, IntToStr(Value));
    else registry_.WriteInteger(Ident, Value);
  });
}

double TRegistryIniFile::ReadFloat(const std::string& Section, const std::string& Ident, double Default) {
  double result = Default;
  InSection(Section, false, [&] {
    if (registry_.ValueExists(Ident)) result = registry_.ReadFloat(Ident);
  });
  return result;
}

void TRegistryIniFile::WriteFloat(const std::string& Section, const std::string& Ident, double Value) {
  InSection(Section, true, [&] { registry_.WriteFloat(Ident, Value); });
}

TDateTime TRegistryIniFile::ReadDate(const std::string& Section, const std::string& Ident, TDateTime Default) {
  return ReadFloat(Section, Ident, Default);
}
void TRegistryIniFile::WriteDate(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteFloat(Section, Ident, Value);
}
TDateTime TRegistryIniFile::ReadDateTime(const std::string& Section, const std::string& Ident, TDateTime Default) {
  return ReadFloat(Section, Ident, Default);
}
void TRegistryIniFile::WriteDateTime(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteFloat(Section, Ident, Value);
}
TDateTime TRegistryIniFile::ReadTime(const std::string& Section, const std::string& Ident, TDateTime Default) {
  return ReadFloat(Section, Ident, Default);
}
void TRegistryIniFile::WriteTime(const std::string& Section, const std::string& Ident, TDateTime Value) {
  WriteFloat(Section, Ident, Value);
}

Integer TRegistryIniFile::ReadBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value) {
  Integer count = 0;
  InSection(Section, false, [&] {
    const Integer size = registry_.GetDataSize(Ident);
    if (size <= 0) return;
    std::vector<Byte> data(static_cast<std::size_t>(size));
    count = registry_.ReadBinaryData(Ident, data.data(), size);
    Value->WriteBuffer(data.data(), count);
  });
  return count;
}

void TRegistryIniFile::WriteBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value) {
  std::vector<Byte> data(static_cast<std::size_t>(Value->Size() - Value->Position()));
  Value->ReadBuffer(data.data(), static_cast<Integer>(data.size()));
  InSection(Section, true, [&] { registry_.WriteBinaryData(Ident, data.data(), static_cast<Integer>(data.size())); });
}

void TRegistryIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  Strings->Clear();
  InSection(Section, false, [&] { registry_.GetValueNames(Strings); });
}

void TRegistryIniFile::ReadSections(TStrings* Strings) { registry_.GetKeyNames(Strings); }

void TRegistryIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  Strings->Clear();
  InSection(Section, false, [&] {
    TStringList names;
    registry_.GetValueNames(&names);
    for (Integer i = 0; i < names.Count(); ++i) Strings->Add(names.Strings(i) + "=" + ValueText(names.Strings(i)));
  });
}

std::string TRegistryIniFile::ValueText(const std::string& Name) {
  switch (registry_.GetDataType(Name)) {
    case rdString: case rdExpandString: return registry_.ReadString(Name);
    case rdInteger: return IntToStr(registry_.ReadInteger(Name));
    default: {
      std::vector<Byte> data(static_cast<std::size_t>(std::max(registry_.GetDataSize(Name), 0)));
      registry_.ReadBinaryData(Name, data.data(), static_cast<Integer>(data.size()));
      std::string hex;
      for (Byte b : data) hex += IntToHex(b, 2);
      return hex;
    }
  }
}

void TRegistryIniFile::EraseSection(const std::string& Section) { registry_.DeleteKey(Section); }

void TRegistryIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  InSection(Section, false, [&] { registry_.DeleteValue(Ident); });
}
