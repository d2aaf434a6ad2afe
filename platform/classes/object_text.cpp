#include "platform/classes/object_text.h"

#include <charconv>

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/parser.h"
#include "platform/classes/reader.h"
#include "platform/classes/writer.h"
#include "platform/core/currency.h"
#include "platform/core/extended80.h"
#include "platform/core/extended80_text.h"
#include "platform/core/int_text.h"

namespace {

constexpr int kLineLength = 64;        // string pieces and binary lines
constexpr int kBytesPerLine = 32;
constexpr int kMaxNesting = 200;       // deep enough for any form; protects the stack
constexpr std::size_t kFlushSize = 4096;

// A float's text always shows it is one: "2" would read back as an integer.
std::string MarkAsFloat(std::string text) {
  if (text.find_first_of(".eENI") == std::string::npos) text += ".0";
  return text;
}

template <class T>
std::string ShortestText(T value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return MarkAsFloat(std::string(buffer, result.ptr));
}

class BinaryToText {
 public:
  BinaryToText(TStream* input, TStream* output) : reader_(input, 4096), output_(output) {}

  void Run() {
    reader_.ReadSignature();
    ConvertObject();
    Flush();
  }

 private:
  // The text goes out a few KB at a time: lines are short, so text_ stays small however large
  // the image is.
  void Flush() {
    output_->WriteBuffer(text_.data(), static_cast<Integer>(text_.size()));
    text_.clear();
  }
  void Write(std::string_view s) { text_ += s; }
  void Indent() { text_.append(static_cast<std::size_t>(nesting_) * 2, ' '); }
  void NewLine() {
    if (text_.size() >= kFlushSize) Flush();
    Write("\r\n");
    Indent();
  }
  void Enter() {
    if (++nesting_ > kMaxNesting) throw EReadError(classes_text::kInvalidImage);
  }
  void Leave() { --nesting_; }

  void ConvertHeader() {
    TFilerFlags flags;
    Integer position = 0;
    reader_.ReadPrefix(flags, position);
    const std::string className = reader_.ReadStr();
    const std::string objectName = reader_.ReadStr();
    Indent();
    Write(flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ");
    if (!objectName.empty()) {
      Write(objectName);
      Write(": ");
    }
    Write(className);
    if (flags.Contains(ffChildPos)) Write(" [" + IntToStr(position) + "]");
    Write("\r\n");
  }

  void ConvertObject() {
    ConvertHeader();
    Enter();
    while (!reader_.EndOfList()) ConvertProperty();
    reader_.ReadListEnd();
    while (!reader_.EndOfList()) ConvertObject();
    reader_.ReadListEnd();
    Leave();
    Indent();
    Write("end\r\n");
  }

  void ConvertProperty() {
    Indent();
    Write(reader_.ReadStr());
    Write(" = ");
    ConvertValue();
    Write("\r\n");
  }

  // Quoted runs of printable characters and #n codes for the others, in pieces of at most 64.
  template <class Text, class IsPlain, class Emit>
  void ConvertText(const Text& s, IsPlain isPlain, Emit emit) {
    if (s.empty()) {
      Write("''");
      return;
    }
    Enter();
    const std::size_t length = s.size();
    if (length > kLineLength) NewLine();
    std::size_t i = 0, pieceStart = 0;
    while (i < length) {
      bool lineBreak = false;
      if (isPlain(s[i])) {
        const std::size_t j = i;
        do ++i;
        while (i < length && isPlain(s[i]) && i - pieceStart < kLineLength);
        lineBreak = i - pieceStart >= kLineLength;
        Write("'");
        for (std::size_t k = j; k < i; ++k) emit(s[k]);
        Write("'");
      } else {
        Write("#");
        Write(IntToStr(static_cast<Int64>(static_cast<std::make_unsigned_t<typename Text::value_type>>(s[i]))));
        ++i;
        lineBreak = i - pieceStart >= kLineLength;
      }
      if (lineBreak && i < length) {
        Write(" +");
        NewLine();
        pieceStart = i;
      }
    }
    Leave();
  }

  void ConvertString() {
    ConvertText(
        reader_.ReadString(), [](char c) { return static_cast<unsigned char>(c) >= ' ' && c != '\''; },
        [this](char c) { text_ += c; });
  }

  void ConvertWideString() {
    ConvertText(
        reader_.ReadWideString(), [](char16_t c) { return c >= u' ' && c != u'\'' && c <= 127; },
        [this](char16_t c) { text_ += static_cast<char>(c); });
  }

  void ConvertBinary() {
    reader_.ReadValue();
    Byte countBytes[4];
    reader_.Read(countBytes, 4);
    Integer count = static_cast<Integer>(countBytes[0] | countBytes[1] << 8 | countBytes[2] << 16 |
                                         static_cast<Cardinal>(countBytes[3]) << 24);
    if (count < 0) throw EReadError(classes_text::kReadError);
    Write("{");
    Enter();
    const bool multiLine = count >= kBytesPerLine;
    static constexpr char kHex[] = "0123456789ABCDEF";
    Byte buffer[kBytesPerLine];
    while (count > 0) {
      if (multiLine) NewLine();
      const Integer n = count < kBytesPerLine ? count : kBytesPerLine;
      reader_.Read(buffer, n);
      for (Integer k = 0; k < n; ++k) {
        text_ += kHex[buffer[k] >> 4];
        text_ += kHex[buffer[k] & 15];
      }
      count -= n;
    }
    Leave();
    Write("}");
  }

  void ConvertCollection() {
    reader_.ReadValue();
    Write("<");
    Enter();
    while (!reader_.EndOfList()) {
      NewLine();
      Write("item");
      const TValueType next = reader_.NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
        Write(" [");
        ConvertValue();
        Write("]");
      }
      Write("\r\n");
      reader_.CheckValue(vaList);
      Enter();
      while (!reader_.EndOfList()) ConvertProperty();
      reader_.ReadListEnd();
      Leave();
      Indent();
      Write("end");
    }
    reader_.ReadListEnd();
    Leave();
    Write(">");
  }

  void ConvertValue() {
    switch (reader_.NextValue()) {
      case vaList:
        reader_.ReadValue();
        Write("(");
        Enter();
        while (!reader_.EndOfList()) {
          NewLine();
          ConvertValue();
        }
        reader_.ReadListEnd();
        Leave();
        Write(")");
        break;
      case vaInt8: case vaInt16: case vaInt32: Write(IntToStr(reader_.ReadInteger())); break;
      case vaInt64: Write(IntToStr(reader_.ReadInt64())); break;
      case vaExtended: Write(MarkAsFloat(Extended80ToText(reader_.ReadExtended()))); break;
      case vaSingle: Write(ShortestText(reader_.ReadSingle()) + "s"); break;
      case vaCurrency: Write(IntToStr(reader_.ReadCurrency().Raw()) + "c"); break;
      case vaDate: Write(ShortestText(reader_.ReadDate()) + "d"); break;
      case vaString: case vaLString: ConvertString(); break;
      case vaWString: case vaUTF8String: ConvertWideString(); break;
      case vaIdent: case vaFalse: case vaTrue: case vaNil: case vaNull: Write(reader_.ReadIdent()); break;
      case vaBinary: ConvertBinary(); break;
      case vaSet: {
        reader_.ReadValue();
        Write("[");
        bool first = true;
        for (std::string name = reader_.ReadStr(); !name.empty(); name = reader_.ReadStr()) {
          if (!first) Write(", ");
          Write(name);
          first = false;
        }
        Write("]");
        break;
      }
      case vaCollection: ConvertCollection(); break;
    }
  }

  TReader reader_;
  TStream* output_;
  std::string text_;
  int nesting_ = 0;
};

class TextToBinary {
 public:
  TextToBinary(TStream* input, TStream* output) : parser_(input), writer_(output, 4096) {}

  void Run() {
    writer_.WriteSignature();
    ConvertObject();
    writer_.FlushBuffer();
  }

 private:
  class Nesting {
   public:
    explicit Nesting(TextToBinary& owner) : owner_(owner) {
      if (++owner_.nesting_ > kMaxNesting) owner_.parser_.Error(classes_text::kInvalidImage);
    }
    ~Nesting() { --owner_.nesting_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    TextToBinary& owner_;
  };

  Integer ConvertOrderModifier() {
    if (parser_.Token() != '[') return -1;
    parser_.NextToken();
    parser_.CheckToken(toInteger);
    const auto order = static_cast<Integer>(parser_.TokenInt());
    parser_.NextToken();
    parser_.CheckToken(']');
    parser_.NextToken();
    return order;
  }

  void ConvertHeader(bool isInherited, bool isInline) {
    parser_.CheckToken(toSymbol);
    std::string className = parser_.TokenString();
    std::string objectName;
    if (parser_.NextToken() == ':') {
      parser_.NextToken();
      parser_.CheckToken(toSymbol);
      objectName = className;
      className = parser_.TokenString();
      parser_.NextToken();
    }
    TFilerFlags flags;
    const Integer position = ConvertOrderModifier();
    if (isInherited) flags.Include(ffInherited);
    if (isInline) flags.Include(ffInline);
    if (position >= 0) flags.Include(ffChildPos);
    writer_.WritePrefix(flags, position);
    writer_.WriteStr(className);
    writer_.WriteStr(objectName);
  }

  bool AtObjectStart() const {
    return parser_.TokenSymbolIs("OBJECT") || parser_.TokenSymbolIs("INHERITED") || parser_.TokenSymbolIs("INLINE");
  }

  void ConvertObject() {
    Nesting guard(*this);
    const bool isInherited = parser_.TokenSymbolIs("INHERITED");
    const bool isInline = parser_.TokenSymbolIs("INLINE");
    if (!isInherited && !isInline) parser_.CheckTokenSymbol("OBJECT");
    parser_.NextToken();
    ConvertHeader(isInherited, isInline);
    while (!parser_.TokenSymbolIs("END") && !AtObjectStart()) ConvertProperty();
    writer_.WriteListEnd();
    while (!parser_.TokenSymbolIs("END")) ConvertObject();
    writer_.WriteListEnd();
    parser_.NextToken();
  }

  void ConvertProperty() {
    parser_.CheckToken(toSymbol);
    std::string name = parser_.TokenString();
    parser_.NextToken();
    while (parser_.Token() == '.') {
      parser_.NextToken();
      parser_.CheckToken(toSymbol);
      name += '.';
      name += parser_.TokenString();
      parser_.NextToken();
    }
    writer_.WriteStr(name);
    parser_.CheckToken('=');
    parser_.NextToken();
    ConvertValue();
  }

  void ConvertStrings() {
    std::u16string wide = parser_.TokenWideString();
    std::string narrow = parser_.TokenString();
    bool isWide = parser_.Token() == toWString;
    while (parser_.NextToken() == '+') {
      parser_.NextToken();
      if (parser_.Token() != toWString) parser_.CheckToken(toString);
      isWide = isWide || parser_.Token() == toWString;
      wide += parser_.TokenWideString();
      narrow += parser_.TokenString();
    }
    if (isWide) writer_.WriteWideString(wide);
    else writer_.WriteString(narrow);
  }

  void ConvertFloat() {
    switch (parser_.FloatType()) {
      case 's': case 'S': writer_.WriteSingle(parser_.TokenSingle()); break;
      case 'd': case 'D': writer_.WriteDate(parser_.TokenFloat()); break;
      case 'c': case 'C': {
        Int64 raw = 0;
        std::string text = parser_.TokenString();
        text.pop_back();
        if (!TryStrToInt64(text, raw)) raw = Currency::FromDouble(parser_.TokenFloat() / Currency::kScale).Raw();
        writer_.WriteCurrency(Currency::FromRaw(raw));
        break;
      }
      default: writer_.WriteExtended(parser_.TokenExtended()); break;
    }
  }

  void ConvertSet() {
    parser_.NextToken();
    writer_.WriteValue(vaSet);
    if (parser_.Token() != ']') {
      while (true) {
        parser_.CheckToken(toSymbol);
        writer_.WriteStr(parser_.TokenString());
        if (parser_.NextToken() == ']') break;
        parser_.CheckToken(',');
        parser_.NextToken();
      }
    }
    writer_.WriteStr("");
  }

  void ConvertCollection() {
    parser_.NextToken();
    writer_.WriteValue(vaCollection);
    while (parser_.Token() != '>') {
      parser_.CheckTokenSymbol("item");
      parser_.NextToken();
      const Integer order = ConvertOrderModifier();
      if (order != -1) writer_.WriteInteger(order);
      writer_.WriteListBegin();
      while (!parser_.TokenSymbolIs("end")) ConvertProperty();
      writer_.WriteListEnd();
      parser_.NextToken();
    }
    writer_.WriteListEnd();
  }

  void ConvertValue() {
    Nesting guard(*this);
    if (parser_.Token() == toString || parser_.Token() == toWString) {
      ConvertStrings();
      return;
    }
    switch (parser_.Token()) {
      case toSymbol: writer_.WriteIdent(parser_.TokenComponentIdent()); break;
      case toInteger: writer_.WriteInteger(parser_.TokenInt()); break;
      case toFloat: ConvertFloat(); break;
      case '[': ConvertSet(); break;
      case '(':
        parser_.NextToken();
        writer_.WriteListBegin();
        while (parser_.Token() != ')') ConvertValue();
        writer_.WriteListEnd();
        break;
      case '{': {
        TMemoryStream data;
        parser_.HexToBinary(&data);
        writer_.WriteBinary([&data](TStream* s) { s->CopyFrom(&data, 0); });
        return;
      }
      case '<': ConvertCollection(); break;
      default: parser_.Error(classes_text::kInvalidProperty);
    }
    parser_.NextToken();
  }

  TParser parser_;
  TWriter writer_;
  int nesting_ = 0;
};

}  // namespace

void ObjectBinaryToText(TStream* Input, TStream* Output) { BinaryToText(Input, Output).Run(); }

void ObjectTextToBinary(TStream* Input, TStream* Output) { TextToBinary(Input, Output).Run(); }

TStreamOriginalFormat TestStreamFormat(TStream* Stream) {
  const Int64 position = Stream->Position();
  char head[4] = {};
  const Integer n = Stream->Read(head, 4);
  Stream->SetPosition(position);
  if (n == 4 && std::string_view(head, 4) == std::string_view(FilerSignature, 4)) return sofBinary;
  if (n >= 1 && std::string_view("oOiI \r\n\t\xEF").find(head[0]) != std::string_view::npos) return sofText;
  return sofUnknown;
}
