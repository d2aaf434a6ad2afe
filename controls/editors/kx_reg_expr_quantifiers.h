// The quantifiers of a regular expression's items: none, "?", "*" and "+".  They hold no state, so
// items share the one immutable instance of each class, QuantifierOf<T>().
#pragma once

class TkxRegExprQuantifier {
 public:
  TkxRegExprQuantifier() = default;
  TkxRegExprQuantifier(const TkxRegExprQuantifier&) = delete;
  TkxRegExprQuantifier& operator=(const TkxRegExprQuantifier&) = delete;

  // The item may be left out.
  virtual bool Optional() const = 0;
  // The item may follow itself.
  virtual bool Repeatable() const = 0;

 protected:
  ~TkxRegExprQuantifier() = default;
};

class TkxRegExprSimpleQuantifier final : public TkxRegExprQuantifier {
 public:
  bool Optional() const override { return false; }
  bool Repeatable() const override { return false; }
};

class TkxRegExprQuestionQuantifier final : public TkxRegExprQuantifier {
 public:
  bool Optional() const override { return true; }
  bool Repeatable() const override { return false; }
};

class TkxRegExprStarQuantifier final : public TkxRegExprQuantifier {
 public:
  bool Optional() const override { return true; }
  bool Repeatable() const override { return true; }
};

class TkxRegExprPlusQuantifier final : public TkxRegExprQuantifier {
 public:
  bool Optional() const override { return false; }
  bool Repeatable() const override { return true; }
};

template <class T>
const TkxRegExprQuantifier* QuantifierOf() {
  static const T instance;
  return &instance;
}
