// The demonstration company: the sample import file as the import expects it, and
// scripts/demo-setup.sh with its refusals.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "platform/core/cp874.h"
#include "tests/support/os/temp_folder.h"

namespace {

std::string SourcePath(const std::string& relative) {
  return std::string(std::getenv("PR_SOURCE_DIR")) + "/" + relative;
}

struct Output {
  int code = -1;
  std::string text;   // stdout and stderr together
};

Output RunDemoSetup(const std::string& folder) {
  const std::string command = SourcePath("scripts/demo-setup.sh") + " '" + folder + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  Output out;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out.text += buffer;
  const int status = pclose(pipe);
  out.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

TEST(DemoSampleTest, TenEmployeesIn26ColumnsUnderTheTitlesTheImportChecks) {
  const std::string bytes = ReadRawFile(SourcePath("app/demo/employees.csv"));
  std::vector<std::string> lines = Split(bytes, '\n');
  ASSERT_EQ(lines.back(), "");
  lines.pop_back();
  ASSERT_EQ(lines.size(), 11u);
  for (std::string& line : lines) {
    ASSERT_TRUE(line.ends_with('\r'));
    line.pop_back();
    EXPECT_EQ(Split(line, ',').size(), 26u) << Cp874ToUtf8(line);
  }
  const std::vector<std::string> header = Split(lines[0], ',');
  EXPECT_EQ(header[0], std::string("รหัสพนักงาน"_cp874));
  EXPECT_EQ(header[5], std::string("ชื่อภาษาอังกฤษ"_cp874));
  EXPECT_EQ(header[8], std::string("ตำแหน่ง"_cp874));
  for (std::size_t row = 1; row < lines.size(); ++row) {
    const std::vector<std::string> cells = Split(lines[row], ',');
    EXPECT_EQ(cells[0], "E0" + std::string(row < 10 ? "0" : "") + std::to_string(row));
    EXPECT_LE(cells[1].size(), 40u);
    EXPECT_LE(cells[8].size(), 30u);
  }
}

TEST(DemoSetupTest, WritesTheCompanyListTheDataFolderAndTheSample) {
  TempFolder root;
  const std::string program = root / "ไทย demo";
  const Output first = RunDemoSetup(program);
  ASSERT_EQ(first.code, 0) << first.text;
  EXPECT_EQ(ReadRawFile(program + "/USERDRV.INI"), Utf8ToCp874("DEMO;" + program + "/DATADEMO") + "\r\n");
  EXPECT_EQ(ReadRawFile(program + "/DATADEMO/PRINFO.DAT"), "");
  EXPECT_EQ(ReadRawFile(program + "/employees.csv"), ReadRawFile(SourcePath("app/demo/employees.csv")));
  // Run again over a company that has been used: its settings stay.
  WriteRawFile(program + "/DATADEMO/PRINFO.DAT", "settings");
  ASSERT_EQ(RunDemoSetup(program).code, 0);
  EXPECT_EQ(ReadRawFile(program + "/DATADEMO/PRINFO.DAT"), "settings");
}

TEST(DemoSetupTest, RefusesAPathTheCompanyListCannotHoldAndWritesNothing) {
  TempFolder root;
  const struct {
    std::string name;
    std::string why;
  } cases[] = {
      {"a;b", "its path holds \";\""},
      {"a|b", "its path holds \"|\""},
      {"日本", "its path holds a character that code page 874"},
  };
  for (const auto& c : cases) {
    const Output out = RunDemoSetup(root / c.name);
    EXPECT_EQ(out.code, 2) << c.name;
    EXPECT_NE(out.text.find(c.why), std::string::npos) << out.text;
    EXPECT_FALSE(std::filesystem::exists(root / c.name)) << c.name;
  }
  EXPECT_EQ(RunDemoSetup("").code, 2);
}

}  // namespace
