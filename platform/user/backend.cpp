#include "platform/user/backend.h"

namespace user {

namespace {

// Shows nothing: what the window layer keeps in memory is all there is.
class NullDisplay final : public Backend {
 public:
  const char* Name() const override { return "headless"; }
};

std::unique_ptr<Backend>& Installed() {
  static std::unique_ptr<Backend> backend = std::make_unique<NullDisplay>();
  return backend;
}

}  // namespace

Backend& CurrentBackend() { return *Installed(); }

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
  std::unique_ptr<Backend> previous = std::move(Installed());
  Installed() = backend ? std::move(backend) : std::make_unique<NullDisplay>();
  return previous;
}

// The default is the only NullDisplay, so handing the previous backend back (as tests do) keeps
// the answer right.
bool BackendInstalled() { return dynamic_cast<NullDisplay*>(Installed().get()) == nullptr; }

}  // namespace user
