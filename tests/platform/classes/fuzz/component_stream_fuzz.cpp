// libFuzzer entry point of the component stream fuzzer (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>

#include "stream_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadUntrustedComponentStream(data, size);
  return 0;
}
