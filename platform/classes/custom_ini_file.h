// TCustomIniFile: the class library's settings store of sections and keys, whatever it is kept in.
//
// Descendants provide strings and the section operations; the typed reads and writes here go
// through ReadString/WriteString as the class library's do: integers as decimal text (read also
// "0x" hexadecimal), Booleans as "0"/"1" (any non-zero integer reads True), floats, dates and times
// in the current regional settings, binary data as upper-case hexadecimal pairs.  A read of a
// missing key, or of a text that does not convert, gives the default.
#pragma once

#include <string>

#include "platform/classes/object.h"

class TStream;
class TStrings;

class TCustomIniFile : public TObject {
  PR_CLASS(TCustomIniFile, TObject)

 public:
  explicit TCustomIniFile(std::string FileName) : fileName_(std::move(FileName)) {}

  const std::string& FileName() const { return fileName_; }
  virtual bool SectionExists(const std::string& Section);
  virtual bool ValueExists(const std::string& Section, const std::string& Ident);

  virtual std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) = 0;
  virtual void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) = 0;
  virtual Integer ReadInteger(const std::string& Section, const std::string& Ident, Integer Default);
  virtual void WriteInteger(const std::string& Section, const std::string& Ident, Integer Value);
  virtual bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
  virtual void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
  virtual double ReadFloat(const std::string& Section, const std::string& Ident, double Default);
  virtual void WriteFloat(const std::string& Section, const std::string& Ident, double Value);
  virtual TDateTime ReadDate(const std::string& Section, const std::string& Ident, TDateTime Default);
  virtual void WriteDate(const std::string& Section, const std::string& Ident, TDateTime Value);
  virtual TDateTime ReadDateTime(const std::string& Section, const std::string& Ident, TDateTime Default);
  virtual void WriteDateTime(const std::string& Section, const std::string& Ident, TDateTime Value);
  virtual TDateTime ReadTime(const std::string& Section, const std::string& Ident, TDateTime Default);
  virtual void WriteTime(const std::string& Section, const std::string& Ident, TDateTime Value);
  // Appends the stored bytes to Value (from its position); answers how many.
  virtual Integer ReadBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value);
  // Stores Value's bytes from its position to its end.
  virtual void WriteBinaryStream(const std::string& Section, const std::string& Ident, TStream* Value);

  virtual void ReadSection(const std::string& Section, TStrings* Strings) = 0;   // the keys
  virtual void ReadSections(TStrings* Strings) = 0;
  virtual void ReadSectionValues(const std::string& Section, TStrings* Strings) = 0;   // "key=value"
  virtual void EraseSection(const std::string& Section) = 0;
  virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
  virtual void UpdateFile() = 0;

 private:
  std::string fileName_;
};
