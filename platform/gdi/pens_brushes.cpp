// Pen and brush creation and their records; see pens_brushes.h, pen_object.h, brush_object.h.
#include "platform/gdi/pens_brushes.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/brush_object.h"
#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/pen_object.h"

namespace gdi {

namespace {
int CopyRecord(const void* record, int recordSize, int size, void* out) {
  if (!out) return recordSize;
  const int n = std::min(size, recordSize);
  std::memcpy(out, record, std::size_t(n));
  return n;
}
}  // namespace

PenObject* FindPen(const void* handle) {
  GdiObject* o = HandleTable::Instance().Find(handle);
  return o && (o->Kind() == ObjectKind::Pen || o->Kind() == ObjectKind::ExtPen) ? static_cast<PenObject*>(o) : nullptr;
}

int PenObject::GetObjectData(int size, void* out, bool) const {
  if (!extended_) {
    const LOGPEN record{style_, {width_, 0}, color_};
    return CopyRecord(&record, sizeof record, size, out);
  }
  const std::size_t entries = userStyle_.size();
  const int full = int(offsetof(EXTLOGPEN, elpStyleEntry) + std::max<std::size_t>(1, entries) * sizeof(DWORD));
  if (!out) return full;
  std::vector<std::uint8_t> buffer(std::size_t(full), 0);
  auto* record = reinterpret_cast<EXTLOGPEN*>(buffer.data());
  record->elpPenStyle = style_;
  record->elpWidth = DWORD(width_);
  record->elpBrushStyle = brush_.lbStyle;
  record->elpColor = brush_.lbColor;
  record->elpHatch = brush_.lbHatch;
  record->elpNumEntries = DWORD(entries);
  std::memcpy(buffer.data() + offsetof(EXTLOGPEN, elpStyleEntry), userStyle_.data(), entries * sizeof(DWORD));
  return CopyRecord(buffer.data(), full, size, out);
}

int BrushObject::GetObjectData(int size, void* out, bool) const {
  const LOGBRUSH record{style_, Color(), hatch_};
  return CopyRecord(&record, sizeof record, size, out);
}

void BrushObject::SetColorPattern(int width, int height, std::vector<Pixel> pixels) {
  patternWidth_ = width;
  patternHeight_ = height;
  monochrome_ = false;
  pixels_ = std::move(pixels);
}

void BrushObject::SetMonochromePattern(int width, int height, std::vector<std::uint8_t> bits) {
  patternWidth_ = width;
  patternHeight_ = height;
  monochrome_ = true;
  bits_ = std::move(bits);
}

bool HatchBit(int hatch, int x, int y) {
  switch (hatch) {
    case HS_HORIZONTAL: return y == 0;
    case HS_VERTICAL: return x == 0;
    case HS_FDIAGONAL: return x == y;
    case HS_BDIAGONAL: return x + y == 7;
    case HS_CROSS: return x == 0 || y == 0;
    case HS_DIAGCROSS: return x == y || x + y == 7;
    default: return false;
  }
}

}  // namespace gdi

using namespace gdi;

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style < int(PS_SOLID) || style > int(PS_INSIDEFRAME)) return nullptr;
  if (width < 0) width = 0;
  // Wide pens are drawn solid whatever dash style they were given.
  const DWORD effective = width > 1 && style >= int(PS_DASH) && style <= int(PS_DASHDOTDOT) ? PS_SOLID : DWORD(style);
  auto pen = std::make_unique<PenObject>(effective, width, color, false);
  pen->SetBrush({BS_SOLID, color, 0});
  return AddObject<HPEN>(std::move(pen));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
  return pen ? CreatePen(int(pen->lopnStyle), pen->lopnWidth.X, pen->lopnColor) : nullptr;
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD styleCount, const DWORD* styles) {
  if (!brush) return nullptr;
  const bool geometric = (style & PS_TYPE_MASK) == PS_GEOMETRIC;
  const UINT line = style & PS_STYLE_MASK;
  if (line > PS_ALTERNATE) return nullptr;
  if (!geometric && (width != 1 || brush->lbStyle != BS_SOLID)) return nullptr;
  if (geometric && line == PS_ALTERNATE) return nullptr;
  if ((line == PS_USERSTYLE) != (styleCount > 0) || (styleCount > 0 && (!styles || styleCount > 16))) return nullptr;
  auto pen = std::make_unique<PenObject>(style, int(width), brush->lbColor, true);
  pen->SetBrush(*brush);
  if (styleCount) pen->SetUserStyle(std::vector<DWORD>(styles, styles + styleCount));
  return AddObject<HPEN>(std::move(pen));
}

HBRUSH CreateSolidBrush(COLORREF color) { return AddObject<HBRUSH>(std::make_unique<BrushObject>(BS_SOLID, color, 0)); }

BOOL SetSolidBrushColor(HBRUSH brush, COLORREF color) {
  BrushObject* object = FindObject<BrushObject>(brush);
  if (!object || object->IsStock() || object->Style() != BS_SOLID) return 0;
  object->SetColor(color);
  return 1;
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
  return AddObject<HBRUSH>(std::make_unique<BrushObject>(BS_HATCHED, color, ULONG_PTR(hatch)));
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
  const BitmapObject* bm = FindObject<BitmapObject>(bitmap);
  if (!bm) return nullptr;
  const int w = bm->Width(), h = bm->Height();
  auto brush = std::make_unique<BrushObject>(BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(bitmap));
  std::vector<Pixel> row(std::size_t(w), 0);
  if (bm->IsMonochrome()) {
    std::vector<std::uint8_t> bits;
    for (int y = 0; y < h; ++y) {
      bm->Surface().ReadSpan(y, 0, w, row.data());
      for (Pixel p : row) bits.push_back((p & 0xFFFFFF) ? 1 : 0);
    }
    brush->SetMonochromePattern(w, h, std::move(bits));
  } else {
    std::vector<Pixel> pixels;
    for (int y = 0; y < h; ++y) {
      bm->Surface().ReadSpan(y, 0, w, row.data());
      pixels.insert(pixels.end(), row.begin(), row.end());
    }
    brush->SetColorPattern(w, h, std::move(pixels));
  }
  return AddObject<HBRUSH>(std::move(brush));
}

HBRUSH CreateDIBPatternBrushPt(const void* packedDib, UINT usage) {
  const auto* info = static_cast<const BITMAPINFO*>(packedDib);
  const std::optional<DibFormat> f = DibFormat::Parse(info, usage);
  if (!f) return nullptr;
  const auto* bits = static_cast<const std::uint8_t*>(packedDib) + f->HeaderBytes();
  std::vector<Pixel> pixels(std::size_t(f->Width()) * std::size_t(f->Height()));
  for (int y = 0; y < f->Height(); ++y)
    f->ReadPixels(f->Row(bits, y), 0, f->Width(), pixels.data() + std::size_t(y) * std::size_t(f->Width()));
  auto brush = std::make_unique<BrushObject>(BS_DIBPATTERNPT, usage, reinterpret_cast<ULONG_PTR>(packedDib));
  brush->SetColorPattern(f->Width(), f->Height(), std::move(pixels));
  return AddObject<HBRUSH>(std::move(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush) {
  if (!brush) return nullptr;
  switch (brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(brush->lbColor);
    case BS_NULL: return AddObject<HBRUSH>(std::make_unique<BrushObject>(BS_NULL, 0, 0));
    case BS_HATCHED: return CreateHatchBrush(int(brush->lbHatch), brush->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(brush->lbHatch));
    case BS_DIBPATTERNPT: return CreateDIBPatternBrushPt(reinterpret_cast<const void*>(brush->lbHatch), brush->lbColor);
    default: return nullptr;
  }
}
