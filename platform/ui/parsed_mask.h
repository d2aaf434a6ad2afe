// The class library's edit-mask language, parsed: what may stand at each position of a masked
// text, and the text operations a masked edit and FormatMaskText are made of.
//
// A mask is "body[;save[;blank]]": the body up to the first ";" that is not escaped, then the
// save-literals field (literals belong to the value unless it starts with "0") and the blank
// character (the first character of the third field; "_" when there is none).  The body:
//
//   0  required digit          9  optional digit        #  optional digit, "+" or "-"
//   L  required letter         l  optional letter
//   A  required letter/digit   a  optional letter/digit
//   C  required any character  c  optional any character
//   >  the editable positions after it convert to upper case, "<" to lower case, "<>" neither
//   \  the next character is a literal        !  optional blanks lead (values are right-aligned)
//   /  the date separator      :  the time separator (both as the settings hold at parse time)
//   _  a literal space         anything else is a literal
//
// Letters are the ASCII letters and the letters, vowels and marks of code page 874.  A masked text
// (an edit's EditText) has exactly Width() bytes, one per position: literals at their positions,
// at editable positions an accepted character or the blank character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace edit {

class ParsedMask {
 public:
  ParsedMask() = default;   // the empty mask: no positions
  explicit ParsedMask(std::string_view Mask);

  int Width() const { return int(positions_.size()); }
  bool SaveLiterals() const { return saveLiterals_; }
  char Blank() const { return blank_; }
  bool LeadingBlanks() const { return leadingBlanks_; }

  bool IsLiteral(int Pos) const { return positions_[std::size_t(Pos)].kind == Kind::Literal; }
  char Literal(int Pos) const { return positions_[std::size_t(Pos)].literal; }
  // Whether Ch may be typed at the editable position Pos; Ch takes the position's case.
  bool Accepts(int Pos, char& Ch) const;
  // The first editable position at or after Pos (Width() when none), the last one before Pos
  // (-1 when none).
  int NextEditable(int Pos) const;
  int PrevEditable(int Pos) const;

  // Literals with Blank at every editable position.
  std::string EmptyText(char Blank) const;
  // Fits a value into the mask.  With literals, a literal of the value that stands where the
  // mask has it is taken as that literal and a missing one is inserted; without, the value's
  // characters fill the editable positions only.  The value fills from its first character
  // forwards, or from its last backwards when blanks lead.  A character a position refuses, a
  // space and Blank leave that position blank; characters beyond the last position are dropped.
  std::string Fit(std::string_view Value, bool ValueHasLiterals, char Blank) const;
  // The value of a masked text: blanks become spaces; without saved literals only the editable
  // positions, less the blanks that trail (lead, when blanks lead).
  std::string ValueOf(std::string_view Masked) const;
  // The first position that makes the masked text incomplete (a required position blank, a
  // character its position refuses, a wrong literal), or -1.
  int FirstInvalid(std::string_view Masked) const;
  // The masked text with the editable positions in [From, To) blank.
  std::string Blanked(std::string_view Masked, int From, int To) const;
  // Types Ch at Pos as a masked edit takes a key: a literal equal to Ch is passed over; from a
  // literal the key goes on to the next editable position; an accepted character is stored, a
  // space blanks an optional position; a character the position refuses that equals the literal
  // just before it is taken as that literal (the caret passed it already), one that equals a later
  // literal passes over that literal.  Returns the position after the key, or -1 when it is
  // refused (Masked is then unchanged).
  int Type(std::string& Masked, int Pos, char Ch) const;

 private:
  enum class Kind : char { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
  enum class Case : char { None, Upper, Lower };
  struct Position {
    Kind kind = Kind::Literal;
    bool optional = false;
    Case convert = Case::None;
    char literal = 0;
  };
  void ParseBody(std::string_view Body);
  bool IsBlankAt(std::string_view Masked, int Pos) const;

  std::vector<Position> positions_;
  bool saveLiterals_ = true;
  bool leadingBlanks_ = false;
  char blank_ = '_';
};

}  // namespace edit

// The class library's FormatMaskText: Value fitted into EditMask (with its literals when the
// mask saves them) with spaces for the blank positions.
std::string FormatMaskText(std::string_view EditMask, std::string_view Value);
