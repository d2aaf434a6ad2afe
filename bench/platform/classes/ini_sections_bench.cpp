// The section list of an ini file with many sections: the text of 1,000 to 100,000 sections (about
// 1.5 MB at the top) listed by IniText::SectionNames, the call behind TIniFile::ReadSections.  Every
// tenth section repeats an earlier name in another case, so that repeated names are dropped too.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/classes/ini_text.h"

namespace {

std::string ManySections(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    const bool repeat = i % 10 == 9;
    text += (repeat ? "[s" + std::to_string(i - 1) : "[S" + std::to_string(i)) + "]\r\nK=1\r\n";
  }
  return text;
}

void BM_IniSectionNames(benchmark::State& state) {
  const IniText ini(ManySections(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(ini.SectionNames());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IniSectionNames)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
