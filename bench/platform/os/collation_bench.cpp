// What a locale-aware comparison costs: the cached ICU collator on code page 874 and UTF-16
// texts, short names (widened on the stack) and long texts (widened on the heap).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/os/collation.h"
#include "platform/os/locale.h"
#include "platform/os/random.h"

namespace {

// Thai-looking names of 2 to 12 characters, made from consonants, vowels and tone marks.
std::vector<std::string> ThaiNames(int count) {
  const std::string_view letters = "กขคงจชซญดตถทนบปผพฟมยรลวศสหอฮะาิีึืุูเแโใไ่้๊๋"_cp874;
  RandomSource random(874);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string name;
    const int length = 2 + random.Random(11);
    for (int k = 0; k < length; ++k)
      name += letters[static_cast<std::size_t>(random.Random(static_cast<Integer>(letters.size())))];
    names.push_back(name);
  }
  return names;
}

void BM_AnsiCompareStrShortThai(benchmark::State& state) {
  ScopedLocale thai("th-TH");
  const auto names = ThaiNames(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnsiCompareStr(names[i & 1023], names[(i + 1) & 1023]));
    ++i;
  }
}
BENCHMARK(BM_AnsiCompareStrShortThai);

void BM_AnsiCompareTextShortThai(benchmark::State& state) {
  ScopedLocale thai("th-TH");
  const auto names = ThaiNames(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnsiCompareText(names[i & 1023], names[(i + 1) & 1023]));
    ++i;
  }
}
BENCHMARK(BM_AnsiCompareTextShortThai);

void BM_AnsiCompareStrLongCommonPrefix(benchmark::State& state) {
  ScopedLocale thai("th-TH");
  const std::string a = std::string(300, 'x') + "a", b = std::string(300, 'x') + "b";
  for (auto _ : state) benchmark::DoNotOptimize(AnsiCompareStr(a, b));
}
BENCHMARK(BM_AnsiCompareStrLongCommonPrefix);

void BM_WideCompareStrShortThai(benchmark::State& state) {
  ScopedLocale thai("th-TH");
  std::vector<std::u16string> names;
  for (const auto& name : ThaiNames(1024)) names.push_back(Cp874ToUtf16(name));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WideCompareStr(names[i & 1023], names[(i + 1) & 1023]));
    ++i;
  }
}
BENCHMARK(BM_WideCompareStrShortThai);

void BM_SortThousandThaiNames(benchmark::State& state) {
  ScopedLocale thai("th-TH");
  const auto names = ThaiNames(1000);
  for (auto _ : state) {
    auto copy = names;
    std::sort(copy.begin(), copy.end(),
              [](const std::string& a, const std::string& b) { return AnsiCompareStr(a, b) < 0; });
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_SortThousandThaiNames)->Unit(benchmark::kMicrosecond);

}  // namespace
