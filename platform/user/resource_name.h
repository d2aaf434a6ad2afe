// The name under which a resource call looks a resource up: the text in upper case, or "#n" for
// an integer name n (MAKEINTRESOURCE).
#pragma once

#include <string>

namespace user {

std::string ResourceName(const char* name);

}  // namespace user
