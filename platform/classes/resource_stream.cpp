#include "platform/classes/resource_stream.h"

#include "platform/classes/classes_errors.h"
#include "platform/classes/classes_texts.h"
#include "platform/classes/publisher.h"
#include "platform/core/format.h"
#include "platform/os/embedded_resources.h"

PR_IMPLEMENT_CLASS(TResourceStream)

TResourceStream::TResourceStream(std::string_view ResName, std::string_view ResType) {
  const EmbeddedResource* resource = FindEmbeddedResource(ResType, ResName);
  if (resource == nullptr) throw EResNotFound(Format(classes_text::kResNotFound, {ResName}));
  // The bytes are never written through this stream (Write refuses), so dropping const is safe.
  SetPointer(const_cast<Byte*>(resource->data), static_cast<Int64>(resource->size));
}

Integer TResourceStream::Write(const void*, Integer) { throw EStreamError(classes_text::kCantWriteResourceStream); }

bool ResourceExists(std::string_view ResName, std::string_view ResType) {
  return FindEmbeddedResource(ResType, ResName) != nullptr;
}
