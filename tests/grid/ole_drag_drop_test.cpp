// The grid's OLE drag-and-drop unit: reading incoming data only inside each block (drop-files
// blocks shorter than their names, texts without their zero, short integers), the drop target's
// acceptance, effects and hooks, the offered data object's formats and bytes, and the source's
// answers to the drag loop.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "grid/ole_drag_drop.h"
#include "platform/classes/string_list.h"
#include "platform/shims/external_data_object.h"
#include "platform/shims/ole_types.h"
#include "platform/user/drop_files.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A data object offering the given bytes per format, in global memory.
class TBytesDataObject : public TOleInterfacedObject<IDataObject> {
 public:
  explicit TBytesDataObject(std::map<UINT, Bytes> Formats) : formats_(std::move(Formats)) {}

  HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const Bytes& bytes = formats_.at(format->cfFormat);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!bytes.empty()) std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    *medium = STGMEDIUM{TYMED_HGLOBAL, block, nullptr};
    return S_OK;
  }
  HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT QueryGetData(const FORMATETC* format) override {
    return formats_.count(format->cfFormat) != 0 ? S_OK : DV_E_FORMATETC;
  }
  HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT EnumFormatEtc(DWORD, TInterfacePtr<IEnumFORMATETC>& formats) override {
    std::vector<FORMATETC> list;
    for (const auto& entry : formats_) list.push_back(GlobalFormat(CLIPFORMAT(entry.first)));
    formats = TInterfacePtr<IEnumFORMATETC>(new TFormatEnumerator(list));
    return S_OK;
  }

 private:
  std::map<UINT, Bytes> formats_;
};

TInterfacePtr<IDataObject> DataOf(std::map<UINT, Bytes> Formats) {
  return TInterfacePtr<IDataObject>(new TBytesDataObject(std::move(Formats)));
}

Bytes TextBytes(const std::string& Text) {
  Bytes bytes(Text.begin(), Text.end());
  bytes.push_back(0);
  return bytes;
}

// A drop-files block: the header (pFiles 20, fWide Wide) and the names, each with its zero, then
// the closing empty name.
Bytes DropFilesBlock(const std::vector<std::string>& Names, bool Wide) {
  Bytes bytes(sizeof(DROPFILES), 0);
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = Wide ? 1 : 0;
  std::memcpy(bytes.data(), &header, sizeof(header));
  const auto put = [&](const std::string& Name) {
    for (char ch : Name) {
      bytes.push_back(static_cast<unsigned char>(ch));
      if (Wide) bytes.push_back(0);
    }
    bytes.push_back(0);
    if (Wide) bytes.push_back(0);
  };
  for (const std::string& name : Names) put(name);
  put("");
  return bytes;
}

std::vector<std::string> FilesOf(TEnumFormats& Reader) {
  TStringList list;
  Reader.GetFiles(&list);
  std::vector<std::string> names;
  for (Integer i = 0; i < list.Count(); ++i) names.push_back(list.Strings(i));
  return names;
}

TEST(OleDragDropTest, TheReaderReadsOnlyInsideEachBlock) {
  struct Case {
    const char* name;
    Bytes block;
    std::vector<std::string> files;
  };
  const Bytes wide = DropFilesBlock({"a.csv", "b.xls"}, true);
  const Bytes narrow = DropFilesBlock({"a.csv", "b.xls"}, false);
  Bytes farOffset = narrow;
  farOffset[0] = 0xF0;   // pFiles past the block's end
  const Case cases[] = {
      {"wide names", wide, {"a.csv", "b.xls"}},
      {"8-bit names", narrow, {"a.csv", "b.xls"}},
      {"a block shorter than its names", Bytes(wide.begin(), wide.end() - 9), {}},
      {"a list without its closing empty name", Bytes(narrow.begin(), narrow.end() - 1), {}},
      {"a name list starting past the block", farOffset, {}},
      {"a block shorter than its header", Bytes(narrow.begin(), narrow.begin() + 10), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TInterfacePtr<IDataObject> data = DataOf({{15, c.block}});
    TEnumFormats reader(data.get());
    EXPECT_TRUE(reader.HasFiles());
    EXPECT_EQ(FilesOf(reader), c.files);
  }
  TEnumFormats probe(DataOf({}).get());   // registers the two formats
  const UINT column = GridColumnClipboardFormat();
  ASSERT_NE(column, 0u);
  TInterfacePtr<IDataObject> data = DataOf({{1, Bytes{'a', 'b', 'c'}}, {column, Bytes{7, 0}}});
  TEnumFormats reader(data.get());
  EXPECT_EQ(reader.GetPlainText(), "abc");   // no zero: the text ends with its block
  EXPECT_EQ(reader.GetColumn(), -1);         // two bytes are no 32-bit index
  EXPECT_EQ(reader.GetRichText(), "");
}

// Logs the hooks it hears.
class TLoggingTarget : public TPSGDropTarget {
 public:
  std::vector<std::string> log;

 protected:
  void TextDropped(TPoint, const std::string& Text) override { log.push_back("text " + Text); }
  void ColumnDropped(TPoint, Integer Column) override { log.push_back("column " + std::to_string(Column)); }
  void RichTextDropped(TPoint, const std::string& Rtf) override { log.push_back("rtf " + Rtf); }
  void FilesDropped(TPoint, TStringList* Files) override { log.push_back("files " + Files->Strings(0)); }
  void DragEntered() override { log.push_back("enter"); }
};

TEST(OleDragDropTest, TheTargetAcceptsByItsSwitchesAndPassesEachFormatToItsHook) {
  TEnumFormats probe(DataOf({}).get());
  const UINT rtf = RichTextClipboardFormat();
  const UINT column = GridColumnClipboardFormat();
  struct Case {
    const char* name;
    std::map<UINT, Bytes> formats;
    bool acceptText, richText;
    DWORD keys, allowed, effect;
    std::vector<std::string> log;
  };
  const Bytes columnTwo{2, 0, 0, 0};
  const Case cases[] = {
      {"text refused", {{1, TextBytes("t")}}, false, false, MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE, {"enter"}},
      {"move allowed", {{1, TextBytes("t")}}, true, false, MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE, {"enter", "text t"}},
      {"Ctrl copies", {{1, TextBytes("t")}}, true, false, MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY, {"enter", "text t"}},
      {"copy only", {{1, TextBytes("t")}}, true, false, MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY, {"enter", "text t"}},
      {"rich text allowed", {{1, TextBytes("t")}, {rtf, TextBytes("{r}")}}, true, true, MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY, {"enter", "rtf {r}"}},
      {"rich text not allowed", {{1, TextBytes("t")}, {rtf, TextBytes("{r}")}}, true, false, MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY, {"enter", "text t"}},
      {"text and files", {{1, TextBytes("t")}, {15, DropFilesBlock({"x.csv"}, true)}}, true, false, MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY, {"enter", "text t", "files x.csv"}},
      {"a column", {{column, columnTwo}}, true, false, MK_LBUTTON, DROPEFFECT_MOVE, DROPEFFECT_MOVE, {"enter", "column 2"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetOleDropRichTextAllowed(c.richText);
    TInterfacePtr<TLoggingTarget> target(new TLoggingTarget);
    target->SetAcceptText(c.acceptText);
    target->SetAcceptColumns(true);
    TInterfacePtr<IDataObject> data = DataOf(c.formats);
    DWORD effect = c.allowed;
    EXPECT_EQ(target->DragEnter(data.get(), c.keys, POINTL{5, 5}, &effect), S_OK);
    EXPECT_EQ(effect, c.effect);
    effect = c.allowed;
    target->DragOver(c.keys, POINTL{6, 6}, &effect);
    EXPECT_EQ(effect, c.effect);
    effect = c.allowed;
    target->Drop(data.get(), c.keys, POINTL{6, 6}, &effect);
    EXPECT_EQ(effect, c.effect);
    EXPECT_EQ(target->log, c.log);
  }
  SetOleDropRichTextAllowed(false);
}

std::vector<UINT> OfferedFormats(IDataObject* Data) {
  TInterfacePtr<IEnumFORMATETC> formats;
  EXPECT_EQ(Data->EnumFormatEtc(DATADIR_GET, formats), S_OK);
  std::vector<UINT> list;
  FORMATETC format{};
  while (formats->Next(1, &format, nullptr) == S_OK) list.push_back(format.cfFormat);
  return list;
}

TEST(OleDragDropTest, TheOfferedDataObjectServesItsFormatsInGlobalMemory) {
  TEnumFormats probe(DataOf({}).get());
  const UINT rtf = RichTextClipboardFormat();
  const UINT column = GridColumnClipboardFormat();
  TInterfacePtr<IDataObject> text(new TSourceDataObject("ab", "{r}", -1));
  TInterfacePtr<IDataObject> columnData(new TSourceDataObject("", "", 3));
  EXPECT_EQ(OfferedFormats(text.get()), (std::vector<UINT>{1, 13, rtf}));
  EXPECT_EQ(OfferedFormats(columnData.get()), (std::vector<UINT>{1, 13, rtf, column}));
  const auto read = [](IDataObject* Data, UINT Format) {
    FORMATETC format = GlobalFormat(CLIPFORMAT(Format));
    STGMEDIUM medium{};
    if (Data->GetData(&format, &medium) != S_OK) return Bytes{0xEE};
    const auto* bytes = static_cast<const unsigned char*>(GlobalLock(medium.hGlobal));
    Bytes copy(bytes, bytes + GlobalSize(medium.hGlobal));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return copy;
  };
  EXPECT_EQ(read(text.get(), 1), TextBytes("ab"));
  EXPECT_EQ(read(text.get(), 13), (Bytes{'a', 0, 'b', 0, 0, 0}));
  EXPECT_EQ(read(text.get(), rtf), Bytes{0xEE});   // rich text only while allowed
  SetOleDropRichTextAllowed(true);
  EXPECT_EQ(read(text.get(), rtf), TextBytes("{r}"));
  SetOleDropRichTextAllowed(false);
  EXPECT_EQ(read(text.get(), column), Bytes{0xEE});
  EXPECT_EQ(read(columnData.get(), column), (Bytes{3, 0, 0, 0}));
  EXPECT_EQ(read(columnData.get(), 1), Bytes{0xEE});
  TEnumFormats reader(columnData.get());
  EXPECT_EQ(reader.GetColumn(), 3);
}

TEST(OleDragDropTest, TheSourceCancelsOnEscapeDropsOnReleaseAndUsesTheDefaultCursors) {
  struct Case {
    BOOL escape;
    DWORD keys;
    HRESULT answer;
  };
  const Case cases[] = {{TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL}, {FALSE, 0, DRAGDROP_S_DROP}, {FALSE, MK_LBUTTON, S_OK}};
  TInterfacePtr<TPSGDropSource> source(new TPSGDropSource);
  for (const Case& c : cases) EXPECT_EQ(source->QueryContinueDrag(c.escape, c.keys), c.answer);
  EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
}

}  // namespace
