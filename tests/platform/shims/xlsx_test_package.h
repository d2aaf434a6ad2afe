// Workbook packages written part by part for the package reader's tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace xlsxtest {

struct Part {
  std::string name;
  std::string bytes;
};

// A package of one sheet (xl/worksheets/sheet1.xml) whose <sheetData> holds `sheetData`, with
// `sharedStrings` as its shared texts when not empty.
std::vector<Part> SheetPackage(std::string_view sheetData, std::string_view sharedStrings = {});
// `parts` with the part `name` replaced by (or added as) `bytes`; an empty `bytes` removes it.
std::vector<Part> With(std::vector<Part> parts, const std::string& name, std::string bytes);
// Writes the parts as a zip archive, deflated or stored.
void WriteZip(const std::string& path, const std::vector<Part>& parts, bool stored = false);

}  // namespace xlsxtest
