// The grid's OLE drag and drop; see ole_drag_drop.h.
#include "grid/ole_drag_drop.h"

#include <cstring>

#include "platform/classes/string_list.h"
#include "platform/core/assertion.h"
#include "platform/core/cp874.h"
#include "platform/shims/do_drag_drop.h"
#include "platform/shims/ole_types.h"
#include "platform/user/clipboard.h"
#include "platform/user/drop_files.h"
#include "platform/user/global_memory.h"
#include "platform/user/message_ids.h"

namespace {

constexpr UINT kText = 1;
constexpr UINT kWideText = 13;
constexpr UINT kFiles = 15;

UINT richTextFormat = 0;
UINT gridColumnFormat = 0;
bool dropRichText = false;

// Registered inside an opened clipboard; when it cannot be opened the numbers stay as they were.
void RegisterDragFormats() {
  if (!OpenClipboard(nullptr)) return;
  richTextFormat = RegisterClipboardFormatA("Rich Text Format");
  gridColumnFormat = RegisterClipboardFormatA("Grid Column");
  CloseClipboard();
}

template <class T>
bool ReadAt(const std::vector<unsigned char>& Bytes, size_t Offset, T& Value) {
  if (Offset > Bytes.size() || Bytes.size() - Offset < sizeof(T)) return false;
  std::memcpy(&Value, Bytes.data() + Offset, sizeof(T));
  return true;
}

// The names of a drop-files block from pFiles on, each ended by its zero, the list by an empty
// name; false when the header or any name (or the closing empty name) leaves the block.
bool ReadDroppedNames(const std::vector<unsigned char>& Bytes, std::vector<std::string>& Names) {
  DROPFILES header{};
  if (!ReadAt(Bytes, 0, header)) return false;
  const bool wide = header.fWide != 0;
  const size_t unit = wide ? sizeof(char16_t) : 1;
  size_t at = header.pFiles;
  for (;;) {
    std::u16string wideName;
    std::string name;
    for (;;) {
      if (at > Bytes.size() || Bytes.size() - at < unit) return false;
      char16_t ch = 0;
      if (wide)
        std::memcpy(&ch, Bytes.data() + at, unit);
      else
        ch = Bytes[at];
      at += unit;
      if (ch == 0) break;
      if (wide)
        wideName += ch;
      else
        name += char(ch);
    }
    if (wide) name = Utf16ToCp874(wideName);
    if (name.empty()) return true;
    Names.push_back(name);
  }
}

// A shareable, zero-filled, movable block holding Bytes; nullptr when it cannot be made.
HGLOBAL GlobalBlockOf(const std::vector<unsigned char>& Bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_SHARE | GMEM_MOVEABLE | GMEM_ZEROINIT, Bytes.size());
  if (block == nullptr) return nullptr;
  void* target = GlobalLock(block);
  if (target == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  if (!Bytes.empty()) std::memcpy(target, Bytes.data(), Bytes.size());
  GlobalUnlock(block);
  return block;
}

std::vector<unsigned char> BytesWithZero(const std::string& Text) {
  std::vector<unsigned char> bytes(Text.begin(), Text.end());
  bytes.push_back(0);
  return bytes;
}

}  // namespace

UINT RichTextClipboardFormat() { return richTextFormat; }
UINT GridColumnClipboardFormat() { return gridColumnFormat; }
bool OleDropRichTextAllowed() { return dropRichText; }
void SetOleDropRichTextAllowed(bool Value) { dropRichText = Value; }

// ---- TEnumFormats ----

TEnumFormats::TEnumFormats(IDataObject* DataObject) : data_(DataObject), files_(std::make_unique<TStringList>()) {
  const bool enumerates = DataObject != nullptr && DataObject->EnumFormatEtc(DATADIR_GET, formats_) == S_OK && formats_;
  Assert(enumerates, "Cannot get the format enumerator");
  if (formats_) formats_->Reset();
  RegisterDragFormats();
}

TEnumFormats::~TEnumFormats() = default;

void TEnumFormats::Reset() {
  valid_ = false;
  if (formats_) formats_->Reset();
}

bool TEnumFormats::Next() {
  ULONG fetched = 0;
  valid_ = formats_ && formats_->Next(1, &current_, &fetched) == S_OK && fetched == 1;
  return valid_;
}

bool TEnumFormats::HasFormat(UINT Format) {
  Reset();
  while (Next())
    if (current_.cfFormat == Format) return true;
  return false;
}

bool TEnumFormats::ReadCurrent(std::vector<unsigned char>& Bytes) {
  if (!valid_ || (current_.tymed & TYMED_HGLOBAL) == 0) return false;
  FORMATETC format = current_;
  format.tymed = TYMED_HGLOBAL;
  STGMEDIUM medium{};
  if (data_->GetData(&format, &medium) != S_OK) return false;
  bool read = false;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
    const size_t size = GlobalSize(medium.hGlobal);
    if (const auto* bytes = static_cast<const unsigned char*>(GlobalLock(medium.hGlobal))) {
      Bytes.assign(bytes, bytes + size);
      GlobalUnlock(medium.hGlobal);
      read = true;
    }
  }
  ReleaseStgMedium(&medium);
  return read;
}

bool TEnumFormats::ReadFormat(UINT Format, std::vector<unsigned char>& Bytes) {
  return HasFormat(Format) && ReadCurrent(Bytes);
}

Integer TEnumFormats::GetInteger(UINT Format) {
  std::vector<unsigned char> bytes;
  std::int32_t value = -1;
  if (!ReadFormat(Format, bytes) || !ReadAt(bytes, 0, value)) return -1;
  return value;
}

std::string TEnumFormats::GetText(UINT Format) {
  std::vector<unsigned char> bytes;
  if (!ReadFormat(Format, bytes)) return std::string();
  const auto* start = reinterpret_cast<const char*>(bytes.data());
  return std::string(start, strnlen(start, bytes.size()));
}

bool TEnumFormats::GetFiles(TStringList* List) {
  List->Clear();
  std::vector<unsigned char> bytes;
  std::vector<std::string> names;
  if (!ReadFormat(kFiles, bytes) || !ReadDroppedNames(bytes, names)) return false;
  for (const std::string& name : names) List->Add(name);
  return List->Count() > 0;
}

// ---- TPSGDropTarget ----

DWORD TPSGDropTarget::EffectOf(DWORD Keys, DWORD Allowed) {
  if ((Keys & MK_CONTROL) != 0) return DROPEFFECT_COPY;
  return (Allowed & DROPEFFECT_MOVE) != 0 ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

HRESULT TPSGDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  TEnumFormats formats(data);
  formats_ = 0;
  if (formats.HasText()) formats_ |= dfText;
  if (formats.HasFiles()) formats_ |= dfFiles;
  if (formats.HasColumn()) formats_ |= dfColumn;
  if (formats.HasRichText()) formats_ |= dfRichText;
  accepted_ = ((formats_ & dfText) != 0 && acceptText_) || ((formats_ & dfFiles) != 0 && acceptFiles_) ||
              ((formats_ & dfRichText) != 0 && dropRichText && acceptText_) ||
              ((formats_ & dfColumn) != 0 && acceptColumns_);
  if (effect != nullptr) *effect = accepted_ ? EffectOf(keys, *effect) : DROPEFFECT_NONE;
  DragEntered();
  return S_OK;
}

HRESULT TPSGDropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  *effect = accepted_ ? EffectOf(keys, *effect) : DROPEFFECT_NONE;
  bool allow = *effect != DROPEFFECT_NONE;
  DragMoved(TPoint{point.x, point.y}, allow, formats_);
  if (!allow) *effect = DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TPSGDropTarget::DragLeave() {
  DragLeft();
  return S_OK;
}

HRESULT TPSGDropTarget::Drop(IDataObject* data, DWORD keys, POINTL point, DWORD* effect) {
  if (effect == nullptr) return E_INVALIDARG;
  if (!accepted_) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  const TPoint at{point.x, point.y};
  TEnumFormats formats(data);
  const Integer column = formats.GetColumn();
  if (column != -1) {
    ColumnDropped(at, column);
  } else {
    if (formats.HasRichText() && dropRichText)
      RichTextDropped(at, formats.GetRichText());
    else if (formats.HasText())
      TextDropped(at, formats.GetPlainText());
    TStringList files;
    if (formats.HasFiles() && formats.GetFiles(&files)) FilesDropped(at, &files);
  }
  *effect = EffectOf(keys, *effect);
  return S_OK;
}

// ---- TPSGDropSource ----

HRESULT TPSGDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keys) {
  DragProgress();
  if (escapePressed) return DRAGDROP_S_CANCEL;
  if ((keys & MK_LBUTTON) == 0) return DRAGDROP_S_DROP;
  return S_OK;
}

HRESULT TPSGDropSource::GiveFeedback(DWORD effect) {
  lastEffectNone_ = effect == DROPEFFECT_NONE;
  EffectFeedback(effect);
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

HRESULT TPSGDropSource::RunDrag(IDataObject* Data, DWORD AllowedEffects, DWORD& Effect) {
  TInterfacePtr<IDataObject> data(Data);
  const HRESULT result = DoDragDrop(Data, this, AllowedEffects, &Effect);
  return lastEffectNone_ ? DRAGDROP_S_CANCEL : result;
}

HRESULT TPSGDropSource::StartTextDrag(const std::string& Text, const std::string& RtfText, DWORD AllowedEffects,
                                      DWORD& Effect) {
  return RunDrag(new TSourceDataObject(Text, RtfText, -1), AllowedEffects, Effect);
}

HRESULT TPSGDropSource::StartColumnDrag(Integer ColumnIndex, DWORD AllowedEffects, DWORD& Effect) {
  return RunDrag(new TSourceDataObject(std::string(), std::string(), ColumnIndex), AllowedEffects, Effect);
}

// ---- TSourceDataObject ----

TSourceDataObject::TSourceDataObject(std::string Text, std::string RtfText, Integer ColumnIndex)
    : text_(std::move(Text)), rtfText_(std::move(RtfText)), column_(ColumnIndex) {}

HRESULT TSourceDataObject::QueryGetData(const FORMATETC* format) {
  if (format == nullptr || (format->tymed & TYMED_HGLOBAL) == 0 || format->dwAspect != DVASPECT_CONTENT)
    return DV_E_FORMATETC;
  const UINT cf = format->cfFormat;
  if (column_ == -1 && (cf == kText || cf == kWideText || (cf == richTextFormat && cf != 0 && dropRichText)))
    return S_OK;
  if (column_ != -1 && cf == gridColumnFormat && cf != 0) return S_OK;
  return DV_E_FORMATETC;
}

bool TSourceDataObject::Render(UINT Format, std::vector<unsigned char>& Bytes) const {
  if (Format == kText) {
    Bytes = BytesWithZero(text_);
  } else if (Format == kWideText) {
    std::u16string wide = Cp874ToUtf16(text_);
    wide.push_back(u'\0');
    Bytes.resize(wide.size() * sizeof(char16_t));
    std::memcpy(Bytes.data(), wide.data(), Bytes.size());
  } else if (Format == richTextFormat && column_ == -1) {
    if (rtfText_.empty()) return false;
    Bytes = BytesWithZero(rtfText_);
  } else {
    const std::int32_t column = column_;
    Bytes.resize(sizeof(column));
    std::memcpy(Bytes.data(), &column, sizeof(column));
  }
  return true;
}

HRESULT TSourceDataObject::GetData(const FORMATETC* format, STGMEDIUM* medium) {
  if (medium == nullptr) return E_INVALIDARG;
  if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
  std::vector<unsigned char> bytes;
  if (!Render(format->cfFormat, bytes)) return DV_E_FORMATETC;
  HGLOBAL block = GlobalBlockOf(bytes);
  if (block == nullptr) return DV_E_FORMATETC;
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = block;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(const FORMATETC*, STGMEDIUM*) { return DV_E_FORMATETC; }
HRESULT TSourceDataObject::SetData(const FORMATETC*, STGMEDIUM*, BOOL) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* canonical) {
  if (canonical != nullptr) canonical->ptd = nullptr;
  return E_NOTIMPL;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD direction, TInterfacePtr<IEnumFORMATETC>& formats) {
  if (direction != DATADIR_GET) return E_NOTIMPL;
  formats = TInterfacePtr<IEnumFORMATETC>(new TSourceEnumFormatEtc(column_ != -1));
  return S_OK;
}

// ---- TSourceEnumFormatEtc ----

namespace {

std::vector<FORMATETC> SourceFormats(bool Column) {
  std::vector<FORMATETC> formats{GlobalFormat(kText), GlobalFormat(kWideText), GlobalFormat(CLIPFORMAT(richTextFormat))};
  if (Column) formats.push_back(GlobalFormat(CLIPFORMAT(gridColumnFormat)));
  return formats;
}

}  // namespace

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool Column) : TFormatEnumerator(SourceFormats(Column)) {}
