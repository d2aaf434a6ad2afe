// Rich text: the RTF reader and writer (see rich_text.h).
#include "platform/ui/rich_text.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "platform/core/cp874.h"

namespace {

constexpr size_t kMaxTableEntries = 1024;
constexpr size_t kMaxFontName = 255;
constexpr size_t kMaxWordLetters = 32;
constexpr int kMaxFallbackChars = 255;
constexpr int kMaxSizeHalfPoints = 3276;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

enum class Destination { Text, FontTable, ColorTable, Skip };

// What a group carries and restores when it closes.
struct GroupState {
  TRichCharFormat Format;
  TRichAlignment Alignment = TRichAlignment::Left;
  int FallbackChars = 1;   // \uc
  Destination Dest = Destination::Text;
};

// Destinations whose groups hold no document text.
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::string_view kSkipped[] = {
      "stylesheet", "info",     "pict",        "object",    "header",   "headerl",  "headerr",     "headerf",
      "footer",     "footerl",  "footerr",     "footerf",   "footnote", "fldinst",  "listtable",   "listoverridetable",
      "revtbl",     "rsidtbl",  "generator",   "themedata", "colorschememapping",  "latentstyles", "datastore",
      "xmlnstbl",   "filetbl",  "pntext",      "pntxta",    "pntxtb",   "private",  "nonshppict",  "shppict",
      "annotation", "comment",  "title",       "author",    "operator", "keywords", "subject",     "doccomm",
      "company"};
  return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

// Code page 874 bytes the named characters stand for.
std::optional<char> NamedCharacter(std::string_view word) {
  static constexpr std::pair<std::string_view, unsigned char> kNamed[] = {
      {"tab", '\t'},      {"emdash", 0x97},   {"endash", 0x96},    {"bullet", 0x95},
      {"lquote", 0x91},   {"rquote", 0x92},   {"ldblquote", 0x93}, {"rdblquote", 0x94}};
  for (const auto& [name, byte] : kNamed)
    if (name == word) return static_cast<char>(byte);
  return std::nullopt;
}

class RichTextReader {
 public:
  explicit RichTextReader(std::string_view Rtf) : in_(Rtf) {}

  TRichDocument Read() {
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        OpenGroup();
      } else if (c == '}') {
        if (!CloseGroup()) break;   // the outermost group ended
      } else if (c == '\\') {
        ControlSequence();
      } else if (overflow_ == 0 && !stack_.empty()) {
        if (c == '\t') Character('\t');
        else if (static_cast<unsigned char>(c) >= 0x20) Character(c);
      }
    }
    if (!paragraph_.Runs.empty()) EndParagraph();
    return std::move(document_);
  }

 private:
  void OpenGroup() {
    if (overflow_ > 0 || stack_.size() >= size_t(kMaxRichTextDepth)) {
      ++overflow_;
      return;
    }
    stack_.push_back(state_);
    fallbackLeft_ = 0;
  }

  // False once the outermost group has closed; a brace without its group is ignored.
  bool CloseGroup() {
    if (overflow_ > 0) {
      --overflow_;
      return true;
    }
    if (stack_.empty()) return true;
    if (state_.Dest == Destination::FontTable) StoreFont();
    if (stack_.size() == 1 && !paragraph_.Runs.empty()) EndParagraph();   // the document ends
    state_ = stack_.back();
    stack_.pop_back();
    fallbackLeft_ = 0;
    return !stack_.empty();
  }

  void ControlSequence() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      if (overflow_ == 0 && !stack_.empty()) ControlSymbol(c);
      return;
    }
    std::string word;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) {
      if (word.size() < kMaxWordLetters) word += in_[pos_];
      ++pos_;
    }
    const std::optional<int> number = Number();
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    if (overflow_ == 0 && !stack_.empty()) ControlWord(word, number);
  }

  // An optional signed number, taken to 32 bits however many digits it has.
  std::optional<int> Number() {
    const size_t start = pos_;
    const bool negative = pos_ < in_.size() && in_[pos_] == '-';
    if (negative) ++pos_;
    int64_t value = 0;
    bool any = false;
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
      value = std::min<int64_t>(value * 10 + (in_[pos_] - '0'), int64_t(INT32_MAX) + 1);
      any = true;
      ++pos_;
    }
    if (!any) {
      pos_ = start;
      return std::nullopt;
    }
    return static_cast<int>(std::clamp<int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX));
  }

  void ControlSymbol(char c) {
    switch (c) {
      case '\\': case '{': case '}': Character(c); break;
      case '~': Character(static_cast<char>(0xA0)); break;
      case '_': Character('-'); break;
      case '*': state_.Dest = Destination::Skip; break;
      case '\r': case '\n': if (state_.Dest == Destination::Text) EndParagraph(); break;
      case '\'': HexByte(); break;
      default: break;   // \- (optional hyphen), \| and the rest show nothing
    }
  }

  void HexByte() {
    int value = 0;
    int digits = 0;
    for (; digits < 2 && pos_ < in_.size() && HexValue(in_[pos_]) >= 0; ++digits) value = value * 16 + HexValue(in_[pos_++]);
    if (digits > 0) Character(static_cast<char>(value));
  }

  void ControlWord(const std::string& word, std::optional<int> number) {
    const int n = number.value_or(1);
    TRichCharFormat& format = state_.Format;
    if (state_.Dest == Destination::Skip) return;
    if (word == "fonttbl") state_.Dest = Destination::FontTable;
    else if (word == "colortbl") StartColorTable();
    else if (IsSkippedDestination(word)) state_.Dest = Destination::Skip;
    else if (state_.Dest == Destination::FontTable) FontTableWord(word, n);
    else if (state_.Dest == Destination::ColorTable) ColorTableWord(word, n);
    else if (word == "par" || word == "line") EndParagraph();
    else if (word == "b") format.Bold = n != 0;
    else if (word == "i") format.Italic = n != 0;
    else if (word == "ul") format.Underline = n != 0;
    else if (word == "ulnone") format.Underline = false;
    else if (word == "plain") format = TRichCharFormat{};
    else if (word == "f") format.FontName = FontName(n);
    else if (word == "fs") format.SizeHalfPoints = n > 0 ? std::min(n, kMaxSizeHalfPoints) : 0;
    else if (word == "cf") format.Color = n > 0 && size_t(n) < colors_.size() ? colors_[n] : clDefault;
    else if (word == "pard") state_.Alignment = TRichAlignment::Left;
    else if (word == "ql") state_.Alignment = TRichAlignment::Left;
    else if (word == "qc") state_.Alignment = TRichAlignment::Center;
    else if (word == "qr") state_.Alignment = TRichAlignment::Right;
    else if (word == "qj") state_.Alignment = TRichAlignment::Justify;
    else if (word == "uc") state_.FallbackChars = std::clamp(n, 0, kMaxFallbackChars);
    else if (word == "u" && number) UnicodeCharacter(*number);
    else if (const std::optional<char> named = NamedCharacter(word)) Character(*named);
  }

  void UnicodeCharacter(int value) {
    if (value < 0) value += 0x10000;
    fallbackLeft_ = 0;
    Character(value >= 0 && value <= 0x10FFFF ? UnicodeToCp874(char32_t(value)) : '?');
    fallbackLeft_ = state_.FallbackChars;
  }

  void Character(char c) {
    if (fallbackLeft_ > 0) {
      --fallbackLeft_;
      return;
    }
    switch (state_.Dest) {
      case Destination::Text: AddText(c); break;
      case Destination::FontTable:
        if (c == ';') StoreFont();
        else if (fontName_.size() < kMaxFontName && static_cast<unsigned char>(c) >= 0x20) fontName_ += c;
        break;
      case Destination::ColorTable:
        if (c == ';') StoreColor();
        break;
      case Destination::Skip: break;
    }
  }

  void AddText(char c) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return;
    std::vector<TRichRun>& runs = paragraph_.Runs;
    if (runs.empty() || !(runs.back().Format == state_.Format)) runs.push_back(TRichRun{{}, state_.Format});
    runs.back().Text += c;
  }

  void EndParagraph() {
    paragraph_.Alignment = state_.Alignment;
    document_.Paragraphs.push_back(std::move(paragraph_));
    paragraph_ = TRichParagraph{};
  }

  // ---- Font table ----
  void FontTableWord(const std::string& word, int n) {
    if (word == "f") {
      fontNumber_ = n;
      fontName_.clear();
    }
  }
  void StoreFont() {
    while (!fontName_.empty() && fontName_.front() == ' ') fontName_.erase(0, 1);
    if (!fontName_.empty() && (fonts_.size() < kMaxTableEntries || fonts_.contains(fontNumber_)))
      fonts_[fontNumber_] = fontName_;
    fontName_.clear();
  }
  std::string FontName(int number) const {
    const auto found = fonts_.find(number);
    return found == fonts_.end() ? std::string() : found->second;
  }

  // ---- Colour table ----
  void StartColorTable() {
    state_.Dest = Destination::ColorTable;
    colors_.clear();
    rgb_[0] = rgb_[1] = rgb_[2] = -1;
  }
  void ColorTableWord(const std::string& word, int n) {
    const int part = word == "red" ? 0 : word == "green" ? 1 : word == "blue" ? 2 : -1;
    if (part >= 0) rgb_[part] = std::clamp(n, 0, 255);
  }
  void StoreColor() {
    const bool any = rgb_[0] >= 0 || rgb_[1] >= 0 || rgb_[2] >= 0;
    if (colors_.size() < kMaxTableEntries)
      colors_.push_back(any ? TColor(std::max(rgb_[0], 0) | std::max(rgb_[1], 0) << 8 | std::max(rgb_[2], 0) << 16)
                            : clDefault);
    rgb_[0] = rgb_[1] = rgb_[2] = -1;
  }

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;   // the states of the open groups' parents
  GroupState state_;
  int overflow_ = 0;       // groups open beyond the depth limit (skipped with what they hold)
  int fallbackLeft_ = 0;   // characters still to skip after \u
  std::map<int, std::string> fonts_;
  int fontNumber_ = 0;
  std::string fontName_;
  std::vector<TColor> colors_;
  int rgb_[3] = {-1, -1, -1};
  TRichDocument document_;
  TRichParagraph paragraph_;
};

// ---- Writing ----

template <typename T>
int IndexIn(std::vector<T>& table, const T& value) {
  auto found = std::find(table.begin(), table.end(), value);
  if (found != table.end()) return int(found - table.begin());
  table.push_back(value);
  return int(table.size()) - 1;
}

void AppendEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += c;
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (b >= 0x80) {
      out += "\\'";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else if (b >= 0x20) {
      out += c;
    }
  }
}

}  // namespace

std::string TRichParagraph::PlainText() const {
  std::string text;
  for (const TRichRun& run : Runs) text += run.Text;
  return text;
}

std::string TRichDocument::PlainText() const {
  std::string text;
  for (size_t i = 0; i < Paragraphs.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += Paragraphs[i].PlainText();
  }
  return text;
}

int TRichDocument::CharCount() const {
  int count = 0;
  for (const TRichParagraph& paragraph : Paragraphs)
    for (const TRichRun& run : paragraph.Runs) count += int(run.Text.size());
  return Paragraphs.empty() ? 0 : count + int(Paragraphs.size()) - 1;
}

bool IsRichText(std::string_view Text) {
  const size_t start = Text.find_first_not_of(' ');
  return start != std::string_view::npos && Text.substr(start).starts_with("{\\");
}

TRichDocument ReadRichText(std::string_view Rtf) { return RichTextReader(Rtf).Read(); }

std::string WriteRichText(const TRichDocument& Document) {
  std::vector<std::string> fonts;
  std::vector<TColor> colors;
  std::string body;
  for (size_t p = 0; p < Document.Paragraphs.size(); ++p) {
    const TRichParagraph& paragraph = Document.Paragraphs[p];
    static constexpr const char* kAlignment[] = {"", "\\qc", "\\qr", "\\qj"};
    body += "\\pard";
    body += kAlignment[int(paragraph.Alignment)];
    for (const TRichRun& run : paragraph.Runs) {
      const TRichCharFormat& f = run.Format;
      body += "\\plain";
      if (!f.FontName.empty()) body += "\\f" + std::to_string(IndexIn(fonts, f.FontName));
      if (f.SizeHalfPoints > 0) body += "\\fs" + std::to_string(f.SizeHalfPoints);
      if (f.Bold) body += "\\b";
      if (f.Italic) body += "\\i";
      if (f.Underline) body += "\\ul";
      if (f.Color != clDefault) body += "\\cf" + std::to_string(IndexIn(colors, f.Color) + 1);
      body += ' ';
      AppendEscaped(body, run.Text);
    }
    if (p + 1 < Document.Paragraphs.size() || paragraph.Runs.empty()) body += "\\par\r\n";
  }
  std::string out = "{\\rtf1\\ansi\\ansicpg874";
  if (!fonts.empty()) {
    out += "{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
      out += "{\\f" + std::to_string(i) + "\\fnil ";
      AppendEscaped(out, fonts[i]);
      out += ";}";
    }
    out += '}';
  }
  if (!colors.empty()) {
    out += "{\\colortbl ;";
    for (const TColor color : colors) {
      const COLORREF rgb = ColorToRGB(color);
      out += "\\red" + std::to_string(rgb & 0xFF) + "\\green" + std::to_string((rgb >> 8) & 0xFF) + "\\blue" +
             std::to_string((rgb >> 16) & 0xFF) + ';';
    }
    out += '}';
  }
  out += "\r\n";
  return out + body + "}\r\n";
}
