// The character items of a regular expression: what one position of the automaton accepts.
//
// Accepts(Ch, CaseInsensitive) tests one character.  A symbol under CaseInsensitive also takes
// a character whose locale upper case equals its own and then hands back its own character in
// Ch; no item changes Ch when it refuses.  Ranges compare bytes as unsigned values and never
// ignore case.  The separators test the locale's separators in force at the moment of the test.
#pragma once

#include <bitset>
#include <memory>
#include <vector>

class TkxRegExprItem {
 public:
  virtual ~TkxRegExprItem() = default;
  virtual bool Accepts(char& Ch, bool CaseInsensitive) const = 0;
  virtual std::unique_ptr<TkxRegExprItem> Copy() const = 0;
  // The answer to a case-sensitive test depends on nothing but the character (not so for the
  // separators, which follow the locale).
  virtual bool IsFixed() const { return true; }
  // True for the items that stand for exactly one character (a symbol, a separator), which is
  // put in Ch: only such positions can force a character.
  virtual bool GetSingleChar(char& Ch) const;
};

class TkxRegExprSymbol final : public TkxRegExprItem {
 public:
  explicit TkxRegExprSymbol(char ACharacter) : character_(ACharacter) {}
  bool Accepts(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TkxRegExprItem> Copy() const override;
  bool GetSingleChar(char& Ch) const override;

 private:
  char character_;
};

class TkxRegExprTimeSeparator final : public TkxRegExprItem {
 public:
  bool Accepts(char& Ch, bool CaseInsensitive) const override;
  bool IsFixed() const override { return false; }
  std::unique_ptr<TkxRegExprItem> Copy() const override;
  bool GetSingleChar(char& Ch) const override;
};

class TkxRegExprDateSeparator final : public TkxRegExprItem {
 public:
  bool Accepts(char& Ch, bool CaseInsensitive) const override;
  bool IsFixed() const override { return false; }
  std::unique_ptr<TkxRegExprItem> Copy() const override;
  bool GetSingleChar(char& Ch) const override;
};

class TkxRegExprSubrange final : public TkxRegExprItem {
 public:
  TkxRegExprSubrange(char AFirst, char ALast) : first_(AFirst), last_(ALast) {}
  bool Accepts(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TkxRegExprItem> Copy() const override;

 private:
  char first_;
  char last_;
};

// A class of characters; with the inverse flag it accepts exactly what the class does not.
class TkxRegExprEnumeration : public TkxRegExprItem {
 public:
  explicit TkxRegExprEnumeration(bool AInverse) : inverse_(AInverse) {}
  bool Accepts(char& Ch, bool CaseInsensitive) const final;

 protected:
  virtual bool Contains(char& Ch, bool CaseInsensitive) const = 0;
  bool Inverse() const { return inverse_; }

 private:
  bool inverse_;
};

// The items written between brackets.  Without separators (which test the locale at each
// test) a table of the 256 bytes answers the case-sensitive tests.
class TkxRegExprUserEnumeration final : public TkxRegExprEnumeration {
 public:
  TkxRegExprUserEnumeration(bool AInverse, std::vector<std::unique_ptr<TkxRegExprItem>> AItems);
  std::unique_ptr<TkxRegExprItem> Copy() const override;
  bool IsFixed() const override { return tabled_; }

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;

 private:
  std::vector<std::unique_ptr<TkxRegExprItem>> items_;
  bool tabled_ = true;
  std::bitset<256> table_;
};

// "0".."9".
class TkxRegExprDigit final : public TkxRegExprEnumeration {
 public:
  using TkxRegExprEnumeration::TkxRegExprEnumeration;
  std::unique_ptr<TkxRegExprItem> Copy() const override;

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;
};

// "a".."z", "A".."Z", "0".."9" and "_".
class TkxRegExprIdLetter final : public TkxRegExprEnumeration {
 public:
  using TkxRegExprEnumeration::TkxRegExprEnumeration;
  std::unique_ptr<TkxRegExprItem> Copy() const override;

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;
};

// Space, NUL, tab, LF, FF and CR.
class TkxRegExprSpace final : public TkxRegExprEnumeration {
 public:
  using TkxRegExprEnumeration::TkxRegExprEnumeration;
  std::unique_ptr<TkxRegExprItem> Copy() const override;

 protected:
  bool Contains(char& Ch, bool CaseInsensitive) const override;
};

class TkxRegExprAll final : public TkxRegExprItem {
 public:
  bool Accepts(char& Ch, bool CaseInsensitive) const override;
  std::unique_ptr<TkxRegExprItem> Copy() const override;
};
