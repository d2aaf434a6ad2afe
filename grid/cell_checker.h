// TProStringGridCheck: the base of a cell checker, a component the string grid consults when an
// edited value is validated, to correct it (AutoCorrect: Correct before OnCellValidate) and to mark
// errors in it (AutoMarkError: MarkError after OnCellValidate).  The base changes nothing, so that a
// descendant overrides only what it needs; GotoCell, UseCorrect and UseMarkError are settings for
// descendants.
#pragma once

#include <string>

#include "grid/stored_property.h"
#include "platform/classes/component.h"

class TProStringGridCheck : public TComponent {
  PR_CLASS(TProStringGridCheck, TComponent)

 public:
  explicit TProStringGridCheck(TComponent* AOwner) : TComponent(AOwner) {}

  // The value with its errors marked; the base returns it unchanged.
  virtual std::string MarkError(Integer /*ACol*/, Integer /*ARow*/, const std::string& Value) { return Value; }
  // The corrected value; the base returns it unchanged.
  virtual std::string Correct(Integer /*ACol*/, Integer /*ARow*/, const std::string& Value) { return Value; }

  PR_STORED_PROPERTY(bool, GotoCell, false)
  PR_STORED_PROPERTY(bool, AutoCorrect, false)
  PR_STORED_PROPERTY(bool, AutoMarkError, false)
  PR_STORED_PROPERTY(bool, UseCorrect, false)
  PR_STORED_PROPERTY(bool, UseMarkError, false)
};
