// Costs of the number and date texts on the values payroll files and grids hold.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/float_text.h"
#include "platform/core/format.h"
#include "platform/core/int_text.h"

namespace {

const std::vector<double> kAmounts = {1650.0, 190000.0, 999999999.99, 0.1, 12345.67, -8.5, 30000.0, 1e-7};
const std::vector<std::string> kAmountTexts = {"1650", "190000.00", "999999999.99", "0.1",
                                               "12345.67", "-8.5", "30000", "1E-7"};

template <typename Write>
void EachAmount(benchmark::State& state, Write write) {
  for (auto _ : state)
    for (double d : kAmounts) benchmark::DoNotOptimize(write(d));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(kAmounts.size()));
}

void WriteFloatToStr(benchmark::State& state) { EachAmount(state, [](double d) { return FloatToStr(d); }); }
BENCHMARK(WriteFloatToStr);

void WriteFixedNumber(benchmark::State& state) {
  EachAmount(state, [](double d) { return FloatToStrF(d, ffNumber, 15, 2); });
}
BENCHMARK(WriteFixedNumber);

void WritePictureFormat(benchmark::State& state) {
  EachAmount(state, [](double d) { return FormatFloat("#,##0.00;(#,##0.00);-", d); });
}
BENCHMARK(WritePictureFormat);

void WriteFormatSpecifiers(benchmark::State& state) {
  const std::string name = "Somchai";
  EachAmount(state, [&](double d) { return Format("%-10s %8d %12.2n", {name, 42, d}); });
}
BENCHMARK(WriteFormatSpecifiers);

void ReadStrToFloat(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string& t : kAmountTexts) benchmark::DoNotOptimize(StrToFloatDef(t, 0));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(kAmountTexts.size()));
}
BENCHMARK(ReadStrToFloat);

void ReadStrToInt(benchmark::State& state) {
  const std::vector<std::string> texts = {"0", "42", "-2147483648", "$7FFFFFFF", " 1650", "190000"};
  for (auto _ : state)
    for (const std::string& t : texts) benchmark::DoNotOptimize(StrToIntDef(t, 0));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(texts.size()));
}
BENCHMARK(ReadStrToInt);

void WriteDateTime(benchmark::State& state) {
  const TDateTime moment = EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 7);
  for (auto _ : state) benchmark::DoNotOptimize(DateTimeToStr(moment));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WriteDateTime);

void ReadDate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(StrToDateDef("12/8/2026", 0));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadDate);

}  // namespace
