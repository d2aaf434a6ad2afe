// Resources embedded in the program at build time, found by type and name as the platform finds
// resources in a module ("RCDATA", "TMAINFORM").
//
// The build turns each resource file into a generated include (cmake/EmbedResources.cmake:
// pr_embed_resource) that the code owning the resource includes once; it registers the bytes
// before main runs.  Types and names compare without ASCII case.  Invariant: registered bytes
// live for the whole program and never change; registering the same type and name twice keeps
// the first.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/core/types.h"

inline constexpr std::string_view RT_RCDATA = "RCDATA";
inline constexpr std::string_view RT_BITMAP = "BITMAP";
// A whole cursor file (.cur: its directory and every image), as the window layer's LoadCursor reads it.
inline constexpr std::string_view RT_CURSOR = "CURSOR";

struct EmbeddedResource {
  std::string_view type;
  std::string_view name;
  const Byte* data;
  std::size_t size;
};

// Called by the generated includes; answers true so that it can initialise a static.
bool RegisterEmbeddedResource(std::string_view type, std::string_view name, const Byte* data, std::size_t size);
// The resource, or nullptr when none of that type and name is embedded.
const EmbeddedResource* FindEmbeddedResource(std::string_view type, std::string_view name);
