// TStrings: the class library's abstract list of strings with attached objects.
//
// Texts are code page 874 bytes.  Text joins the strings with CR LF after each and splits on CR
// LF, LF or CR.  DelimitedText joins with Delimiter and quotes (QuoteChar, doubled inside) every
// string that holds a blank, a control byte, the quote or the delimiter; it splits at the
// delimiter and at blanks outside quotes.  CommaText is DelimitedText with ',' and '"'.
// "Name=Value" strings are reached through Names, Values, ValueFromIndex and IndexOfName (the
// separator is NameValueSeparator).  Comparisons use CompareStrings (locale-aware, ignoring case
// here).  BeginUpdate/EndUpdate nest; SetUpdateState hears the outermost pair.  A string list
// streams as the defined property "Strings", a list of strings.
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/persistent.h"

class TStream;

class TStrings : public TPersistent {
  PR_CLASS(TStrings, TPersistent)

 public:
  TStrings() = default;

  virtual Integer Add(const std::string& S);
  virtual Integer AddObject(const std::string& S, TObject* AObject);
  void Append(const std::string& S) { Add(S); }
  virtual void AddStrings(TStrings* Strings);
  void Assign(TPersistent* Source) override;
  void BeginUpdate();
  void EndUpdate();
  virtual void Clear() = 0;
  virtual void Delete(Integer Index) = 0;
  virtual void Exchange(Integer Index1, Integer Index2);
  bool Equals(const TStrings* Strings) const;
  virtual Integer IndexOf(const std::string& S) const;
  Integer IndexOfName(const std::string& Name) const;
  Integer IndexOfObject(const TObject* AObject) const;
  virtual void Insert(Integer Index, const std::string& S) = 0;
  void InsertObject(Integer Index, const std::string& S, TObject* AObject);
  virtual void Move(Integer CurIndex, Integer NewIndex);
  virtual void LoadFromStream(TStream* Stream);   // from the stream's position to its end
  virtual void SaveToStream(TStream* Stream);
  void LoadFromFile(std::string_view FileName);
  void SaveToFile(std::string_view FileName);

  Integer Count() const { return GetCount(); }
  std::string Strings(Integer Index) const { return Get(Index); }
  void SetStrings(Integer Index, const std::string& S) { Put(Index, S); }
  TObject* Objects(Integer Index) const { return GetObject(Index); }
  void SetObjects(Integer Index, TObject* AObject) { PutObject(Index, AObject); }
  virtual std::string Text() const;
  virtual void SetText(const std::string& Value);
  std::string CommaText() const;
  void SetCommaText(const std::string& Value);
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& Value);
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char Value) { delimiter_ = Value; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char Value) { quoteChar_ = Value; }
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char Value) { nameValueSeparator_ = Value; }
  std::string Names(Integer Index) const;
  std::string Values(const std::string& Name) const;
  void SetValues(const std::string& Name, const std::string& Value);
  std::string ValueFromIndex(Integer Index) const;
  void SetValueFromIndex(Integer Index, const std::string& Value);
  virtual Integer Capacity() const { return Count(); }
  virtual void SetCapacity(Integer) {}
  Integer UpdateCount() const { return updateCount_; }

 protected:
  virtual std::string Get(Integer Index) const = 0;
  virtual Integer GetCount() const = 0;
  virtual TObject* GetObject(Integer Index) const;
  virtual void Put(Integer Index, const std::string& S);
  virtual void PutObject(Integer Index, TObject* AObject);
  virtual void SetUpdateState(bool Updating);
  virtual Integer CompareStrings(const std::string& S1, const std::string& S2) const;
  void DefineProperties(TFiler* Filer) override;
  [[noreturn]] void Error(const char* Message, Integer Data) const;

 private:
  std::string ExtractName(const std::string& S) const;
  Integer updateCount_ = 0;
  char delimiter_ = ',';
  char quoteChar_ = '"';
  char nameValueSeparator_ = '=';
};
