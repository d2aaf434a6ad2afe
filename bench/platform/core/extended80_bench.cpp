// Costs of the 80-bit codec on the values record files hold, and on extreme ones.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/core/extended80.h"
#include "platform/core/extended80_text.h"

namespace {

const std::vector<double> kAmounts = {1650.0, 190000.0, 999999999.99, 0.1, 12345.67, -8.5, 30000.0, 1e-7};

void DoubleToTenBytes(benchmark::State& state) {
  for (auto _ : state)
    for (double d : kAmounts) benchmark::DoNotOptimize(DoubleToExtended80(d));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(kAmounts.size()));
}
BENCHMARK(DoubleToTenBytes);

void TenBytesToDouble(benchmark::State& state) {
  std::vector<Extended80> values;
  for (double d : kAmounts) values.push_back(DoubleToExtended80(d));
  for (auto _ : state)
    for (const Extended80& x : values) benchmark::DoNotOptimize(Extended80ToDouble(x));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(values.size()));
}
BENCHMARK(TenBytesToDouble);

void ReadText(benchmark::State& state, std::vector<std::string> texts) {
  Extended80 x;
  for (auto _ : state)
    for (const std::string& t : texts) benchmark::DoNotOptimize(TextToExtended80(t, x));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(texts.size()));
}
BENCHMARK_CAPTURE(ReadText, amounts, {"1650", "190000.00", "999999999.99", "0.1", "12345.67", "-8.5", "1.5E-7"});
BENCHMARK_CAPTURE(ReadText, long_digits, {"3.14159265358979323846264338327950288", "0.000123456789012345678901"});
BENCHMARK_CAPTURE(ReadText, extreme, {"1.18973149535723176502e4932", "3.6451995318824746025e-4951"});

void WriteText(benchmark::State& state, std::vector<Extended80> values) {
  for (auto _ : state)
    for (const Extended80& x : values) benchmark::DoNotOptimize(Extended80ToText(x));
  state.SetItemsProcessed(state.iterations() * static_cast<Int64>(values.size()));
}
BENCHMARK_CAPTURE(WriteText, amounts, {DoubleToExtended80(1650.0), DoubleToExtended80(999999999.99),
                                       DoubleToExtended80(0.1), DoubleToExtended80(-8.5)});
BENCHMARK_CAPTURE(WriteText, extreme, {Extended80::FromParts(false, 0x7FFE, ~UInt64{0}),
                                       Extended80::FromParts(false, 1, Extended80::kIntegerBit)});

}  // namespace
