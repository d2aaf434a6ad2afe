// Image list calls; see image_list.h and image_list_object.h.
#include "platform/gdi/image_list.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gdi/bitmap_object.h"
#include "platform/gdi/blt_engine.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/handle_table.h"
#include "platform/gdi/icon.h"
#include "platform/gdi/icon_object.h"
#include "platform/gdi/image_list_object.h"
#include "platform/gdi/paint.h"
#include "platform/gdi/pixel_math.h"
#include "platform/gdi/sys_colors.h"

using namespace gdi;

namespace {

ImageListObject* Find(HIMAGELIST list) { return FindObject<ImageListObject>(list); }

// Copies the top-left cx x cy of `image` (and its mask) into slot i.  maskColor, when it is not
// CLR_NONE, makes the mask from that colour instead and blackens those pixels.
void StoreImage(ImageListObject& list, int i, const BitmapObject& image, int column, const BitmapObject* mask,
                COLORREF maskColor) {
  const int w = std::min(list.Cx(), image.Width() - column * list.Cx());
  const int h = std::min(list.Cy(), image.Height());
  std::vector<Pixel> pixels(std::size_t(list.Cx())), bits(std::size_t(list.Cx()));
  const Pixel key = ColorRefToPixel(maskColor & 0xFFFFFF);
  BitmapObject* target = list.Image();
  BitmapObject* targetMask = list.Mask();
  for (int y = 0; y < list.Cy(); ++y) {
    std::fill(pixels.begin(), pixels.end(), 0);
    std::fill(bits.begin(), bits.end(), 0);
    if (y < h) {
      image.Surface().ReadSpan(y, column * list.Cx(), w, pixels.data());
      if (mask && y < mask->Height()) mask->Surface().ReadSpan(y, column * list.Cx(), std::min(w, mask->Width() - column * list.Cx()), bits.data());
    }
    if (maskColor != CLR_NONE && targetMask)
      for (int x = 0; x < w; ++x)
        if ((pixels[std::size_t(x)] & 0xFFFFFF) == key) pixels[std::size_t(x)] = 0, bits[std::size_t(x)] = 0xFFFFFF;
    target->Surface().WriteSpan(y, i * list.Cx(), list.Cx(), pixels.data());
    if (targetMask) targetMask->Surface().WriteSpan(y, i * list.Cx(), list.Cx(), bits.data());
  }
}

int AddImages(HIMAGELIST handle, HBITMAP image, HBITMAP mask, COLORREF maskColor) {
  ImageListObject* list = Find(handle);
  const BitmapObject* img = FindObject<BitmapObject>(image);
  const BitmapObject* msk = mask ? FindObject<BitmapObject>(mask) : nullptr;
  if (!list || !img || (mask && !msk)) return -1;
  const int n = img->Width() / list->Cx();
  if (n <= 0 || !list->Reserve(list->Count() + n)) return -1;
  const int first = list->Count();
  list->SetCount(first + n);
  for (int k = 0; k < n; ++k) StoreImage(*list, first + k, *img, k, msk, maskColor);
  return first;
}

Pixel Mix(Pixel image, Pixel color, int quarters) {
  Pixel out = image & 0xFF000000;
  for (int k = 0; k < 3; ++k) {
    const std::uint32_t a = (image >> (8 * k)) & 0xFF, b = (color >> (8 * k)) & 0xFF;
    const std::uint32_t v = quarters == 2 ? (a + b + 1) / 2 : (3 * a + b + 2) / 4;
    out |= v << (8 * k);
  }
  return out;
}

BOOL DrawImage(ImageListObject& list, int index, DeviceContext& c, int x, int y, int dx, int dy, COLORREF background,
               COLORREF foreground, UINT style) {
  if (index < 0 || index >= list.Count()) return 0;
  if (!c.Target()) return 1;
  const int w = dx > 0 ? std::min(dx, list.Cx()) : list.Cx();
  const int h = dy > 0 ? std::min(dy, list.Cy()) : list.Cy();
  const TPoint p = c.ToSurface(TPoint{x, y});
  const PixelSurface& image = list.Image()->Surface();
  const PixelSurface* mask = (list.Mask() && !(style & ILD_IMAGE)) ? &list.Mask()->Surface() : nullptr;
  const PixelSurface& target = c.Target()->Surface();
  if (background == CLR_DEFAULT) background = list.Background();
  const bool transparent = (style & ILD_TRANSPARENT) || background == CLR_NONE;
  const Pixel back = transparent ? 0 : target.Representable(ColorRefToPixel(background & 0xFFFFFF));
  const bool alpha = list.HasAlpha(index);
  const int quarters = (style & ILD_BLEND50) ? 2 : (style & ILD_BLEND25) ? 1 : 0;
  if (foreground == CLR_DEFAULT) foreground = GetSysColor(COLOR_HIGHLIGHT);
  const Pixel fore = ColorRefToPixel(foreground & 0xFFFFFF);
  const Pixel maskFore = target.Representable(ColorRefToPixel(ResolveColor(c, c.State().textColor)));
  const Pixel maskBack = target.Representable(ColorRefToPixel(ResolveColor(c, c.State().bkColor)));
  std::vector<Pixel> img, bits;
  BlitRows(c, p.X, p.Y, w, h, nullptr, 0, 0, 0, 0, COLORONCOLOR,
           [&](int row, int col, int n, const Pixel*, const std::uint8_t*, Pixel* d) {
             const int iy = row - p.Y, ix = index * list.Cx() + (col - p.X);
             img.resize(std::size_t(n));
             bits.assign(std::size_t(n), 0);
             image.ReadSpan(iy, ix, n, img.data());
             if (mask) mask->ReadSpan(iy, ix, n, bits.data());
             for (int k = 0; k < n; ++k) {
               const bool masked = (bits[std::size_t(k)] & 0xFFFFFF) != 0;
               if (style & ILD_MASK) {
                 d[k] = masked ? maskBack : maskFore;
               } else if (alpha) {
                 d[k] = StraightOver(quarters ? Mix(img[std::size_t(k)], foreground == CLR_NONE ? d[k] : fore, quarters) : img[std::size_t(k)], d[k]);
               } else if (masked) {
                 if (!transparent) d[k] = back;
               } else {
                 const Pixel v = img[std::size_t(k)] & 0x00FFFFFF;
                 d[k] = quarters ? Mix(v, foreground == CLR_NONE ? d[k] : fore, quarters) : v;
               }
             }
           });
  const int overlay = list.Overlay(int((style & ILD_OVERLAYMASK) >> 8));
  if (overlay >= 0 && !(style & ILD_MASK))
    DrawImage(list, overlay, c, x, y, dx, dy, CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
  return 1;
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
  if (cx <= 0 || cy <= 0 || initial < 0) return nullptr;
  auto list = std::make_unique<ImageListObject>(cx, cy, flags, grow);
  if (!list->Reserve(std::max(1, initial))) return nullptr;
  return AddObject<HIMAGELIST>(std::move(list));
}

BOOL ImageList_Destroy(HIMAGELIST list) { return Find(list) && HandleTable::Instance().Delete(list); }

int ImageList_GetImageCount(HIMAGELIST list) {
  const ImageListObject* l = Find(list);
  return l ? l->Count() : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count) {
  ImageListObject* l = Find(list);
  if (!l || !l->Reserve(int(count))) return 0;
  l->SetCount(int(count));
  return 1;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
  const ImageListObject* l = Find(list);
  if (!l || !cx || !cy) return 0;
  *cx = l->Cx();
  *cy = l->Cy();
  return 1;
}

BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy) {
  ImageListObject* l = Find(list);
  if (!l || cx <= 0 || cy <= 0) return 0;
  l->Reset(cx, cy);
  return l->Reserve(1);
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
  ImageListObject* l = Find(list);
  if (!l) return CLR_NONE;
  const COLORREF old = l->Background();
  l->SetBackground(color);
  return old;
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
  const ImageListObject* l = Find(list);
  return l ? l->Background() : CLR_NONE;
}

UINT ImageList_GetFlags(HIMAGELIST list) {
  const ImageListObject* l = Find(list);
  return l ? l->Flags() : 0;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) { return AddImages(list, image, mask, CLR_NONE); }

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
  return AddImages(list, image, nullptr, maskColor);
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
  ImageListObject* l = Find(list);
  const BitmapObject* img = FindObject<BitmapObject>(image);
  const BitmapObject* msk = mask ? FindObject<BitmapObject>(mask) : nullptr;
  if (!l || !img || (mask && !msk) || index < 0 || index >= l->Count()) return 0;
  StoreImage(*l, index, *img, 0, msk, CLR_NONE);
  return 1;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
  ImageListObject* l = Find(list);
  const IconObject* i = FindObject<IconObject>(icon);
  if (!l || !i || index < -1 || index >= l->Count()) return -1;
  if (index == -1) {
    if (!l->Reserve(l->Count() + 1)) return -1;
    index = l->Count();
    l->SetCount(index + 1);
  }
  // The icon's image and mask, scaled to the list's size.
  const BitmapObject* mask = FindObject<BitmapObject>(i->Mask());
  const BitmapObject* color = i->Color() ? FindObject<BitmapObject>(i->Color()) : nullptr;
  const TSize size = i->Size();
  std::vector<Pixel> row(std::size_t(size.cx));
  for (int y = 0; y < l->Cy(); ++y) {
    const int sy = y * size.cy / l->Cy();
    for (const bool isMask : {false, true}) {
      BitmapObject* target = isMask ? l->Mask() : l->Image();
      if (!target) continue;
      const BitmapObject* from = isMask || !color ? mask : color;
      const int fromRow = (!isMask && !color) ? sy + size.cy : sy;   // monochrome icons keep the image below
      from->Surface().ReadSpan(fromRow, 0, size.cx, row.data());
      for (int x = 0; x < l->Cx(); ++x) target->Surface().SetPixel(index * l->Cx() + x, y, row[std::size_t(x * size.cx / l->Cx())]);
    }
  }
  return index;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
  ImageListObject* l = Find(list);
  if (!l || index < -1 || index >= l->Count()) return 0;
  if (index == -1) {
    l->SetCount(0);
    return 1;
  }
  for (int k = index; k + 1 < l->Count(); ++k) l->CopyImage(k + 1, k);
  l->SetCount(l->Count() - 1);
  return 1;
}

BOOL ImageList_Copy(HIMAGELIST destination, int to, HIMAGELIST source, int from, UINT flags) {
  ImageListObject* l = Find(destination);
  if (!l || destination != source || to < 0 || from < 0 || to >= l->Count() || from >= l->Count()) return 0;
  if (flags & ILCF_SWAP) {
    // Through a spare slot past the end.
    if (!l->Reserve(l->Count() + 1)) return 0;
    const int spare = l->Count();
    l->CopyImage(to, spare);
    l->CopyImage(from, to);
    l->CopyImage(spare, from);
    return 1;
  }
  l->CopyImage(from, to);
  return 1;
}

HIMAGELIST ImageList_Duplicate(HIMAGELIST list) {
  const ImageListObject* l = Find(list);
  if (!l) return nullptr;
  HIMAGELIST copy = ImageList_Create(l->Cx(), l->Cy(), l->Flags(), std::max(1, l->Count()), 4);
  ImageListObject* c = Find(copy);
  if (!c) return nullptr;
  c->SetCount(l->Count());
  for (int i = 0; i < l->Count(); ++i) StoreImage(*c, i, *l->Image(), i, l->Mask(), CLR_NONE);
  c->SetBackground(l->Background());
  for (int n = 1; n <= 15; ++n) c->SetOverlay(n, l->Overlay(n));
  return copy;
}

BOOL ImageList_SetOverlayImage(HIMAGELIST list, int image, int overlay) {
  ImageListObject* l = Find(list);
  if (!l || overlay < 1 || overlay > 15 || image < -1 || image >= l->Count()) return 0;
  l->SetOverlay(overlay, image);
  return 1;
}

BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info) {
  const ImageListObject* l = Find(list);
  if (!l || !info || index < 0 || index >= l->Count()) return 0;
  *info = {l->ImageHandle(), l->MaskHandle(), 0, 0, Bounds(index * l->Cx(), 0, l->Cx(), l->Cy())};
  return 1;
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT) {
  const ImageListObject* l = Find(list);
  if (!l || index < 0 || index >= l->Count()) return nullptr;
  HBITMAP mask = NewBitmap(l->Cx(), l->Cy(), 1, false, true);
  HBITMAP color = NewBitmap(l->Cx(), l->Cy(), 32, false, true);
  if (!mask || !color) {
    if (mask) DeleteObject(mask);
    if (color) DeleteObject(color);
    return nullptr;
  }
  std::vector<Pixel> row(std::size_t(l->Cx()));
  for (int y = 0; y < l->Cy(); ++y) {
    l->Image()->Surface().ReadSpan(y, index * l->Cx(), l->Cx(), row.data());
    FindObject<BitmapObject>(color)->Surface().WriteSpan(y, 0, l->Cx(), row.data());
    if (l->Mask()) {
      l->Mask()->Surface().ReadSpan(y, index * l->Cx(), l->Cx(), row.data());
      FindObject<BitmapObject>(mask)->Surface().WriteSpan(y, 0, l->Cx(), row.data());
    }
  }
  const ICONINFO info{1, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(color);
  return icon;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF background,
                      COLORREF foreground, UINT style) {
  ImageListObject* l = Find(list);
  DeviceContext* c = FindDC(dc);
  if (!l || !c) return 0;
  return DrawImage(*l, index, *c, x, y, dx, dy, background, foreground, style);
}
