#include "grid/markup_tags.h"

#include <cstdint>
#include <string>

#include "platform/core/ansi_strings.h"
#include "platform/core/int_text.h"

namespace {

struct TagLetters {
  std::string_view letters;   // upper case; the first entry a tag starts with decides
  TMarkupTag kind;
};

// Longer deciding letters stand before the shorter ones they start with.
constexpr TagLetters kTags[] = {
    {"</SU", TMarkupTag::EndSubscriptOrSuperscript}, {"</SH", TMarkupTag::EndShadow},
    {"</S", TMarkupTag::EndStrikeOut}, {"</B>", TMarkupTag::EndBold}, {"</B", TMarkupTag::EndBlinkOrBody},
    {"</U>", TMarkupTag::EndUnderline}, {"</U", TMarkupTag::EndList}, {"</A", TMarkupTag::EndAnchor},
    {"</E", TMarkupTag::EndErrorMark}, {"</F", TMarkupTag::EndFont}, {"</H", TMarkupTag::EndHighlight},
    {"</I", TMarkupTag::EndItalic}, {"</L", TMarkupTag::EndListItem}, {"</P", TMarkupTag::EndParagraph},
    {"</R", TMarkupTag::EndRotatedText}, {"</Z", TMarkupTag::EndHidden},
    {"<SUB>", TMarkupTag::Subscript}, {"<SUP>", TMarkupTag::Superscript}, {"<SH", TMarkupTag::Shadow},
    {"<S>", TMarkupTag::StrikeOut}, {"<BR", TMarkupTag::LineBreak}, {"<BL", TMarkupTag::Blink},
    {"<BO", TMarkupTag::Body}, {"<B>", TMarkupTag::Bold}, {"<HI", TMarkupTag::Highlight},
    {"<HR", TMarkupTag::HorizontalRule}, {"<IN", TMarkupTag::Indentation}, {"<IM", TMarkupTag::Image},
    {"<I>", TMarkupTag::Italic}, {"<U>", TMarkupTag::Underline}, {"<U", TMarkupTag::List},
    {"<A", TMarkupTag::Anchor}, {"<C", TMarkupTag::Control}, {"<E", TMarkupTag::ErrorMark},
    {"<F", TMarkupTag::Font}, {"<L", TMarkupTag::ListItem}, {"<P", TMarkupTag::Paragraph},
    {"<R", TMarkupTag::RotatedText}, {"<Z", TMarkupTag::Hidden},
};

constexpr std::size_t kLongestLetters = 5;

bool KeepsCase(std::string_view name) { return SameText(name, "HREF") || SameText(name, "TITLE"); }

// The value between the first two double quotes at or after `from`; "" without a complete pair.
std::string_view QuotedValueFrom(std::string_view text, std::size_t from) {
  const std::size_t open = text.find('"', from);
  if (open == std::string_view::npos) return {};
  const std::size_t close = text.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return text.substr(open + 1, close - open - 1);
}

// Where `name` starts in `text`, ignoring case, outside double-quoted values; npos when it does not.
std::size_t FindOutsideQuotes(std::string_view text, std::string_view name) {
  bool quoted = false;
  for (std::size_t at = 0; at + name.size() <= text.size(); ++at) {
    if (!quoted && SameText(text.substr(at, name.size()), name)) return at;
    if (text[at] == '"') quoted = !quoted;
  }
  return std::string_view::npos;
}

}  // namespace

TMarkupTagInfo RecogniseMarkupTag(std::string_view tag) {
  const std::string head = UpperCase(tag.substr(0, kLongestLetters));
  for (const TagLetters& entry : kTags) {
    if (!head.starts_with(entry.letters)) continue;
    std::string_view attributes = tag.substr(entry.letters.size());
    if (attributes.ends_with('>')) attributes.remove_suffix(1);
    return {entry.kind, attributes};
  }
  return {};
}

bool FindMarkupAttributeAsWritten(std::string_view attributes, std::string_view name, std::string& value) {
  const std::size_t at = FindOutsideQuotes(attributes, name);
  if (at == std::string_view::npos) return false;
  value = QuotedValueFrom(attributes, at + name.size());
  return true;
}

bool FindMarkupAttribute(std::string_view attributes, std::string_view name, std::string& value) {
  if (!FindMarkupAttributeAsWritten(attributes, name, value)) return false;
  if (!KeepsCase(name)) value = UpperCase(value);
  return true;
}

std::string QuotedValueAfterLetter(std::string_view attributes, char letter) {
  const std::string upper = UpperCase(attributes);
  const std::size_t at = upper.find(UpCase(letter));
  return at == std::string::npos ? std::string() : std::string(QuotedValueFrom(upper, at + 1));
}

Integer MarkupNumber(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && value[i] == ' ') ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  unsigned base = 10;
  if (i < value.size() && value[i] == '$') {
    base = 16;
    ++i;
  } else if (value.substr(i, 2) == "0x" || value.substr(i, 2) == "0X") {
    base = 16;
    i += 2;
  }
  // Hexadecimal may use all 32 bits (and wraps, as integer texts do); decimal stays in range.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t magnitude = 0;
  for (; i < value.size(); ++i) {
    const char ch = UpCase(value[i]);
    const int digit = IsDecimalDigit(ch) ? ch - '0' : base == 16 && ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
    if (digit < 0 || magnitude * base + digit > limit) break;
    magnitude = magnitude * base + digit;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? 0u - magnitude : magnitude);
  return static_cast<Integer>(bits);
}

bool WholeMarkupNumber(std::string_view value, Integer& number) { return TryStrToInt(value, number); }

Integer MarkupFontSize(std::string_view value) {
  const Integer number = MarkupNumber(value);
  return number >= 1 && number <= 5 ? 6 + 2 * number : number;
}
