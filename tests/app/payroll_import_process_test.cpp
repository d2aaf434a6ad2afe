// The tool end to end as real processes playing scripts headless: an import into a new company
// checked byte for byte against records built here from the employee record's layout, the
// dialog cancelled, the first run without a company list, the import stopped by No to the lock
// question while another station holds the file block, an import error that leaves the window
// open, a file held elsewhere, a folder that cannot be entered, a saved copy refused, the
// demonstration company, a headless run loading no display library, and the main window on a real
// display.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
#include <span>

#include "platform/classes/file_stream.h"
#include "platform/core/cp874.h"
#include "platform/gdi/png_codec.h"
#include "tests/app/tool_process.h"
#include "tests/support/os/temp_folder.h"
#include "tests/support/os/xvfb_server.h"
#include "tests/support/suite/lock_holding_station.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecordSize = 2567;
const std::string kCompleted = "BOX Information|" + Cp874ToUtf8("การทำงานเสร็จเรียบร้อยแล้ว"_cp874) + "|OK";

std::string Thai(const char8_t* utf8) {
  return Utf8ToCp874(std::string(reinterpret_cast<const char*>(utf8)));
}

// A row of 26 cells, the given columns set.
using Cells = std::map<int, std::string>;

std::string CsvLine(const Cells& cells, int columns = 26) {
  std::string line;
  for (int col = 0; col < columns; ++col) {
    if (col != 0) line += ',';
    const auto it = cells.find(col);
    if (it == cells.end()) continue;
    line += it->second.find(',') == std::string::npos ? it->second : "\"" + it->second + "\"";
  }
  return line + "\r\n";
}

// The titles the check looks for in columns 0, 5 and 8, and a title in every other column (a line's
// empty last field is no column).
Cells Header() {
  Cells titles{{0, Thai(u8"รหัสพนักงาน")}, {5, Thai(u8"ชื่อภาษาอังกฤษ")}, {8, Thai(u8"ตำแหน่ง")}};
  for (int col = 0; col < 26; ++col) titles.emplace(col, "c" + std::to_string(col));
  return titles;
}

std::string ImportFile(const std::vector<Cells>& rows) {
  std::string text = CsvLine(Header());
  for (const Cells& row : rows) text += CsvLine(row);
  return text;
}

// The employee record as the layout places its fields: texts are a length byte and the text,
// numbers 80-bit extended floats, everything else zero.
class ExpectedRecord {
 public:
  ExpectedRecord() { bytes_.fill(0); }
  ExpectedRecord& Text(std::size_t offset, const std::string& text) {
    bytes_[offset] = Byte(text.size());
    std::memcpy(&bytes_[offset + 1], text.data(), text.size());
    return *this;
  }
  ExpectedRecord& Value(std::size_t offset, Byte value) {
    bytes_[offset] = value;
    return *this;
  }
  // The x87 extended form of a double: the same sign, the exponent rebiased from 1023 to 16383,
  // the mantissa with its integer bit made explicit.
  ExpectedRecord& Amount(std::size_t offset, double value) {
    if (value == 0) return *this;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint64_t mantissa = (std::uint64_t(1) << 63) | ((bits & ((std::uint64_t(1) << 52) - 1)) << 11);
    const unsigned exponent = unsigned((bits >> 52) & 0x7FF) - 1023 + 16383 + ((bits >> 63) << 15);
    std::memcpy(&bytes_[offset], &mantissa, 8);
    bytes_[offset + 8] = Byte(exponent & 0xFF);
    bytes_[offset + 9] = Byte(exponent >> 8);
    return *this;
  }
  std::string Bytes() const { return std::string(reinterpret_cast<const char*>(bytes_.data()), bytes_.size()); }

 private:
  using Byte = unsigned char;
  std::array<Byte, kRecordSize> bytes_;
};

// Today in the payroll's storage form "yymmdd", Buddhist era.
std::string TodayPacked() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d%02d", (local.tm_year + 1900 + 543) % 100, local.tm_mon + 1, local.tm_mday);
  return text;
}

class ToolRun : public ::testing::Test {
 protected:
  ToolRun() { fs::create_directories(program_); }

  // A company folder with an empty PRINFO.DAT (a new company).
  std::string NewCompany(const std::string& name) {
    const std::string folder = tmp_ / name;
    fs::create_directories(folder);
    WriteRawFile(folder + "/PRINFO.DAT", "");
    return folder;
  }
  void WriteCompanyList(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    WriteRawFile(program_ + "/USERDRV.INI", text);
  }
  std::string Bytes(const std::string& path) const { return ReadRawFile(path); }

  TempFolder tmp_;
  const std::string program_ = tmp_ / "program";
};

// Chooses company row ROW, opens FILE with the ellipsis button and imports it.
std::string ImportScript(int row, const std::string& file) {
  return "select Grid1 " + std::to_string(row) + "\nclick Btn_Select\nkey Ctrl+Enter\nfile " + file +
         "\nclick kxButton1\n";
}

TEST_F(ToolRun, AnImportAddsTheNewEmployeesByTheColumnRulesAndEndsWithTheCompletionBox) {
  const std::string first = NewCompany("first"), second = NewCompany("second");
  WriteCompanyList({"First;" + first, "Second;" + second});
  const std::string thaiName = Thai(u8"สมชาย ใจดี");
  WriteRawFile(program_ + "/import.csv",
               ImportFile({
                   {{0, "a001"}, {1, thaiName}, {5, "Somchai"}, {6, "2"}, {7, "0"}, {8, "Manager"}, {9, "251"},
                    {10, "250"}, {11, "252"}, {12, "255"}, {13, "300"}, {14, "252"}, {15, "ID1"}, {16, "BANK1"},
                    {18, "SSO1"}, {19, "01/02/45"}, {20, "15/06/50"}, {21, "15/06/50"}, {23, "y"}, {24, "45000.5"},
                    {25, "-"}},
                   {{0, "B002"}, {7, "61"}, {9, "-1"}, {11, "251"}, {13, "252"}, {19, "01/02/2545"}, {23, "Yes"},
                    {24, "18500"}},
                   {{0, "abcdefghij"}, {7, "7"}, {9, "256"}, {19, "1/2/45"}, {20, "01/01/69"}, {22, "1/6/50"},
                    {23, "N"}, {2, std::string(45, 'x')}},
                   {{0, ""}, {1, "no code"}, {20, "01/01/69"}},
                   {{0, "ABCDEFGHIJK"}, {20, "01/01/69"}},
                   {{0, "b002"}, {1, "B002 once stored"}, {20, "01/01/69"}},
                   {{0, "B002"}, {1, "already on file"}, {20, "01/01/69"}},
                   {{0, "c3"}, {7, "1,2"}, {23, " Y"}, {20, "02/02/60"}, {17, "CARD3"}, {8, std::string(35, 'p')}},
                   {{0, "d4"}, {7, "60"}, {23, "YES"}, {20, "03/03/61"}},
               }));
  const std::string before = TodayPacked();
  ToolProcess tool(program_, ImportScript(2, "import.csv") + "answer OK\n");
  ASSERT_EQ(tool.Wait(), 0) << testing::PrintToString(tool.Transcript());
  const std::string after = TodayPacked();
  EXPECT_EQ(tool.Transcript(),
            (std::vector<std::string>{"SHOW Form_OpenCompany|Select Directory", "HIDE Form_OpenCompany",
                                      "SHOW Form1|" + Cp874ToUtf8(second), "SHOW TFileDialogForm|Open",
                                      "HIDE TFileDialogForm", "SHOW Form_Wait|Please Wait...", "HIDE Form_Wait",
                                      kCompleted, "EXIT 0"}));
  // The records in the order of their rows, built from the layout's offsets.
  auto record = [] { return ExpectedRecord(); };
  const std::vector<std::string> expected = {
      record().Text(4, "A001").Text(14, thaiName).Text(2214, "Somchai").Value(337, 2).Text(303, "01")
          .Text(306, "Manager").Value(411, 1).Value(412, 250).Value(434, 3).Value(338, 255).Value(381, 44)
          .Value(382, 0).Text(219, "ID1").Text(240, "BANK1").Text(282, "SSO1").Text(2088, "01/02/2545")
          .Text(390, "500615").Text(383, "500615").Value(433, 1).Amount(423, 45000.5).Bytes(),
      record().Text(4, "B002").Text(303, "01").Value(411, 255).Value(434, 251).Value(381, 0).Value(337, 1)
          .Text(2088, "01/02/2545").Text(390, "TODAY!").Value(433, 1).Amount(423, 18500).Bytes(),
      record().Text(4, "ABCDEFGHI").Text(55, std::string(40, 'x')).Text(303, "07").Value(411, 0).Value(337, 1)
          .Text(390, "690101").Bytes(),
      record().Text(4, "C3").Text(303, "12").Value(337, 1).Text(390, "600202").Text(261, "CARD3")
          .Text(306, std::string(30, 'p')).Bytes(),
      record().Text(4, "D4").Text(303, "60").Value(337, 1).Value(433, 1).Text(390, "610303").Bytes(),
  };
  const std::string data = Bytes(second + "/PRFILE01.DAT");
  ASSERT_EQ(data.size(), (expected.size() + 1) * kRecordSize) << "the file's header record and five employees";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    std::string want = expected[i];
    const std::string got = data.substr((i + 1) * kRecordSize, kRecordSize);
    if (const std::size_t today = want.find("TODAY!"); today != std::string::npos) {
      const std::string stored = got.substr(today, 6);
      EXPECT_TRUE(stored == before || stored == after) << stored;
      want.replace(today, 6, stored);
    }
    EXPECT_EQ(got, want) << "employee " << i + 1;
  }
  EXPECT_EQ(std::system((std::string(ISAM_TOOL) + " check '" + second + "/PRFILE01' >/dev/null").c_str()), 0);
  EXPECT_FALSE(fs::exists(first + "/PRFILE01.DAT")) << "the first company is untouched";
}

TEST_F(ToolRun, EscapeInTheCompanyDialogEndsWithoutTheMainWindow) {
  WriteCompanyList({"First;" + NewCompany("first")});
  ToolProcess tool(program_, "key Escape\n");
  EXPECT_EQ(tool.Wait(), 0);
  EXPECT_EQ(tool.Transcript(), (std::vector<std::string>{"SHOW Form_OpenCompany|Select Directory",
                                                         "HIDE Form_OpenCompany", "EXIT 0"}));
}

// The first run: no USERDRV.INI nor USERDRV.DEF.  The edit dialog opens at once for row 1 with the
// program folder's DATAFILE; the new folder has no PRINFO.DAT, so the start ends with its box.
TEST_F(ToolRun, TheFirstRunOpensTheEditDialogAtOnceAndEndsInTheStartsBox) {
  const std::string name = Thai(u8"บริษัท ทดสอบ");
  ToolProcess tool(program_, "type \"" + Cp874ToUtf8(name) +
                                 "\"\nclick kxButton1\nanswer Yes\nclick Btn_Select\nanswer OK\n");
  EXPECT_EQ(tool.Wait(), 1);
  std::vector<std::string> boxes;
  for (const std::string& line : tool.Transcript())
    if (line.rfind("BOX ", 0) == 0) boxes.push_back(line);
  EXPECT_EQ(boxes, (std::vector<std::string>{
                       "BOX Confirm|" + Cp874ToUtf8(Thai(u8"ไม่พบไดเร็คทอรี่ที่กำหนด. ต้องการสร้างใหม่?")) + "|Yes",
                       "BOX Error|" + Cp874ToUtf8(Thai(u8"ไม่พบแฟ้มข้อมูลของโปรแกรมเงินเดือนและค่าแรง")) + "|OK"}));
  EXPECT_EQ(tool.Transcript().back(), "EXIT 1");
  const std::string folder = Utf8ToCp874(program_) + "/DATAFILE";
  std::string expected = name + ";" + folder + "\r\n";
  for (int i = 1; i < 90; ++i) expected += "\r\n";
  EXPECT_EQ(Bytes(program_ + "/USERDRV.INI"), expected);
  ASSERT_TRUE(fs::is_directory(program_ + "/DATAFILE"));
  EXPECT_TRUE(fs::is_empty(program_ + "/DATAFILE"));
  const std::string cfg = Bytes(program_ + "/config/Quendry/QZACC.CFG");
  EXPECT_NE(cfg.find("OPENCOMPANY_DIR=" + folder), std::string::npos) << cfg;
  EXPECT_NE(cfg.find("OPENCOMPANY_COMPANY=" + name), std::string::npos) << cfg;
}

// No to the lock question while another station holds PRFILE01's file block: the import stops,
// nothing is added, no completion box, exit 1.
TEST_F(ToolRun, NoToTheLockQuestionStopsTheImportWithoutTheCompletionBox) {
  const std::string company = NewCompany("company");
  WriteCompanyList({"Company;" + company});
  WriteRawFile(program_ + "/import.csv", ImportFile({{{0, "E1"}}, {{0, "E2"}}}));
  ToolProcess tool(program_,
                   "select Grid1 1\nclick Btn_Select\nsignal started\nawait locked\nkey Ctrl+Enter\n"
                   "file import.csv\nclick kxButton1\nanswer No\n",
                   {{"PR_LOCK_RETRY_MS", "200"}});
  ASSERT_TRUE(tool.AwaitFile(program_ + "/started"));
  ChildProcess holder([&](Channel& channel) { return HoldFileBlockLock(channel, company + "/PRFILE01"); });
  holder.Send(kGo);
  ASSERT_EQ(holder.Receive(), kLocked);
  WriteRawFile(program_ + "/locked", "");
  EXPECT_EQ(tool.Wait(), 1);
  holder.Send(kRelease);
  EXPECT_EQ(holder.Receive(), kReleased);
  holder.Send(kEnd);
  EXPECT_EQ(holder.Wait(), 0);
  std::vector<std::string> boxes;
  for (const std::string& line : tool.Transcript())
    if (line.rfind("BOX ", 0) == 0) boxes.push_back(line);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find(Cp874ToUtf8(Thai(u8"มีการล็อคข้อมูลซ้อนกัน"))), std::string::npos) << boxes[0];
  EXPECT_EQ(boxes[0].substr(boxes[0].size() - 3), "|No");
  EXPECT_EQ(tool.Transcript().back(), "EXIT 1");
  EXPECT_EQ(fs::file_size(company + "/PRFILE01.DAT"), kRecordSize) << "nothing added";
}

// A c24 that is no number in row 2: the error box, then the window stays with the wait popup gone;
// row 1 is on file.  The script closes the window with Exit.
TEST_F(ToolRun, AnImportErrorShowsItsBoxAndLeavesTheWindowOpen) {
  const std::string company = NewCompany("company");
  WriteCompanyList({"Company;" + company});
  WriteRawFile(program_ + "/import.csv", ImportFile({{{0, "E1"}}, {{0, "E2"}, {24, "abc"}}, {{0, "E3"}}}));
  ToolProcess tool(program_, ImportScript(1, "import.csv") + "answer OK\nclick kxButton2\n");
  EXPECT_EQ(tool.Wait(), 0);
  const std::vector<std::string> transcript = tool.Transcript();
  const std::vector<std::string> tail(transcript.end() - 4, transcript.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"SHOW Form_Wait|Please Wait...", "HIDE Form_Wait",
                                            "BOX payroll-import|Cell does not contain a float value.|OK",
                                            "EXIT 0"}));
  EXPECT_EQ(fs::file_size(company + "/PRFILE01.DAT"), 2 * kRecordSize) << "row 1 added";
}

// An import file held exclusively by another program: the application's error box with the
// grid's message, under the program's name.
TEST_F(ToolRun, AFileHeldExclusivelyElsewhereShowsTheGridsErrorUnderTheProgramsName) {
  const std::string company = NewCompany("company");
  WriteCompanyList({"Company;" + company});
  WriteRawFile(program_ + "/held.csv", ImportFile({{{0, "E1"}}}));
  TFileStream holder(Utf8ToCp874(program_ + "/held.csv"), fmOpenRead | fmShareExclusive);
  ToolProcess tool(program_, "select Grid1 1\nclick Btn_Select\nkey Ctrl+Enter\nfile held.csv\nanswer OK\n"
                             "click kxButton2\n");
  EXPECT_EQ(tool.Wait(), 0);
  const std::vector<std::string> transcript = tool.Transcript();
  ASSERT_GE(transcript.size(), 2u);
  EXPECT_EQ(transcript[transcript.size() - 2], "BOX payroll-import|Cannot open file " + program_ + "/held.csv.|OK");
}

// A company folder the process may not enter (root enters every folder: the tool then runs as
// user 65534): one box, exit 1, no main window, nothing written.
TEST_F(ToolRun, AFolderThatCannotBeEnteredEndsWithOneBoxAndNoWindow) {
  const std::string company = NewCompany("company");
  WriteCompanyList({"Company;" + company});
  const bool root = geteuid() == 0;
  if (root) {
    for (const std::string& folder : {tmp_.Path(), program_}) chmod(folder.c_str(), 0777);
    for (const char* sub : {"/config", "/tmp"}) {
      fs::create_directories(program_ + sub);
      chmod((program_ + sub).c_str(), 0777);
    }
    chmod((program_ + "/USERDRV.INI").c_str(), 0666);
  }
  ASSERT_EQ(chmod(company.c_str(), 0666), 0);
  ToolProcess tool(program_, "select Grid1 1\nclick Btn_Select\nanswer OK\n", {}, root ? 65534 : -1);
  EXPECT_EQ(tool.Wait(), 1);
  chmod(company.c_str(), 0755);
  const std::vector<std::string> transcript = tool.Transcript();
  ASSERT_EQ(transcript.size(), 4u) << testing::PrintToString(transcript);
  EXPECT_EQ(transcript[2].rfind("BOX Error|", 0), 0u) << transcript[2];
  EXPECT_EQ(transcript[3], "EXIT 1");
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(company)) files.push_back(entry.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"PRINFO.DAT"});
  EXPECT_EQ(fs::file_size(company + "/PRINFO.DAT"), 0u);
}

// A saved copy of PRFILE01 beside it: the recovery box names it with both sizes; No ends the run.
TEST_F(ToolRun, ASavedCopyRefusedEndsTheRunWithExitCodeOne) {
  const std::string company = NewCompany("company");
  WriteCompanyList({"Company;" + company});
  ToolProcess created(program_, "select Grid1 1\nclick Btn_Select\nclick kxButton2\n");
  ASSERT_EQ(created.Wait(), 0);
  WriteRawFile(company + "/PRFILE01.SAV", std::string(100000, 'S'));
  const std::string data = Bytes(company + "/PRFILE01.DAT");
  ToolProcess tool(program_, "select Grid1 1\nclick Btn_Select\nanswer No\n");
  EXPECT_EQ(tool.Wait(), 1);
  const std::vector<std::string> transcript = tool.Transcript();
  ASSERT_EQ(transcript.size(), 4u) << testing::PrintToString(transcript);
  ASSERT_EQ(data.size(), kRecordSize) << "the header record";
  EXPECT_EQ(transcript[2], "BOX Attention!|PRFILE01.SAV\\n100,000 byte(s)\\n2,567 byte(s)|No");
  EXPECT_EQ(Bytes(company + "/PRFILE01.DAT"), data);
}

// The demonstration: demo-setup.sh and the demo script import ten employees; a second run adds none.
TEST_F(ToolRun, TheDemonstrationImportsTenEmployeesOnceAndAgainNone) {
  const std::string source = std::getenv("PR_SOURCE_DIR");
  ASSERT_EQ(std::system((source + "/scripts/demo-setup.sh '" + program_ + "' >/dev/null").c_str()), 0);
  const std::string script = ReadRawFile(source + "/app/demo/import-demo.script");
  for (int run = 0; run < 2; ++run) {
    ToolProcess tool(program_, script);
    EXPECT_EQ(tool.Wait(), 0) << run;
    EXPECT_EQ(tool.Transcript().back(), "EXIT 0");
    EXPECT_EQ(fs::file_size(program_ + "/DATADEMO/PRFILE01.DAT"), 11 * kRecordSize) << run;
  }
}

// A headless run never loads SDL or the display libraries it brings (the tool links the SDL display,
// which loads SDL only when it opens).
TEST_F(ToolRun, AHeadlessRunLoadsNoDisplayLibrary) {
  WriteCompanyList({"Company;" + NewCompany("company")});
  ToolProcess tool(program_, "select Grid1 1\nclick Btn_Select\nsignal shown\nawait checked\nclick kxButton2\n");
  ASSERT_TRUE(tool.AwaitFile(program_ + "/shown")) << testing::PrintToString(tool.Transcript());
  for (const char* library : {"libSDL2", "libwayland", "libasound", "libpulse"})
    EXPECT_FALSE(tool.HasMapped(library)) << library;
  EXPECT_TRUE(tool.HasMapped("libcairo")) << "the check reads the tool's own maps";
  WriteRawFile(program_ + "/checked", "");
  EXPECT_EQ(tool.Wait(), 0);
  EXPECT_EQ(tool.Transcript().back(), "EXIT 0");
}

// The SDL display asked for where it cannot open (no X server there) ends the run with exit
// status 2 and nothing played (before: an uncaught exception aborted the process).
TEST_F(ToolRun, ADisplayThatCannotBeUsedEndsWithExitStatusTwo) {
  WriteCompanyList({"Company;" + NewCompany("company")});
  ToolProcess tool(program_, "select Grid1 1\nclick Btn_Select\nclick kxButton2\n",
                   {{"PR_DISPLAY", "sdl"}, {"DISPLAY", ":99999"}, {"SDL_VIDEODRIVER", "x11"}});
  EXPECT_EQ(tool.Wait(), 2);
  EXPECT_TRUE(tool.Transcript().empty());
}

// On a real display: Xvfb and the SDL backend.  Once the main window shows, the script signals and
// waits while the test takes a screenshot of the screen (kept in the test's temporary folder) and
// finds the warning's red letters; then Exit ends the run normally.  Skipped only when Xvfb
// cannot start.
TEST_F(ToolRun, OnARealDisplayTheMainWindowShowsTheWarningInRed) {
  Xvfb xvfb("1920x1080x24");   // the screen the window layer centres the forms on
  if (xvfb.Display().empty()) GTEST_SKIP() << "Xvfb could not start (is the xvfb package installed?)";
  WriteCompanyList({"Company;" + NewCompany("company")});
  ToolProcess tool(program_, "select Grid1 1\nclick Btn_Select\nsignal shown\nawait shot\nclick kxButton2\n",
                   {{"PR_DISPLAY", "sdl"}, {"DISPLAY", xvfb.Display()}});
  ASSERT_TRUE(tool.AwaitFile(program_ + "/shown")) << testing::PrintToString(tool.Transcript());
  EXPECT_TRUE(tool.HasMapped("libSDL2")) << "the display loads SDL when it opens";
  const std::string png = ::testing::TempDir() + "payroll-import-on-xvfb.png";
  const std::string command = "import -display " + xvfb.Display() + " -window root " + png;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  WriteRawFile(program_ + "/shot", "");
  EXPECT_EQ(tool.Wait(), 0);
  EXPECT_EQ(tool.Transcript().back(), "EXIT 0");
  const std::string bytes = ReadRawFile(png);
  const auto decoded = gdi::DecodePng(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
  ASSERT_TRUE(decoded) << png;
  int red = 0;
  for (const std::uint32_t pixel : decoded.value.pixels) red += (pixel & 0xFFFFFF) == 0xFF0000;
  EXPECT_GT(red, 50) << "the warning's letters in " << png;
}

}  // namespace
