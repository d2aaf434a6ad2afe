// TProStringGridCheck; see cell_checker.h.
#include "grid/cell_checker.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TProStringGridCheck) {
  p.Property("AutoCorrect", &TProStringGridCheck::AutoCorrect, &TProStringGridCheck::SetAutoCorrect).Default(false);
  p.Property("AutoMarkError", &TProStringGridCheck::AutoMarkError, &TProStringGridCheck::SetAutoMarkError)
      .Default(false);
  p.Property("GotoCell", &TProStringGridCheck::GotoCell, &TProStringGridCheck::SetGotoCell).Default(false);
  p.Property("UseCorrect", &TProStringGridCheck::UseCorrect, &TProStringGridCheck::SetUseCorrect).Default(false);
  p.Property("UseMarkError", &TProStringGridCheck::UseMarkError, &TProStringGridCheck::SetUseMarkError)
      .Default(false);
}
