// TSizeWhileTyping (the string grid's SizeWhileTyping): whether the cell being edited grows its
// row (Height) or its column (Width) while the user types.  No Assign of its own: assigning one
// raises the class library's assignment error.
#pragma once

#include "grid/stored_property.h"
#include "platform/classes/persistent.h"

class TSizeWhileTyping : public TPersistent {
  PR_CLASS(TSizeWhileTyping, TPersistent)

 public:
  TSizeWhileTyping() = default;

  PR_STORED_PROPERTY(bool, Height, false)
  PR_STORED_PROPERTY(bool, Width, false)
};
