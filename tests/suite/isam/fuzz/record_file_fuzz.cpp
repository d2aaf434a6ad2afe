// libFuzzer entry point of the damaged record file fuzzer (see CMakeLists.txt).  An engine error
// number that a damaged file should not give stops the run like a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "damaged_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const Integer code : FuzzRecordFile(data, size)) {
    if (ExpectedForDamage(code)) continue;
    std::fprintf(stderr, "unexpected engine error %d\n", static_cast<int>(code));
    std::abort();
  }
  return 0;
}
