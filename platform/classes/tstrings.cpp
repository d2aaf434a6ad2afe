#include "platform/classes/tstrings.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/file_stream.h"
#include "platform/classes/filer.h"
#include "platform/classes/publisher.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/format.h"
#include "platform/os/collation.h"

PR_IMPLEMENT_CLASS(TStrings)

namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

class UpdateScope {
 public:
  explicit UpdateScope(TStrings& strings) : strings_(strings) { strings_.BeginUpdate(); }
  ~UpdateScope() { strings_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  TStrings& strings_;
};

}  // namespace

void TStrings::Error(const char* Message, Integer Data) const { throw EStringListError(Format(Message, {Data})); }

Integer TStrings::Add(const std::string& S) {
  const Integer index = GetCount();
  Insert(index, S);
  return index;
}

Integer TStrings::AddObject(const std::string& S, TObject* AObject) {
  const Integer index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TStrings::AddStrings(TStrings* Strings) {
  UpdateScope update(*this);
  for (Integer i = 0; i < Strings->Count(); ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  UpdateScope update(*this);
  Clear();
  AddStrings(source);
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  --updateCount_;
  if (updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Exchange(Integer Index1, Integer Index2) {
  UpdateScope update(*this);
  const std::string s = Get(Index1);
  TObject* o = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s);
  PutObject(Index2, o);
}

bool TStrings::Equals(const TStrings* Strings) const {
  if (Strings->Count() != Count()) return false;
  for (Integer i = 0; i < Count(); ++i)
    if (Get(i) != Strings->Get(i)) return false;
  return true;
}

Integer TStrings::CompareStrings(const std::string& S1, const std::string& S2) const { return AnsiCompareText(S1, S2); }

Integer TStrings::IndexOf(const std::string& S) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

Integer TStrings::IndexOfName(const std::string& Name) const {
  for (Integer i = 0; i < GetCount(); ++i) {
    const std::string s = Get(i);
    const std::size_t p = s.find(nameValueSeparator_);
    if (p != std::string::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

Integer TStrings::IndexOfObject(const TObject* AObject) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

void TStrings::InsertObject(Integer Index, const std::string& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  UpdateScope update(*this);
  const std::string s = Get(CurIndex);
  TObject* o = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
}

TObject* TStrings::GetObject(Integer) const { return nullptr; }
void TStrings::PutObject(Integer, TObject*) {}

void TStrings::Put(Integer Index, const std::string& S) {
  TObject* o = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, o);
}

std::string TStrings::Text() const {
  std::string text;
  for (Integer i = 0; i < GetCount(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(const std::string& Value) {
  UpdateScope update(*this);
  Clear();
  std::size_t p = 0;
  while (p < Value.size()) {
    const std::size_t end = Value.find_first_of("\r\n", p);
    const std::size_t stop = end == std::string::npos ? Value.size() : end;
    Add(Value.substr(p, stop - p));
    p = stop;
    if (p < Value.size() && Value[p] == '\r') ++p;
    if (p < Value.size() && Value[p] == '\n') ++p;
  }
}

std::string TStrings::DelimitedText() const {
  const Integer count = GetCount();
  if (count == 1 && Get(0).empty()) return std::string(2, quoteChar_);
  std::string text;
  for (Integer i = 0; i < count; ++i) {
    const std::string s = Get(i);
    bool quote = false;
    for (char c : s) quote = quote || IsBlankOrControl(c) || c == quoteChar_ || c == delimiter_;
    if (i > 0) text += delimiter_;
    text += quote ? AnsiQuotedStr(s, quoteChar_) : s;
  }
  return text;
}

void TStrings::SetDelimitedText(const std::string& Value) {
  UpdateScope update(*this);
  Clear();
  const std::string_view all(Value);
  std::size_t p = 0;
  auto skipBlanks = [&] {
    while (p < all.size() && IsBlankOrControl(all[p])) ++p;
  };
  skipBlanks();
  while (p < all.size()) {
    if (all[p] == quoteChar_) {
      std::string_view rest = all.substr(p);
      Add(AnsiExtractQuotedStr(rest, quoteChar_));
      p = all.size() - rest.size();
    } else {
      const std::size_t start = p;
      while (p < all.size() && !IsBlankOrControl(all[p]) && all[p] != delimiter_) ++p;
      Add(std::string(all.substr(start, p - start)));
    }
    skipBlanks();
    if (p < all.size() && all[p] == delimiter_) {
      if (p + 1 == all.size()) Add("");
      ++p;
      skipBlanks();
    }
  }
}

std::string TStrings::CommaText() const {
  TStrings& self = const_cast<TStrings&>(*this);
  const char delimiter = delimiter_, quote = quoteChar_;
  self.delimiter_ = ',';
  self.quoteChar_ = '"';
  std::string text = DelimitedText();
  self.delimiter_ = delimiter;
  self.quoteChar_ = quote;
  return text;
}

void TStrings::SetCommaText(const std::string& Value) {
  const char delimiter = delimiter_, quote = quoteChar_;
  delimiter_ = ',';
  quoteChar_ = '"';
  try {
    SetDelimitedText(Value);
  } catch (...) {
    delimiter_ = delimiter;
    quoteChar_ = quote;
    throw;
  }
  delimiter_ = delimiter;
  quoteChar_ = quote;
}

std::string TStrings::ExtractName(const std::string& S) const {
  const std::size_t p = S.find(nameValueSeparator_);
  return p == std::string::npos ? std::string() : S.substr(0, p);
}

std::string TStrings::Names(Integer Index) const { return ExtractName(Get(Index)); }

std::string TStrings::Values(const std::string& Name) const {
  const Integer i = IndexOfName(Name);
  return i < 0 ? std::string() : Copy(Get(i), static_cast<Integer>(Name.size()) + 2, INT32_MAX);
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
  Integer i = IndexOfName(Name);
  if (!Value.empty()) {
    if (i < 0) i = Add("");
    Put(i, Name + nameValueSeparator_ + Value);
  } else if (i >= 0) {
    Delete(i);
  }
}

std::string TStrings::ValueFromIndex(Integer Index) const {
  if (Index < 0) return {};
  return Copy(Get(Index), static_cast<Integer>(Names(Index).size()) + 2, INT32_MAX);
}

void TStrings::SetValueFromIndex(Integer Index, const std::string& Value) {
  if (!Value.empty()) {
    if (Index < 0) Index = Add("");
    Put(Index, Names(Index) + nameValueSeparator_ + Value);
  } else if (Index >= 0) {
    Delete(Index);
  }
}

void TStrings::LoadFromStream(TStream* Stream) {
  const Int64 size = Stream->Size() - Stream->Position();
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  Stream->ReadBuffer(text.data(), static_cast<Integer>(text.size()));
  SetText(text);
}

void TStrings::SaveToStream(TStream* Stream) {
  const std::string text = Text();
  Stream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

void TStrings::LoadFromFile(std::string_view FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TStrings::SaveToFile(std::string_view FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

void TStrings::DefineProperties(TFiler* Filer) {
  bool hasData = Count() > 0;
  if (Filer->Ancestor() != nullptr) {
    auto* ancestor = dynamic_cast<const TStrings*>(Filer->Ancestor());
    hasData = ancestor == nullptr || !Equals(ancestor);
  }
  Filer->DefineProperty(
      "Strings",
      [this](TReader* reader) {
        reader->ReadListBegin();
        {
          UpdateScope update(*this);
          Clear();
          while (!reader->EndOfList()) Add(reader->ReadString());
        }
        reader->ReadListEnd();
      },
      [this](TWriter* writer) {
        writer->WriteListBegin();
        for (Integer i = 0; i < Count(); ++i) writer->WriteString(Get(i));
        writer->WriteListEnd();
      },
      hasData);
}
