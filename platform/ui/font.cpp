#include "platform/ui/font.h"

#include "platform/classes/integer_idents.h"
#include "platform/classes/publisher.h"
#include "platform/core/mul_div.h"
#include "platform/ui/font_handle.h"

PR_PUBLISH(TFont) {
  p.Property("Charset", &TFont::Charset, &TFont::SetCharset).Type(FontCharsetTypeInfo()).NoDefault();
  p.Property("Color", &TFont::Color, &TFont::SetColor).Type(ColorTypeInfo()).NoDefault();
  p.Property("Height", &TFont::Height, &TFont::SetHeight).NoDefault();
  p.Property("Name", &TFont::Name, &TFont::SetName);
  p.Property("Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0);
  p.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  p.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  p.Property("Style", &TFont::Style, &TFont::SetStyle);
}

namespace {

constexpr TIdentMapEntry kCharsets[] = {
    {0, "ANSI_CHARSET"},         {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},         {128, "SHIFTJIS_CHARSET"},  {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},      {134, "GB2312_CHARSET"},    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},      {162, "TURKISH_CHARSET"},   {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},     {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},    {222, "THAI_CHARSET"},      {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

bool CharsetToIdent(Integer Charset, std::string& Ident) { return IntToIdent(Charset, Ident, kCharsets); }
bool IdentToCharset(std::string_view Ident, Integer& Charset) { return IdentToInt(Ident, Charset, kCharsets); }

}  // namespace

const TTypeInfo* FontCharsetTypeInfo() {
  static const TTypeInfo* info = [] {
    static TTypeInfo t = *TypeInfo<Byte>();
    t.Name = "TFontCharset";
    RegisterIntegerConsts(&t, &IdentToCharset, &CharsetToIdent);
    return &t;
  }();
  return info;
}

TFont::TFont() = default;

void TFont::Assign(TPersistent* Source) {
  auto* font = dynamic_cast<TFont*>(Source);
  if (font == nullptr) return inherited::Assign(Source);
  Lock();
  font->Lock();
  const TFontData data = font->data_;
  const TColor color = font->color_;
  const Integer ppi = font->pixelsPerInch_;
  const Integer size = font->Size();
  font->Unlock();
  SetData(data);
  SetColor(color);
  // A font measured at another resolution keeps its point size.
  if (pixelsPerInch_ != ppi) SetSize(size);
  Unlock();
}

void TFont::SetName(const TFontName& Value) {
  if (Value.empty()) return;
  SetDataField(&TFontData::Name, Value);
}

void TFont::SetHeight(Integer Value) {
  SetDataField(&TFontData::Height, Value);
}

Integer TFont::Size() const {
  // Rounded to the nearest point, halves away from zero.
  return MulDiv(data_.Height, -72, pixelsPerInch_);
}

void TFont::SetSize(Integer Value) {
  SetHeight(-MulDiv(Value, pixelsPerInch_, 72));
}

void TFont::SetStyle(TFontStyles Value) {
  SetDataField(&TFontData::Style, Value);
}

void TFont::SetPitch(TFontPitch Value) {
  SetDataField(&TFontData::Pitch, Value);
}

void TFont::SetCharset(TFontCharset Value) {
  SetDataField(&TFontData::Charset, Value);
}

void TFont::SetOrientation(Integer Value) {
  SetDataField(&TFontData::Orientation, Value);
}

void TFont::SetColor(TColor Value) { Update(color_, Value); }

void* TFont::MakeHandle() { return CreateFontHandle(data_); }
