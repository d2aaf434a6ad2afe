#include "platform/os/module_name.h"

#include <unistd.h>

#include "platform/core/cp874.h"

std::string ModuleFileName() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  return Utf8ToCp874(std::string_view(buffer, std::size_t(n)));
}
