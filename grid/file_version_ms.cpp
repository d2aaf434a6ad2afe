// GetFileVersionMS; see file_version_ms.h.
#include "grid/file_version_ms.h"

#include "platform/os/file_version.h"

Integer GetFileVersionMS(std::string_view FileName) {
  const std::optional<TFileVersion> version = QueryFileVersion(FileName);
  if (!version) return -1;
  return static_cast<Integer>((static_cast<Cardinal>(version->Major) << 16) | version->Minor);
}
