#include "platform/os/embedded_resources.h"

#include <deque>
#include <mutex>

#include "platform/core/ansi_strings.h"

namespace {

struct Registry {
  std::mutex mutex;
  std::deque<EmbeddedResource> resources;   // a deque keeps the addresses it hands out
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

const EmbeddedResource* FindLocked(Registry& r, std::string_view type, std::string_view name) {
  for (const EmbeddedResource& res : r.resources)
    if (SameText(res.type, type) && SameText(res.name, name)) return &res;
  return nullptr;
}

}  // namespace

bool RegisterEmbeddedResource(std::string_view type, std::string_view name, const Byte* data, std::size_t size) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  if (FindLocked(r, type, name) == nullptr) r.resources.push_back({type, name, data, size});
  return true;
}

const EmbeddedResource* FindEmbeddedResource(std::string_view type, std::string_view name) {
  Registry& r = TheRegistry();
  std::lock_guard lock(r.mutex);
  return FindLocked(r, type, name);
}
