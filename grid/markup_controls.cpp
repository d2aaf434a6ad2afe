#include "grid/markup_controls.h"

#include <utility>
#include <vector>

#include "grid/markup_tags.h"
#include "platform/core/ansi_strings.h"

namespace {

// One control tag of a text: where its "<" is and where its ">" ends (the text's end without one).
struct ControlTagSpan {
  std::size_t start;
  std::size_t end;   // one past the ">"
  TMarkupControl fields;
};

// Every '<CONTROL ' tag (any case), in order.
std::vector<ControlTagSpan> ControlTags(std::string_view markup) {
  const std::string upper = UpperCase(markup);
  std::vector<ControlTagSpan> tags;
  for (std::size_t at = upper.find("<CONTROL "); at != std::string::npos; at = upper.find("<CONTROL ", at + 1)) {
    const std::size_t close = upper.find('>', at);
    const std::size_t end = close == std::string::npos ? markup.size() : close + 1;
    const std::size_t tagEnd = close == std::string::npos ? markup.size() : close;
    tags.push_back({at, end, ParseControlTag(markup.substr(at, tagEnd - at))});
  }
  return tags;
}

std::string Field(std::string_view tag, std::string_view name) {
  std::string value;
  FindMarkupAttributeAsWritten(tag, name, value);
  return value;
}

bool IsClickedField(std::string_view type) { return type == "BUTTON" || type == "CHECK" || type == "RADIO"; }

std::string Quoted(std::string_view name, std::string_view value) {
  return std::string(name) + "=\"" + std::string(value) + '"';
}

}  // namespace

TMarkupControl ParseControlTag(std::string_view tag) {
  TMarkupControl control;
  control.Type = UpperCase(Field(tag, "TYPE="));
  control.Width = Field(tag, "WIDTH=");
  control.ID = Field(tag, "ID=");
  control.Value = DecodeControlValue(Field(tag, "VALUE="));
  control.Prop = Field(tag, "PROP=");
  return control;
}

std::string EncodeControlValue(std::string_view value) {
  std::string encoded;
  encoded.reserve(value.size());
  for (const char ch : value) {
    switch (ch) {
      case '&': encoded += "&amp;"; break;
      case '"': encoded += "&quot;"; break;
      case '<': encoded += "&lt;"; break;
      case '>': encoded += "&gt;"; break;
      default: encoded += ch;
    }
  }
  return encoded;
}

std::string DecodeControlValue(std::string_view value) {
  static constexpr std::pair<std::string_view, char> kEntities[] = {
      {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}};
  std::string decoded;
  decoded.reserve(value.size());
  for (std::size_t i = 0; i < value.size();) {
    bool replaced = false;
    for (const auto& [entity, ch] : kEntities) {
      if (value.substr(i, entity.size()) != entity) continue;
      decoded += ch;
      i += entity.size();
      replaced = true;
      break;
    }
    if (!replaced) decoded += value[i++];
  }
  return decoded;
}

bool HasControlTag(std::string_view markup) { return UpperCase(markup).find("<CONTROL") != std::string::npos; }

std::string NextEditableControlID(std::string_view markup, std::string_view id) {
  bool passed = id.empty();
  for (const ControlTagSpan& tag : ControlTags(markup)) {
    if (passed && !IsClickedField(tag.fields.Type)) return tag.fields.ID;
    if (tag.fields.ID == id) passed = true;
  }
  return "";
}

std::string GetControlProp(std::string_view markup, std::string_view id) {
  for (const ControlTagSpan& tag : ControlTags(markup))
    if (tag.fields.ID == id) return tag.fields.Prop;
  return "";
}

Integer SetControlValue(std::string& markup, std::string_view id, std::string_view value) {
  for (const ControlTagSpan& tag : ControlTags(markup)) {
    if (tag.fields.ID != id) continue;
    std::string content = "CONTROL " + Quoted("ID", tag.fields.ID) + ' ' + Quoted("VALUE", EncodeControlValue(value)) +
                          ' ' + Quoted("WIDTH", tag.fields.Width) + ' ' + Quoted("TYPE", tag.fields.Type);
    if (!tag.fields.Prop.empty()) content += ' ' + Quoted("PROP", tag.fields.Prop);
    content += '>';
    markup.replace(tag.start + 1, tag.end - tag.start - 1, content);
    return 1;
  }
  return 0;
}
