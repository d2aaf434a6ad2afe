#include "platform/core/exceptions.h"

void Abort() { throw EAbort("Operation aborted"); }

void RaiseNotValid(std::string_view text, const char* what) {
  throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
}
