// The text of an ini file as the platform's profile-string calls see it, edited line by line.
//
// Lines keep their bytes and line ends; an edit touches only the lines it must.  A section begins
// at a line whose first non-blank character is '[' (its name is what lies before ']', trimmed);
// an entry is a line of a section that holds '=' and does not begin with ';' (key and value are
// trimmed; a value wrapped in a pair of matching quotes loses them).  Names compare without
// ASCII case; the first of several equal sections or keys is the one read and written.  Lines
// before the first section, comments and other lines are kept as they are.  New lines end in CR
// LF.  Invariant: Text() of an unedited IniText is the text it was made from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class IniText {
 public:
  explicit IniText(std::string_view text);
  std::string Text() const;

  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;
  // False when the section or key is missing.
  bool Read(std::string_view section, std::string_view key, std::string& value) const;
  void Write(std::string_view section, std::string_view key, std::string_view value);
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

 private:
  struct Line {
    std::string text;
    std::string end;   // "\r\n", "\n" or "" (a last line without an end)
  };
  struct Span {
    std::size_t header;   // the section line
    std::size_t end;      // one past its last line
  };
  bool FindSection(std::string_view section, Span& span) const;
  std::size_t FindKey(const Span& span, std::string_view key) const;   // lines_.size() when absent
  void InsertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
};
