// The employee import: the column rules that turn a row into a record, the rows that are skipped,
// adds that fail without a message, and an import that stops as soon as the program is to end.
#include <gtest/gtest.h>

#include <array>
#include <variant>

#include "app/employee_import.h"
#include "app/employee_record.h"
#include "app/payroll_record_files.h"
#include "app/record_fields.h"
#include "payroll_fixture.h"
#include "platform/core/cp874.h"
#include "platform/core/exceptions.h"
#include "tests/support/suite/lock_holding_station.h"

namespace {

using namespace employee_record;

// Rows of cells as a loaded file gives them; amounts read as the grid reads them ("" and "-" are
// 0, other texts that are not numbers raise).
class TableRows final : public TImportRows {
 public:
  explicit TableRows(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}
  Integer RowCount() const override { return Integer(rows_.size()); }
  std::string Cell(Integer col, Integer row) const override {
    const auto& cells = rows_[std::size_t(row)];
    return std::size_t(col) < cells.size() ? cells[std::size_t(col)] : std::string();
  }
  double Amount(Integer col, Integer row) const override {
    const std::string text = Cell(col, row);
    if (text.empty() || text == "-") return 0;
    std::size_t used = 0;
    try {
      const double value = std::stod(text, &used);
      if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw Exception("Cell does not contain a float value");
  }

 private:
  std::vector<std::vector<std::string>> rows_;
};

// A data row with the code and one other cell set.
std::vector<std::string> Row(const std::string& code, Integer col = 0, const std::string& cell = {}) {
  std::vector<std::string> cells(26);
  cells[0] = code;
  if (col != 0) cells[std::size_t(col)] = cell;
  return cells;
}

std::array<Byte, kSize> Convert(Integer col, const std::string& cell, const std::string& code = "A1") {
  const TableRows rows({Row("header"), Row(code, col, cell)});
  std::array<Byte, kSize> record;
  record.fill(0xEE);
  RowToEmployee(rows, 1, record.data());
  return record;
}

TEST(EmployeeImportRulesTest, EachColumnIsStoredByItsRule) {
  using Expected = std::variant<std::string, int>;   // a text field or a byte
  const struct {
    Integer col;
    std::string cell;
    std::variant<TextField, Integer> field;
    Expected expected;
  } cases[] = {
      {7, "0", DepartmentCode, "01"},
      {7, "61", DepartmentCode, "01"},
      {7, "abc", DepartmentCode, "01"},
      {7, "7", DepartmentCode, "07"},
      {7, "60", DepartmentCode, "60"},
      {7, "1,2", DepartmentCode, "12"},
      {7, "263", DepartmentCode, "07"},
      {6, "2", Col6Choice, 2},
      {6, "3", Col6Choice, 1},
      {9, "251", Col9Byte, 1},
      {9, "250", Col9Byte, 250},
      {9, "255", Col9Byte, 255},
      {9, "-1", Col9Byte, 255},
      {9, "256", Col9Byte, 0},
      {10, "254", Col10Byte, 1},
      {12, "253", Col12Byte, 1},
      {11, "252", Col11Byte, 3},
      {11, "251", Col11Byte, 251},
      {13, "300", Col13Byte, 44},
      {13, "252", Col13Byte, 0},
      {14, "255", Col14Byte, 0},
      {19, "01/02/45", Col19Date, "01/02/2545"},
      {19, "01/02/2545", Col19Date, "01/02/2545"},
      {19, "1/2/45", Col19Date, ""},
      {20, "", Col20Date, "691210"},
      {20, "15/06/50", Col20Date, "500615"},
      {20, "5/6/50", Col20Date, "691210"},
      {21, "15/06/50", Col21Date, "500615"},
      {22, "1/6/50", Col22Date, ""},
      {23, "y", Col23Flag, 1},
      {23, "Yes", Col23Flag, 1},
      {23, "YES", Col23Flag, 1},
      {23, "N", Col23Flag, 0},
      {23, "", Col23Flag, 0},
      {23, " Y", Col23Flag, 0},
      {1, std::string(45, 'n'), ThaiName, std::string(40, 'n')},
      {8, std::string(35, 'p'), Position, std::string(30, 'p')},
      {5, "Somchai Jaidee", EnglishName, "Somchai Jaidee"},
      {18, std::string(25, 's'), Col18Text, std::string(20, 's')},
  };
  FakeClock clock(EncodeDate(2026, 12, 10));
  ScopedClock installed(clock);
  for (const auto& c : cases) {
    const auto record = Convert(c.col, c.cell);
    if (const auto* text = std::get_if<TextField>(&c.field)) {
      EXPECT_EQ(GetFieldText(record.data(), text->offset, text->width), std::get<std::string>(c.expected))
          << "c" << c.col << " " << c.cell;
    } else {
      EXPECT_EQ(record[std::size_t(std::get<Integer>(c.field))], std::get<int>(c.expected))
          << "c" << c.col << " " << c.cell;
    }
  }
}

TEST(EmployeeImportRulesTest, TheCodeIsUpperCasedAndCutAndTheRestOfTheRecordIsZero) {
  FakeClock clock(EncodeDate(2026, 12, 10));
  ScopedClock installed(clock);
  const std::string thai = std::string("ก"_cp874);
  const auto record = Convert(24, "1234.5", "abcdefgh" + thai + "j");
  EXPECT_EQ(GetFieldText(record.data(), EmployeeCode.offset, EmployeeCode.width), "ABCDEFGH" + thai);
  EXPECT_EQ(GetFieldFloat(record.data(), Col24Amount), DoubleToExtended80(1234.5));
  EXPECT_EQ(GetFieldFloat(record.data(), Col25Amount), DoubleToExtended80(0));
  EXPECT_EQ(record[0] | record[1] | record[2] | record[3], 0) << "in use";
  EXPECT_EQ(record[kSize - 1], 0) << "every byte outside the fields is zero";
  EXPECT_EQ(CutText("abcdef", 3), "abc");
  EXPECT_EQ(CutText("ab", 3), "ab");
}

class EmployeeImport : public PayrollFixture {
 protected:
  void SetUp() override {
    PayrollFixture::SetUp();
    WriteBytes(company_ / "PRINFO.DAT", "");   // a new company
    ASSERT_TRUE(StartPayrollCompany(company_.string()));
  }
  static bool OnFile(const std::string& code) {
    Integer ref = 0;
    FindDataKey(EmployeeFile, 1, ref, code);
    return DataFileCallOK;
  }
};

TEST_F(EmployeeImport, NewCodesAreAddedAndOthersSkippedWithoutAMessage) {
  ImportAllRows(TableRows({Row("header"), Row("E001")}));
  ASSERT_TRUE(OnFile("E001"));
  ImportAllRows(TableRows({Row("header"), Row(""), Row("ABCDEFGHIJK"), Row("E001"), Row("e001"), Row("ABCDEFGHIJ"),
                           Row("N1")}));
  EXPECT_TRUE(OnFile("ABCDEFGHI"));
  EXPECT_TRUE(OnFile("N1"));
  EXPECT_FALSE(OnFile("ABCDEFGHIJK"));
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Size("PRFILE01.DAT"), 4u * kSize) << "the header record and three employees";
  ImportAllRows(TableRows({Row("header")}));
  EXPECT_EQ(Size("PRFILE01.DAT"), 4u * kSize);
}

TEST_F(EmployeeImport, AnAmountThatIsNoNumberEndsTheImportAtItsRow) {
  EXPECT_THROW(ImportAllRows(TableRows({Row("header"), Row("A1"), Row("A2", 24, "abc"), Row("A3")})), Exception);
  EXPECT_TRUE(OnFile("A1"));
  EXPECT_FALSE(OnFile("A2"));
  EXPECT_FALSE(OnFile("A3"));
}

// A row's record is built between its search and its add: the file block is held there, so no
// other station can add the code in between; it is released after every row, added or not.
TEST_F(EmployeeImport, EachRowIsSearchedAndAddedUnderOneFileBlockLock) {
  class WatchedRows final : public TImportRows {
   public:
    explicit WatchedRows(TableRows rows) : rows_(std::move(rows)) {}
    Integer RowCount() const override { return rows_.RowCount(); }
    std::string Cell(Integer col, Integer row) const override {
      if (col == 1) heldWhileBuilt.push_back(IsamFileBlockLocked(EmployeeFile));
      return rows_.Cell(col, row);
    }
    double Amount(Integer col, Integer row) const override { return rows_.Amount(col, row); }
    mutable std::vector<bool> heldWhileBuilt;

   private:
    TableRows rows_;
  };
  const struct {
    std::vector<std::vector<std::string>> rows;
    std::size_t built;   // rows whose record was built
    bool raises;
  } cases[] = {
      {{Row("header"), Row("L1"), Row("L2")}, 2, false},
      {{Row("header"), Row("L1"), Row("L3")}, 1, false},   // L1 found: not built, not added
      {{Row("header"), Row("L4", 24, "abc")}, 1, true},    // the cell raises after the search
  };
  for (const auto& c : cases) {
    const WatchedRows rows{TableRows(c.rows)};
    if (c.raises) EXPECT_THROW(ImportAllRows(rows), Exception);
    else ImportAllRows(rows);
    EXPECT_EQ(rows.heldWhileBuilt, std::vector<bool>(c.built, true));
    EXPECT_FALSE(IsamFileBlockLocked(EmployeeFile)) << "released after the rows";
  }
  EXPECT_TRUE(OnFile("L3"));
  EXPECT_FALSE(OnFile("L4"));
}

// No to the lock question asks the program to end: the import stops before its next wrapper call.
TEST_F(EmployeeImport, NoToTheLockQuestionStopsTheImport) {
  LockRetryTimeLimitMs = 200;
  ChildProcess holder([&](Channel& channel) { return HoldFileBlockLock(channel, (company_ / "PRFILE01").string()); });
  holder.Send(kGo);
  ASSERT_EQ(holder.Receive(), kLocked);
  ImportAllRows(TableRows({Row("header"), Row("B1"), Row("B2"), Row("B3")}));
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].call, "question");
  EXPECT_EQ(ProgramExitCode(), 1);
  holder.Send(kRelease);
  EXPECT_EQ(holder.Receive(), kReleased);
  holder.Send(kEnd);
  EXPECT_EQ(holder.Wait(), 0);
  EXPECT_EQ(Size("PRFILE01.DAT"), std::uintmax_t(kSize)) << "nothing added";
}

}  // namespace
