#include "capped_child.h"

#include <sys/resource.h>

namespace {

constexpr long kCapMegabytes = 256;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

}  // namespace

TMemoryCapForChildren::TMemoryCapForChildren() {
  if (!kAddressSanitizer) return;
  const char* options = std::getenv("ASAN_OPTIONS");
  hadOptions_ = options != nullptr;
  if (hadOptions_) options_ = options;
  const std::string capped = (hadOptions_ ? options_ + ":" : std::string()) +
                             "hard_rss_limit_mb=" + std::to_string(kCapMegabytes);
  setenv("ASAN_OPTIONS", capped.c_str(), 1);
}

TMemoryCapForChildren::~TMemoryCapForChildren() {
  if (!kAddressSanitizer) return;
  if (hadOptions_) setenv("ASAN_OPTIONS", options_.c_str(), 1);
  else unsetenv("ASAN_OPTIONS");
}

void CapChildMemory() {
  if (kAddressSanitizer) return;   // the child's ASAN_OPTIONS carry the cap
  const rlim_t bytes = static_cast<rlim_t>(kCapMegabytes) * 1024 * 1024;
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_AS, &limit);
}
