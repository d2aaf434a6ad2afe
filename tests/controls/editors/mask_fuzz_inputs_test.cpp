#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "mask_fuzz_target.h"

namespace {

// Every input the mask fuzzer found troublesome, and its seeds, stay fixed.
TEST(MaskFuzzInputs, KeptInputsRunCleanly) {
  const char* root = std::getenv("PR_SOURCE_DIR");   // set by CTest
  const std::filesystem::path folder = root != nullptr
                                           ? std::filesystem::path(root) / "tests/controls/editors/fuzz_inputs"
                                           : std::filesystem::path(__FILE__).parent_path() / "fuzz_inputs";
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(entry.path().filename().string());
    RunMaskFuzzInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++count;
  }
  EXPECT_GT(count, 0);
}

}  // namespace
