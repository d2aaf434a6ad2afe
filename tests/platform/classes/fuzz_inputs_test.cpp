#include <gtest/gtest.h>

#include <vector>

#include "stream_fuzz_target.h"
#include "tests/support/os/kept_inputs.h"

namespace {

// Every input the fuzzer ever found troublesome (and a few seeds) stays fixed.
TEST(ComponentStreamFuzzInputs, KeptInputsRunCleanly) {
  const std::vector<KeptInput> inputs = ReadKeptInputs("tests/platform/classes/fuzz_inputs");
  ASSERT_FALSE(inputs.empty());
  for (const KeptInput& input : inputs) {
    SCOPED_TRACE(input.name);
    ReadUntrustedComponentStream(input.bytes.data(), input.bytes.size());
  }
}

}  // namespace
