// libFuzzer entry point of the mask fuzzer (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>

#include "mask_fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RunMaskFuzzInput(data, size);
  return 0;
}
