// The position items of a classic edit mask: one per character of the masked text.  Check(Ch)
// says whether a typed character may stand at the position; an editable ("many") item first
// converts Ch's case in place (only A-Z and a-z) and then tests the character as it was typed.
#pragma once

#include "platform/core/types.h"

class TkxStandardMaskCustomItem {
 public:
  virtual ~TkxStandardMaskCustomItem() = default;
  virtual bool Check(char& Ch) const = 0;
};

// A fixed character of the masked text.
class TkxStandardMaskLiteralItem final : public TkxStandardMaskCustomItem {
 public:
  explicit TkxStandardMaskLiteralItem(char ALiteral) : literal_(ALiteral) {}
  bool Check(char& Ch) const override { return Ch == literal_; }
  char Literal() const { return literal_; }

 private:
  char literal_;
};

enum TkxCaseConversion : Byte { ccUpperCase = 0, ccLowerCase = 1, ccNone = 2 };

// An editable position; an optional one may stay blank in a complete text.
class TkxStandardMaskManyItem : public TkxStandardMaskCustomItem {
 public:
  TkxStandardMaskManyItem(TkxCaseConversion AConversion, bool AOptional)
      : conversion_(AConversion), optional_(AOptional) {}
  bool Check(char& Ch) const final;
  bool Optional() const { return optional_; }

 protected:
  virtual bool Accepts(char Ch) const = 0;

 private:
  TkxCaseConversion conversion_;
  bool optional_;
};

// "A".."Z", "a".."z".
class TkxStandardMaskAlphaItem final : public TkxStandardMaskManyItem {
 public:
  using TkxStandardMaskManyItem::TkxStandardMaskManyItem;

 protected:
  bool Accepts(char Ch) const override;
};

// ASCII digits and letters.
class TkxStandardMaskAlphaNumericItem final : public TkxStandardMaskManyItem {
 public:
  using TkxStandardMaskManyItem::TkxStandardMaskManyItem;

 protected:
  bool Accepts(char Ch) const override;
};

// Any character.
class TkxStandardMaskASCIIItem final : public TkxStandardMaskManyItem {
 public:
  using TkxStandardMaskManyItem::TkxStandardMaskManyItem;

 protected:
  bool Accepts(char) const override { return true; }
};

// "0".."9".
class TkxStandardMaskNumericItem final : public TkxStandardMaskManyItem {
 public:
  using TkxStandardMaskManyItem::TkxStandardMaskManyItem;

 protected:
  bool Accepts(char Ch) const override;
};

// "0".."9", "+", "-".
class TkxStandardMaskNumericSymbolItem final : public TkxStandardMaskManyItem {
 public:
  using TkxStandardMaskManyItem::TkxStandardMaskManyItem;

 protected:
  bool Accepts(char Ch) const override;
};
