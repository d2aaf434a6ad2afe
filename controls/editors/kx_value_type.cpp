#include "controls/editors/kx_value_type.h"

#include <algorithm>
#include <memory>

#include "controls/foundation/kx_variant_stream.h"
#include "controls/foundation/kx_variants.h"

namespace {

std::unique_ptr<TkxValueTypeClassList> classList;

}  // namespace

Integer TkxValueType::CompareBuffers(const void* Buffer1, const void* Buffer2) const {
  DerefBuffer(Buffer1);
  DerefBuffer(Buffer2);
  return CompareData(Buffer1, Buffer2);
}

void TkxValueType::ReleaseBuffer(void*) const {}

void TkxValueType::ReleaseTextBuffer(TkxTextBuffer& TextBuffer) const {
  delete TextBuffer;
  TextBuffer = nullptr;
}

Integer TkxValueType::GetBufferSize() const { return 0; }

void TkxValueType::ReadBufferValue(const void*, Variant& Value) const { Value = Null(); }

void TkxValueType::FormatBufferValue(const void* Buffer, std::string& Text) const {
  Variant value;
  ReadBufferValue(Buffer, value);
  try {
    Text = VarToStr(value);
  } catch (const EVariantError&) {
    Text.clear();
  }
}

void TkxValueType::ReadBufferText(TkxTextBuffer TextBuffer, std::string& Text) const {
  Text = TextBuffer != nullptr ? *TextBuffer : std::string();
}

void TkxValueType::LoadValue(void* Buffer, TStream* Stream) const { StoreValue(Buffer, ReadStreamVariant(Stream)); }

void TkxValueType::LoadText(TkxTextBuffer& TextBuffer, TStream* Stream) const {
  StoreText(TextBuffer, ReadStreamString(Stream));
}

void TkxValueType::StoreValue(void*, const Variant&) const {}

void TkxValueType::StoreText(TkxTextBuffer& TextBuffer, const std::string& Text) const {
  if (TextBuffer == nullptr) TextBuffer = new std::string(Text);
  else *TextBuffer = Text;
}

void TkxValueType::SaveValue(const void* Buffer, TStream* Stream) const {
  Variant value;
  ReadBufferValue(Buffer, value);
  WriteStreamVariant(Stream, value);
}

void TkxValueType::SaveText(TkxTextBuffer TextBuffer, TStream* Stream) const {
  WriteStreamString(Stream, TextBuffer != nullptr ? *TextBuffer : std::string());
}

std::string TkxValueType::GetTypeCaption() const {
  std::string caption = ClassName();
  if (caption.starts_with("Tkx")) caption.erase(0, 3);
  if (const std::size_t at = caption.find("ValueType"); at != std::string::npos) caption.erase(at, 9);
  return caption;
}

Integer TkxValueType::CompareData(const void* Data1, const void* Data2) const {
  Variant a, b;
  DataToVariant(Data1, a);
  DataToVariant(Data2, b);
  return CompareVariants(a, b);
}

void TkxValueType::DataToVariant(const void* Data, Variant& Value) const { ReadBufferValue(Data, Value); }

TVarType TkxValueType::GetVariantType() const { return varVariant; }

bool TkxValueType::CanConvert(Variant& Value) const {
  if (Value.IsNull() || GetVariantType() == varVariant) return true;
  try {
    Value = VarAsType(Value, GetVariantType());
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

bool TkxValueType::IsTextType() const { return false; }

void TkxValueType::DerefBuffer(const void*&) const {}

void TkxValueTypeClassList::Register(TkxValueTypeClass AClass) {
  if (std::find(items_.begin(), items_.end(), AClass) == items_.end()) items_.push_back(AClass);
}

void TkxValueTypeClassList::Unregister(TkxValueTypeClass AClass) {
  items_.erase(std::remove(items_.begin(), items_.end(), AClass), items_.end());
}

TkxValueTypeClassList* GetValueTypeClassList() {
  if (!classList) classList = std::make_unique<TkxValueTypeClassList>();
  return classList.get();
}

void FreeValueTypeClassList() { classList.reset(); }
