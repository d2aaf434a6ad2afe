#include "tests/support/os/kept_inputs.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

std::vector<KeptInput> ReadKeptInputs(const std::string& folderBelowSourceTree) {
  const char* source = std::getenv("PR_SOURCE_DIR");
  const fs::path folder = fs::path(source != nullptr ? source : PR_SOURCE_TREE) / folderBelowSourceTree;
  std::vector<KeptInput> inputs;
  std::error_code missing;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, missing)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    inputs.push_back({entry.path().filename().string(),
                      {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
  }
  std::sort(inputs.begin(), inputs.end(),
            [](const KeptInput& a, const KeptInput& b) { return a.name < b.name; });
  return inputs;
}
