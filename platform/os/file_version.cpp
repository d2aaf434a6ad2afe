// File version queries; see file_version.h.
#include "platform/os/file_version.h"

std::optional<TFileVersion> QueryFileVersion(std::string_view) { return std::nullopt; }
