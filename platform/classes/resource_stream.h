// TResourceStream: a read-only stream over a resource embedded at build time
// (platform/os/embedded_resources.h).  A missing resource raises EResNotFound "Resource X not
// found"; writing raises EStreamError "Can't write to a read-only resource stream".
#pragma once

#include <string_view>

#include "platform/classes/memory_stream.h"

class TResourceStream : public TCustomMemoryStream {
  PR_CLASS(TResourceStream, TCustomMemoryStream)

 public:
  TResourceStream(std::string_view ResName, std::string_view ResType);
  Integer Write(const void* Buffer, Integer Count) override;
};

// Whether a resource of that type and name is embedded.
bool ResourceExists(std::string_view ResName, std::string_view ResType);
