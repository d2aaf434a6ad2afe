// Start-up and close of the payroll tool on real files: the settings files, the record files, the
// default tax record, the ledger link, and what happens when something goes wrong.
#include "app/payroll_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "app/ledger_link.h"
#include "app/title_codes.h"
#include "payroll_fixture.h"
#include "platform/core/cp874.h"
#include "platform/core/extended80.h"
#include "platform/core/extended80_text.h"
#include "platform/os/file.h"
#include "suite/isam/isam_status.h"
#include "tests/support/os/child_process.h"
#include "tests/support/suite/lock_holding_station.h"

namespace {

using Entry = RecordingUserInterface::Entry;
using Bytes = std::string;

// Fixture builders written from the file layouts alone.
void PutText(Bytes& b, size_t at, std::string_view text) {
  b[at] = static_cast<char>(text.size());
  std::memcpy(b.data() + at + 1, text.data(), text.size());
}

void PutFloat(Bytes& b, size_t at, const char* decimal) {
  Extended80 value;
  ASSERT_TRUE(TextToExtended80(decimal, value)) << decimal;
  std::memcpy(b.data() + at, value.bytes.data(), 10);
}

Bytes FloatAt(const Bytes& b, size_t at) { return b.substr(at, 10); }
Bytes FloatBytes(const char* decimal) {
  Bytes b(10, '\0');
  PutFloat(b, 0, decimal);
  return b;
}

// PRINFO.DAT of a new company after one run on 10/12/2569 that added the tax record.
Bytes ExpectedSettings() {
  Bytes b(921, '\0');
  for (size_t at : {294, 295, 368, 535, 540, 661, 727, 747, 748, 749, 759, 762, 763, 764, 767, 768, 789, 811, 910})
    b[at] = 1;
  for (size_t at : {536, 537, 538, 539, 728, 758}) b[at] = 2;
  PutText(b, 267, "10/12/69");
  PutText(b, 276, "01/01/69");
  PutFloat(b, 297, "8");
  PutFloat(b, 307, "30");
  PutText(b, 327, "C:\\QZACC32\\DATAFILE");
  PutFloat(b, 776, "1650");
  PutFloat(b, 911, "190000");
  return b;
}

// The default tax record "01" of PRFILE03.
Bytes ExpectedTaxRecord() {
  Bytes b(705, '\0');
  PutText(b, 4, "01");
  PutText(b, 15, "ภาษีเงินได้บุคคลธรรมดา"_cp874);
  b[56] = 3;
  const std::pair<size_t, const char*> floats[] = {
      {58, "40"},      {68, "60000"},   {78, "30000"},  {88, "17000"},   {98, "15000"},  {108, "100000"},
      {118, "10000"},  {128, "100000"}, {138, "10"},    {148, "30000"},  {158, "10"},    {618, "30000"},
      {638, "150000"}, {648, "490000"}, {658, "15"},    {668, "500000"}, {678, "15"},    {688, "15000"}};
  for (const auto& [at, value] : floats) PutFloat(b, at, value);
  const std::pair<const char*, const char*> brackets[] = {{"150000", "0"},   {"300000", "5"},   {"500000", "10"},
                                                          {"750000", "15"},  {"1000000", "20"}, {"2000000", "25"},
                                                          {"4000000", "30"}, {"999999999.99", "35"}};
  for (size_t i = 0; i < 8; ++i) {
    PutFloat(b, 168 + 30 * i, brackets[i].first);
    PutFloat(b, 178 + 30 * i, brackets[i].second);
  }
  b[704] = 1;
  return b;
}

// PRACCNO.DAT with the default income and deduction types.
Bytes ExpectedIncomeTypes() {
  struct Row {
    size_t slot;
    std::string_view name;
    char a, b, c;
    const char *first, *second;
  };
  const Row rows[] = {
      {1, "เงินเดือน"_cp874, 1, 1, 2, "", ""},           {2, "ค่าแรงรายวัน"_cp874, 1, 1, 2, "", ""},
      {3, "ค่าแรงรายชั่วโมง"_cp874, 1, 1, 2, "", ""},     {4, "ค่าล่วงเวลา #1"_cp874, 1, 2, 2, "150.0%", ""},
      {5, "ค่าล่วงเวลา #2"_cp874, 1, 2, 2, "200.0%", ""}, {6, "ค่าล่วงเวลา #3"_cp874, 1, 2, 2, "300.0%", ""},
      {7, "ค่าล่วงเวลา #4"_cp874, 1, 2, 2, "", ""},       {8, "ภาษีที่นายจ้างออกให้"_cp874, 1, 5, 2, "", ""},
      {9, "ค่าครองชีพ"_cp874, 1, 5, 2, "", ""},          {10, "ค่าเบี้ยเลี้ยง"_cp874, 1, 5, 2, "", ""},
      {11, "ค่าที่พัก"_cp874, 1, 5, 2, "", ""},          {12, "ค่าอาหาร"_cp874, 1, 5, 2, "", ""},
      {13, "ค่าพาหนะ"_cp874, 1, 5, 2, "", ""},           {14, "ค่าจ้างตามผลงาน"_cp874, 1, 5, 2, "", ""},
      {31, "ภาษีหัก ณ ที่จ่าย"_cp874, 2, 5, 2, "", ""},   {32, "เงินประกันสังคม"_cp874, 1, 2, 1, "5.0%", "   9000.00"},
      {33, "เงินสะสมกองทุนฯ"_cp874, 1, 2, 2, "", ""},
  };
  Bytes b(60 * 87, '\0');
  for (const Row& r : rows) {
    const size_t at = (r.slot - 1) * 87;
    PutText(b, at, r.name);
    b[at + 52] = r.a;
    b[at + 53] = r.b;
    b[at + 54] = r.c;
    PutText(b, at + 55, r.first);
    PutText(b, at + 66, r.second);
  }
  b[31 * 87 + 78] = 1;
  return b;
}

class PayrollFiles : public PayrollFixture {
 protected:
  void NewCompany() { WriteBytes(company_ / "PRINFO.DAT", ""); }
  // An empty general-ledger file set in `folder`.
  static void MakeLedger(const std::filesystem::path& folder, bool withPck) {
    std::filesystem::create_directories(folder);
    WriteBytes(folder / "GLINFO.DAT", "info");
    if (withPck) WriteBytes(folder / "GLPCK.DAT", "pck");
    const KeyTableEntry keys[] = {{10, 0}, {11, 0}, {21, 0}};
    IsamInit(2, 500);
    IsamCreateFileBlock((folder / "GLFILE01").string(), 1248, 3, keys);
    IsamExit();
  }
};

TEST_F(PayrollFiles, ANewCompanyGetsItsRecordFilesSettingsAndTheDefaultTaxRecord) {
  NewCompany();
  ASSERT_TRUE(StartPayrollCompany(company_.string()));
  const std::pair<const char*, std::uintmax_t> sizes[] = {
      {"PRFILE01.DAT", 2567}, {"PRFILE01.IX", 9392}, {"PRFILE01.DIA", 1004}, {"PRFILE02.DAT", 142},
      {"PRFILE02.IX", 2740},  {"PRFILE02.DIA", 1004}, {"PRFILE03.DAT", 1410}, {"PRFILE03.IX", 1872},
      {"PRFILE03.DIA", 1004}, {"PRINFO.DAT", 921},    {"PRACCNO.DAT", 5220},  {"PRDEPT.DAT", 0}};
  for (const auto& [file, size] : sizes) EXPECT_EQ(Size(file), size) << file;
  EXPECT_EQ(Company("PRACCNO.DAT"), ExpectedIncomeTypes());
  EXPECT_EQ(Company("PRFILE03.DAT").substr(705), ExpectedTaxRecord());
  EXPECT_NE(FloatBytes("999999999.99"),
            Bytes(reinterpret_cast<const char*>(DoubleToExtended80(999999999.99).bytes.data()), 10))
      << "the decimal's own nearest 10-byte value, not the double's";
  const Bytes settings = Company("PRINFO.DAT");
  EXPECT_EQ(FloatAt(settings, 776), FloatBytes("1650"));
  EXPECT_EQ(FloatAt(settings, 911), FloatBytes("190000"));
  EXPECT_FALSE(LedgerOpen) << "no ledger files under drive C";
  EXPECT_TRUE(Shown().empty());
  ClosePayrollCompany();
  EXPECT_EQ(Size("PRDEPT.DAT"), 3540u);
  EXPECT_EQ(ProgramExitCode(), 0);
}

TEST_F(PayrollFiles, CloseWritesTheFixesAndTheDateAndASecondRunChangesNothing) {
  NewCompany();
  ASSERT_TRUE(Run());
  EXPECT_EQ(Company("PRINFO.DAT"), ExpectedSettings());
  const Bytes files[] = {Company("PRINFO.DAT"), Company("PRFILE03.DAT"), Company("PRFILE03.IX"),
                         Company("PRDEPT.DAT"), Company("PRACCNO.DAT")};
  clock_.Advance(3600 * 1000);
  ASSERT_TRUE(Run());
  const Bytes again[] = {Company("PRINFO.DAT"), Company("PRFILE03.DAT"), Company("PRFILE03.IX"),
                         Company("PRDEPT.DAT"), Company("PRACCNO.DAT")};
  for (size_t i = 0; i < std::size(files); ++i) EXPECT_EQ(again[i], files[i]) << i;
  EXPECT_TRUE(Shown().empty());
}

TEST_F(PayrollFiles, AStoredRecordGetsTheStartUpFixes) {
  Bytes stored(921, '\0');
  stored[533] = 9;   // not touched
  stored[537] = 7;   // non-zero: kept
  stored[729] = 5;
  stored[810] = 5;
  PutText(stored, 730, "BKK01");
  PutText(stored, 276, "01/01/68");
  PutFloat(stored, 911, "1");
  WriteBytes(company_ / "PRINFO.DAT", stored);   // 762 and 910 are 0
  ASSERT_TRUE(StartPayrollCompany(company_.string()));
  const Bytes atStart = Company("PRINFO.DAT");
  for (size_t at : {762, 763, 764, 767, 768}) EXPECT_EQ(atStart[at], 1) << "written during start-up: " << at;
  EXPECT_EQ(atStart[910], 0) << "the mark stays as it was";
  EXPECT_EQ(FloatAt(atStart, 911), FloatBytes("190000"));
  ClosePayrollCompany();
  const Bytes closed = Company("PRINFO.DAT");
  const std::pair<size_t, char> bytes[] = {{533, 9}, {537, 7}, {538, 2}, {535, 1}, {536, 2}, {729, 0}, {810, 0}};
  for (const auto& [at, value] : bytes) EXPECT_EQ(closed[at], value) << at;
  EXPECT_EQ(closed.substr(806, 3), Bytes("\2BK", 3));
  EXPECT_EQ(closed.substr(276, 9), Bytes("\x08" "01/01/68", 9));
  EXPECT_EQ(closed.substr(267, 9), Bytes("\x08" "10/12/69", 9));
}

TEST_F(PayrollFiles, AnOldTaxRecordIsUpgradedOnce) {
  NewCompany();
  ASSERT_TRUE(Run());
  Bytes data = Company("PRFILE03.DAT");
  data[705 + 704] = 0;
  std::fill_n(data.begin() + 705 + 688, 10, '\0');
  WriteBytes(company_ / "PRFILE03.DAT", data);
  Bytes settings = Company("PRINFO.DAT");
  std::fill_n(settings.begin() + 911, 10, '\0');
  WriteBytes(company_ / "PRINFO.DAT", settings);

  ASSERT_TRUE(Run());
  const Bytes upgraded = Company("PRFILE03.DAT");
  EXPECT_EQ(upgraded.substr(705), ExpectedTaxRecord());
  EXPECT_EQ(FloatAt(Company("PRINFO.DAT"), 911), FloatBytes("190000"));
  ASSERT_TRUE(Run());
  EXPECT_EQ(Company("PRFILE03.DAT"), upgraded);
}

TEST_F(PayrollFiles, ChangesOtherStationsMadeDuringTheRunSurviveClose) {
  NewCompany();
  ASSERT_TRUE(StartPayrollCompany(company_.string()));
  const Bytes departments = Bytes(59, 'a') + Bytes(59, 'b');
  WriteBytes(company_ / "PRDEPT.DAT", departments);
  Bytes types = Company("PRACCNO.DAT");
  types[4 * 87 + 52] = 9;
  WriteBytes(company_ / "PRACCNO.DAT", types);
  Bytes settings = Company("PRINFO.DAT");
  settings[533] = 4;
  std::fill_n(settings.begin() + 327, 41, '\0');
  PutText(settings, 327, "D:\\GL");
  WriteBytes(company_ / "PRINFO.DAT", settings);
  ClosePayrollCompany();
  EXPECT_EQ(Company("PRDEPT.DAT"), departments + Bytes(58 * 59, '\0'));
  EXPECT_EQ(Company("PRACCNO.DAT"), types);
  Bytes expected = ExpectedSettings();
  expected[533] = 4;
  std::fill_n(expected.begin() + 327, 41, '\0');
  PutText(expected, 327, "D:\\GL");
  EXPECT_EQ(Company("PRINFO.DAT"), expected);
}

TEST_F(PayrollFiles, ListFilesAreReadUpTo60RecordsAndWrittenAs60) {
  NewCompany();
  Bytes seventy;
  for (int i = 0; i < 70; ++i) seventy += Bytes(59, static_cast<char>('A' + i % 26));
  WriteBytes(company_ / "PRDEPT.DAT", seventy);
  Bytes types = ExpectedIncomeTypes().substr(0, 10 * 87);
  types[7 * 87 + 52] = 0;   // slot 8's type byte A is set on every start
  WriteBytes(company_ / "PRACCNO.DAT", types);
  ASSERT_TRUE(Run());
  EXPECT_EQ(Company("PRDEPT.DAT"), seventy.substr(0, 60 * 59));
  Bytes expectedTypes = types + Bytes(50 * 87, '\0');
  expectedTypes[7 * 87 + 52] = 1;
  EXPECT_EQ(Company("PRACCNO.DAT"), expectedTypes);
}

TEST_F(PayrollFiles, APeriodChangedDuringTheRunStopsFatallyBeforeAnythingIsWritten) {
  NewCompany();
  ASSERT_TRUE(StartPayrollCompany(company_.string()));
  Bytes closedYear = Company("PRINFO.DAT");
  PutText(closedYear, 276, "01/01/70");
  WriteBytes(company_ / "PRINFO.DAT", closedYear);
  ClosePayrollCompany();
  EXPECT_EQ(Shown(),
            (std::vector<Entry>{{"beep", 0, ""},
                                {"plain", 0,
                                 std::string("เนื่องจากวันที่เริ่มต้นงวดมีการเปลี่ยนแปลง (เช่น มีการปิดบัญชีสิ้นปี) ดังนั้น "
                                             "ท่านจะต้องออกจากการทำงานแล้วเรียกเข้าโปรแกรมใหม่"_cp874)}}));
  EXPECT_EQ(ProgramExitCode(), 1);
  EXPECT_EQ(Company("PRINFO.DAT"), closedYear);
  EXPECT_EQ(Size("PRDEPT.DAT"), 0u);
}

// Holds a file the way another program does: open, shared with no one.
File HoldExclusively(const std::filesystem::path& path) {
  File file;
  EXPECT_EQ(file.Open(path.string(), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING), 0u);
  return file;
}

TEST_F(PayrollFiles, ASettingsFileThatCannotBeReadIsNeverOverwrittenAndEndsTheStart) {
  struct Case {
    const char* file;
    bool held;   // else a folder stands where the file should be
    const char* firstBox;
  };
  const Case cases[] = {{"PRINFO.DAT", true, "255: I/O error 255"},
                        {"PRDEPT.DAT", true, "255: I/O error 255"},
                        {"PRACCNO.DAT", true, "255: I/O error 255"},
                        {"PRDEPT.DAT", false, "5: File access denied"}};
  for (const Case& c : cases) {
    std::filesystem::remove_all(company_);
    std::filesystem::create_directory(company_);
    WriteBytes(company_ / "PRINFO.DAT", Bytes(921, '\1'));
    File holder;
    if (c.held) {
      if (!std::filesystem::exists(company_ / c.file)) WriteBytes(company_ / c.file, "held bytes");
      holder = HoldExclusively(company_ / c.file);
    } else {
      std::filesystem::create_directory(company_ / c.file);
    }
    const Bytes before = c.held ? Company(c.file) : "";
    ui_.transcript.clear();
    ResetProgramEnd();
    EXPECT_FALSE(StartPayrollCompany(company_.string())) << c.file;
    holder.Close();
    EXPECT_EQ(Shown(), (std::vector<Entry>{{"message", MessageKindError, c.firstBox},
                                           {"message", MessageKindError,
                                            std::string("ไม่สามารถเปิดแฟ้มข้อมูล "_cp874) + c.file +
                                                std::string(" ได้."_cp874)}}))
        << c.file;
    EXPECT_EQ(ProgramExitCode(), 1) << c.file;
    if (c.held) {
      EXPECT_EQ(Company(c.file), before) << c.file;
    } else {
      EXPECT_TRUE(std::filesystem::is_directory(company_ / c.file));
    }
    EXPECT_FALSE(std::filesystem::exists(company_ / "PRFILE01.DAT")) << c.file;
  }
}

TEST_F(PayrollFiles, StartEndsAtOnceWithExitCodeOneWhenItCannotGoOn) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::vector<const char*> absent;   // files start-up must not create
    bool settingsWritten = false;      // the tax record was added before the failure
  };
  const Case cases[] = {
      {"no PRINFO.DAT", [] {}, {"PRINFO.DAT", "PRDEPT.DAT", "PRACCNO.DAT"}},
      {"the engine does not start",
       [this] {
         NewCompany();
         IsamInit(0, 10);
       },
       {"PRDEPT.DAT", "PRACCNO.DAT"}},
      {"PRFILE01 cannot be opened",
       [this] {
         NewCompany();
         std::filesystem::create_directory(company_ / "PRFILE01.DAT");
       },
       {"PRFILE03.DAT", "PRFILE02.DAT"}},
      {"GLFILE01 cannot be opened",
       [this] {
         NewCompany();
         MakeLedger(driveC_ / "QZACC32" / "DATAFILE", true);
         std::filesystem::remove(driveC_ / "QZACC32" / "DATAFILE" / "GLFILE01.IX");
       },
       {},
       true},
      {"the saved copy is refused",
       [this] {
         NewCompany();
         WriteBytes(company_ / "PRFILE01.SAV", "saved");
         WriteBytes(company_ / "PRFILE01.DAT", "current");
         WriteBytes(company_ / "PRFILE01.IX~", "index copy");
       },
       {"PRFILE01.IX", "PRFILE03.DAT"}},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(company_);
    std::filesystem::create_directory(company_);
    c.prepare();
    ResetProgramEnd();
    ui_.transcript.clear();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(StartPayrollCompany(company_.string())) << c.what;
    testing::internal::GetCapturedStdout();
    IsamExit();
    EXPECT_EQ(ProgramExitCode(), 1) << c.what;
    EXPECT_FALSE(Shown().empty()) << c.what;
    if (c.what == std::string("no PRINFO.DAT")) {
      const RecordingUserInterface::Entry box{"message", MessageKindError,
                                              std::string("ไม่พบแฟ้มข้อมูลของโปรแกรมเงินเดือนและค่าแรง"_cp874)};
      EXPECT_EQ(Shown(), std::vector<RecordingUserInterface::Entry>{box});
    }
    for (const char* file : c.absent) EXPECT_FALSE(std::filesystem::exists(company_ / file)) << c.what << ": " << file;
    EXPECT_FALSE(LedgerOpen) << c.what;
    if (std::filesystem::exists(company_ / "PRINFO.DAT") && !c.settingsWritten) {
      EXPECT_EQ(Size("PRINFO.DAT"), 0u) << c.what;
    }
  }
  // The last case: the refused copies stay as they were.
  EXPECT_EQ(Company("PRFILE01.DAT"), "current");
  EXPECT_EQ(Company("PRFILE01.SAV"), "saved");
  EXPECT_EQ(Shown().size(), 1u) << "one question: the index copy is not asked about after No";
}

TEST_F(PayrollFiles, ASearchThatFailsForAnotherReasonThanNotFoundAddsNothingAndKeepsTheTaxValues) {
  Bytes settings(921, '\0');
  for (size_t at : {762, 910}) settings[at] = 1;
  PutFloat(settings, 776, "1234.5");
  PutFloat(settings, 911, "99999");
  WriteBytes(company_ / "PRINFO.DAT", settings);
  ChildProcess holder([&](Channel& channel) { return HoldFileBlockLock(channel, (company_ / "PRFILE03").string()); });
  bool locked = false;
  ui_.onProgress = [&](const std::string& text) {
    if (locked || text.find("PRFILE02") == std::string::npos) return;
    locked = true;
    holder.Send(kGo);   // PRFILE03 is open: the other station takes its lock before the search
    const DWORD answer = holder.Receive();
    ASSERT_EQ(answer, kLocked) << "the other station failed with " << answer;
  };
  EXPECT_FALSE(StartPayrollCompany(company_.string()));
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].call, "question");
  EXPECT_EQ(ProgramExitCode(), 1);
  const Bytes after = Company("PRINFO.DAT");
  EXPECT_EQ(FloatAt(after, 776), FloatAt(settings, 776));
  EXPECT_EQ(FloatAt(after, 911), FloatAt(settings, 911));
  EXPECT_EQ(Size("PRFILE03.DAT"), 705u) << "no record added";
  holder.Send(kRelease);
  EXPECT_EQ(holder.Wait(), 0);
}

TEST_F(PayrollFiles, TheLedgerLinkOpensOnlyWhenAllThreeFilesAreThere) {
  const std::filesystem::path ledger = driveC_ / "QZACC32" / "DATAFILE";
  for (const bool withPck : {false, true}) {
    std::filesystem::remove_all(driveC_ / "QZACC32");
    MakeLedger(ledger, withPck);
    NewCompany();
    ASSERT_TRUE(StartPayrollCompany(company_.string()));
    EXPECT_EQ(LedgerOpen, withPck);
    EXPECT_TRUE(Shown().empty());
    ClosePayrollCompany();
    EXPECT_FALSE(LedgerOpen);
  }
}

TEST_F(PayrollFiles, SavedCopiesChosenAtStartReplaceTheFilesByteForByte) {
  NewCompany();
  ASSERT_TRUE(Run());
  const std::filesystem::path ledger = driveC_ / "QZACC32" / "DATAFILE";
  MakeLedger(ledger, true);
  // Copies as a repair leaves them: PRFILE01 and the ledger file as they are now.
  std::filesystem::copy_file(company_ / "PRFILE01.DAT", company_ / "PRFILE01.SAV");
  std::filesystem::copy_file(company_ / "PRFILE01.IX", company_ / "PRFILE01.IX~");
  std::filesystem::copy_file(ledger / "GLFILE01.DAT", ledger / "GLFILE01.SAV");
  const Bytes saved[] = {Company("PRFILE01.DAT"), Company("PRFILE01.IX"), ReadBytes(ledger / "GLFILE01.DAT")};
  // The current files are damaged.
  WriteBytes(company_ / "PRFILE01.DAT", saved[0] + Bytes(2567, 'x'));
  WriteBytes(company_ / "PRFILE01.IX", "broken");
  WriteBytes(ledger / "GLFILE01.DAT", saved[2] + "tail");
  ui_.answers = {true, true};
  ui_.transcript.clear();
  ASSERT_TRUE(StartPayrollCompany(company_.string()));
  EXPECT_TRUE(LedgerOpen);
  ClosePayrollCompany();
  const std::string glName = "C:\\QZACC32\\DATAFILE\\GLFILE01";
  EXPECT_EQ(Shown(), (std::vector<Entry>{{"restore", 0, "PRFILE01.SAV|2,567 byte(s)|5,134 byte(s)"},
                                         {"restore", 0, glName + ".SAV|1,248 byte(s)|1,252 byte(s)"}}));
  EXPECT_EQ(Company("PRFILE01.DAT"), saved[0]);
  EXPECT_EQ(Company("PRFILE01.IX"), saved[1]);
  EXPECT_EQ(ReadBytes(ledger / "GLFILE01.DAT"), saved[2]);
  for (const char* copy : {"PRFILE01.SAV", "PRFILE01.IX~"}) EXPECT_FALSE(std::filesystem::exists(company_ / copy));
  EXPECT_FALSE(std::filesystem::exists(ledger / "GLFILE01.SAV"));
}

TEST_F(PayrollFiles, TitleCodesAreReadFromTheProgramFolder) {
  std::string text = CrLfLines({std::string("01  นาย"_cp874), "", "02" + std::string(25, 'n'), "3", "04"});
  for (int i = 0; i < 210; ++i) text += "99 x\r\n";
  WriteBytes(program_ / "TITLE.COD", text);
  ReadTitleCodes();
  ASSERT_EQ(TitleCodes.size(), 200u);
  EXPECT_EQ(TitleCodes[0], (TitleCode{"01", std::string("นาย"_cp874)}));
  EXPECT_EQ(TitleCodes[1], (TitleCode{"02", std::string(20, 'n')}));
  EXPECT_EQ(TitleCodes[2], (TitleCode{"3", ""}));
  EXPECT_EQ(TitleCodes[3], (TitleCode{"04", ""}));
  EXPECT_EQ(TitleCodes[199], (TitleCode{"99", "x"}));
}

}  // namespace
