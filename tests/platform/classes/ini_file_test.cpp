#include <gtest/gtest.h>

#include <vector>

#include "platform/classes/classes_errors.h"
#include "platform/classes/ini_file.h"
#include "platform/classes/mem_ini_file.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/registry_ini_file.h"
#include "platform/classes/string_list.h"
#include "platform/core/format_settings.h"
#include "tests/support/os/temp_folder.h"

namespace {

std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> items;
  for (Integer i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

const char* const kSample =
    "; settings of the import\r\n"
    "[Main]\r\n"
    "Company=ACME\r\n"
    "; the folder\r\n"
    "DataPath = \"C:\\DATA\" \r\n"
    "some unknown line\r\n"
    "\r\n"
    "[Colors]\n"
    "Back=$00FF00\n";

TEST(IniFile, AWriteKeepsCommentsUnknownLinesAndLineEnds) {
  TempFolder folder;
  WriteRawFile(folder / "a.ini", kSample);
  TIniFile ini(folder / "a.ini");
  ini.WriteString("MAIN", "company", "Quendry");   // any case finds the key
  ini.WriteString("main", "NewKey", "1");           // after the section's last line that is not blank
  ini.WriteString("colors", "Fore", "0");
  ini.WriteString("Extra", "Key", "v");
  EXPECT_EQ(ReadRawFile(folder / "a.ini"),
            "; settings of the import\r\n"
            "[Main]\r\n"
            "company=Quendry\r\n"
            "; the folder\r\n"
            "DataPath = \"C:\\DATA\" \r\n"
            "some unknown line\r\n"
            "NewKey=1\r\n"
            "\r\n"
            "[Colors]\n"
            "Back=$00FF00\n"
            "Fore=0\r\n"
            "[Extra]\r\n"
            "Key=v\r\n");
}

TEST(IniFile, ReadsValuesTrimmedAndUnquotedAndDefaultsWhenMissing) {
  TempFolder folder;
  WriteRawFile(folder / "a.ini", kSample);
  TIniFile ini(folder / "a.ini");
  EXPECT_EQ(ini.ReadString("main", "DATAPATH", "x"), "C:\\DATA");
  EXPECT_EQ(ini.ReadString("Main", "Missing", "default"), "default");
  EXPECT_EQ(ini.ReadString("Nowhere", "Company", "d"), "d");
  EXPECT_EQ(ini.ReadString("Main", "; the folder", "not a key"), "not a key");
  EXPECT_EQ(ini.ReadInteger("Colors", "Back", 0), 0x00FF00);
  EXPECT_TRUE(ini.SectionExists("colors"));
  EXPECT_FALSE(ini.ValueExists("Colors", "Fore"));
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Main", "Colors"}));
  ini.ReadSection("Main", &list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Company", "DataPath"}));
  ini.ReadSectionValues("Main", &list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Company=ACME", "DataPath=C:\\DATA"}));
  TIniFile missing(folder / "missing.ini");
  EXPECT_EQ(missing.ReadInteger("A", "B", 7), 7);
  EXPECT_FALSE(missing.SectionExists("A"));
}

// A section that occurs again under any case is listed once, where it first occurs.
TEST(IniFile, SectionListNamesEachSectionOnce) {
  TempFolder folder;
  WriteRawFile(folder / "s.ini", "[b]\r\nX=1\r\n[A]\r\n[B]\r\n[ a ]\r\n[c]\r\n[b]\r\n");
  TIniFile ini(folder / "s.ini");
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"b", "A", "c"}));
}

TEST(IniFile, DeletingAndErasingTouchOnlyWhatTheyName) {
  TempFolder folder;
  WriteRawFile(folder / "a.ini", kSample);
  TIniFile ini(folder / "a.ini");
  ini.DeleteKey("Main", "company");
  ini.EraseSection("COLORS");
  ini.DeleteKey("Nowhere", "x");
  EXPECT_EQ(ReadRawFile(folder / "a.ini"),
            "; settings of the import\r\n[Main]\r\n; the folder\r\nDataPath = \"C:\\DATA\" \r\nsome unknown line\r\n\r\n");
}

TEST(IniFile, TypedValuesAndAWriteThatFails) {
  TempFolder folder;
  const TFormatSettings saved = FormatSettings;
  FormatSettings.DecimalSeparator = ',';
  TIniFile ini(folder / "t.ini");
  ini.WriteInteger("S", "Int", -42);
  ini.WriteBool("S", "Flag", true);
  ini.WriteFloat("S", "Ratio", 2.5);
  ini.WriteString("S", "Hex", "0x1F");
  ini.WriteString("S", "Junk", "12ab");
  TMemoryStream data;
  data.WriteBuffer("\x01\xAB\xFF", 3);
  data.SetPosition(0);
  ini.WriteBinaryStream("S", "Data", &data);
  EXPECT_EQ(ini.ReadString("S", "Ratio", ""), "2,5");   // the regional settings' separator
  EXPECT_EQ(ini.ReadFloat("S", "Ratio", 0), 2.5);
  EXPECT_EQ(ini.ReadInteger("S", "Int", 0), -42);
  EXPECT_TRUE(ini.ReadBool("S", "Flag", false));
  EXPECT_EQ(ini.ReadInteger("S", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "Junk", 5), 5);
  EXPECT_EQ(ini.ReadFloat("S", "Junk", 1.5), 1.5);
  EXPECT_EQ(ini.ReadString("S", "Data", ""), "01ABFF");
  TMemoryStream back;
  EXPECT_EQ(ini.ReadBinaryStream("S", "Data", &back), 3);
  EXPECT_EQ(std::string(static_cast<const char*>(back.Memory()), 3), "\x01\xAB\xFF");
  FormatSettings = saved;
  TIniFile blocked(folder / "no-such-folder/x.ini");
  try {
    blocked.WriteString("A", "B", "C");
    FAIL() << "no exception";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), "Unable to write to " + folder / "no-such-folder/x.ini");
  }
}

TEST(MemIniFile, ChangesStayInMemoryUntilUpdateFile) {
  TempFolder folder;
  WriteRawFile(folder / "m.ini", kSample);
  TMemIniFile ini(folder / "m.ini");
  EXPECT_EQ(ini.ReadString("MAIN", "datapath", ""), "\"C:\\DATA\"");   // kept as written, trimmed
  ini.WriteString("Main", "Company", "Quendry");
  ini.WriteString("New", "A", "1");
  ini.DeleteKey("Colors", "Back");
  EXPECT_EQ(ReadRawFile(folder / "m.ini"), kSample);
  ini.UpdateFile();
  EXPECT_EQ(ReadRawFile(folder / "m.ini"),
            "[Main]\r\nCompany=Quendry\r\nDataPath=\"C:\\DATA\"\r\nsome unknown line\r\n\r\n"
            "[Colors]\r\n\r\n[New]\r\nA=1\r\n\r\n");
  TStringList list;
  ini.ReadSection("main", &list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Company", "DataPath", ""}));
  ini.EraseSection("colors");
  ini.ReadSections(&list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Main", "New"}));
  TMemIniFile fresh(folder / "fresh.ini");
  EXPECT_EQ(fresh.ReadInteger("A", "B", 3), 3);
  fresh.UpdateFile();
  EXPECT_EQ(ReadRawFile(folder / "fresh.ini"), "");
}

TEST(RegistryIniFile, SectionsAreSubkeysAndValuesKeepTheirTypes) {
  TempFolder folder;
  SetRegistryFolder(folder.Path());
  {
    TRegistryIniFile ini("Software\\Quendry\\Test");
    ini.WriteString("Window", "Caption", "Main");
    ini.WriteInteger("Window", "Left", -5);
    ini.WriteBool("Window", "Visible", true);
    ini.WriteFloat("Window", "Ratio", 0.25);
    ini.WriteString("Old", "Count", "12");
    ini.WriteInteger("Old", "Count", 13);   // stays a string
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\Quendry\\Test\\Old", false));
    EXPECT_EQ(reg.GetDataType("Count"), rdString);
    EXPECT_EQ(reg.ReadString("Count"), "13");
  }
  TRegistryIniFile ini("Software\\Quendry\\Test");
  EXPECT_EQ(ini.ReadString("Window", "Caption", ""), "Main");
  EXPECT_EQ(ini.ReadInteger("Window", "Left", 0), -5);
  EXPECT_TRUE(ini.ReadBool("Window", "Visible", false));
  EXPECT_EQ(ini.ReadFloat("Window", "Ratio", 0), 0.25);
  EXPECT_EQ(ini.ReadInteger("Old", "Count", 0), 13);
  EXPECT_EQ(ini.ReadString("Window", "Missing", "d"), "d");
  EXPECT_EQ(ini.ReadInteger("NoSection", "X", 9), 9);
  TStringList list;
  ini.ReadSections(&list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Old", "Window"}));
  ini.ReadSectionValues("Window", &list);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"Caption=Main", "Left=-5", "Visible=1", "Ratio=000000000000D03F"}));
  ini.DeleteKey("Window", "Caption");
  EXPECT_FALSE(ini.ValueExists("Window", "Caption"));
  ini.EraseSection("Window");
  EXPECT_FALSE(ini.SectionExists("Window"));
  EXPECT_EQ(ini.ReadString("Old", "Count", ""), "13");
  SetRegistryFolder("");
}

TEST(Registry, ErrorsOfTheClassLibrary) {
  TempFolder folder;
  SetRegistryFolder(folder.Path());
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey("Software\\A", true));
  EXPECT_EQ(reg.CurrentPath(), "Software\\A");
  reg.WriteString("Text", "t");
  reg.WriteInteger("Number", 1);
  EXPECT_EQ(reg.ReadString("Missing"), "");
  try {
    reg.ReadInteger("Missing");
    FAIL() << "no exception";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Failed to get data for 'Missing'");
  }
  try {
    reg.ReadInteger("Text");
    FAIL() << "no exception";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'Text'");
  }
  ASSERT_TRUE(reg.OpenKey("B\\C", true));   // relative to the open key
  EXPECT_EQ(reg.CurrentPath(), "Software\\A\\B\\C");
  reg.CloseKey();
  EXPECT_TRUE(reg.KeyExists("Software\\A\\B"));
  EXPECT_TRUE(reg.DeleteKey("Software\\A"));
  EXPECT_FALSE(reg.KeyExists("Software\\A"));
  EXPECT_FALSE(reg.OpenKey("Software\\A", false));
  SetRegistryFolder("");
}

}  // namespace
