#include "platform/ui/ui_script.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/core/ansi_strings.h"
#include "platform/core/cp874.h"
#include "platform/ui/shortcuts.h"

namespace {

struct TVerb {
  const char* Name;
  TUiStepKind Kind;
  std::size_t Arguments;  // 0: one or more (key)
  const char* Usage;
};

constexpr TVerb kVerbs[] = {
    {"select", TUiStepKind::Select, 2, "select GRID ROW"}, {"click", TUiStepKind::Click, 1, "click NAME"},
    {"key", TUiStepKind::Key, 0, "key KEY..."},           {"type", TUiStepKind::Type, 1, "type TEXT"},
    {"set", TUiStepKind::Set, 2, "set NAME TEXT"},        {"file", TUiStepKind::File, 1, "file PATH|cancel"},
    {"answer", TUiStepKind::Answer, 1, "answer BUTTON"},  {"signal", TUiStepKind::Signal, 1, "signal PATH"},
    {"await", TUiStepKind::Await, 1, "await PATH"},
};

// Longer key names a script may use beside the shortcut names.
constexpr std::pair<std::string_view, std::string_view> kKeyAliases[] = {
    {"Escape", "Esc"}, {"Return", "Enter"}, {"Backspace", "BkSp"}, {"Delete", "Del"}, {"Insert", "Ins"},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The words of a line: blank-separated, or in double quotes with "" for a quote.
std::vector<std::string> SplitWords(Integer line, std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) return words;
    std::string word;
    if (text[i] != '"') {
      while (i < text.size() && !IsBlank(text[i])) word += text[i++];
    } else {
      for (++i;; ++i) {
        if (i == text.size()) throw EUiScriptError(line, "a quoted argument has no closing quote");
        if (text[i] != '"') {
          word += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
          word += '"';
          ++i;
        } else {
          ++i;
          break;
        }
      }
      if (i < text.size() && !IsBlank(text[i])) throw EUiScriptError(line, "a closing quote is followed by text");
    }
    words.push_back(std::move(word));
  }
}

// UTF-8 script text as code page 874 bytes; a character the code page lacks is an error.
std::string ToCp874(Integer line, std::string_view utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const int b = cp874_detail::FromUnicode(cp874_detail::DecodeUtf8(utf8, i));
    if (b < 0) throw EUiScriptError(line, "\"" + Utf8ToCp874(utf8) + "\" holds a character code page 874 lacks");
    bytes += static_cast<char>(b);
  }
  return bytes;
}

std::string ScriptPath(const std::string& folder, const std::string& path) {
  if (path.starts_with('/') || folder.empty()) return path;
  return folder + "/" + path;
}

Integer RowNumber(Integer line, const std::string& text) {
  Integer row = 0;
  if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
    throw EUiScriptError(line, "the row \"" + Utf8ToCp874(text) + "\" is not a number");
  for (char c : text) row = row * 10 + (c - '0');
  return row;
}

TUiStep ParseStep(Integer line, const std::vector<std::string>& words, const std::string& folder) {
  const std::string verb = words[0];
  const TVerb* found = nullptr;
  for (const TVerb& v : kVerbs)
    if (SameText(verb, v.Name)) found = &v;
  if (found == nullptr) throw EUiScriptError(line, "unknown step \"" + Utf8ToCp874(verb) + "\"");
  const std::size_t given = words.size() - 1;
  if (found->Arguments == 0 ? given == 0 : given != found->Arguments)
    throw EUiScriptError(line, std::string("the step is written ") + found->Usage);
  TUiStep step;
  step.Line = line;
  step.Kind = found->Kind;
  switch (step.Kind) {
    case TUiStepKind::Select:
      step.Name = ToCp874(line, words[1]);
      step.Row = RowNumber(line, words[2]);
      break;
    case TUiStepKind::Click:
    case TUiStepKind::Answer:
      step.Name = ToCp874(line, words[1]);
      break;
    case TUiStepKind::Key:
      for (std::size_t i = 1; i < words.size(); ++i) step.Keys.push_back(ParseKeyName(line, words[i]));
      break;
    case TUiStepKind::Type:
      step.Text = ToCp874(line, words[1]);
      break;
    case TUiStepKind::Set:
      step.Name = ToCp874(line, words[1]);
      step.Text = ToCp874(line, words[2]);
      break;
    case TUiStepKind::File:
      if (!SameText(words[1], "cancel")) {
        step.Path = ScriptPath(folder, words[1]);
        ToCp874(line, step.Path);  // the dialog takes the path as typed text
      }
      break;
    case TUiStepKind::Signal:
    case TUiStepKind::Await:
      step.Path = ScriptPath(folder, words[1]);
      break;
  }
  return step;
}

}  // namespace

TUiKeyStroke ParseKeyName(Integer Line, const std::string& Name) {
  const std::size_t plus = Name.rfind('+');
  const std::size_t keyStart = plus == std::string::npos ? 0 : plus + 1;
  std::string text = Name;
  for (const auto& [alias, shortName] : kKeyAliases)
    if (SameText(std::string_view(Name).substr(keyStart), alias))
      text = Name.substr(0, keyStart) + std::string(shortName);
  const TShortCut shortCut = TextToShortCut(text);
  if (shortCut == scNone) throw EUiScriptError(Line, "unknown key \"" + Utf8ToCp874(Name) + "\"");
  return TUiKeyStroke{Word(shortCut & 0xFF), (shortCut & scShift) != 0, (shortCut & scCtrl) != 0,
                      (shortCut & scAlt) != 0};
}

TUiScript TUiScript::Parse(const std::string& Text, const std::string& Folder) {
  TUiScript script;
  std::istringstream lines(Text);
  std::string text;
  for (Integer line = 1; std::getline(lines, text); ++line) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos || text[first] == '#') continue;
    script.steps_.push_back(ParseStep(line, SplitWords(line, text), Folder));
  }
  return script;
}

TUiScript TUiScript::Load(const std::string& Path) {
  std::ifstream file(Path, std::ios::binary);
  if (!file) throw EUiScriptError(0, "the script " + Utf8ToCp874(Path) + " cannot be read");
  std::ostringstream text;
  text << file.rdbuf();
  // Made absolute now: the program may change its current folder before a step uses a path.
  std::error_code error;
  const std::filesystem::path script = std::filesystem::absolute(Path, error);
  return Parse(text.str(), script.parent_path().string());
}
