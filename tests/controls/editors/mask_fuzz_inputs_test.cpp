#include <gtest/gtest.h>

#include <vector>

#include "mask_fuzz_target.h"
#include "tests/support/os/kept_inputs.h"

namespace {

// Every input the mask fuzzer found troublesome, and its seeds, stay fixed.
TEST(MaskFuzzInputs, KeptInputsRunCleanly) {
  const std::vector<KeptInput> inputs = ReadKeptInputs("tests/controls/editors/fuzz_inputs");
  ASSERT_FALSE(inputs.empty());
  for (const KeptInput& input : inputs) {
    SCOPED_TRACE(input.name);
    RunMaskFuzzInput(input.bytes.data(), input.bytes.size());
  }
}

}  // namespace
