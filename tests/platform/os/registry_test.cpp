#include "platform/os/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/os/child_process.h"
#include "platform/core/win_errors.h"
#include "platform/os/folders.h"
#include "tests/support/os/temp_folder.h"

namespace {

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { SetRegistryFolder(tmp.Path()); }
  void TearDown() override { SetRegistryFolder(""); }

  // Creates (or opens) a key of the current user with every right.
  HKEY Create(std::string_view path, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS, key, disposition), ERROR_SUCCESS);
    return key;
  }

  static DWORD SetText(HKEY key, std::string_view name, const std::string& text) {
    return RegSetValueEx(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }
  static DWORD SetNumber(HKEY key, std::string_view name, DWORD n) {
    return RegSetValueEx(key, name, REG_DWORD, &n, sizeof n);
  }
  // The text of a value, or the error as text.
  static std::string Text(HKEY key, std::string_view name) {
    char buffer[256];
    DWORD size = sizeof buffer, type = 0;
    const DWORD error = RegQueryValueEx(key, name, &type, buffer, &size);
    if (error != ERROR_SUCCESS) return "error " + std::to_string(error);
    return std::string(buffer, size - 1);
  }

  TempFolder tmp;
};

TEST_F(Registry, CreateOpenAndTheBufferProtocol) {
  DWORD disposition = 0;
  HKEY key = Create("Software\\Quendry\\Payroll\\", &disposition);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  ASSERT_EQ(SetText(key, "Company", "ABC"), ERROR_SUCCESS);
  ASSERT_EQ(SetNumber(key, "Station", 7), ERROR_SUCCESS);
  ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

  HKEY again = Create("software\\QUENDRY\\payroll", &disposition);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  RegCloseKey(again);

  HKEY read = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\quendry\\PAYROLL", KEY_READ, read), ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueEx(read, "company", &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, 4u);   // "ABC" and its null
  char small[3];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueEx(read, "Company", nullptr, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 4u);
  char exact[4];
  EXPECT_EQ(RegQueryValueEx(read, "Company", nullptr, exact, &size), ERROR_SUCCESS);
  EXPECT_STREQ(exact, "ABC");
  DWORD station = 0;
  size = sizeof station;
  EXPECT_EQ(RegQueryValueEx(read, "STATION", &type, &station, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(station, 7u);
  EXPECT_EQ(RegQueryValueEx(read, "Missing", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueEx(read, "", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  RegCloseKey(read);

  HKEY none = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Nobody", KEY_READ, none), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\Quendry", KEY_READ, none), ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, ValuesOfEveryKindAndTheDefaultValue) {
  HKEY key = Create("AppEvents\\Schemes");
  const std::string binary("\0\x01\xFF", 3);
  struct Case { std::string name; DWORD type; std::string written, read; };
  const Case cases[] = {
      {"", REG_SZ, std::string("default\0", 8), std::string("default\0", 8)},
      {"NoNull", REG_SZ, "abc", std::string("abc\0", 4)},   // read back with its null
      {"Cut", REG_SZ, std::string("ab\0cd", 5), std::string("ab\0", 3)},
      {"Expand", REG_EXPAND_SZ, "%TEMP%", std::string("%TEMP%\0", 7)},
      {"Bytes", REG_BINARY, binary, binary},
      {"Empty", REG_BINARY, "", ""},
      {"Number", REG_DWORD, std::string("\x10\x20\x30\x40", 4), std::string("\x10\x20\x30\x40", 4)},
      {"Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), std::string("a\0b\0\0", 5)},
  };
  for (const Case& c : cases)
    ASSERT_EQ(RegSetValueEx(key, c.name, c.type, c.written.data(), static_cast<DWORD>(c.written.size())),
              ERROR_SUCCESS) << c.name;
  for (const Case& c : cases) {
    char buffer[64];
    DWORD type = 0, size = sizeof buffer;
    ASSERT_EQ(RegQueryValueEx(key, c.name, &type, buffer, &size), ERROR_SUCCESS) << c.name;
    EXPECT_EQ(type, c.type) << c.name;
    EXPECT_EQ(std::string(buffer, size), c.read) << c.name;
  }
  EXPECT_EQ(RegSetValueEx(key, "Bad", REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  RegCloseKey(key);
}

TEST_F(Registry, EnumerationAndKeyInfo) {
  HKEY key = Create("Software\\Quendry");
  for (const char* name : {"gamma", "Alpha", "beta"})
    RegCloseKey(Create(std::string("Software\\Quendry\\") + name));
  SetText(key, "Zed", "1");
  SetText(key, "LongerName", "12345");
  SetNumber(key, "abc", 1);

  std::vector<std::string> keys, values;
  std::string name;
  for (DWORD i = 0; RegEnumKeyEx(key, i, name) == ERROR_SUCCESS; ++i) keys.push_back(name);
  DWORD type = 0;
  for (DWORD i = 0; RegEnumValue(key, i, name, &type) == ERROR_SUCCESS; ++i) values.push_back(name);
  EXPECT_EQ(keys, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(values, (std::vector<std::string>{"Zed", "LongerName", "abc"}));
  EXPECT_EQ(type, REG_DWORD);
  EXPECT_EQ(RegEnumKeyEx(key, 3, name), ERROR_NO_MORE_ITEMS);

  RegKeyInfo info;
  ASSERT_EQ(RegQueryInfoKey(key, info), ERROR_SUCCESS);
  EXPECT_EQ(info.subKeys, 3u);
  EXPECT_EQ(info.maxSubKeyLength, 5u);
  EXPECT_EQ(info.values, 3u);
  EXPECT_EQ(info.maxValueNameLength, 10u);
  EXPECT_EQ(info.maxValueLength, 6u);   // "12345" and its null
  RegCloseKey(key);
}

TEST_F(Registry, DeletingValuesAndKeys) {
  HKEY parent = Create("Software\\Quendry");
  HKEY child = Create("Software\\Quendry\\Old\\Leaf");
  SetText(parent, "Gone", "x");
  EXPECT_EQ(RegDeleteValue(parent, "GONE"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValue(parent, "Gone"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKey(parent, "Old"), ERROR_ACCESS_DENIED);   // it still has a subkey
  EXPECT_EQ(RegDeleteKey(parent, "old\\LEAF"), ERROR_SUCCESS);
  EXPECT_EQ(SetText(child, "Late", "x"), ERROR_KEY_DELETED);      // the handle's key is gone
  std::string name;
  EXPECT_EQ(RegEnumKeyEx(child, 0, name), ERROR_KEY_DELETED);
  EXPECT_EQ(RegDeleteKey(parent, "Old"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKey(parent, "Old"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKey(parent, ""), ERROR_INVALID_PARAMETER);
  RegCloseKey(child);
  RegCloseKey(parent);
}

TEST_F(Registry, HandlesAndAccessRights) {
  RegCloseKey(Create("Control Panel\\Desktop"));
  HKEY readOnly = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Control Panel\\Desktop", KEY_QUERY_VALUE, readOnly),
            ERROR_SUCCESS);
  EXPECT_EQ(SetText(readOnly, "MenuShowDelay", "400"), ERROR_ACCESS_DENIED);
  std::string name;
  EXPECT_EQ(RegEnumKeyEx(readOnly, 0, name), ERROR_ACCESS_DENIED);
  HKEY sub = nullptr;
  EXPECT_EQ(RegCreateKeyEx(readOnly, "Sub", KEY_ALL_ACCESS, sub), ERROR_ACCESS_DENIED);
  HKEY self = nullptr;   // reopening through a read-only handle with more rights is allowed
  ASSERT_EQ(RegOpenKeyEx(readOnly, "", KEY_ALL_ACCESS, self), ERROR_SUCCESS);
  EXPECT_EQ(SetText(self, "MenuShowDelay", "400"), ERROR_SUCCESS);
  EXPECT_EQ(Text(readOnly, "MenuShowDelay"), "400");
  EXPECT_EQ(RegCloseKey(self), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(readOnly), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(readOnly), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
  EXPECT_EQ(Text(reinterpret_cast<HKEY>(std::uintptr_t{0x80000009}), "x"), "error 6");
}

TEST_F(Registry, RootsAreSeparateFilesAndNoWriteLeavesAFile) {
  HKEY none = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, ".txt", KEY_READ, none), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(ReadRawFile(tmp / "classes-root.registry").size());   // reading made nothing
  HKEY user = Create("Software");
  SetText(user, "Where", "user");
  HKEY machine = nullptr;
  ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software", KEY_ALL_ACCESS, machine), ERROR_SUCCESS);
  SetText(machine, "Where", "machine");
  EXPECT_EQ(Text(user, "Where"), "user");
  EXPECT_EQ(Text(machine, "Where"), "machine");
  EXPECT_NE(ReadRawFile(tmp / "current-user.registry").find("V\t1\tWhere\tuser"), std::string::npos);
  EXPECT_NE(ReadRawFile(tmp / "local-machine.registry").find("V\t1\tWhere\tmachine"), std::string::npos);
  RegCloseKey(user);
  RegCloseKey(machine);
}

TEST_F(Registry, DamagedFileIsReportedAndNeverReplaced) {
  const std::string damaged = "not a registry\n";
  WriteRawFile(tmp / "current-user.registry", damaged);
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", KEY_READ, key), ERROR_BADDB);
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software", KEY_ALL_ACCESS, key), ERROR_BADDB);
  EXPECT_EQ(ReadRawFile(tmp / "current-user.registry"), damaged);
}

TEST_F(Registry, FailedWriteReportsItselfAndChangesNothing) {
  HKEY key = Create("Software");
  SetText(key, "Kept", "old");
  // The new file cannot be made (a folder stands in its place): the change is refused ...
  ASSERT_TRUE(ForceDirectories(tmp / "current-user.registry.new"));
  EXPECT_NE(SetText(key, "Kept", "new"), ERROR_SUCCESS);
  EXPECT_NE(SetText(key, "Added", "x"), ERROR_SUCCESS);
  // ... and neither this process nor the file has it.
  EXPECT_EQ(Text(key, "Kept"), "old");
  EXPECT_EQ(Text(key, "Added"), "error 2");
  EXPECT_EQ(ReadRawFile(tmp / "current-user.registry").find("new"), std::string::npos);
  ASSERT_TRUE(RemoveDir(tmp / "current-user.registry.new"));
  EXPECT_EQ(SetText(key, "Kept", "new"), ERROR_SUCCESS);
  EXPECT_EQ(Text(key, "Kept"), "new");
  RegCloseKey(key);

  WriteRawFile(tmp / "blocker", "");
  SetRegistryFolder(tmp / "blocker/inside");   // a folder that cannot be made
  HKEY other = nullptr;
  EXPECT_NE(RegCreateKeyEx(HKEY_CURRENT_USER, "Software", KEY_ALL_ACCESS, other), ERROR_SUCCESS);
}

// Other processes see every change at once, and writers in several processes lose nothing.
TEST_F(Registry, ProcessesShareTheStoreWithoutLosingWrites) {
  HKEY key = Create("Software\\Quendry");
  SetText(key, "Shared", "first");
  EXPECT_EQ(Text(key, "Shared"), "first");   // now cached in this process
  ChildProcess writer([&](Channel& ch) {
    HKEY k = nullptr;
    RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Quendry", KEY_ALL_ACCESS, k);
    ch.Send(Text(k, "Shared") == "first" ? 1 : 0);
    SetText(k, "Shared", "second");
    ch.Send(1);
    return 0;
  });
  EXPECT_EQ(writer.Receive(), 1u);
  writer.Receive();
  EXPECT_EQ(Text(key, "Shared"), "second");
  EXPECT_EQ(writer.Wait(), 0);

  constexpr int kChildren = 3, kEach = 30;
  std::vector<std::unique_ptr<ChildProcess>> children;
  for (int c = 0; c < kChildren; ++c)
    children.push_back(std::make_unique<ChildProcess>([&, c](Channel& ch) {
      ch.Receive();
      HKEY k = nullptr;
      RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Quendry", KEY_ALL_ACCESS, k);
      int failures = 0;
      for (int i = 0; i < kEach; ++i)
        failures += SetNumber(k, std::to_string(c) + "-" + std::to_string(i), i) != ERROR_SUCCESS;
      return failures;
    }));
  for (auto& child : children) child->Send(1);
  for (auto& child : children) EXPECT_EQ(child->Wait(), 0);
  RegKeyInfo info;
  ASSERT_EQ(RegQueryInfoKey(key, info), ERROR_SUCCESS);
  EXPECT_EQ(info.values, DWORD{1 + kChildren * kEach});   // no process overwrote another's change
  RegCloseKey(key);
}

}  // namespace
