#include "platform/user/resource_name.h"

#include <cstdint>

#include "platform/user/user_types.h"

namespace user {

std::string ResourceName(const char* name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return upper;
}

}  // namespace user
