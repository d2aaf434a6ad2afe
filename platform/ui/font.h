// TFont: the typeface, size, style, character set and colour text is drawn with.
//
// Height is in pixels (negative: the character height without internal leading, as the forms
// store it); Size is in points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch, rounded, and
// setting Size sets Height = -MulDiv(Size, PixelsPerInch, 72).  Defaults: "MS Sans Serif",
// Height -11 (8 points at 96 pixels per inch), DEFAULT_CHARSET, clWindowText, fpDefault, no
// style.  Assign copies the values and reports a change only when something differs.  The handle
// is a font of the drawing layer made from the values; the colour is not part of it.
#pragma once

#include <string>

#include "platform/classes/enum_set.h"
#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/colors.h"
#include "platform/ui/graphics_object.h"

PR_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
PR_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
using TFontCharset = Byte;
using TFontName = std::string;

// The character-set names the component stream uses ("DEFAULT_CHARSET", "THAI_CHARSET", ...).
const TTypeInfo* FontCharsetTypeInfo();

// Everything a font handle is made from.
struct TFontData {
  TFontName Name = "MS Sans Serif";
  Integer Height = -11;
  TFontStyles Style;
  TFontPitch Pitch = fpDefault;
  TFontCharset Charset = 1;   // DEFAULT_CHARSET
  Integer Orientation = 0;    // tenths of a degree, counterclockwise
  friend bool operator==(const TFontData&, const TFontData&) = default;
};

class TFont : public TGraphicsObject {
  PR_CLASS(TFont, TGraphicsObject)

 public:
  TFont();
  void Assign(TPersistent* Source) override;

  const TFontName& Name() const { return data_.Name; }
  void SetName(const TFontName& Value);
  Integer Height() const { return data_.Height; }
  void SetHeight(Integer Value);
  Integer Size() const;
  void SetSize(Integer Value);
  TFontStyles Style() const { return data_.Style; }
  void SetStyle(TFontStyles Value);
  TFontPitch Pitch() const { return data_.Pitch; }
  void SetPitch(TFontPitch Value);
  TFontCharset Charset() const { return data_.Charset; }
  void SetCharset(TFontCharset Value);
  Integer Orientation() const { return data_.Orientation; }
  void SetOrientation(Integer Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  Integer PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(Integer Value) { pixelsPerInch_ = Value; }
  const TFontData& Data() const { return data_; }
  void SetData(const TFontData& Value) { Update(data_, Value); }

  HFONT Handle() { return static_cast<HFONT>(CachedHandle()); }

 protected:
  void* MakeHandle() override;

 private:
  // Changes one field of the font's data through SetData, which tells the change once.
  template <class T> void SetDataField(T TFontData::*field, const T& Value) {
    TFontData data = data_;
    data.*field = Value;
    SetData(data);
  }

  TFontData data_;
  TColor color_ = clWindowText;
  Integer pixelsPerInch_ = 96;
};
