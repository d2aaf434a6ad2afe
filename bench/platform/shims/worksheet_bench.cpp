// What a worksheet import costs in the worksheet server: reading a package (.xlsx) of `rows` x 10
// cells, half shared texts and half numbers, and building the value array of its used range.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <zip.h>

#include <filesystem>
#include <string>

#include "platform/shims/xlsx_reader.h"

namespace {

// A package of one sheet written with libzip into a fresh folder, removed afterwards.
struct Package {
  std::string folder, path;
  std::string sheet, strings;

  explicit Package(int rows) {
    std::string pattern = "/tmp/pr-bench-XXXXXX";
    folder = mkdtemp(pattern.data());
    path = folder + "/book.xlsx";
    strings = "<sst>";
    for (int i = 0; i < 1000; ++i) strings += "<si><t>employee " + std::to_string(i) + "</t></si>";
    strings += "</sst>";
    sheet = "<worksheet><sheetData>";
    for (int r = 1; r <= rows; ++r) {
      sheet += "<row r=\"" + std::to_string(r) + "\">";
      for (int c = 0; c < 5; ++c) sheet += "<c t=\"s\"><v>" + std::to_string((r * 5 + c) % 1000) + "</v></c>";
      for (int c = 0; c < 5; ++c) sheet += "<c><v>" + std::to_string(r * 10 + c) + ".25</v></c>";
      sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    const std::string parts[][2] = {
        {"_rels/.rels", "<Relationships><Relationship Id=\"r\" Type=\"x/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook><sheets><sheet r:id=\"s\" xmlns:r=\"r\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships><Relationship Id=\"s\" Type=\"x/worksheet\" Target=\"sheet.xml\"/>"
         "<Relationship Id=\"t\" Type=\"x/sharedStrings\" Target=\"strings.xml\"/></Relationships>"},
        {"xl/strings.xml", strings},
        {"xl/sheet.xml", sheet}};
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (const auto& part : parts)
      zip_file_add(zip, part[0].c_str(), zip_source_buffer(zip, part[1].data(), part[1].size(), 0), 0);
    zip_close(zip);
  }
  ~Package() { std::filesystem::remove_all(folder); }
};

void BM_ReadPackage(benchmark::State& state) {
  const Package package(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadXlsxActiveSheet(package.path).Count());
  state.SetItemsProcessed(state.iterations() * state.range(0) * 10);
}

void BM_ValuesOfTheUsedRange(benchmark::State& state) {
  const Package package(int(state.range(0)));
  const TWorksheetCells cells = ReadXlsxActiveSheet(package.path);
  for (auto _ : state) benchmark::DoNotOptimize(cells.Values(cells.UsedRange()).DimCount());
  state.SetItemsProcessed(state.iterations() * state.range(0) * 10);
}

BENCHMARK(BM_ReadPackage)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ValuesOfTheUsedRange)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
