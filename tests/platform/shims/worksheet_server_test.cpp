// The worksheet server driven the way a program imports a sheet: made by program identifier,
// reached by late binding, over workbooks written by other programs (workbooks/, made by
// workbooks/make_workbooks.py), damaged copies of them, and calls the server refuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "platform/core/cp874.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/shims/automation.h"
#include "platform/shims/ole_init.h"
#include "platform/shims/worksheet_cells.h"
#include "tests/support/os/temp_folder.h"

namespace {

std::string Fixture(const std::string& name) {
  const char* source = std::getenv("PR_SOURCE_DIR");
  return std::string(source ? source : ".") + "/tests/platform/shims/workbooks/" + name;
}

class WorksheetServerTest : public testing::Test {
 protected:
  WorksheetServerTest() { OleInitialize(nullptr); }
  ~WorksheetServerTest() override {
    SetAutomationServerAbsent("excel.application", false);
    OleUninitialize();
  }

  // What an import reads: the used range's address and the values of that range.
  struct Sheet {
    std::string address;
    Variant values;
  };
  static Sheet Import(const std::string& fileName, const std::string& range = "") {
    const Variant server = CreateOleObject("excel.application");
    const Variant workbook = DispatchInvoke(DispatchInvoke(server, "WorkBooks"), "Open", {Variant(fileName)});
    const Variant sheet = DispatchInvoke(workbook, "ActiveSheet");
    Sheet result;
    result.address = DispatchInvoke(DispatchInvoke(sheet, "UsedRange"), "Address").AsString();
    const std::string read = range.empty() ? result.address : range;
    result.values = DispatchInvoke(DispatchInvoke(sheet, "Range", {Variant(read)}), "Value");
    DispatchInvoke(workbook, "Close", {}, {{"SaveChanges", Variant(false)}});
    DispatchInvoke(server, "Quit");
    return result;
  }
};

// The message of the exception `call` raises as E, or "no error".
template <class E>
std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

void ExpectValue(const Variant& actual, const Variant& expected, const std::string& where) {
  ASSERT_EQ(actual.VarType(), expected.VarType()) << where;
  Integer actualCode = 0, expectedCode = 0;
  if (VarIsError(expected, expectedCode)) {
    VarIsError(actual, actualCode);
    EXPECT_EQ(actualCode, expectedCode) << where;
  } else if (expected.VarType() == varDate) {
    EXPECT_NEAR(actual.AsDateTime(), expected.AsDateTime(), 0.5 / MSecsPerDay) << where;   // to the millisecond
  } else {
    EXPECT_EQ(VarCompareValue(actual, expected), vrEqual) << where << ": " << VarToStr(actual);
  }
}

void ExpectValues(const Variant& values, const std::vector<std::vector<Variant>>& expected) {
  ASSERT_EQ(values.DimCount(), 2);
  ASSERT_EQ(values.Bounds(1).LowBound, 1);
  ASSERT_EQ(values.Bounds(2).LowBound, 1);
  ASSERT_EQ(values.Bounds(1).HighBound, Integer(expected.size()));
  ASSERT_EQ(values.Bounds(2).HighBound, Integer(expected[0].size()));
  for (Integer r = 1; r <= Integer(expected.size()); ++r)
    for (Integer c = 1; c <= Integer(expected[0].size()); ++c)
      ExpectValue(values.Get({r, c}), expected[std::size_t(r - 1)][std::size_t(c - 1)],
                  "[" + std::to_string(r) + "," + std::to_string(c) + "]");
}

Variant Date(Word y, Word m, Word d, Word hour = 0, Word minute = 0, Word second = 0) {
  return Variant::FromDateTime(EncodeDate(y, m, d) + EncodeTime(hour, minute, second, 0));
}
Variant Time(Word hour, Word minute, Word second) { return Variant::FromDateTime(EncodeTime(hour, minute, second, 0)); }

const Variant kName("สมชาย ใจดี"_cp874);

TEST_F(WorksheetServerTest, APackageGivesItsActiveSheetWithEveryKindOfValue) {
  const Sheet sheet = Import(Fixture("cells.xlsx"));
  EXPECT_EQ(sheet.address, "$B$2:$E$5");
  ExpectValues(sheet.values,
               {{Variant("Name"), kName, Variant(12.5), Variant(7.0)},
                {Date(2024, 3, 15), Date(2024, 3, 15, 13, 45, 30), Time(0, 0, 30), Date(1900, 2, 28)},
                {Variant(true), VarAsError(CellErrorCode(2007)), Variant("caf? ??"), Variant(0.25)},
                {Variant(-3.0), Variant(), Variant("rich"), Variant(1e10)}});
}

// The binary reader cannot tell the active sheet, nor Boolean and error cells from numbers.
TEST_F(WorksheetServerTest, ABinaryWorkbookGivesItsFirstSheetWithBooleansAndErrorsAsNumbers) {
  const Sheet sheet = Import(Fixture("cells.xls"));
  EXPECT_EQ(sheet.address, "$B$2:$E$5");
  ExpectValues(sheet.values, {{Variant("Name"), kName, Variant(12.5), Variant(7.0)},
                              {Date(2024, 3, 15), Date(2024, 3, 15, 13, 45, 30), Time(0, 0, 30), Variant()},
                              {Variant(1.0), Variant(1.0), Variant("caf? ??"), Variant(0.25)},
                              {Variant(-3.0), Variant(), Variant(), Variant(1e10)}});
}

TEST_F(WorksheetServerTest, DatesBecomeTextInTheLocalesFormats) {
  const Sheet sheet = Import(Fixture("cells.xlsx"), "B3:C3");
  EXPECT_EQ(VarToStr(sheet.values.Get({1, 1})), DateToStr(EncodeDate(2024, 3, 15)));
  EXPECT_EQ(VarToStr(sheet.values.Get({1, 2})), DateTimeToStr(EncodeDate(2024, 3, 15) + EncodeTime(13, 45, 30, 0)));
}

TEST_F(WorksheetServerTest, TheNineteenOFourSystemAndSmallSheets) {
  for (const char* kind : {".xls", ".xlsx"}) {
    SCOPED_TRACE(kind);
    const std::string suffix(kind);
    const Sheet dates = Import(Fixture("dates1904" + suffix));
    EXPECT_EQ(dates.address, "$A$1:$A$2");
    ExpectValues(dates.values, {{Date(2024, 3, 15)}, {Time(0, 0, 30)}});
    const Sheet one = Import(Fixture("one_cell" + suffix));
    EXPECT_EQ(one.address, "$B$3") << "one cell: no colon";
    ExpectValues(one.values, {{Variant("only")}});
    const Sheet empty = Import(Fixture("empty" + suffix));
    EXPECT_EQ(empty.address, "$A$1");
    ExpectValues(empty.values, {{Variant()}});
  }
}

TEST_F(WorksheetServerTest, TheUsedRangeIsKnownBeforeAnyValueAndLargeRangesAreRefused) {
  const Sheet corner = Import(Fixture("sparse.xlsx"), "A1:B2");
  EXPECT_EQ(corner.address, "$A$1:$ZZ$1048576");
  ExpectValues(corner.values, {{Variant("a"), Variant()}, {Variant(), Variant()}});
  EXPECT_EQ(ErrorOf<EOleException>([] { Import(Fixture("sparse.xlsx")); }),
            "The range $A$1:$ZZ$1048576 holds more than 1048576 cells");
  EXPECT_THROW(Import(Fixture("sparse.xlsx"), "A1:P65537"), EOleException) << "one cell past the limit";
}

TEST_F(WorksheetServerTest, FilesThatCannotBeReadRaiseFromOpen) {
  TempFolder folder;
  const std::string garbage = folder / "garbage.xls";
  WriteRawFile(garbage, std::string(3000, '\x5A'));
  const std::string text = folder / "text.xlsx";
  WriteRawFile(text, "Name,Salary\r\n");
  EXPECT_EQ(ErrorOf<EOleException>([&] { Import(folder / "missing.xls"); }),
            "Cannot open the workbook \"" + (folder / "missing.xls") +
                "\": The system cannot find the file specified");
  EXPECT_EQ(ErrorOf<EOleException>([&] { Import(garbage); }),
            "Cannot open the workbook \"" + garbage + "\": it is no workbook file");
  EXPECT_THROW(Import(text), EOleException);
  for (const char* name : {"cells.xls", "cells.xlsx", "one_cell.xls", "sparse.xlsx"}) {
    const std::string whole = ReadRawFile(Fixture(name));
    ASSERT_FALSE(whole.empty()) << name;
    for (std::size_t length : {std::size_t(0), std::size_t(8), std::size_t(600), whole.size() / 2, whole.size() - 1}) {
      const std::string cut = folder / ("cut_" + std::to_string(length) + "_" + name);
      WriteRawFile(cut, whole.substr(0, length));
      EXPECT_THROW(Import(cut), EOleException) << name << " cut to " << length;
    }
  }
}

// Bytes changed anywhere: the read gives a sheet or raises, and never touches memory it should not
// (the tests run under AddressSanitizer).
TEST_F(WorksheetServerTest, WorkbooksWithChangedBytesReadOrRaise) {
  TempFolder folder;
  std::mt19937 random(36);
  for (const char* name : {"cells.xls", "cells.xlsx"}) {
    const std::string whole = ReadRawFile(Fixture(name));
    for (int round = 0; round < 150; ++round) {
      std::string changed = whole;
      for (int i = 0; i < 4; ++i) changed[random() % changed.size()] = char(random());
      const std::string path = folder / ("changed_" + std::to_string(round) + "_" + name);
      WriteRawFile(path, changed);
      try {
        Import(path);
      } catch (const EOleException&) {
      }
    }
  }
}

TEST_F(WorksheetServerTest, AnAbsentServerCannotBeMade) {
  EXPECT_NE(CreateOleObject("Excel.Application").VarType(), varEmpty) << "identifiers ignore case";
  ASSERT_TRUE(SetAutomationServerAbsent("excel.application", true));
  EXPECT_EQ(ErrorOf<EOleSysError>([] { CreateOleObject("excel.application"); }), "Invalid class string");
  try {
    CreateOleObject("excel.application");
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), CO_E_CLASSSTRING);
  }
  EXPECT_THROW(CreateOleObject("word.application"), EOleSysError);
  EXPECT_FALSE(SetAutomationServerAbsent("word.application", true));
  ASSERT_TRUE(SetAutomationServerAbsent("excel.application", false));
  OleUninitialize();
  EXPECT_EQ(ErrorOf<EOleSysError>([] { CreateOleObject("excel.application"); }), "CoInitialize has not been called.");
  OleInitialize(nullptr);
}

TEST_F(WorksheetServerTest, LateBoundCallsTheServerRefuses) {
  const Variant server = CreateOleObject("excel.application");
  const Variant books = DispatchInvoke(server, "workbooks");
  const Variant workbook = DispatchInvoke(books, "OPEN", {Variant(Fixture("cells.xlsx"))});
  const Variant sheet = DispatchInvoke(workbook, "ActiveSheet");
  const Variant range = DispatchInvoke(sheet, "UsedRange");
  const Variant copy = range;
  EXPECT_EQ(copy.AsDispatch(), range.AsDispatch()) << "copies share the object";
  EXPECT_THROW(copy.AsString(), EVariantTypeCastError);

  struct Case {
    const char* what;
    std::function<void()> call;
    HRESULT code;   // 0: EOleError alone; DISP_E_EXCEPTION: EOleException
  };
  const Case cases[] = {
      {"unknown member", [&] { DispatchInvoke(sheet, "Cells"); }, 0},
      {"no file name", [&] { DispatchInvoke(books, "Open"); }, DISP_E_BADPARAMCOUNT},
      {"two addresses", [&] { DispatchInvoke(sheet, "Range", {Variant("A1"), Variant("B2")}); }, DISP_E_BADPARAMCOUNT},
      {"arguments to a property", [&] { DispatchInvoke(range, "Value", {Variant(1)}); }, DISP_E_BADPARAMCOUNT},
      {"unknown named argument", [&] { DispatchInvoke(workbook, "Close", {}, {{"Discard", Variant(true)}}); },
       DISP_E_PARAMNOTFOUND},
      {"SaveChanges not a Boolean", [&] { DispatchInvoke(workbook, "Close", {}, {{"SaveChanges", Variant("maybe")}}); },
       DISP_E_TYPEMISMATCH},
      {"whole rows", [&] { DispatchInvoke(sheet, "Range", {Variant("1:5")}); }, DISP_E_EXCEPTION},
      {"row 0", [&] { DispatchInvoke(sheet, "Range", {Variant("A0")}); }, DISP_E_EXCEPTION},
      {"past the last column", [&] { DispatchInvoke(sheet, "Range", {Variant("A1:XFE2")}); }, DISP_E_EXCEPTION},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.call();
      ADD_FAILURE() << "no error";
    } catch (const EOleSysError& e) {
      EXPECT_EQ(e.ErrorCode(), c.code) << e.Message();
    } catch (const EOleError& e) {
      EXPECT_EQ(c.code, 0) << e.Message();
      EXPECT_EQ(e.Message(), "Method 'Cells' not supported by automation object");
    }
  }
  EXPECT_EQ(ErrorOf<EOleException>([&] { DispatchInvoke(sheet, "Range", {Variant("1:5")}); }),
            "\"1:5\" is not a range address");
  EXPECT_THROW(DispatchInvoke(Variant("text"), "Value"), EVariantInvalidOpError);
  EXPECT_THROW(DispatchInvoke(Variant(), "Value"), EVariantInvalidOpError);
}

TEST_F(WorksheetServerTest, ObjectsOfAClosedWorkbookOrAServerThatQuitAnswerNothing) {
  const auto expectDisconnected = [](const Variant& object, const char* member) {
    try {
      DispatchInvoke(object, member);
      ADD_FAILURE() << member << ": no error";
    } catch (const EOleSysError& e) {
      EXPECT_EQ(e.ErrorCode(), RPC_E_DISCONNECTED) << member;
    }
  };
  const Variant server = CreateOleObject("excel.application");
  const Variant books = DispatchInvoke(server, "Workbooks");
  const Variant first = DispatchInvoke(books, "Open", {Variant(Fixture("cells.xls"))});
  const Variant range = DispatchInvoke(DispatchInvoke(first, "ActiveSheet"), "UsedRange");
  DispatchInvoke(first, "Close", {Variant(false)});
  expectDisconnected(range, "Value");
  expectDisconnected(first, "ActiveSheet");
  const Variant second = DispatchInvoke(books, "Open", {Variant(Fixture("cells.xlsx"))});
  DispatchInvoke(server, "Quit");
  expectDisconnected(second, "ActiveSheet");
  expectDisconnected(server, "Workbooks");
  expectDisconnected(books, "Open");
}

}  // namespace
