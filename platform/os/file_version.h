// The version information of a program file: the four 16-bit parts of the fixed file version that
// a desktop system keeps in a file's version resource.
//
// Files on Linux carry no version resource, so every query answers "none", for files that exist
// and for names that do not (the common-controls library the grid asks about does not exist here
// either; docs/platform-ui-common-controls.md).  Callers take "none" as a desktop system does for
// a file without version information.
#pragma once

#include <optional>
#include <string_view>

#include "platform/core/types.h"

struct TFileVersion {
  Word Major = 0;
  Word Minor = 0;
  Word Release = 0;
  Word Build = 0;
};

// The fixed file version of the file named (code page 874, native or Windows form); nothing when
// the file has no version information.
std::optional<TFileVersion> QueryFileVersion(std::string_view fileName);
