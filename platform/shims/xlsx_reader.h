// Reads the active worksheet of a workbook package (.xlsx).
//
// The package's relationships lead from "_rels/.rels" to the workbook part, and from the workbook's
// to its sheets, its styles and its shared strings.  The workbook's first view names the active
// sheet (activeTab; the first sheet when it has none or names no sheet) and the date system
// (date1904).  A number whose cell style's number format shows a date (spreadsheet_dates.h)
// becomes a date; Boolean (t="b"), error (t="e"), text (shared, inline and formula results) and
// ISO date (t="d") cells keep their kinds.  Texts are turned into code page 874 ('?' for
// characters outside it) after their "_xHHHH_" escapes are undone; phonetic runs are left out.
// Errors are EWorkbookFileError.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/shims/worksheet_cells.h"

// The package may inflate to this many bytes at most, all parts read together.
inline constexpr std::uint64_t kMaxXlsxInflatedBytes = std::uint64_t(256) << 20;

TWorksheetCells ReadXlsxActiveSheet(const std::string& nativePath,
                                    std::uint64_t maxInflatedBytes = kMaxXlsxInflatedBytes);

// A relationship's target as a part name: relative to the folder of `sourcePart`, or from the
// package's root when it starts with '/'; "." and ".." steps are resolved.
std::string ResolvePartTarget(std::string_view sourcePart, std::string_view target);

// Text of a part, UTF-8 with "_xHHHH_" escapes, as code page 874.
std::string DecodePartText(std::string_view text);
