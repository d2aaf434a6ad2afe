// The string grid's OLE drag-and-drop plumbing over platform/shims (docs/platform-shims-ole.md):
// a reader of an incoming data object's formats (TEnumFormats), a drop target passing text, rich
// text, a grid column and files to overridable hooks (TPSGDropTarget), a drop source with the two
// drag starts (TPSGDropSource), and the data object and format enumerator it offers
// (TSourceDataObject, TSourceEnumFormatEtc).
//
// Formats: text (CF_TEXT 1, and CF_UNICODETEXT 13 when offered), "Rich Text Format" (8-bit RTF)
// and "Grid Column" (a 32-bit column index), registered when a reader is made; files are CF_HDROP
// (15).  Rich text is dropped and offered only while OleDropRichTextAllowed is set.
//
// The reader reads only inside each block's size: a text without its zero ends at the block's end,
// an integer needs four bytes, and a drop-files block whose header or name list leaves the block
// yields no files at all (a name list read past its block's end would read foreign memory).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/types.h"
#include "platform/shims/format_enumerator.h"
#include "platform/shims/ole_interfaces.h"

class TStringList;

// The registered formats (0 until the first reader registers them).
UINT RichTextClipboardFormat();
UINT GridColumnClipboardFormat();
// Whether rich text may be dropped and offered (false at start; DragDropSettings.OleDropRTF).
bool OleDropRichTextAllowed();
void SetOleDropRichTextAllowed(bool Value);

class TEnumFormats {
 public:
  // Asserts "Cannot get the format enumerator" when the object cannot enumerate its formats.
  explicit TEnumFormats(IDataObject* DataObject);
  ~TEnumFormats();
  TEnumFormats(const TEnumFormats&) = delete;
  TEnumFormats& operator=(const TEnumFormats&) = delete;

  void Reset();
  // The next format description; false at the end.
  bool Next();
  bool HasFormat(UINT Format);
  // -1 when the format is missing or holds fewer than four bytes; else its first 32-bit value.
  Integer GetInteger(UINT Format);
  // The 8-bit text of the format up to its zero or the block's end; empty when missing.
  std::string GetText(UINT Format);
  // The dropped names (wide names in code page 874) into List; false when there are none, also
  // when the drop-files block is shorter than its header or its name list.
  bool GetFiles(TStringList* List);

  bool HasText() { return HasFormat(kText); }
  bool HasRichText() { return HasFormat(RichTextClipboardFormat()); }
  bool HasColumn() { return HasFormat(GridColumnClipboardFormat()); }
  bool HasFiles() { return HasFormat(kFiles); }
  std::string GetPlainText() { return GetText(kText); }
  std::string GetRichText() { return GetText(RichTextClipboardFormat()); }
  Integer GetColumn() { return GetInteger(GridColumnClipboardFormat()); }

 private:
  static constexpr UINT kText = 1;
  static constexpr UINT kFiles = 15;
  // The bytes of the current format when it is valid and offered in global memory.
  bool ReadCurrent(std::vector<unsigned char>& Bytes);
  bool ReadFormat(UINT Format, std::vector<unsigned char>& Bytes);

  IDataObject* data_;
  TInterfacePtr<IEnumFORMATETC> formats_;
  FORMATETC current_{};
  bool valid_ = false;
  std::unique_ptr<TStringList> files_;
};

// The set of formats a drag offers, as TPSGDropTarget records it.
enum TDropFormat : DWORD { dfText = 1, dfFiles = 2, dfColumn = 4, dfRichText = 8 };

class TPSGDropTarget : public TOleInterfacedObject<IDropTarget> {
 public:
  bool AcceptText() const { return acceptText_; }
  void SetAcceptText(bool Value) { acceptText_ = Value; }
  bool AcceptFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool Value) { acceptFiles_ = Value; }
  bool AcceptColumns() const { return acceptColumns_; }
  void SetAcceptColumns(bool Value) { acceptColumns_ = Value; }

  HRESULT DragEnter(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) override;

 protected:
  virtual void TextDropped(TPoint /*Point*/, const std::string& /*Text*/) {}
  virtual void ColumnDropped(TPoint /*Point*/, Integer /*ColumnIndex*/) {}
  virtual void RichTextDropped(TPoint /*Point*/, const std::string& /*RtfText*/) {}
  virtual void FilesDropped(TPoint /*Point*/, TStringList* /*FileNames*/) {}
  virtual void DragMoved(TPoint /*Point*/, bool& /*Allow*/, DWORD /*Formats*/) {}
  virtual void DragEntered() {}
  virtual void DragLeft() {}

 private:
  // Copy with Ctrl; otherwise move when the source allows it, else copy.
  static DWORD EffectOf(DWORD Keys, DWORD Allowed);

  bool accepted_ = false;
  DWORD formats_ = 0;
  bool acceptText_ = true;
  bool acceptFiles_ = true;
  bool acceptColumns_ = false;
};

class TPSGDropSource : public TOleInterfacedObject<IDropSource> {
 public:
  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keys) override;
  HRESULT GiveFeedback(DWORD effect) override;
  // A drag of the text (with its rich text); DRAGDROP_S_CANCEL when the last feedback was none.
  HRESULT StartTextDrag(const std::string& Text, const std::string& RtfText, DWORD AllowedEffects, DWORD& Effect);
  // A drag carrying only the column index.
  HRESULT StartColumnDrag(Integer ColumnIndex, DWORD AllowedEffects, DWORD& Effect);

 protected:
  virtual void EffectFeedback(DWORD /*Effect*/) {}
  virtual void DragProgress() {}

 private:
  HRESULT RunDrag(IDataObject* Data, DWORD AllowedEffects, DWORD& Effect);

  bool lastEffectNone_ = false;
};

class TSourceDataObject : public TOleInterfacedObject<IDataObject> {
 public:
  // ColumnIndex -1: no column (a text drag).
  TSourceDataObject(std::string Text, std::string RtfText, Integer ColumnIndex);

  HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT QueryGetData(const FORMATETC* format) override;
  HRESULT GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) override;
  HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT EnumFormatEtc(DWORD direction, TInterfacePtr<IEnumFORMATETC>& formats) override;

 private:
  // The bytes of an offered format (false for one it does not serve).
  bool Render(UINT Format, std::vector<unsigned char>& Bytes) const;

  std::string text_;
  std::string rtfText_;
  Integer column_;
};

// Format 1, format 13, rich text and, for a column, "Grid Column": each in global memory, content
// aspect, all of the data.
class TSourceEnumFormatEtc : public TFormatEnumerator {
 public:
  explicit TSourceEnumFormatEtc(bool Column);
};
