// TSizeWhileTyping; see size_while_typing.h.
#include "grid/size_while_typing.h"

#include "platform/classes/publisher.h"

PR_PUBLISH(TSizeWhileTyping) {
  p.Property("Height", &TSizeWhileTyping::Height, &TSizeWhileTyping::SetHeight).Default(false);
  p.Property("Width", &TSizeWhileTyping::Width, &TSizeWhileTyping::SetWidth).Default(false);
}
