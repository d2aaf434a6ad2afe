// The cells of one worksheet as a workbook file's reader found them: only cells holding a value are
// kept (text, number, date, Boolean or error), each with its row and column, so that a sheet whose
// few values lie far apart costs no more than its values.
//
// Limits: a sheet keeps at most kMaxRangeCells values (Add... raises EWorkbookFileError beyond), and
// Values builds an array of at most kMaxRangeCells cells; callers check a rectangle with
// WithinValueLimit before asking for its values.  Each cell of a value array costs a Variant
// (about 170 bytes), so the limit keeps one read of values near 180 MB.
//
// Texts are code page 874 bytes.  An empty text is no value.  Where two cells of the file name the
// same position, the later one is what Values gives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/variant.h"
#include "platform/shims/cell_address.h"

inline constexpr std::uint64_t kMaxRangeCells = std::uint64_t(1) << 20;

// A workbook file that cannot be read; the message says why.
PR_DECLARE_EXCEPTION(EWorkbookFileError, Exception);

inline bool WithinValueLimit(const TCellRect& rect) { return rect.CellCount() <= kMaxRangeCells; }

// An automation server's code of a cell error: 0x800A0000 + 2000 #NULL!, 2007 #DIV/0!, 2015
// #VALUE!, 2023 #REF!, 2029 #NAME?, 2036 #NUM!, 2042 #N/A.
inline constexpr Integer CellErrorCode(Integer errorNumber) { return Integer(0x800A0000u) | errorNumber; }

class TWorksheetCells {
 public:
  // Texts kept once and named by index (shared strings); AddPooledText refers to them.
  std::uint32_t PoolText(std::string_view text);
  std::uint32_t PooledTextCount() const { return std::uint32_t(textStarts_.size()); }

  void AddText(std::uint32_t row, std::uint32_t column, std::string_view text);
  void AddPooledText(std::uint32_t row, std::uint32_t column, std::uint32_t index);
  void AddNumber(std::uint32_t row, std::uint32_t column, double value);
  void AddDate(std::uint32_t row, std::uint32_t column, TDateTime value);
  void AddBoolean(std::uint32_t row, std::uint32_t column, bool value);
  // `errorNumber` as in CellErrorCode.
  void AddError(std::uint32_t row, std::uint32_t column, Integer errorNumber);

  std::size_t Count() const { return cells_.size(); }
  // The smallest rectangle holding every value; A1 alone when there is none.
  TCellRect UsedRange() const;
  // A two-dimensional array [1..rows, 1..columns] of the rectangle's cells: Empty, String, Double,
  // Date, Boolean or Error.  The rectangle must be within the value limit.
  Variant Values(const TCellRect& rect) const;

 private:
  enum class TKind : std::uint8_t { Text, Number, Date, Boolean, Error };
  struct TCell {
    std::uint32_t row;
    std::uint16_t column;
    TKind kind;
    std::uint32_t text;   // Text: the pooled text's index
    double number;        // Number, Date; Boolean 0 or 1; Error its number
  };

  void Add(std::uint32_t row, std::uint32_t column, TKind kind, std::uint32_t text, double number);
  std::string_view Text(std::uint32_t index) const;
  Variant ValueOf(const TCell& cell) const;

  std::vector<TCell> cells_;
  std::string texts_;                       // every pooled text, one after another
  std::vector<std::size_t> textStarts_;     // where each begins in texts_
};
