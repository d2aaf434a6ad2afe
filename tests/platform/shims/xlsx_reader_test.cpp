// The package reader over packages written part by part: how cells, texts and relationships are
// read, and every refusal (damage, document type declarations, inflation past the cap).
#include <gtest/gtest.h>

#include "tests/support/os/temp_folder.h"
#include "platform/core/date_time.h"
#include "platform/shims/xlsx_reader.h"
#include "xlsx_test_package.h"

namespace {

using xlsxtest::Part;
using xlsxtest::SheetPackage;
using xlsxtest::With;

class XlsxReaderTest : public testing::Test {
 protected:
  TWorksheetCells Read(const std::vector<Part>& parts, std::uint64_t cap = kMaxXlsxInflatedBytes, bool stored = false) {
    const std::string path = folder_ / ("book" + std::to_string(++count_) + ".xlsx");
    xlsxtest::WriteZip(path, parts, stored);
    return ReadXlsxActiveSheet(path, cap);
  }
  // The message the read raises, or "read".
  std::string Refusal(const std::vector<Part>& parts, std::uint64_t cap = kMaxXlsxInflatedBytes, bool stored = false) {
    try {
      Read(parts, cap, stored);
    } catch (const EWorkbookFileError& e) {
      return e.Message();
    }
    return "read";
  }

  TempFolder folder_;
  int count_ = 0;
};

std::string Texts(const TWorksheetCells& cells) {
  const TCellRect used = cells.UsedRange();
  const Variant values = cells.Values(used);
  std::string text = AbsoluteAddress(used);
  for (Integer r = 1; r <= values.Bounds(1).HighBound; ++r)
    for (Integer c = 1; c <= values.Bounds(2).HighBound; ++c) {
      const Variant& v = values.Get({r, c});
      text += " " + (v.IsEmpty() ? "-" : VarIsError(v) ? "#" : VarToStr(v));
    }
  return text;
}

TEST_F(XlsxReaderTest, CellsAndTextsOfEveryForm) {
  struct Case {
    const char* what;
    const char* sheetData;
    const char* expected;
  };
  const Case cases[] = {
      {"cells and rows without names follow the previous ones",
       "<row r=\"2\"><c><v>1</v></c><c><v>2</v></c></row><row><c r=\"C3\"><v>3</v></c><c><v>4</v></c></row>",
       "$A$2:$D$3 1 2 - - - - 3 4"},
      {"inline and formula texts, escapes undone, phonetic runs left out",
       "<row r=\"1\"><c t=\"inlineStr\"><is><r><t>a_x0041_</t></r><rPh><t>ph</t></rPh><r><t>b</t></r></is></c>"
       "<c t=\"str\"><f>X</f><v>_x005F_x0041_</v></c><c t=\"inlineStr\"/></row>",
       "$A$1:$B$1 aAb _x0041_"},
      {"Booleans, errors, numbers with exponents",
       "<row r=\"1\"><c t=\"b\"><v>0</v></c><c t=\"e\"><v>#SPILL!</v></c><c><v>1.5E+3</v></c><c s=\"9\"><v>2</v></c></row>",
       "$A$1:$D$1 False # 1500 2"},
      {"cells with a style and no value are no values", "<row r=\"4\"><c r=\"B4\" s=\"1\"/><c r=\"C4\" t=\"s\"/></row>",
       "$A$1 -"},
  };
  for (const Case& c : cases) EXPECT_EQ(Texts(Read(SheetPackage(c.sheetData))), c.expected) << c.what;
}

TEST_F(XlsxReaderTest, SharedTextsAndIsoDates) {
  const TWorksheetCells cells =
      Read(SheetPackage("<row r=\"1\"><c t=\"s\"><v>1</v></c><c t=\"d\"><v>2024-03-15T12:00:00</v></c></row>",
                        "<si><t>zero</t></si><si><r><t>o</t></r><r><t>ne</t></r></si>"));
  const Variant values = cells.Values(cells.UsedRange());
  EXPECT_EQ(values.Get({1, 1}).AsString(), "one");
  EXPECT_EQ(values.Get({1, 2}).VarType(), varDate);
  EXPECT_DOUBLE_EQ(values.Get({1, 2}).AsDateTime(), EncodeDate(2024, 3, 15) + 0.5);
}

TEST_F(XlsxReaderTest, RelationshipsLeadToTheActiveSheetWhereverItLies) {
  const std::string workbook =
      "<workbook xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<bookViews><workbookView activeTab=\"%\"/><workbookView activeTab=\"0\"/></bookViews><sheets>"
      "<sheet name=\"A\" r:id=\"first\"/><sheet name=\"B\" r:id=\"second\"/></sheets></workbook>";
  const auto package = [&](const char* tab) {
    std::string book = workbook;
    book.replace(book.find('%'), 1, tab);
    std::vector<Part> parts = SheetPackage("");
    parts = With(parts, "_rels/.rels",
                 "<Relationships><Relationship Id=\"d\" Type=\"x/officeDocument\" Target=\"/book/main.xml\"/>"
                 "<Relationship Id=\"e\" Type=\"x/officeDocument\" Target=\"http://elsewhere\" TargetMode=\"External\"/>"
                 "</Relationships>");
    parts = With(parts, "book/main.xml", book);
    parts = With(parts, "book/_rels/main.xml.rels",
                 "<Relationships><Relationship Id=\"first\" Type=\"x/worksheet\" Target=\"./one.xml\"/>"
                 "<Relationship Id=\"second\" Type=\"x/worksheet\" Target=\"../sheets/../other/two.xml\"/>"
                 "</Relationships>");
    parts = With(parts, "book/one.xml", "<worksheet><sheetData><row r=\"1\"><c><v>1</v></c></row></sheetData></worksheet>");
    parts = With(parts, "other/two.xml", "<worksheet><sheetData><row r=\"2\"><c><v>2</v></c></row></sheetData></worksheet>");
    return parts;
  };
  EXPECT_EQ(Texts(Read(package("1"))), "$A$2 2");
  EXPECT_EQ(Texts(Read(package("0"))), "$A$1 1");
  EXPECT_EQ(Texts(Read(package("7"))), "$A$1 1") << "an active tab naming no sheet";
  EXPECT_EQ(ResolvePartTarget("xl/workbook.xml", "../../a/./b.xml"), "a/b.xml");
}

TEST_F(XlsxReaderTest, DamagedPackagesAreRefused) {
  const std::vector<Part> good = SheetPackage("<row r=\"1\"><c><v>1</v></c></row>", "<si><t>x</t></si>");
  struct Case {
    const char* what;
    std::vector<Part> parts;
    const char* message;
  };
  const Case cases[] = {
      {"no package relationships", With(good, "_rels/.rels", ""), "the part _rels/.rels is missing"},
      {"no workbook relationship", With(good, "_rels/.rels", "<Relationships/>"), "the package holds no workbook"},
      {"no sheet", With(good, "xl/workbook.xml", "<workbook><sheets/></workbook>"), "the workbook has no sheet"},
      {"a sheet without its part", With(good, "xl/workbook.xml", "<workbook><sheets><sheet r:id=\"rId9\" xmlns:r=\"r\"/></sheets></workbook>"),
       "the active sheet has no part"},
      {"malformed XML", With(good, "xl/worksheets/sheet1.xml", "<worksheet><sheetData></worksheet>"),
       "the part xl/worksheets/sheet1.xml is damaged: mismatched tag at line 1"},
      {"a shared text the workbook lacks", SheetPackage("<row><c t=\"s\"><v>1</v></c></row>", "<si><t>x</t></si>"),
       "cell $A$1 names shared text 1, which the workbook lacks"},
      {"row 0", SheetPackage("<row><c r=\"A0\"><v>1</v></c></row>"), "the cell name \"A0\" cannot be read"},
      {"past the last column", SheetPackage("<row><c r=\"XFE1\"><v>1</v></c></row>"), "the cell name \"XFE1\" cannot be read"},
      {"a row past the sheet", SheetPackage("<row r=\"1048577\"><c><v>1</v></c></row>"),
       "a cell lies outside the sheet (row 1048577, column 1)"},
      {"an unknown type", SheetPackage("<row><c t=\"q\"><v>1</v></c></row>"), "cell $A$1 has the unknown type \"q\""},
      {"no number", SheetPackage("<row><c><v>1,5</v></c></row>"), "the number \"1,5\" cannot be read"},
      {"an infinite number", SheetPackage("<row><c><v>inf</v></c></row>"), "the number \"inf\" cannot be read"},
      {"a style that is no number", SheetPackage("<row><c s=\"-1\"><v>1</v></c></row>"), "the number \"-1\" cannot be read"},
  };
  for (const Case& c : cases) EXPECT_EQ(Refusal(c.parts), c.message) << c.what;
}

TEST_F(XlsxReaderTest, DocumentTypeDeclarationsAreRefusedBeforeAnyEntity) {
  const std::string laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]><worksheet><sheetData><row><c t=\"inlineStr\"><is><t>&c;</t></is></c>"
      "</row></sheetData></worksheet>";
  EXPECT_EQ(Refusal(With(SheetPackage(""), "xl/worksheets/sheet1.xml", laughs)),
            "the part xl/worksheets/sheet1.xml is damaged: it holds a document type declaration");
  EXPECT_EQ(Refusal(With(SheetPackage(""), "xl/workbook.xml", "<!DOCTYPE workbook SYSTEM \"file:///etc/passwd\"><workbook/>")),
            "the part xl/workbook.xml is damaged: it holds a document type declaration");
}

TEST_F(XlsxReaderTest, InflatedBytesAreCappedAcrossParts) {
  const std::string row = "<row><c><v>1</v></c></row>";
  std::string rows;
  for (int i = 0; i < 20000; ++i) rows += row;   // 520 000 bytes, deflating to a few kilobytes
  const std::vector<Part> parts = SheetPackage(rows);
  std::uint64_t whole = 0;
  for (const Part& p : parts) whole += p.bytes.size();
  EXPECT_EQ(Read(parts, whole).Count(), 20000u) << "exactly the package's size";
  EXPECT_EQ(Refusal(parts, whole - 1), "the package inflates to more bytes than a workbook may hold");
  EXPECT_EQ(Refusal(parts, 1000), "the package inflates to more bytes than a workbook may hold");
}

TEST_F(XlsxReaderTest, AnEntryWhoseBytesDoNotMatchItsChecksumIsRefused) {
  const std::vector<Part> parts = SheetPackage("<row><c t=\"inlineStr\"><is><t>CHECKED</t></is></c></row>");
  const std::string path = folder_ / "flipped.xlsx";
  xlsxtest::WriteZip(path, parts, true);
  std::string bytes = ReadRawFile(path);
  const std::size_t at = bytes.find("CHECKED");
  ASSERT_NE(at, std::string::npos);
  bytes[at] = 'X';
  WriteRawFile(path, bytes);
  try {
    ReadXlsxActiveSheet(path);
    ADD_FAILURE() << "read";
  } catch (const EWorkbookFileError& e) {
    EXPECT_EQ(e.Message().rfind("the part xl/worksheets/sheet1.xml is damaged: ", 0), 0u) << e.Message();
  }
}

}  // namespace
