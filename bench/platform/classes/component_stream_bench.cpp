// Component streaming and the property table: writing and reading a form of many components in
// the binary form, converting it to and from the text form, growing a memory stream, finding
// properties by name, and a sorted string list.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/classes/memory_stream.h"
#include "platform/classes/object_text.h"
#include "platform/classes/property_table.h"
#include "platform/classes/string_list.h"
#include "test_components.h"

namespace {

constexpr int kWidgets = 200;

std::unique_ptr<TTestForm> MakeForm() {
  RegisterTestClasses();
  auto form = std::make_unique<TTestForm>(nullptr);
  form->SetName("Form1");
  for (int i = 0; i < kWidgets; ++i) {
    auto* w = new TTestWidget(form.get());
    w->SetName("Widget" + std::to_string(i));
    w->Int = i * 1000;
    w->Caption = "Caption of widget " + std::to_string(i);
    w->Ratio = i / 7.0;
    w->Color = tcGreen;
    w->Styles = {tsBold};
    w->Lines()->SetText("one\r\ntwo\r\n");
    static_cast<TTestItem*>(w->Items()->Add())->Caption = "item";
    if (i > 0) w->SetBuddy(static_cast<TTestWidget*>(form->Components(i - 1)));
  }
  return form;
}

void WriteForm(TComponent* form, TMemoryStream& out) {
  out.Clear();
  out.WriteComponent(form);
}

void BM_WriteBinary(benchmark::State& state) {
  auto form = MakeForm();
  TMemoryStream out;
  for (auto _ : state) WriteForm(form.get(), out);
  state.SetItemsProcessed(state.iterations() * kWidgets);
  state.SetBytesProcessed(state.iterations() * out.Size());
}
BENCHMARK(BM_WriteBinary);

void BM_ReadBinary(benchmark::State& state) {
  auto form = MakeForm();
  TMemoryStream image;
  WriteForm(form.get(), image);
  for (auto _ : state) {
    image.SetPosition(0);
    std::unique_ptr<TComponent> copy(image.ReadComponent(nullptr));
    benchmark::DoNotOptimize(copy.get());
  }
  state.SetItemsProcessed(state.iterations() * kWidgets);
  state.SetBytesProcessed(state.iterations() * image.Size());
}
BENCHMARK(BM_ReadBinary);

void BM_BinaryToText(benchmark::State& state) {
  auto form = MakeForm();
  TMemoryStream image, text;
  WriteForm(form.get(), image);
  for (auto _ : state) {
    image.SetPosition(0);
    text.Clear();
    ObjectBinaryToText(&image, &text);
  }
  state.SetBytesProcessed(state.iterations() * image.Size());
}
BENCHMARK(BM_BinaryToText);

void BM_TextToBinary(benchmark::State& state) {
  auto form = MakeForm();
  TMemoryStream image, text, back;
  WriteForm(form.get(), image);
  image.SetPosition(0);
  ObjectBinaryToText(&image, &text);
  for (auto _ : state) {
    text.SetPosition(0);
    back.Clear();
    ObjectTextToBinary(&text, &back);
  }
  state.SetBytesProcessed(state.iterations() * text.Size());
}
BENCHMARK(BM_TextToBinary);

// A large image written in the writer's 4 KB flushes: the cost of growing the block.
void BM_MemoryStreamGrowth(benchmark::State& state) {
  const std::string chunk(4096, 'x');
  const auto total = state.range(0);
  for (auto _ : state) {
    TMemoryStream s;
    for (Int64 written = 0; written < total; written += 4096) s.WriteBuffer(chunk.data(), 4096);
    benchmark::DoNotOptimize(s.Memory());
  }
  state.SetBytesProcessed(state.iterations() * total);
}
BENCHMARK(BM_MemoryStreamGrowth)->Arg(64 << 10)->Arg(4 << 20);

void BM_GetPropInfoByName(benchmark::State& state) {
  const char* names[] = {"Name", "Caption", "OnClick", "Buddy", "wIdEcApTiOn"};
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetPropInfo(TTestWidget::StaticClass(), names[i++ % 5]));
}
BENCHMARK(BM_GetPropInfoByName);

void BM_SortedStringListAdd(benchmark::State& state) {
  for (auto _ : state) {
    TStringList list;
    list.SetSorted(true);
    for (int k = 0; k < 2000; ++k) list.Add("item " + std::to_string((k * 7919) % 2000));
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_SortedStringListAdd);

}  // namespace
