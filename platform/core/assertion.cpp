#include "platform/core/assertion.h"

#include <string>

#include "platform/core/exceptions.h"

void Assert(bool condition, std::string_view message, std::source_location where) {
  if (condition) return;
  std::string text(message.empty() ? std::string_view("Assertion failure") : message);
  text += " (";
  text += where.file_name();
  text += ", line ";
  text += std::to_string(where.line());
  text += ')';
  throw EAssertionFailed(std::move(text));
}
