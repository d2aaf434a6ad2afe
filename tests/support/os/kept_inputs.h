// The inputs kept from fuzzing (a folder of files, one input each) read back for the tests that
// replay them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct KeptInput {
  std::string name;   // the file's name, for the test's trace
  std::vector<std::uint8_t> bytes;
};

// Every file of the folder, a path below the source tree (PR_SOURCE_DIR when CTest sets it, else the
// tree these tests were built from), in name order; empty when the folder is missing or empty.
std::vector<KeptInput> ReadKeptInputs(const std::string& folderBelowSourceTree);
