// A small mutation fuzzer for compilers without libFuzzer: it mutates the seed inputs (bit flips,
// byte changes, insertions, deletions, cuts, splices, interesting values) with a fixed-seed
// generator and feeds each mutant to LLVMFuzzerTestOneInput.  When a sanitizer stops the process,
// the input being run is saved as crash-<n>.bin in the current folder first.
//   component_stream_fuzz <iterations> <seed file or folder>...
#include <sanitizer/common_interface_defs.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string current;
long iteration = 0;

void SaveCurrent() {
  const std::string name = "crash-" + std::to_string(iteration) + ".bin";
  if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
    std::fwrite(current.data(), 1, current.size(), f);
    std::fclose(f);
    std::fprintf(stderr, "input saved as %s\n", name.c_str());
  }
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

std::string Mutate(const std::vector<std::string>& seeds, std::mt19937_64& rng) {
  std::string s = seeds[rng() % seeds.size()];
  const int rounds = 1 + static_cast<int>(rng() % 8);
  static const char kInteresting[] = {0, 1, 2, 0x7F, static_cast<char>(0x80), static_cast<char>(0xFF),
                                      static_cast<char>(0xF1), static_cast<char>(0xF2), 12, 14, 18, 20};
  for (int r = 0; r < rounds; ++r) {
    const std::size_t at = s.empty() ? 0 : rng() % s.size();
    switch (rng() % 8) {
      case 0: if (!s.empty()) s[at] = static_cast<char>(s[at] ^ (1 << (rng() % 8))); break;
      case 1: if (!s.empty()) s[at] = static_cast<char>(rng()); break;
      case 2: s.insert(at, 1, static_cast<char>(rng())); break;
      case 3: if (!s.empty()) s.erase(at, 1 + rng() % 8); break;
      case 4: s.resize(at); break;
      case 5: {
        const std::string& other = seeds[rng() % seeds.size()];
        if (!other.empty()) s.insert(at, other.substr(rng() % other.size(), 1 + rng() % 32));
        break;
      }
      case 6: if (!s.empty()) s[at] = kInteresting[rng() % sizeof kInteresting]; break;
      default: if (s.size() >= 4) s.replace(at > s.size() - 4 ? s.size() - 4 : at, 4, "\xFF\xFF\xFF\x7F"); break;
    }
  }
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <iterations> <seed file or folder>...\n", argv[0]);
    return 2;
  }
  std::vector<std::string> seeds;
  for (int i = 2; i < argc; ++i) {
    const std::filesystem::path p(argv[i]);
    if (std::filesystem::is_directory(p)) {
      for (const auto& e : std::filesystem::directory_iterator(p)) seeds.push_back(ReadFile(e.path()));
    } else {
      seeds.push_back(ReadFile(p));
    }
  }
  if (seeds.empty()) seeds.emplace_back("TPF0");
  __sanitizer_set_death_callback(SaveCurrent);
  std::mt19937_64 rng(20240601);
  const long iterations = std::stol(argv[1]);
  for (iteration = 0; iteration < iterations; ++iteration) {
    current = Mutate(seeds, rng);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(current.data()), current.size());
    if (iteration % 10000 == 0) std::fprintf(stderr, "%ld runs\n", iteration);
  }
  std::fprintf(stderr, "%ld runs, no fault\n", iterations);
  return 0;
}
