// The data object of drops from other programs: which formats it offers, how it answers
// descriptions it does not serve, and the bytes of text (UTF-16 and code page 874) and files (the
// DROPFILES layout) it renders.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/shims/external_data_object.h"
#include "platform/user/clipboard.h"
#include "platform/user/drop_files.h"
#include "platform/user/global_memory.h"

namespace oletest {
namespace {

FORMATETC Wanted(CLIPFORMAT format, DWORD tymed = TYMED_HGLOBAL, DWORD aspect = DVASPECT_CONTENT, LONG index = -1) {
  return FORMATETC{format, nullptr, aspect, index, tymed};
}

// The bytes GetData renders for the format (empty when it fails).
std::string Rendered(IDataObject* data, CLIPFORMAT format) {
  const FORMATETC wanted = Wanted(format);
  STGMEDIUM medium{};
  if (data->GetData(&wanted, &medium) != S_OK) return "";
  EXPECT_EQ(medium.tymed, TYMED_HGLOBAL);
  EXPECT_EQ(medium.pUnkForRelease, nullptr);
  const std::string bytes(static_cast<const char*>(GlobalLock(medium.hGlobal)), GlobalSize(medium.hGlobal));
  GlobalUnlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  EXPECT_EQ(medium.hGlobal, nullptr) << "released and emptied";
  return bytes;
}

std::vector<CLIPFORMAT> Enumerated(IDataObject* data) {
  TInterfacePtr<IEnumFORMATETC> formats;
  EXPECT_EQ(data->EnumFormatEtc(DATADIR_GET, formats), S_OK);
  std::vector<CLIPFORMAT> list;
  FORMATETC one{};
  while (formats->Next(1, &one, nullptr) == S_OK) {
    EXPECT_EQ(one.dwAspect, DVASPECT_CONTENT);
    EXPECT_EQ(one.lindex, -1);
    EXPECT_EQ(one.tymed, TYMED_HGLOBAL);
    list.push_back(one.cfFormat);
  }
  return list;
}

TEST(ExternalDataObjectTest, TextComesAsUtf16AndAsCodePage874) {
  const std::u16string thai = Utf8ToUtf16("เงินเดือน 1,000");
  TInterfacePtr<IDataObject> data = TExternalDataObject::ForText(thai);
  EXPECT_EQ(Enumerated(data.get()), (std::vector<CLIPFORMAT>{CF_UNICODETEXT, CF_TEXT}));
  const std::string wide = Rendered(data.get(), CF_UNICODETEXT);
  ASSERT_EQ(wide.size(), (thai.size() + 1) * 2) << "the text and its terminating zero";
  EXPECT_EQ(std::memcmp(wide.data(), (thai + u'\0').data(), wide.size()), 0);
  EXPECT_EQ(Rendered(data.get(), CF_TEXT), Utf16ToCp874(thai) + '\0');
  EXPECT_EQ(Rendered(data.get(), CF_TEXT), std::string("\xE0\xA7\xD4\xB9\xE0\xB4\xD7\xCD\xB9 1,000", 15) + '\0');
}

TEST(ExternalDataObjectTest, FilesComeAsADropFilesBlock) {
  TInterfacePtr<IDataObject> data = TExternalDataObject::ForFiles({u"/tmp/a.csv", u"/tmp/\u0E01.xls"});
  EXPECT_EQ(Enumerated(data.get()), (std::vector<CLIPFORMAT>{CF_HDROP}));
  const std::string block = Rendered(data.get(), CF_HDROP);
  ASSERT_GE(block.size(), 20u);
  auto dword = [&](std::size_t at) {
    std::uint32_t v;
    std::memcpy(&v, block.data() + at, 4);
    return v;
  };
  EXPECT_EQ(dword(0), 20u) << "pFiles: the names follow the 20-byte header";
  EXPECT_EQ(dword(4), 0u);
  EXPECT_EQ(dword(8), 0u);
  EXPECT_EQ(dword(16), 1u) << "fWide";
  const std::u16string expected(u"/tmp/a.csv\0/tmp/\u0E01.xls\0\0", 10 + 1 + 10 + 1 + 1);
  ASSERT_EQ(block.size(), 20 + expected.size() * 2);
  EXPECT_EQ(std::memcmp(block.data() + 20, expected.data(), expected.size() * 2), 0);
}

TEST(ExternalDataObjectTest, DescriptionsItDoesNotServeAreRefusedWithTheirCodes) {
  TInterfacePtr<IDataObject> data = TExternalDataObject::ForText(u"x");
  const struct {
    const char* name;
    FORMATETC format;
    HRESULT expected;
  } cases[] = {
      {"text in global memory", Wanted(CF_TEXT), S_OK},
      {"any medium that includes global memory", Wanted(CF_TEXT, TYMED_HGLOBAL | TYMED_ISTREAM), S_OK},
      {"a format not offered", Wanted(CF_HDROP), DV_E_FORMATETC},
      {"another aspect", Wanted(CF_TEXT, TYMED_HGLOBAL, DVASPECT_ICON), DV_E_FORMATETC},
      {"a part of the data", Wanted(CF_TEXT, TYMED_HGLOBAL, DVASPECT_CONTENT, 0), DV_E_FORMATETC},
      {"a stream only", Wanted(CF_TEXT, TYMED_ISTREAM), DV_E_TYMED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(data->QueryGetData(&c.format), c.expected);
    STGMEDIUM medium{};
    const HRESULT got = data->GetData(&c.format, &medium);
    EXPECT_EQ(got, c.expected);
    if (got == S_OK) ReleaseStgMedium(&medium);
  }
  EXPECT_EQ(data->QueryGetData(nullptr), E_INVALIDARG);
  const FORMATETC text = Wanted(CF_TEXT);
  STGMEDIUM medium{TYMED_HGLOBAL, nullptr, nullptr};
  EXPECT_EQ(data->SetData(&text, &medium, TRUE), E_NOTIMPL);
  TInterfacePtr<IEnumFORMATETC> formats;
  EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, formats), E_NOTIMPL);
  FORMATETC canonical{};
  EXPECT_EQ(data->GetCanonicalFormatEtc(&text, &canonical), E_NOTIMPL);
  EXPECT_EQ(canonical.ptd, nullptr);
  DWORD connection = 7;
  EXPECT_EQ(data->DAdvise(&text, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
  EXPECT_EQ(connection, 0u);
  EXPECT_EQ(data->DUnadvise(1), OLE_E_ADVISENOTSUPPORTED);
}

TEST(ExternalDataObjectTest, GetDataHereFillsTheCallersBlockWhenItFits) {
  TInterfacePtr<IDataObject> data = TExternalDataObject::ForText(u"abc");
  const FORMATETC text = Wanted(CF_TEXT);
  STGMEDIUM small{TYMED_HGLOBAL, GlobalAlloc(GHND, 3), nullptr};
  EXPECT_EQ(data->GetDataHere(&text, &small), STG_E_MEDIUMFULL) << "\"abc\" needs 4 bytes with its zero";
  ReleaseStgMedium(&small);
  STGMEDIUM roomy{TYMED_HGLOBAL, GlobalAlloc(GHND, 8), nullptr};
  std::memset(GlobalLock(roomy.hGlobal), 'z', 8);
  GlobalUnlock(roomy.hGlobal);
  ASSERT_EQ(data->GetDataHere(&text, &roomy), S_OK);
  EXPECT_EQ(std::string(static_cast<const char*>(GlobalLock(roomy.hGlobal)), 8), std::string("abc\0zzzz", 8));
  GlobalUnlock(roomy.hGlobal);
  ReleaseStgMedium(&roomy);
  STGMEDIUM none{TYMED_NULL, nullptr, nullptr};
  EXPECT_EQ(data->GetDataHere(&text, &none), DV_E_TYMED);
}

TEST(ExternalDataObjectTest, TheFormatEnumeratorSkipsResetsAndClones) {
  TInterfacePtr<IDataObject> data = TExternalDataObject::ForText(u"x");
  TInterfacePtr<IEnumFORMATETC> formats;
  ASSERT_EQ(data->EnumFormatEtc(DATADIR_GET, formats), S_OK);
  FORMATETC got[3]{};
  ULONG fetched = 9;
  EXPECT_EQ(formats->Next(3, got, &fetched), S_FALSE) << "only two are offered";
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(formats->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(formats->Reset(), S_OK);
  EXPECT_EQ(formats->Skip(1), S_OK);
  TInterfacePtr<IEnumFORMATETC> clone;
  ASSERT_EQ(formats->Clone(clone), S_OK);
  EXPECT_EQ(formats->Skip(2), S_FALSE) << "one was left";
  ASSERT_EQ(clone->Next(1, got, nullptr), S_OK) << "the clone kept the position it was made at";
  EXPECT_EQ(got[0].cfFormat, CF_TEXT);
}

}  // namespace
}  // namespace oletest
