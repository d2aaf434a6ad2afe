#include "platform/os/registry_tree.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"

namespace {

RegistryKey SampleTree() {
  RegistryKey root;
  root.SetValue("RootValue", REG_DWORD, std::string("\x2A\0\0\0", 4));
  bool created = false;
  RegistryKey& quendry = root.ObtainSubkey("Software", created).ObtainSubkey("Quendry", created);
  quendry.SetValue("", REG_SZ, "default");
  quendry.SetValue("ชื่อ"_cp874, REG_SZ, std::string("บริษัท\ttab\\back\nline\r\x01\x7F"_cp874));
  quendry.SetValue("Blob", REG_BINARY, std::string("\0\xFF\x10", 3));
  quendry.SetValue("Odd\\Name\t", REG_DWORD, "12");   // not four bytes: kept as bytes
  quendry.SetValue("Path", REG_EXPAND_SZ, "%TEMP%\\x");
  quendry.SetValue("List", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
  quendry.ObtainSubkey("Empty", created);
  root.ObtainSubkey("AppEvents", created);
  return root;
}

void ExpectSameTree(const RegistryKey& a, const RegistryKey& b) {
  EXPECT_EQ(a.name, b.name);
  ASSERT_EQ(a.values.size(), b.values.size()) << a.name;
  for (std::size_t i = 0; i < a.values.size(); ++i) {
    EXPECT_EQ(a.values[i].name, b.values[i].name);
    EXPECT_EQ(a.values[i].type, b.values[i].type) << a.values[i].name;
    EXPECT_EQ(a.values[i].data, b.values[i].data) << a.values[i].name;
  }
  ASSERT_EQ(a.subkeys.size(), b.subkeys.size()) << a.name;
  for (std::size_t i = 0; i < a.subkeys.size(); ++i) ExpectSameTree(a.subkeys[i], b.subkeys[i]);
}

TEST(RegistryTree, TextFormRoundTripsEveryKindOfNameAndValue) {
  const RegistryKey tree = SampleTree();
  const std::string text = SerializeRegistry(tree);
  const auto parsed = ParseRegistry(text);
  ASSERT_TRUE(parsed);
  ExpectSameTree(*parsed, tree);
  EXPECT_EQ(SerializeRegistry(*parsed), text);
}

TEST(RegistryTree, TextFormIsLineOrientedAndReadable) {
  RegistryKey root;
  bool created = false;
  RegistryKey& key = root.ObtainSubkey("Software", created).ObtainSubkey("Quendry", created);
  key.SetValue("Name", REG_SZ, std::string("สวัสดี a\\b"_cp874));
  key.SetValue("Count", REG_DWORD, std::string("\x2A\x01\0\0", 4));
  key.SetValue("Raw", REG_BINARY, "\x01\xAB");
  EXPECT_EQ(SerializeRegistry(root),
            "#quendry-registry 1\n"
            "K\tSoftware\n"
            "K\tSoftware\tQuendry\n"
            "V\t1\tName\tสวัสดี a\\\\b\n"
            "V\t4\tCount\t0x0000012A\n"
            "V\t3\tRaw\thex:01ab\n");
}

TEST(RegistryTree, MalformedTextsAreRejected) {
  const char* texts[] = {
      "K\tSoftware\n",                                // no header
      "#quendry-registry 2\n",                        // another version
      "#quendry-registry 1\nK\tA\\qB\n",              // unknown escape
      "#quendry-registry 1\nK\tA\\x4\n",              // cut escape
      "#quendry-registry 1\nK\t\n",                   // empty key name
      "#quendry-registry 1\nX\tA\n",                  // unknown record
      "#quendry-registry 1\nV\t1\tName\n",            // missing data
      "#quendry-registry 1\nV\tone\tName\tx\n",       // type not a number
      "#quendry-registry 1\nV\t3\tName\thex:0g\n",    // not hex
      "#quendry-registry 1\nV\t3\tName\thex:012\n",   // odd digit count
      "#quendry-registry 1\nV\t4\tName\t42\n",        // a number without its form
  };
  for (const char* text : texts) EXPECT_FALSE(ParseRegistry(text)) << text;
  EXPECT_TRUE(ParseRegistry(""));   // an empty file is an empty registry
  EXPECT_TRUE(ParseRegistry("#quendry-registry 1\r\nK\tA\r\n"));
}

TEST(RegistryTree, NamesIgnoreCaseAndKeysStayInOrder) {
  RegistryKey root;
  bool created = false;
  for (const char* name : {"gamma", "Alpha", "beta", "ALPHA"}) root.ObtainSubkey(name, created);
  EXPECT_FALSE(created);   // "ALPHA" found "Alpha"
  ASSERT_EQ(root.subkeys.size(), 3u);
  EXPECT_EQ(root.subkeys[0].name, "Alpha");
  EXPECT_EQ(root.subkeys[1].name, "beta");
  EXPECT_EQ(root.subkeys[2].name, "gamma");
  EXPECT_EQ(FindKey(root, "\\BETA\\"), &root.subkeys[1]);
  EXPECT_EQ(FindKey(root, ""), &root);
  EXPECT_EQ(FindKey(root, "beta\\missing"), nullptr);
  root.SetValue("Zed", REG_SZ, "1");
  root.SetValue("abc", REG_SZ, "2");
  root.SetValue("ZED", REG_DWORD, "3333");   // replaces, keeps its place and first spelling
  ASSERT_EQ(root.values.size(), 2u);
  EXPECT_EQ(root.values[0].name, "Zed");
  EXPECT_EQ(root.values[0].type, REG_DWORD);
  EXPECT_TRUE(root.RemoveValue("zed"));
  EXPECT_FALSE(root.RemoveValue("zed"));
  EXPECT_TRUE(root.RemoveSubkey("GAMMA"));
  EXPECT_EQ(root.FindSubkey("gamma"), nullptr);
}

}  // namespace
