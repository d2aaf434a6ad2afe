// Scripts of scripted runs: their steps as read, the errors of malformed lines, the transcript's
// escapes and the time limit's text.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/cp874.h"
#include "platform/ui/scripted_run.h"
#include "platform/ui/ui_script.h"
#include "platform/ui/ui_transcript.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/os/temp_folder.h"

namespace {

TEST(UiScriptTest, ReadsEveryStepWithItsLineAndArguments) {
  const TUiScript script = TUiScript::Parse(
      "# a comment\n"
      "\n"
      "select Grid1 2\r\n"
      "  CLICK Form1.Btn_Select\n"
      "key Enter Ctrl+A Shift+Tab Escape PgDn F10\n"
      "type \"two  words\"\n"
      "set Inp_2 \"say \"\"hi\"\"\"\n"
      "file data/import.csv\n"
      "file cancel\n"
      "answer &Yes\n"
      "signal /tmp/abs.flag\n"
      "await ready.flag\n"
      "type ไทย\n",
      "/scripts");
  const auto& s = script.Steps();
  ASSERT_EQ(s.size(), 11u);
  EXPECT_EQ(s[0].Line, 3);
  EXPECT_EQ(s[0].Kind, TUiStepKind::Select);
  EXPECT_EQ(s[0].Name, "Grid1");
  EXPECT_EQ(s[0].Row, 2);
  EXPECT_EQ(s[1].Kind, TUiStepKind::Click);
  EXPECT_EQ(s[1].Name, "Form1.Btn_Select");
  ASSERT_EQ(s[2].Keys.size(), 6u);
  const std::vector<std::tuple<Word, bool, bool>> keys = {{VK_RETURN, false, false}, {'A', false, true},
                                                          {VK_TAB, true, false},     {VK_ESCAPE, false, false},
                                                          {VK_NEXT, false, false},   {VK_F10, false, false}};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(s[2].Keys[i].Key, std::get<0>(keys[i])) << i;
    EXPECT_EQ(s[2].Keys[i].Shift, std::get<1>(keys[i])) << i;
    EXPECT_EQ(s[2].Keys[i].Ctrl, std::get<2>(keys[i])) << i;
  }
  EXPECT_EQ(s[3].Text, "two  words");
  EXPECT_EQ(s[4].Name, "Inp_2");
  EXPECT_EQ(s[4].Text, "say \"hi\"");
  EXPECT_EQ(s[5].Path, "/scripts/data/import.csv");
  EXPECT_EQ(s[6].Kind, TUiStepKind::File);
  EXPECT_EQ(s[6].Path, "");
  EXPECT_EQ(s[7].Name, "&Yes");
  EXPECT_EQ(s[8].Path, "/tmp/abs.flag");
  EXPECT_EQ(s[9].Kind, TUiStepKind::Await);
  EXPECT_EQ(s[9].Path, "/scripts/ready.flag");
  EXPECT_EQ(s[10].Text, std::string("ไทย"_cp874));
  EXPECT_EQ(s[10].Line, 13);
}

TEST(UiScriptTest, MalformedLinesNameTheirLineAndWhy) {
  const struct {
    std::string text;
    Integer line;
    std::string message;
  } cases[] = {
      {"click A\njump B\n", 2, "unknown step \"jump\""},
      {"click\n", 1, "the step is written click NAME"},
      {"click A B\n", 1, "the step is written click NAME"},
      {"key\n", 1, "the step is written key KEY..."},
      {"key Ctrl+Banana\n", 1, "unknown key \"Ctrl+Banana\""},
      {"select Grid1 two\n", 1, "the row \"two\" is not a number"},
      {"type \"open\n", 1, "a quoted argument has no closing quote"},
      {"type \"a\"b\n", 1, "a closing quote is followed by text"},
      {"\n\ntype 日本\n", 3, "\"??\" holds a character code page 874 lacks"},
  };
  for (const auto& c : cases) {
    try {
      TUiScript::Parse(c.text, "/s");
      ADD_FAILURE() << c.text;
    } catch (const EUiScriptError& e) {
      EXPECT_EQ(e.Line(), c.line) << c.text;
      EXPECT_EQ(e.Message(), c.message) << c.text;
    }
  }
}

TEST(UiScriptTest, AScriptThatCannotBeReadIsAnErrorOfLineZero) {
  try {
    TUiScript::Load("/no/such/folder/play.script");
    ADD_FAILURE();
  } catch (const EUiScriptError& e) {
    EXPECT_EQ(e.Line(), 0);
    EXPECT_EQ(e.Message(), "the script /no/such/folder/play.script cannot be read");
  }
}

TEST(UiScriptTest, PathsOfAScriptReadByARelativeNameStayInItsFolder) {
  TempFolder folder;
  WriteRawFile(folder / "play.script", "await ready.flag\n");
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  const TUiScript script = TUiScript::Load("play.script");
  std::filesystem::current_path(saved);
  EXPECT_EQ(script.Steps()[0].Path, std::filesystem::canonical(folder.Path()).string() + "/ready.flag");
}

TEST(UiTranscriptTest, FieldsEscapeBackslashesBarsAndLineBreaks) {
  const struct {
    std::string text;
    std::string field;
  } cases[] = {
      {"plain", "plain"},
      {"C:\\X|C:\\T", "C:\\\\X\\|C:\\\\T"},
      {"one\r\ntwo\nthree", "one\\ntwo\\nthree"},
      {std::string("ข้อมูล"_cp874), "ข้อมูล"},
  };
  for (const auto& c : cases) EXPECT_EQ(TranscriptField(c.text), c.field) << c.text;
}

TEST(ScriptTimeLimitTest, SecondsAreReadToTheMillisecond) {
  const struct {
    std::string text;
    std::optional<UInt64> ms;
  } cases[] = {
      {"120", 120000}, {"0.5", 500}, {"0", 0}, {"1.2345", 1234}, {"7.", 7000},
      {"", std::nullopt}, {"abc", std::nullopt}, {"-1", std::nullopt}, {"1e3", std::nullopt}, {".5", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseScriptTimeLimit(c.text), c.ms) << c.text;
}

}  // namespace
